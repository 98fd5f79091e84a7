#pragma once

#include "framework/CButton.h"
#include "skin/ImageButtonLook.h"

#include <array>
#include <string>

namespace corvalith {

// The push button of the skinned windows: owner-drawn from four state images (normal, hover, pressed,
// disabled) with an optional caption drawn over the image. Hover is tracked by holding the mouse
// capture while the pointer is over the button, so moving straight onto another image button leaves
// only that one hovered. Every mouse move is passed on to the parent in screen coordinates.
class CBitmapBtn : public CButton {
public:
    CBitmapBtn() = default;
    ~CBitmapBtn() override;

    // Child, visible, owner-drawn; owners tell their buttons apart by window handle.
    bool Create(const RECT& rect, CWnd* parent, UINT id = 0, const std::wstring& caption = L"");

    // Cuts each given source to the rectangle (a 1:1 copy into a new screen-compatible bitmap); a null
    // source leaves that state's image as it was. Removes the border and tab-stop styles.
    void SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);

    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    const std::wstring& GetCaption() const { return caption_; }
    void SetFontFace(const std::wstring& face) { fontFace_ = face; }
    void SetFontHeight(int height) { fontHeight_ = height; }
    // 0 centred, 1 left, 2 right, other values right-aligned without clipping.
    void SetAlignment(int alignment) { alignment_ = alignment; }
    void SetIndent(int indent) { indent_ = indent; }
    void SetWrap(bool wrap) { wrap_ = wrap; }
    void SetTextColours(COLORREF normal, COLORREF hover, COLORREF disabled, COLORREF pressed);

    // The latched look the owner shows (the selected view, the record button while recording).
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsChecked() const { return checked_; }
    bool IsHover() const { return hover_; }
    // Shows or drops the hover look without the pointer (previews); pointer tracking sets it otherwise.
    void SetHover(bool hover) {
        hover_ = hover;
        Repaint();
    }

    // The state the next paint draws and the image it chooses for it.
    ImageButtonLook::State State() const;
    ImageButtonLook::Image CurrentImage() const { return ImageButtonLook::ChooseImage(State()); }
    HBITMAP Image(ImageButtonLook::Image which) const { return images_[static_cast<std::size_t>(which)]; }

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKillFocus(HWND newFocus) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawCaption(HDC dc, const RECT& client, const ImageButtonLook::State& state);
    void Repaint();

    std::array<HBITMAP, 4> images_{};
    std::wstring caption_;
    std::wstring fontFace_;
    int fontHeight_ = 14;
    int alignment_ = 1;
    int indent_ = 0;
    bool wrap_ = false;
    std::array<COLORREF, 4> textColours_{RGB(253, 253, 253), RGB(253, 253, 253), RGB(253, 253, 253),
                                         RGB(253, 253, 253)};
    bool checked_ = false;
    bool hover_ = false;
};

} // namespace corvalith
