#pragma once

#include "framework/CButton.h"
#include "skin/ImageButtonLook.h"
#include "skin/win/ImageButtonFace.h"

#include <array>
#include <string>
#include <string_view>

namespace corvalith {

class SkinImages;

// The push button of the skinned windows: owner-drawn from four state images (normal, hover, pressed,
// disabled) with an optional caption drawn over the image. Hover is tracked by holding the mouse
// capture while the pointer is over the button, so moving straight onto another image button leaves
// only that one hovered. Every mouse move is passed on to the parent in screen coordinates. The caption
// font is made at the first draw with a caption and kept until the face or height changes or the
// window goes. Windows that draw their image buttons themselves use CPaintedButton instead.
class CBitmapBtn : public CButton {
public:
    CBitmapBtn() = default;

    // Child, visible, owner-drawn; owners tell their buttons apart by window handle.
    bool Create(const RECT& rect, CWnd* parent, UINT id = 0, const std::wstring& caption = L"");

    // Cuts each given source to the rectangle (a 1:1 copy into a new screen-compatible bitmap); a null
    // source leaves that state's image as it was. Removes the border and tab-stop styles.
    void SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);

    // The state images are the source rectangle of four skin files, taken from skins at the button's
    // first draw (a file named for several states, or by several buttons, is decoded once). An empty
    // path leaves that state's image as it was, as does a file that cannot be loaded. Removes the border
    // and tab-stop styles. skins must outlive the button.
    void SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view normal,
                       std::string_view hover, std::string_view pressed, std::string_view disabled);

    void SetCaption(const std::wstring& caption) { face_.SetCaption(caption); }
    const std::wstring& GetCaption() const { return face_.Caption(); }
    void SetFontFace(const std::wstring& face) { face_.SetFontFace(face); }
    void SetFontHeight(int height) { face_.SetFontHeight(height); }
    // 0 centred, 1 left, 2 right, other values right-aligned without clipping.
    void SetAlignment(int alignment) { face_.SetAlignment(alignment); }
    void SetIndent(int indent) { face_.SetIndent(indent); }
    void SetWrap(bool wrap) { face_.SetWrap(wrap); }
    void SetTextColours(COLORREF normal, COLORREF hover, COLORREF disabled, COLORREF pressed) {
        face_.SetTextColours(normal, hover, disabled, pressed);
    }

    // The latched look the owner shows (the selected view, the record button while recording).
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsChecked() const { return checked_; }
    bool IsHover() const { return hover_; }
    // Shows or drops the hover look without the pointer (previews); pointer tracking sets it otherwise.
    // Only the button repaints, and only when the look changes.
    void SetHover(bool hover);

    // The state the next paint draws and the image it chooses for it.
    ImageButtonLook::State State() const;
    ImageButtonLook::Image CurrentImage() const { return ImageButtonLook::ChooseImage(State()); }
    // The bitmap a state's image is copied from: the button's own cut, or the kept skin image once the
    // first draw has taken it (null before).
    HBITMAP Image(ImageButtonLook::Image which) const { return face_.Image(which); }
    // The caption font kept since the last draw with a caption; null before it or after a change.
    HFONT CaptionFont() const { return face_.CaptionFont(); }

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnPaint() override;
    void OnDestroy() override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKillFocus(HWND newFocus) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void Draw(HDC dc, const ImageButtonLook::State& state);
    void Repaint();

    ImageButtonFace face_;
    bool checked_ = false;
    bool hover_ = false;
};

} // namespace corvalith
