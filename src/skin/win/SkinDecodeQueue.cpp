#include "skin/win/SkinDecodeQueue.h"

#include "skin/win/SkinImages.h"

namespace corvalith {

void SkinDecodeQueue::Start(const std::vector<std::string>& paths) {
    waiting_.assign(paths.rbegin(), paths.rend());
}

SkinDecodeQueue::Step SkinDecodeQueue::DecodeNext() {
    if (waiting_.empty()) {
        return Step::Idle;
    }
    skins_.Image(waiting_.back());
    waiting_.pop_back();
    return waiting_.empty() ? Step::Finished : Step::More;
}

} // namespace corvalith
