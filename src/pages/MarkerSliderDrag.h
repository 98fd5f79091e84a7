#pragma once

namespace corvalith {

// What the left button does to a marker slider. A press starts a drag when the slider accepts the
// mouse; the position follows the pointer only during a drag; only the release that ends a drag takes
// the final position and reports it. Losing the mouse capture to another window, or the focus, ends a
// drag without a report, so a release that follows (the second release of a double click, say) changes
// nothing.
class MarkerSliderDrag {
public:
    // The left button went down on the slider; true when a drag starts (the slider captures the mouse).
    bool Press(bool acceptsMouse);
    // The left button went up; true when it ended a drag: the position is taken from the point and the
    // slider notification is posted.
    bool Release();
    // The mouse capture changed; capturedBySlider: the slider itself holds it now. True when a drag
    // ended.
    bool CaptureChanged(bool capturedBySlider);
    // The slider lost the focus; true when a drag ended.
    bool FocusLost();

    // While dragging, mouse moves set the position.
    bool Dragging() const { return dragging_; }

private:
    bool End();

    bool dragging_ = false;
};

} // namespace corvalith
