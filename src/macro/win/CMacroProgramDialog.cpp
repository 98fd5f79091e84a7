#include "macro/win/CMacroProgramDialog.h"

#include "assign/KeyCaptureLayout.h"
#include "controls/win/CExMenu.h"
#include "controls/win/CLBEditorWnd.h"
#include "controls/win/WindowCentring.h"
#include "framework/CPaintDC.h"
#include "framework/IPrompts.h"
#include "framework/Win32Rect.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroEventMenu.h"
#include "macro/MacroManagerClick.h"
#include "macro/MacroManagerLayout.h"
#include "macro/MacroTableBuilder.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = MacroManagerLayout;

constexpr char kBackgroundError[] = "error";
constexpr char kBackgroundErrorCaption[] = "Macro Manager Dialog Load background image failed!!!";

// box: logical, in the parent's client.
HWND CreateChild(const CWnd& parent, const wchar_t* className, DWORD style, const Rect& logical, int id) {
    const Rect box = parent.Scale().ToDevice(logical);
    return ::CreateWindowExW(0, className, L"", style, box.Left, box.Top, box.Right - box.Left,
                             box.Bottom - box.Top, parent.Hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

} // namespace

CMacroProgramDialog::CMacroProgramDialog(const SkinImages& skins, IFileSystem& files, IPrompts& prompts,
                                         CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), files_(files), prompts_(prompts), file_(files, ""),
      hook_([this](int code, std::uint32_t key, std::uint32_t, std::uint32_t flags) {
          return OnHookEvent(code, key, flags);
      }),
      recorder_({hook_, clock_, file_}, recorded_), session_({view_, file_, recorder_, recorded_, prompts}),
      canvas_(skins) {}

CMacroProgramDialog::~CMacroProgramDialog() {
    hook_.Remove();
}

void CMacroProgramDialog::Prepare(std::string languageCode, std::string macrosPath,
                                  std::vector<std::string> buttonLabels) {
    code_ = std::move(languageCode);
    file_.SetPath(std::move(macrosPath));
    labels_ = std::move(buttonLabels);
}

BOOL CMacroProgramDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kTitle);
    session_.Open(code_, labels_, hwnd_);
    hover_.Reset();
    view_.Attach(hwnd_, nullptr, nullptr, nullptr, code_);
    background_ = skins_.LoadBackground(hwnd_, Layout::kBackground);
    if (background_ == nullptr) {
        SetWindowPos(nullptr, 0, 0, Layout::kFallbackWidth, Layout::kFallbackHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    WindowCentring::CentreOnScreen(hwnd_);
    if (background_ == nullptr) {
        prompts_.ShowMessage(hwnd_, kBackgroundError, kBackgroundErrorCaption, PromptButtons::Ok);
        return TRUE;
    }
    canvas_.Create(code_);
    const HWND macroList =
        CreateChild(*this, L"LISTBOX", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, Layout::kMacroList, kMacroListId);
    const HWND eventList =
        CreateChild(*this, L"LISTBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                    Layout::kEventList, kEventListId);
    const HWND loopCount = CreateChild(*this, L"EDIT", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER,
                                       Layout::kLoopCount, kLoopCountId);
    for (HWND list : {macroList, eventList}) {
        SetChildFont(list, canvas_.Font());
    }
    SetChildFont(loopCount, canvas_.LoopFont());
    view_.Attach(hwnd_, macroList, eventList, loopCount, code_);

    record_.Create(ToRect(Layout::kRecord), this, kRecordId,
                   WideString::FromUtf8(Layout::TextsFor(code_).RecordIdle));
    record_.SetFontFace(WideString::FromUtf8(Layout::FontFace(code_)));
    record_.SetFontHeight(Layout::RecordFontHeight(code_));
    record_.SetSkinImages(skins_, RECT{0, 0, Layout::kRecordImageWidth, Layout::kRecordImageHeight},
                          Layout::kRecordNormal, Layout::kRecordOver, Layout::kRecordOver,
                          Layout::kRecordNormal);
    record_.SetChecked(false);

    session_.LoadList();
    if (view_.Names().empty()) {
        ::EnableWindow(loopCount, FALSE);
    }
    return TRUE;
}

bool CMacroProgramDialog::OnHookEvent(int code, std::uint32_t virtualKey, std::uint32_t flags) {
    const MacroRecorder::HookAction action = recorder_.OnHookEvent(code, virtualKey, flags);
    if (action == MacroRecorder::HookAction::PassOn) {
        return false;
    }
    PostMessage(MacroRecorder::kKeyEventMessage, action == MacroRecorder::HookAction::PostKeyUp ? 1 : 0, 0);
    return true;
}

void CMacroProgramDialog::RenameMacro(int index) {
    if (!session_.BeginRename(index)) {
        return;
    }
    auto* editor = new CLBEditorWnd(view_.MacroList(), &LBEditorRules::Name);
    if (!editor->Open(index, false)) {
        session_.CancelRename();
    }
}

void CMacroProgramDialog::EditDelay() {
    const int selected = view_.EventSelection();
    if (!delayEdit_.Opens(selected, view_.EventText(selected))) {
        return;
    }
    session_.StopRecording();
    auto* editor = new CLBEditorWnd(view_.EventList(),
                                    [](const std::vector<std::string>&, std::size_t, std::string_view text) {
                                        return std::optional<std::string>(LBEditorRules::Delay(text));
                                    });
    editor->Open(selected, true);
}

void CMacroProgramDialog::ShowContextMenu(POINT screen) {
    session_.StopRecording();
    CExMenu menu(canvas_.Font());
    if (!menu.CreatePopupMenu()) {
        return;
    }
    menu.SetItemWidth(Layout::kMenuItemWidth);
    for (const MacroEventMenu::Entry& entry : MacroEventMenu::Entries(Layout::TextsFor(code_))) {
        menu.AppendItem(entry.Id, entry.Text);
    }
    menu.Track(screen.x, screen.y, hwnd_);
}

bool CMacroProgramDialog::IsList(HWND window) const {
    return window != nullptr && (window == view_.MacroList() || window == view_.EventList());
}

// ---- messages -------------------------------------------------------------------------------------

BOOL CMacroProgramDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == CLBEditorWnd::kEndOfEditMessage && IsList(msg->hwnd)) {
        session_.EndOfEdit(msg->hwnd == view_.MacroList());
        return TRUE;
    }
    if (msg->message == WM_RBUTTONDOWN && msg->hwnd == view_.EventList() && view_.EventSelection() >= 0) {
        POINT screen{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        ::ClientToScreen(view_.EventList(), &screen);
        ShowContextMenu(screen);
        return TRUE;
    }
    // Neither Enter nor Escape ends the dialog; the in-place editor takes its keys itself, spaces included.
    const HWND parent = msg->hwnd != nullptr ? ::GetParent(msg->hwnd) : nullptr;
    if (KeyCaptureLayout::DropsKeyMessage(msg->message, msg->wParam) && !IsList(parent)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CMacroProgramDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MacroRecorder::kKeyEventMessage) {
        session_.OnKeyEvent();
        return 1;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CMacroProgramDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    const int code = HIWORD(wParam);
    const HWND loopCount = view_.LoopCountBox();
    if (from == nullptr) {
        if (!MacroEventMenu::IsCommand(LOWORD(wParam))) {
            return CDialog::OnCommand(wParam, lParam);
        }
        session_.RunEventCommand(LOWORD(wParam));
    } else if (from == view_.MacroList() && code == LBN_SELCHANGE) {
        session_.SelectMacro();
    } else if (from == view_.MacroList() && code == LBN_DBLCLK) {
        RenameMacro(view_.NameSelection());
    } else if (from == view_.EventList() && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        EditDelay();
    } else if (from == loopCount && code == EN_CHANGE) {
        session_.LoopCountChanged();
    } else if (from == record_.Hwnd() && code == BN_CLICKED) {
        session_.ToggleRecording();
    } else if (!IsList(from) && from != loopCount && from != record_.Hwnd()) {
        return CDialog::OnCommand(wParam, lParam);
    }
    return TRUE;
}

void CMacroProgramDialog::Close() {
    if (Hwnd() != nullptr) {
        session_.StopRecording();
        EndDialog(IDCANCEL);
    }
}

void CMacroProgramDialog::OnLButtonDown(UINT, POINT point) {
    const Layout::Target target = Layout::TargetAt(point.x, point.y);
    const MacroManagerClick::Plan plan = MacroManagerClick::For(target);
    if (plan.StopsRecording) {
        session_.StopRecording();
    }
    if (plan.SavesFirst) {
        session_.SaveCurrent();
    }
    switch (plan.Do) {
    case MacroManagerClick::Action::Accept:
        encoded_.fill(0);
        MacroTableBuilder::Build(file_, 0x32, MacroTableBuilder::Table(encoded_));
        EndDialog(IDOK);
        break;
    case MacroManagerClick::Action::Cancel:
        EndDialog(IDCANCEL);
        break;
    case MacroManagerClick::Action::NewMacro:
        session_.NewMacro();
        break;
    case MacroManagerClick::Action::DeleteMacro:
        session_.DeleteMacro();
        break;
    case MacroManagerClick::Action::ToggleDelay:
        session_.ToggleDelay();
        InvalidateRect(ToRect(Layout::kDelayCheck), false);
        break;
    case MacroManagerClick::Action::ToggleLoop:
        session_.ToggleLoop();
        InvalidateRect(ToRect(Layout::kLoopCheck), false);
        break;
    case MacroManagerClick::Action::Drag: {
        POINT screen = point;
        ClientToScreen(screen);
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
        break;
    }
    }
}

void CMacroProgramDialog::OnMouseMove(UINT, POINT point) {
    hover_.Moved(hwnd_, Layout::ButtonAt(point.x, point.y));
}

void CMacroProgramDialog::OnMouseHover(UINT, POINT point) {
    hover_.Rested(hwnd_, Layout::ButtonAt(point.x, point.y));
}

HBRUSH CMacroProgramDialog::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    const HBRUSH brush = IsList(control)                   ? canvas_.Colour(dc, false)
                         : control == view_.LoopCountBox() ? canvas_.Colour(dc, true)
                                                           : nullptr;
    return brush != nullptr ? brush : CDialog::OnCtlColor(dc, control, controlType);
}

void CMacroProgramDialog::OnMeasureItem(int id, MEASUREITEMSTRUCT* item) {
    if (!CExMenu::HandleMeasureItem(item, Scale())) {
        CDialog::OnMeasureItem(id, item);
    }
}

void CMacroProgramDialog::OnDrawItem(int id, DRAWITEMSTRUCT* item) {
    if (!CExMenu::HandleDrawItem(item, Scale())) {
        CDialog::OnDrawItem(id, item);
    }
}

void CMacroProgramDialog::OnDestroy() {
    // The keyboard comes back however the window goes; what was recorded is kept.
    session_.StopRecording();
    hook_.Remove();
    CDialog::OnDestroy();
}

BOOL CMacroProgramDialog::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMacroProgramDialog::OnPaint() {
    const CPaintDC dc(*this);
    canvas_.Draw(dc, GetClientRect(), {background_, hover_, session_.LoopTicked(), session_.DelayTicked()});
}

} // namespace corvalith
