#pragma once

#include <string>
#include <vector>

namespace corvalith {

class SkinImages;

// Skin images decoded ahead of their first use, one at a time, while the window that draws them waits
// unseen (in the tray): each step decodes one file, so a show request or a click between two steps waits
// for one decode at most.
class SkinDecodeQueue {
public:
    enum class Step { Idle, More, Finished };

    // skins must outlive the queue.
    explicit SkinDecodeQueue(const SkinImages& skins) : skins_(skins) {}

    // The images to decode, first first; replaces whatever still waits.
    void Start(const std::vector<std::string>& paths);
    // Decodes the next image: More when others still wait, Finished after the last one, Idle when none
    // was waiting.
    Step DecodeNext();

private:
    const SkinImages& skins_;
    std::vector<std::string> waiting_; // last first
};

} // namespace corvalith
