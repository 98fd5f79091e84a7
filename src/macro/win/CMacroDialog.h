#pragma once

#include "controls/DialogHover.h"
#include "controls/win/DialogHoverTracker.h"
#include "framework/CDialog.h"
#include "macro/MacroChoice.h"
#include "skin/win/FittedFonts.h"
#include "skin/win/SkinImage.h"

#include <optional>
#include <string>
#include <vector>

namespace corvalith {

class SkinImages;

// The macro assignment dialog: a skinned modal window in which the user chooses which macro a button
// plays, from a drop-down list of the macros in record.ini, and its run mode. OK hands back the choice;
// OK without a choice, Cancel and the close button hand back nothing.
//
//     CMacroDialog dialog(skins, "EN", macroNames, mainWindow);
//     dialog.SetCurrent("Macro_1", 0, 2);          // when the button plays a macro
//     if (dialog.DoModal() == IDOK) { if (auto macro = dialog.Choice()) { ... } }
class CMacroDialog : public CDialog {
public:
    static constexpr UINT kTemplateId = 141;
    enum Control : int { kNameLabelId = 592, kListId = 593 };
    static constexpr DWORD kHoverTime = 10;
    static constexpr const wchar_t* kTitle = L"Corvalith macro assignment";

    // skins must outlive the dialog; names are the macros of record.ini in list order.
    CMacroDialog(const SkinImages& skins, std::string languageCode, std::vector<std::string> names,
                 CWnd* parent = nullptr);
    ~CMacroDialog() override;

    void SetCurrent(std::string name, int index, std::uint8_t mode) {
        choice_ = MacroChoice(std::move(name), index, mode);
    }
    const MacroChoice& State() const { return choice_; }
    std::optional<MacroChoice::Result> Choice() const { return choice_.Choice(); }

    // The drop-down list while it is open, null otherwise.
    HWND List() const { return list_; }
    std::wstring NameLabelText() const;
    const DialogHover& Hover() const { return hover_.Hover(); }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseHover(UINT flags, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;

private:
    void OpenList();
    void CloseList();
    void ChooseItem(int position);
    void Draw(HDC dc);

    const SkinImages& skins_;
    std::string code_;
    std::vector<std::string> names_;
    MacroChoice choice_;
    DialogHoverTracker hover_{kHoverTime};
    SkinImage background_;
    HFONT font_ = nullptr;
    FittedFonts fitted_; // the texts' fonts, font_ where they fit
    HBRUSH listBrush_ = nullptr;
    HWND label_ = nullptr;
    HWND list_ = nullptr;
};

} // namespace corvalith
