#include "platform/posix/SlicedRead.h"

#include <algorithm>

namespace corvalith {

int SlicedRead::Run(const std::function<int(int)>& readSlice, const std::function<bool()>& cancelled,
                    int limitMs) {
    int waited = 0;
    for (;;) {
        const int slice = limitMs == kNoLimit ? kSliceMs : std::min(kSliceMs, limitMs - waited);
        if (slice <= 0) {
            return 0;
        }
        const int got = readSlice(slice);
        if (got < 0 || cancelled()) {
            return 0;
        }
        if (got > 0) {
            return got;
        }
        waited += slice;
    }
}

} // namespace corvalith
