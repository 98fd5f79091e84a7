#pragma once

#include "pages/win/CMarkerSlider.h"

namespace corvalith {

// The horizontal marker slider: the filled part grows from the left. A position set from outside the
// range falls back to the minimum.
class CDMarker : public CMarkerSlider {
public:
    MarkerSliderGeometry::Orientation Orientation() const override;
};

} // namespace corvalith
