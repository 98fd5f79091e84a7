#include "pages/win/CDMarkerV.h"

namespace corvalith {

MarkerSliderGeometry::Orientation CDMarkerV::Orientation() const {
    return MarkerSliderGeometry::Orientation::Vertical;
}

} // namespace corvalith
