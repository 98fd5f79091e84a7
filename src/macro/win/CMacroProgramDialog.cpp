#include "macro/win/CMacroProgramDialog.h"

#include "assign/KeyCaptureLayout.h"
#include "assign/win/CExMenu.h"
#include "framework/IPrompts.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroEventMenu.h"
#include "macro/MacroList.h"
#include "macro/MacroManagerClick.h"
#include "macro/MacroManagerLayout.h"
#include "macro/MacroTableBuilder.h"
#include "macro/win/CLBEditorWnd.h"
#include "pages/win/WindowCentring.h"
#include "platform/win32/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = MacroManagerLayout;

constexpr char kBackgroundError[] = "error";
constexpr char kBackgroundErrorCaption[] = "Macro Manager Dialog Load background image failed!!!";

RECT ToRect(const Layout::Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

std::string Skin(std::string_view path) {
    return std::string("Skins") + std::string(path);
}

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return WideString::ToUtf8(text);
}

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, const Layout::Rect& box, int id) {
    return ::CreateWindowExW(0, className, L"", style, box.Left, box.Top, box.Right - box.Left,
                             box.Bottom - box.Top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

} // namespace

CMacroProgramDialog::CMacroProgramDialog(const SkinImages& skins, IFileSystem& files, IPrompts& prompts,
                                         CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), files_(files), prompts_(prompts), file_(files, ""),
      hook_([this](int code, std::uint32_t key, std::uint32_t, std::uint32_t flags) {
          return OnHookEvent(code, key, flags);
      }),
      recorder_({hook_, clock_, file_}, recorded_), canvas_(skins) {}

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
    current_ = -1;
    delayFlag_ = false;
    loopFlag_ = false;
    hover_.Reset();
    renames_.clear();
    renaming_.clear();
    macros_ = events_ = MacroListBox();
    loopCount_ = nullptr;
    background_ = skins_.LoadBackground(hwnd_, Skin(Layout::kBackground));
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
    macros_ = MacroListBox(
        CreateChild(hwnd_, L"LISTBOX", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, Layout::kMacroList, kMacroListId));
    events_ = MacroListBox(CreateChild(hwnd_, L"LISTBOX",
                                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                                       Layout::kEventList, kEventListId));
    loopCount_ = CreateChild(hwnd_, L"EDIT", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER,
                             Layout::kLoopCount, kLoopCountId);
    for (HWND list : {macros_.Hwnd(), events_.Hwnd()}) {
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(canvas_.Font()), FALSE);
    }
    ::SendMessageW(loopCount_, WM_SETFONT, reinterpret_cast<WPARAM>(canvas_.LoopFont()), FALSE);

    record_.Create(ToRect(Layout::kRecord), this, kRecordId,
                   WideString::FromUtf8(Layout::TextsFor(code_).RecordIdle));
    record_.SetFontFace(WideString::FromUtf8(Layout::FontFace(code_)));
    record_.SetFontHeight(Layout::RecordFontHeight(code_));
    record_.SetSkinImages(skins_, RECT{0, 0, Layout::kRecordImageWidth, Layout::kRecordImageHeight},
                          Skin(Layout::kRecordNormal), Skin(Layout::kRecordOver), Skin(Layout::kRecordOver),
                          Skin(Layout::kRecordNormal));
    record_.SetChecked(false);

    LoadList();
    if (macros_.Count() <= 0) {
        ::EnableWindow(loopCount_, FALSE);
    }
    return TRUE;
}

// ---- recording ------------------------------------------------------------------------------------

bool CMacroProgramDialog::OnHookEvent(int code, std::uint32_t virtualKey, std::uint32_t flags) {
    const MacroRecorder::HookAction action = recorder_.OnHookEvent(code, virtualKey, flags);
    if (action == MacroRecorder::HookAction::PassOn) {
        return false;
    }
    PostMessage(MacroRecorder::kKeyEventMessage, action == MacroRecorder::HookAction::PostKeyUp ? 1 : 0, 0);
    return true;
}

void CMacroProgramDialog::OnKeyEvent() {
    recorder_.SetDelayRecording(delayFlag_);
    switch (recorder_.OnKeyEventMessage()) {
    case MacroRecorder::KeyEventResult::Added:
        events_.Show(recorded_, static_cast<int>(recorded_.size()) - 1);
        break;
    case MacroRecorder::KeyEventResult::Stopped:
        EnableLoopCount();
        ShowRecordState();
        break;
    case MacroRecorder::KeyEventResult::Ignored:
        break;
    }
}

void CMacroProgramDialog::ToggleRecording() {
    if (recorder_.IsRecording()) {
        StopRecording();
        return;
    }
    const std::optional<std::string> selected =
        current_ >= 0 ? std::optional<std::string>(CurrentName()) : std::nullopt;
    recorder_.SetDelayRecording(delayFlag_);
    const MacroRecorder::StartResult result = recorder_.Start(selected, LoopText());
    if (result == MacroRecorder::StartResult::NoMacroSelected) {
        return;
    }
    if (result == MacroRecorder::StartResult::HookFailed) {
        // The event list keeps the macro's events: nothing was recorded.
        prompts_.ShowMessage(hwnd_, MacroRecorder::HookFailureMessage(recorder_.HookError()), "Corvalith",
                             PromptButtons::Ok);
        return;
    }
    events_.Show(recorded_, -1);
    EnableLoopCount();
    ShowRecordState();
}

void CMacroProgramDialog::StopRecording() {
    recorder_.SetDelayRecording(delayFlag_);
    recorder_.SetLoopCountText(LoopText());
    if (!recorder_.Stop()) {
        return;
    }
    EnableLoopCount();
    ShowRecordState();
}

void CMacroProgramDialog::ShowRecordState() {
    if (record_.Hwnd() == nullptr) {
        return;
    }
    const Layout::Texts texts = Layout::TextsFor(code_);
    record_.SetCaption(
        WideString::FromUtf8(recorder_.IsRecording() ? texts.RecordRunning : texts.RecordIdle));
    record_.SetChecked(recorder_.IsRecording());
    record_.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---- the macro list -------------------------------------------------------------------------------

void CMacroProgramDialog::LoadList() {
    macros_.Fill(file_.ReadList());
    if (macros_.Count() > 0) {
        macros_.Select(0);
        SelectMacro();
    }
}

void CMacroProgramDialog::SelectMacro() {
    current_ = macros_.Selection();
    if (recorder_.IsRecording()) {
        // The interrupted recording is saved under the macro it was made for.
        recorder_.SetDelayRecording(delayFlag_);
        recorder_.StopForSelectionChange(macros_.Items());
        ShowRecordState();
    }
    if (current_ < 0) {
        return;
    }
    const Macro macro = file_.ReadMacro(CurrentName());
    // The loop count is checked at once (LoopCountChanged).
    ::SetWindowTextW(loopCount_, WideString::FromUtf8(macro.LoopCountText).c_str());
    events_.Show(macro.Items, -1);
    delayFlag_ = MacroList::DelayRecording(macro.DelayRecording, delayFlag_);
    loopFlag_ = MacroList::Loops(LoopText());
    EnableLoopCount();
    Invalidate(false);
}

void CMacroProgramDialog::NewMacro() {
    std::vector<std::string> names = macros_.Items();
    const Layout::Texts texts = Layout::TextsFor(code_);
    const std::optional<std::string> name = MacroList::NewName(names, texts.NameBase);
    if (!name) {
        prompts_.ShowMessage(hwnd_, texts.LimitMessage, texts.LimitCaption, PromptButtons::Ok);
        return;
    }
    current_ = macros_.Add(*name);
    macros_.Select(current_);
    events_.Show({}, -1);
    ::SetWindowTextW(loopCount_, L"1"); // writes the loop count, which creates the file when it is missing
    // The list names the new macro at once: a macro left out of the list would be lost to every later
    // opening and to the block table.
    names.push_back(*name);
    file_.WriteList(names);
    if (Written()) {
        SelectMacro();
    }
}

void CMacroProgramDialog::DeleteMacro() {
    const int selected = macros_.Selection();
    if (selected < 0) {
        return;
    }
    const std::string name = macros_.Text(selected);
    if (!MacroList::MayDelete(name, labels_)) {
        return; // a button plays it
    }
    macros_.Remove(selected);
    events_.Show({}, -1);
    macros_.Select(MacroList::SelectionAfterDelete(selected, macros_.Count()));
    file_.WriteList(macros_.Items());
    if (!Written()) {
        return; // the macro is listed again and keeps its section
    }
    file_.DeleteMacroSection(name);
    Written();
    SelectMacro();
}

void CMacroProgramDialog::RenameMacro(int index) {
    if (index < 0) {
        return;
    }
    StopRecording(); // a recording keeps the name it started with
    renaming_ = macros_.Text(index);
    auto* editor = new CLBEditorWnd(macros_.Hwnd(), LBEditorRules::Kind::MacroName);
    if (!editor->Open(index, false)) {
        renaming_.clear();
    }
}

void CMacroProgramDialog::EditDelay() {
    const int selected = events_.Selection();
    if (!delayEdit_.Opens(selected, events_.Text(selected))) {
        return;
    }
    StopRecording();
    auto* editor = new CLBEditorWnd(events_.Hwnd(), LBEditorRules::Kind::Delay);
    editor->Open(selected, true);
}

void CMacroProgramDialog::EndOfEdit(HWND list) {
    if (list != macros_.Hwnd()) {
        SaveCurrent();
        return;
    }
    const std::string from = std::move(renaming_);
    renaming_.clear();
    const std::string to = macros_.Text(macros_.Selection());
    if (from.empty() || to.empty() || to == from) {
        return; // refused or cancelled: the file stays as it was
    }
    if (file_.RenameMacro(macros_.Items(), from, to)) {
        renames_.emplace_back(from, to);
        labels_ = MacroList::RenamedLabels(std::move(labels_), from, to);
    } else {
        Written(); // a failed rename shows the old name again
    }
}

void CMacroProgramDialog::LoopCountChanged() {
    if (settingLoopText_) {
        return;
    }
    const std::optional<long> count = MacroList::LoopCount(LoopText());
    if (!count) {
        settingLoopText_ = true;
        ::SetWindowTextW(loopCount_, L"1");
        settingLoopText_ = false;
    }
    recorder_.SetLoopCountText(LoopText());
    if (current_ >= 0) {
        file_.WriteLoopCount(CurrentName(), count.value_or(1));
    }
}

// ---- the event list -------------------------------------------------------------------------------

void CMacroProgramDialog::ShowContextMenu(POINT screen) {
    StopRecording();
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

void CMacroProgramDialog::RunEventCommand(UINT command) {
    StopRecording();
    const MacroList::Events result = MacroEventMenu::Run(command, events_.Items(), events_.Selection());
    if (!result.Changed) {
        return;
    }
    events_.Show(result.Items, result.Selection);
    SaveCurrent();
}

void CMacroProgramDialog::SaveCurrent() {
    if (current_ < 0) {
        return;
    }
    file_.WriteMacro(Macro{CurrentName(), LoopText(), delayFlag_ ? 1 : 0, events_.Items()});
    Written();
}

bool CMacroProgramDialog::Written() {
    const int error = file_.LastError();
    if (error == 0) {
        return true;
    }
    prompts_.ShowMessage(hwnd_, MacroFile::WriteFailureMessage(error), "Corvalith", PromptButtons::Ok);
    // The lists show again what the file holds, with the same macro selected while it is listed.
    const std::string selected = CurrentName();
    LoadList();
    if (macros_.Count() <= 0) {
        current_ = -1;
        events_.Show({}, -1);
    }
    const int found = macros_.Find(selected);
    if (!selected.empty() && found >= 0 && found != macros_.Selection()) {
        macros_.Select(found);
        SelectMacro();
    }
    return false;
}

// ---- helpers --------------------------------------------------------------------------------------

std::string CMacroProgramDialog::CurrentName() const {
    return current_ >= 0 ? macros_.Text(current_) : std::string();
}

std::string CMacroProgramDialog::LoopText() const {
    return loopCount_ != nullptr ? WindowText(loopCount_) : std::string();
}

void CMacroProgramDialog::EnableLoopCount() {
    ::EnableWindow(loopCount_, loopFlag_ ? TRUE : FALSE);
}

bool CMacroProgramDialog::IsList(HWND window) const {
    return window != nullptr && (window == macros_.Hwnd() || window == events_.Hwnd());
}

// ---- messages -------------------------------------------------------------------------------------

BOOL CMacroProgramDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == LBEditorRules::kEndOfEditMessage && IsList(msg->hwnd)) {
        EndOfEdit(msg->hwnd);
        return TRUE;
    }
    if (msg->message == WM_RBUTTONDOWN && msg->hwnd == events_.Hwnd() && events_.Selection() >= 0) {
        POINT screen{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        ::ClientToScreen(events_.Hwnd(), &screen);
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
        OnKeyEvent();
        return 1;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CMacroProgramDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    const int code = HIWORD(wParam);
    if (from == nullptr) {
        if (!MacroEventMenu::IsCommand(LOWORD(wParam))) {
            return CDialog::OnCommand(wParam, lParam);
        }
        RunEventCommand(LOWORD(wParam));
    } else if (from == macros_.Hwnd() && code == LBN_SELCHANGE) {
        SelectMacro();
    } else if (from == macros_.Hwnd() && code == LBN_DBLCLK) {
        RenameMacro(macros_.Selection());
    } else if (from == events_.Hwnd() && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        EditDelay();
    } else if (from == loopCount_ && code == EN_CHANGE) {
        LoopCountChanged();
    } else if (from == record_.Hwnd() && code == BN_CLICKED) {
        ToggleRecording();
    } else if (!IsList(from) && from != loopCount_ && from != record_.Hwnd()) {
        return CDialog::OnCommand(wParam, lParam);
    }
    return TRUE;
}

void CMacroProgramDialog::Close() {
    if (Hwnd() != nullptr) {
        StopRecording();
        EndDialog(IDCANCEL);
    }
}

void CMacroProgramDialog::OnLButtonDown(UINT, POINT point) {
    const Layout::Target target = Layout::TargetAt(point.x, point.y);
    const MacroManagerClick::Plan plan = MacroManagerClick::For(target);
    if (plan.StopsRecording) {
        StopRecording();
    }
    if (plan.SavesFirst) {
        SaveCurrent();
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
        NewMacro();
        break;
    case MacroManagerClick::Action::DeleteMacro:
        DeleteMacro();
        break;
    case MacroManagerClick::Action::ToggleDelay:
        delayFlag_ = !delayFlag_;
        recorder_.SetDelayRecording(delayFlag_);
        InvalidateRect(ToRect(Layout::kDelayCheck), false);
        break;
    case MacroManagerClick::Action::ToggleLoop:
        loopFlag_ = !loopFlag_;
        EnableLoopCount();
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
    const HBRUSH brush = IsList(control)         ? canvas_.Colour(dc, false)
                         : control == loopCount_ ? canvas_.Colour(dc, true)
                                                 : nullptr;
    return brush != nullptr ? brush : CDialog::OnCtlColor(dc, control, controlType);
}

void CMacroProgramDialog::OnMeasureItem(int id, MEASUREITEMSTRUCT* item) {
    if (!CExMenu::HandleMeasureItem(item)) {
        CDialog::OnMeasureItem(id, item);
    }
}

void CMacroProgramDialog::OnDrawItem(int id, DRAWITEMSTRUCT* item) {
    if (!CExMenu::HandleDrawItem(item)) {
        CDialog::OnDrawItem(id, item);
    }
}

void CMacroProgramDialog::OnDestroy() {
    // The keyboard comes back however the window goes; what was recorded is kept.
    StopRecording();
    hook_.Remove();
    CDialog::OnDestroy();
}

BOOL CMacroProgramDialog::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMacroProgramDialog::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    canvas_.Draw(dc, GetClientRect(), {background_, hover_, loopFlag_, delayFlag_});
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith
