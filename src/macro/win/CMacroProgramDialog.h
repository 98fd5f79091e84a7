#pragma once

#include "controls/DialogHover.h"
#include "controls/win/CBitmapBtn.h"
#include "controls/win/DialogHoverTracker.h"
#include "framework/CDialog.h"
#include "macro/MacroDelayEdit.h"
#include "macro/MacroFile.h"
#include "macro/MacroManagerSession.h"
#include "macro/MacroRecorder.h"
#include "macro/win/MacroManagerCanvas.h"
#include "macro/win/MacroManagerView.h"
#include "platform/SteadyClock.h"
#include "platform/win/Win32KeyboardHook.h"
#include "profile/ProfileSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvalith {

class IPrompts;
class SkinImage;
class SkinImages;

// The macro manager: a skinned modal window in which the user creates, renames, deletes, records and edits
// the macros of record.ini. Every change is written to the file at once; OK re-encodes every macro into the
// dialog's own copy of the macro block table, which the owner then copies into the profile.
//
//     CMacroProgramDialog manager(skins, files, prompts, mainWindow);   // one for the owner's life
//     manager.Prepare("EN", dataFolder + "record.ini", captions);
//     if (manager.DoModal() == IDOK) { copy manager.EncodedCopy() ... }
class CMacroProgramDialog : public CDialog {
public:
    static constexpr UINT kTemplateId = 142;
    enum Control : int { kRecordId = 0, kLoopCountId = 149, kMacroListId = 151, kEventListId = 1006 };
    static constexpr DWORD kHoverTime = 10;
    static constexpr const wchar_t* kTitle = L"Corvalith macro manager";
    using Table = std::array<std::uint8_t, ProfileSettings::kMacroCount * ProfileSettings::kMacroBlockSize>;
    using Rename = MacroManagerSession::Rename;

    // All must outlive the dialog.
    CMacroProgramDialog(const SkinImages& skins, IFileSystem& files, IPrompts& prompts,
                        CWnd* parent = nullptr);
    ~CMacroProgramDialog() override;

    // Before each opening: the language, the macros file and the captions of the assignable buttons.
    void Prepare(std::string languageCode, std::string macrosPath, std::vector<std::string> buttonLabels);

    // The twelve blocks built on OK (first event type 0x32).
    const Table& EncodedCopy() const { return encoded_; }
    // The renames committed while the dialog was last open, old name then new name, in order.
    const std::vector<Rename>& Renames() const { return session_.Renames(); }
    // Ends the dialog as Cancel does, the keyboard given back first.
    void Close();
    bool IsRecording() const { return recorder_.IsRecording(); }
    HWND MacroList() const { return view_.MacroList(); }
    HWND EventList() const { return view_.EventList(); }
    HWND LoopCountBox() const { return view_.LoopCountBox(); }
    HWND RecordButton() const { return record_.Hwnd(); }
    bool DelayRecordingChecked() const { return session_.DelayTicked(); }
    bool LoopChecked() const { return session_.LoopTicked(); }
    const DialogHover& Hover() const { return hover_.Hover(); }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseHover(UINT flags, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;
    void OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    void OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    void OnDestroy() override;

private:
    bool OnHookEvent(int code, std::uint32_t virtualKey, std::uint32_t flags);
    void RenameMacro(int index);
    void EditDelay();
    void ShowContextMenu(POINT screen);
    // One of the two list boxes (never true for nullptr).
    bool IsList(HWND window) const;

    const SkinImages& skins_;
    IFileSystem& files_;
    IPrompts& prompts_;
    std::string code_;
    std::vector<std::string> labels_;
    MacroFile file_;
    SteadyClock clock_;
    Win32KeyboardHook hook_;
    std::vector<std::string> recorded_;
    MacroRecorder recorder_;
    CBitmapBtn record_;
    MacroManagerView view_{record_};
    MacroManagerSession session_;

    Table encoded_{};
    MacroDelayEdit delayEdit_; // kept between openings
    DialogHoverTracker hover_{kHoverTime};
    const SkinImage* background_ = nullptr; // kept by the skin images
    MacroManagerCanvas canvas_;
};

} // namespace corvalith
