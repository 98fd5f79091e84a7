#pragma once

#include <string>

namespace corvalith::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    // The folder in UTF-8, ending with a separator.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace corvalith::test
