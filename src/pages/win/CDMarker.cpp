#include "pages/win/CDMarker.h"

namespace corvalith {

MarkerSliderGeometry::Orientation CDMarker::Orientation() const {
    return MarkerSliderGeometry::Orientation::Horizontal;
}

} // namespace corvalith
