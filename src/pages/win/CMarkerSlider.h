#pragma once

#include "framework/CWnd.h"
#include "framework/Win32Rect.h"
#include "pages/MarkerSliderDrag.h"
#include "pages/MarkerSliderGeometry.h"
#include "skin/win/ImagePart.h"

#include <string_view>

namespace corvalith {

class SkinImages;

// What the two marker sliders share: a track image with a filled part, an integer position within a
// range that follows the mouse while the left button is held, and the slider notification to the
// parent when a press on the slider ends with the release. CDMarker fills from the left, CDMarkerV from
// the bottom.
class CMarkerSlider : public CWnd {
public:
    // The slider notification: wParam the final position, lParam the slider's control identifier.
    static constexpr UINT kNotification = 0x2B15;

    // Stores identifier, rectangle (in the parent's client coordinates) and parent; accepts the mouse,
    // range 0..10, position 0, not dragging; creates a visible child with tab stop and no title.
    bool Create(const RECT& rect, CWnd* parent, int id);

    // Cuts the part of each image given by source (from its top-left corner) into a device-compatible
    // bitmap of that size; an image that is missing (null) leaves its bitmap as it was.
    void SetImages(const RECT& source, HBITMAP track, HBITMAP fill);
    // The track and fill are the source rectangle of two skin files, taken from skins at the first paint
    // (sliders sharing the files decode them once); a file that cannot be loaded leaves its image as it
    // was. skins must outlive the slider.
    void SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view track,
                       std::string_view fill);

    // Keeps the value in range as the orientation does and repaints at once; nothing is sent.
    void SetPosition(int value);
    int Position() const { return position_; }
    void SetRange(int minimum, int maximum) {
        minimum_ = minimum;
        maximum_ = maximum;
    }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    void SetAcceptsMouse(bool accepts) { acceptsMouse_ = accepts; }
    bool AcceptsMouse() const { return acceptsMouse_; }
    bool Dragging() const { return drag_.Dragging(); }
    int Id() const { return id_; }
    // The stored rectangle; the layout moves the slider with Place.
    const RECT& Rect() const { return rect_; }
    void Place(const RECT& rect);
    POINT PressPoint() const { return pressPoint_; }
    // The filled length the next paint draws.
    int FillLength() const;
    // Paints the slider as its paint handler does: the part inside update is drawn off-screen and copied
    // to dc at the same place.
    void Draw(HDC dc, const RECT& update);

    virtual MarkerSliderGeometry::Orientation Orientation() const = 0;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKillFocus(HWND newFocus) override;

private:
    corvalith::Rect GeometryRect() const { return FromRect(rect_); }
    int PositionAt(MarkerSliderGeometry::Phase phase, POINT point) const;

    int id_ = 0;
    ImagePart track_;
    ImagePart fill_;
    MarkerSliderDrag drag_;
    RECT rect_{};
    POINT pressPoint_{};
    CWnd* parent_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 0;
    int position_ = 0;
    bool acceptsMouse_ = false;
};

} // namespace corvalith
