#pragma once

#include "pages/win/CMarkerSlider.h"

namespace corvalith {

// The vertical marker slider of the DPI page: the filled part grows from the bottom. A position set
// from outside the range is clamped.
class CDMarkerV : public CMarkerSlider {
public:
    MarkerSliderGeometry::Orientation Orientation() const override;
};

} // namespace corvalith
