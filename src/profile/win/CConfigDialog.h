#pragma once

#include "controls/win/CLBEditorWnd.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/IPrompts.h"
#include "profile/ConfigDialogLayout.h"
#include "profile/ProfileList.h"
#include "profile/ProfileListStore.h"
#include "profile/ProfileSession.h"
#include "profile/ProgramRules.h"
#include "skin/win/FittedFonts.h"
#include "skin/win/SkinImage.h"

#include <functional>
#include <string>
#include <vector>

namespace corvalith {

class SkinImages;

// The profile manager: a skinned modeless child of the main window listing the profile names, with New,
// Delete and close areas and a context menu (delete, rename in place, copy, import, export). The list
// box is an editing copy of the stored list; closing stores it and asks the main window to activate the
// selected entry (message 0x0B03: 2 select, 3 create), as do import and export (0 and 1). The context
// menu's programs submenu gives the selected profile programs to follow and marks the profile to return
// to; each change is saved at once, and the rules follow the list's renames and deletes when it closes.
class CConfigDialog : public CDialog {
public:
    using Layout = ConfigDialogLayout;
    enum Message : UINT { kProfileOperation = 0x0B03, kSettingsChanged = 0x07FF };
    enum Operation : WPARAM { kImport = 0, kExport = 1, kSelect = 2, kCreate = 3 };

    // mainWindow receives the profile operations; skins, session, store and prompts must outlive the dialog.
    // renameRule decides what a name typed over an entry in place becomes.
    // rules: which profile follows which program; saveRules stores them.
    CConfigDialog(const SkinImages& skins, std::string languageCode, ProfileSession& session,
                  ProfileListStore& store, IPrompts& prompts, CWnd* mainWindow, CLBEditorWnd::Rule renameRule,
                  ProgramRules& rules, std::function<void()> saveRules);
    ~CConfigDialog() override;

    // False when the background could not be loaded (the error box has been shown).
    bool Initialised() const { return initialised_; }
    CListBox& List() { return list_; }
    const ProfileList& Entries() const { return entries_; }

    // The actions of the areas and the menu, as a click or a menu choice runs them.
    void New();
    void Delete();
    void Rename();
    void Copy();
    void Transfer(Operation operation);
    // The programs submenu's actions for the selected entry: a program chosen with the file dialog follows
    // it; the mark of the profile to return to goes on or off; a program of it is taken away.
    void AddProgram();
    void ToggleReturnTo();
    void RemoveProgram(std::size_t index);
    void Close();
    void RunCommand(UINT command);
    // Shows the context menu at a screen point and runs the chosen command.
    void ShowContextMenu(POINT screen);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnContextMenu(HWND window, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;
    void OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    void OnDrawItem(int id, DRAWITEMSTRUCT* item) override;

private:
    void FillList();
    // The names as the list box shows them now (renamed in place) copied into the entries.
    void TakeNames();
    void Draw(HDC target);
    void LimitMessage();
    // A label in the dialog's font, or in a smaller one of its face when the text is wider than its box.
    void DrawLabel(HDC dc, std::string_view text, const Rect& box, UINT format);
    HFONT MakeFont(int height) const;
    // The selected entry's name as the rules know it, or nothing without a selection.
    std::optional<std::string> SelectedRuleName();

    const SkinImages& skins_;
    std::string code_;
    const Layout::Texts& texts_;
    ProfileSession& session_;
    CLBEditorWnd::Rule renameRule_;
    ProfileListStore& store_;
    IPrompts& prompts_;
    CWnd* mainWindow_;
    ProfileList entries_;
    std::vector<std::string> readNames_; // the list's names when it was read
    ProgramRules& rules_;
    std::function<void()> saveRules_;
    CListBox list_;
    SkinImage background_;
    HFONT font_ = nullptr;
    FittedFonts fitted_; // each label's font: font_ where it fits
    HBRUSH brush_ = nullptr;
    bool initialised_ = false;
    bool closing_ = false;
};

} // namespace corvalith
