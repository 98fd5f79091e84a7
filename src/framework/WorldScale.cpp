#include "framework/WorldScale.h"

namespace corvalith {

namespace {

XFORM ScaleTransform(const DisplayScale& scale) {
    const float factor = static_cast<float>(scale.Dpi()) / DisplayScale::kBaseDpi;
    return XFORM{factor, 0.0F, 0.0F, factor, 0.0F, 0.0F};
}

// Art drawn at another size than its own (1x art enlarged, 150 % art at 125 %) is averaged rather than
// having its pixels dropped or, as the default mode does, ANDed together.
void UseSmoothStretching(HDC dc) {
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
}

} // namespace

WorldScale::WorldScale(HDC dc, const DisplayScale& scale) : dc_(dc) {
    if (dc_ == nullptr) {
        return;
    }
    mode_ = ::GetGraphicsMode(dc_);
    if (scale.IsIdentity() && mode_ != GM_ADVANCED) {
        return; // nothing to undo, nothing to set
    }
    if (mode_ == GM_ADVANCED) {
        ::GetWorldTransform(dc_, &saved_);
    } else {
        ::SetGraphicsMode(dc_, GM_ADVANCED);
    }
    const XFORM transform = ScaleTransform(scale);
    ::SetWorldTransform(dc_, &transform);
    if (!scale.IsIdentity()) {
        UseSmoothStretching(dc_);
    }
    changed_ = true;
}

WorldScale::~WorldScale() {
    if (!changed_) {
        return;
    }
    if (mode_ == GM_ADVANCED) {
        ::SetWorldTransform(dc_, &saved_);
    } else {
        ::ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
        ::SetGraphicsMode(dc_, mode_);
    }
}

void WorldScale::Apply(HDC dc, const DisplayScale& scale) {
    if (dc == nullptr || scale.IsIdentity()) {
        return;
    }
    ::SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM transform = ScaleTransform(scale);
    ::SetWorldTransform(dc, &transform);
    UseSmoothStretching(dc);
}

void WorldScale::Remove(HDC dc, const DisplayScale& scale) {
    if (dc == nullptr || scale.IsIdentity()) {
        return;
    }
    ::ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    ::SetGraphicsMode(dc, GM_COMPATIBLE);
}

DisplayScale WorldScale::Of(HDC dc) {
    XFORM transform{};
    if (dc == nullptr || ::GetGraphicsMode(dc) != GM_ADVANCED || !::GetWorldTransform(dc, &transform)) {
        return DisplayScale();
    }
    return DisplayScale(static_cast<int>(transform.eM11 * DisplayScale::kBaseDpi + 0.5F));
}

} // namespace corvalith
