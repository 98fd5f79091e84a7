#include "framework/CSourceDC.h"

namespace corvalith {

namespace {

// The kept DC, lent on the thread that made it, the one the windows run on; it lasts as long as the
// program.
struct KeptSourceDC {
    HDC dc = nullptr;
    bool lent = false;
    DWORD thread = ::GetCurrentThreadId();

    HDC Take() {
        if (lent || thread != ::GetCurrentThreadId()) {
            return nullptr;
        }
        if (dc == nullptr) {
            dc = ::CreateCompatibleDC(nullptr);
        }
        lent = dc != nullptr;
        return dc;
    }
};

KeptSourceDC kept;

} // namespace

CSourceDC::CSourceDC(HBITMAP bitmap) {
    dc_ = kept.Take();
    borrowed_ = dc_ != nullptr;
    if (dc_ == nullptr) {
        dc_ = ::CreateCompatibleDC(nullptr);
    }
    if (dc_ != nullptr && bitmap != nullptr) {
        previous_ = ::SelectObject(dc_, bitmap);
    }
}

CSourceDC::~CSourceDC() {
    if (dc_ == nullptr) {
        return;
    }
    if (previous_ != nullptr) {
        ::SelectObject(dc_, previous_);
    }
    if (borrowed_) {
        kept.lent = false;
    } else {
        ::DeleteDC(dc_);
    }
}

} // namespace corvalith
