#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith::test {

// A program folder in the temporary folder, with skin images that a test writes itself (plain
// 24-bit bitmaps of one colour; the image decoder reads them whatever their file names say).
// Everything is deleted again when the object goes.
class TestSkinFolder {
public:
    TestSkinFolder();
    TestSkinFolder(const TestSkinFolder&) = delete;
    TestSkinFolder& operator=(const TestSkinFolder&) = delete;
    ~TestSkinFolder();

    // The folder, ending with a separator, in UTF-8 as the skin images want it.
    const std::string& ProgramFolder() const { return folder_; }

    // Writes a width x height image of one colour at a path relative to the program folder
    // ("Skins/Warning/main.jpg", "/" or "\\" between the names), creating its folders; false when it
    // could not be written.
    bool WriteImage(const std::string& relative, int width, int height, COLORREF colour);

private:
    bool MakeFolders(const std::wstring& relativeFolder);

    std::string folder_;
    std::wstring wideFolder_;
    std::vector<std::wstring> files_;
    std::vector<std::wstring> folders_;
};

} // namespace corvalith::test
