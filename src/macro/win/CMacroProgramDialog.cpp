#include "macro/win/CMacroProgramDialog.h"

#include "assign/KeyCaptureLayout.h"
#include "assign/MacroCaptionName.h"
#include "assign/win/CExMenu.h"
#include "framework/CMemoryDC.h"
#include "framework/IPrompts.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroItem.h"
#include "macro/MacroList.h"
#include "macro/MacroManagerLayout.h"
#include "macro/MacroTableBuilder.h"
#include "macro/win/CLBEditorWnd.h"
#include "pages/win/WindowCentring.h"
#include "platform/win32/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = MacroManagerLayout;
using Button = DialogHover::Button;

constexpr char kBackgroundError[] = "error";
constexpr char kBackgroundErrorCaption[] = "Macro Manager Dialog Load background image failed!!!";
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kListColour =
    RGB(Layout::kListBackground[0], Layout::kListBackground[1], Layout::kListBackground[2]);
constexpr COLORREF kLoopColour =
    RGB(Layout::kLoopBackground[0], Layout::kLoopBackground[1], Layout::kLoopBackground[2]);

RECT ToRect(const Layout::Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

std::string Narrow(const std::wstring& text) {
    return WideString::ToUtf8(text);
}

std::string Skin(std::string_view path) {
    return std::string("Skins") + std::string(path);
}

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring ItemText(HWND list, int index) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

std::vector<std::string> Items(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        items.push_back(Narrow(ItemText(list, i)));
    }
    return items;
}

int Selection(HWND list) {
    return list != nullptr ? static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0)) : -1;
}

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, const Layout::Rect& box, int id) {
    return ::CreateWindowExW(0, className, L"", style, box.Left, box.Top, box.Right - box.Left,
                             box.Bottom - box.Top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

HFONT CreateDialogFont(int height, std::string_view face) {
    return ::CreateFontW(height, 0, 0, 0, Layout::kFontWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                         WideString::FromUtf8(face).c_str());
}

void DrawText(HDC dc, std::string_view text, const Layout::Rect& box, UINT format) {
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format | DT_NOPREFIX);
}

} // namespace

CMacroProgramDialog::CMacroProgramDialog(const SkinImages& skins, IFileSystem& files, IPrompts& prompts,
                                         CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), files_(files), prompts_(prompts), file_(files, ""),
      hook_([this](int code, std::uint32_t key, std::uint32_t, std::uint32_t flags) {
          return OnHookEvent(code, key, flags);
      }),
      recorder_({hook_, clock_, file_}, recorded_) {}

CMacroProgramDialog::~CMacroProgramDialog() {
    hook_.Remove();
    DropGdiObjects();
}

void CMacroProgramDialog::DropGdiObjects() {
    const auto drop = [](auto& object) {
        if (object != nullptr) {
            ::DeleteObject(object);
            object = nullptr;
        }
    };
    drop(font_);
    drop(loopFont_);
    drop(listBrush_);
    drop(loopBrush_);
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
    macroList_ = eventList_ = loopCount_ = nullptr;
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
    const Layout::Texts texts = Layout::TextsFor(code_);
    DropGdiObjects();
    font_ = CreateDialogFont(Layout::kFontHeight, Layout::FontFace(code_));
    loopFont_ = CreateDialogFont(Layout::kLoopFontHeight, "Arial");
    listBrush_ = ::CreateSolidBrush(kListColour);
    loopBrush_ = ::CreateSolidBrush(kLoopColour);

    macroList_ =
        CreateChild(hwnd_, L"LISTBOX", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, Layout::kMacroList, kMacroListId);
    eventList_ =
        CreateChild(hwnd_, L"LISTBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                    Layout::kEventList, kEventListId);
    loopCount_ = CreateChild(hwnd_, L"EDIT", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER,
                             Layout::kLoopCount, kLoopCountId);
    for (HWND list : {macroList_, eventList_}) {
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    ::SendMessageW(loopCount_, WM_SETFONT, reinterpret_cast<WPARAM>(loopFont_), FALSE);

    record_.Create(ToRect(Layout::kRecord), this, kRecordId, WideString::FromUtf8(texts.RecordIdle));
    record_.SetFontFace(WideString::FromUtf8(Layout::FontFace(code_)));
    record_.SetFontHeight(Layout::RecordFontHeight(code_));
    record_.SetSkinImages(skins_, RECT{0, 0, Layout::kRecordImageWidth, Layout::kRecordImageHeight},
                          Skin(Layout::kRecordNormal), Skin(Layout::kRecordOver), Skin(Layout::kRecordOver),
                          Skin(Layout::kRecordNormal));
    record_.SetChecked(false);

    LoadList();
    if (::SendMessageW(macroList_, LB_GETCOUNT, 0, 0) <= 0) {
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
        ShowEvents(recorded_, static_cast<int>(recorded_.size()) - 1);
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
    ShowEvents(recorded_, -1);
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
    ::SendMessageW(macroList_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : file_.ReadList()) {
        ::SendMessageW(macroList_, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(WideString::FromUtf8(name).c_str()));
    }
    if (::SendMessageW(macroList_, LB_GETCOUNT, 0, 0) > 0) {
        ::SendMessageW(macroList_, LB_SETCURSEL, 0, 0);
        SelectMacro();
    }
}

void CMacroProgramDialog::SelectMacro() {
    current_ = Selection(macroList_);
    if (recorder_.IsRecording()) {
        // The interrupted recording is saved under the macro it was made for.
        recorder_.SetDelayRecording(delayFlag_);
        recorder_.StopForSelectionChange(Names());
        ShowRecordState();
    }
    if (current_ < 0) {
        return;
    }
    const std::string name = CurrentName();
    const Macro macro = file_.ReadMacro(name);
    snapshot_ = {name, macro.LoopCountText, std::to_string(macro.Items.size())};
    snapshot_.insert(snapshot_.end(), macro.Items.begin(), macro.Items.end());
    ::SetWindowTextW(loopCount_,
                     WideString::FromUtf8(macro.LoopCountText).c_str()); // checked at once (LoopCountChanged)
    ShowEvents(macro.Items, -1);
    if (macro.DelayRecording == 1) {
        delayFlag_ = true;
    } else if (macro.DelayRecording == 0) {
        delayFlag_ = false;
    }
    const std::optional<long> loops = MacroList::LoopCount(LoopText());
    loopFlag_ = loops && *loops > 1;
    EnableLoopCount();
    Invalidate(false);
}

void CMacroProgramDialog::NewMacro() {
    std::vector<std::string> names = Names();
    const Layout::Texts texts = Layout::TextsFor(code_);
    const std::optional<std::string> name = MacroList::NewName(names, texts.NameBase);
    if (!name) {
        prompts_.ShowMessage(hwnd_, texts.LimitMessage, texts.LimitCaption, PromptButtons::Ok);
        return;
    }
    const LRESULT index = ::SendMessageW(macroList_, LB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(WideString::FromUtf8(*name).c_str()));
    ::SendMessageW(macroList_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    current_ = static_cast<int>(index);
    ShowEvents({}, -1);
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
    const int selected = Selection(macroList_);
    if (selected < 0) {
        return;
    }
    const std::string name = Narrow(ItemText(macroList_, selected));
    if (!MacroList::MayDelete(name, labels_)) {
        return; // a button plays it
    }
    ::SendMessageW(macroList_, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    ShowEvents({}, -1);
    const int count = static_cast<int>(::SendMessageW(macroList_, LB_GETCOUNT, 0, 0));
    ::SendMessageW(macroList_, LB_SETCURSEL, static_cast<WPARAM>(selected < count ? selected : count - 1), 0);
    file_.WriteList(Names());
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
    renaming_ = Narrow(ItemText(macroList_, index));
    auto* editor = new CLBEditorWnd(macroList_, LBEditorRules::Kind::MacroName);
    if (!editor->Open(index, false)) {
        renaming_.clear();
    }
}

void CMacroProgramDialog::EditDelay() {
    const int selected = Selection(eventList_);
    if (selected < 0 || ItemText(eventList_, selected).find(L" ms") == std::wstring::npos) {
        return;
    }
    if (selected != rememberedDelay_) {
        rememberedDelay_ = selected;
        return;
    }
    StopRecording();
    auto* editor = new CLBEditorWnd(eventList_, LBEditorRules::Kind::Delay);
    editor->Open(selected, true);
}

void CMacroProgramDialog::EndOfEdit(HWND list) {
    if (list == macroList_) {
        const std::string from = std::move(renaming_);
        renaming_.clear();
        const int selected = Selection(macroList_);
        const std::string to = selected >= 0 ? Narrow(ItemText(macroList_, selected)) : std::string();
        if (from.empty() || to.empty() || to == from) {
            return; // refused or cancelled: the file stays as it was
        }
        if (file_.RenameMacro(Names(), from, to)) {
            renames_.emplace_back(from, to);
            for (std::string& label : labels_) {
                if (LBEditorRules::SameName(MacroCaptionName::Of(label), from)) {
                    label = MacroCaptionName::Replaced(label, to);
                }
            }
        } else {
            Written(); // a failed rename shows the old name again
        }
        return;
    }
    SaveCurrent();
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
    const Layout::Texts texts = Layout::TextsFor(code_);
    CExMenu menu(font_);
    if (!menu.CreatePopupMenu()) {
        return;
    }
    menu.SetItemWidth(Layout::kMenuItemWidth);
    menu.AppendItem(kDeleteEvent, texts.Delete);
    menu.AppendItem(kInsertLeft, texts.InsertLeft);
    menu.AppendItem(kInsertMiddle, texts.InsertMiddle);
    menu.AppendItem(kInsertRight, texts.InsertRight);
    menu.AppendItem(kInsertDelay, texts.InsertDelay);
    menu.Track(screen.x, screen.y, hwnd_);
}

void CMacroProgramDialog::RunEventCommand(UINT command) {
    StopRecording();
    const std::vector<std::string> items = Events();
    const int selected = Selection(eventList_);
    MacroList::Events result;
    switch (command) {
    case kDeleteEvent:
        result = MacroList::DeleteEvent(items, selected);
        break;
    case kInsertLeft:
        result = MacroList::InsertButton(items, selected, MacroList::MouseButton::Left);
        break;
    case kInsertMiddle:
        result = MacroList::InsertButton(items, selected, MacroList::MouseButton::Middle);
        break;
    case kInsertRight:
        result = MacroList::InsertButton(items, selected, MacroList::MouseButton::Right);
        break;
    case kInsertDelay:
        result = MacroList::InsertDelay(items, selected);
        break;
    default:
        return;
    }
    if (!result.Changed) {
        return;
    }
    ShowEvents(result.Items, result.Selection);
    SaveCurrent();
}

void CMacroProgramDialog::SaveCurrent() {
    if (current_ < 0) {
        return;
    }
    file_.WriteMacro(Macro{CurrentName(), LoopText(), delayFlag_ ? 1 : 0, Events()});
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
    if (::SendMessageW(macroList_, LB_GETCOUNT, 0, 0) <= 0) {
        current_ = -1;
        ShowEvents({}, -1);
    }
    const LRESULT found = ::SendMessageW(macroList_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(WideString::FromUtf8(selected).c_str()));
    if (!selected.empty() && found != LB_ERR && found != Selection(macroList_)) {
        ::SendMessageW(macroList_, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        SelectMacro();
    }
    return false;
}

void CMacroProgramDialog::BuildEncodedCopy() {
    encoded_.fill(0);
    MacroTableBuilder::Build(file_, 0x32, MacroTableBuilder::Table(encoded_));
}

// ---- helpers --------------------------------------------------------------------------------------

std::vector<std::string> CMacroProgramDialog::Names() const {
    return Items(macroList_);
}

std::vector<std::string> CMacroProgramDialog::Events() const {
    return Items(eventList_);
}

void CMacroProgramDialog::ShowEvents(const std::vector<std::string>& items, int selection) {
    ::SendMessageW(eventList_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(eventList_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        ::SendMessageW(eventList_, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(WideString::FromUtf8(item).c_str()));
    }
    ::SendMessageW(eventList_, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    ::SendMessageW(eventList_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(eventList_, nullptr, TRUE);
}

std::string CMacroProgramDialog::CurrentName() const {
    return current_ >= 0 ? Narrow(ItemText(macroList_, current_)) : std::string();
}

std::string CMacroProgramDialog::LoopText() const {
    return loopCount_ != nullptr ? Narrow(WindowText(loopCount_)) : std::string();
}

void CMacroProgramDialog::EnableLoopCount() {
    ::EnableWindow(loopCount_, loopFlag_ ? TRUE : FALSE);
}

bool CMacroProgramDialog::IsEditor(HWND window) const {
    const HWND parent = window != nullptr ? ::GetParent(window) : nullptr;
    return parent != nullptr && (parent == macroList_ || parent == eventList_);
}

// ---- messages -------------------------------------------------------------------------------------

BOOL CMacroProgramDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == LBEditorRules::kEndOfEditMessage &&
        (msg->hwnd == macroList_ || msg->hwnd == eventList_)) {
        EndOfEdit(msg->hwnd);
        return TRUE;
    }
    if (msg->message == WM_RBUTTONDOWN && msg->hwnd == eventList_ && Selection(eventList_) >= 0) {
        POINT screen{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        ::ClientToScreen(eventList_, &screen);
        ShowContextMenu(screen);
        return TRUE;
    }
    // Neither Enter nor Escape ends the dialog; the in-place editor takes its keys itself, spaces included.
    if (KeyCaptureLayout::DropsKeyMessage(msg->message, msg->wParam) && !IsEditor(msg->hwnd)) {
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
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (from != nullptr && from == macroList_) {
        if (code == LBN_SELCHANGE) {
            SelectMacro();
        } else if (code == LBN_DBLCLK) {
            RenameMacro(Selection(macroList_));
        }
        return TRUE;
    }
    if (from != nullptr && from == eventList_) {
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) {
            EditDelay();
        }
        return TRUE;
    }
    if (from != nullptr && from == loopCount_) {
        if (code == EN_CHANGE) {
            LoopCountChanged();
        }
        return TRUE;
    }
    if (from != nullptr && from == record_.Hwnd()) {
        if (code == BN_CLICKED) {
            ToggleRecording();
        }
        return TRUE;
    }
    if (from == nullptr) {
        switch (id) {
        case kDeleteEvent:
        case kInsertLeft:
        case kInsertMiddle:
        case kInsertRight:
        case kInsertDelay:
            RunEventCommand(static_cast<UINT>(id));
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMacroProgramDialog::Close() {
    if (Hwnd() != nullptr) {
        StopRecording();
        EndDialog(IDCANCEL);
    }
}

void CMacroProgramDialog::OnLButtonDown(UINT, POINT point) {
    const Layout::Target target = Layout::TargetAt(point.x, point.y);
    if (target != Layout::Target::None && target != Layout::Target::DelayCheck) {
        StopRecording(); // the delay check box may change while recording
    }
    switch (target) {
    case Layout::Target::Ok:
        SaveCurrent();
        BuildEncodedCopy();
        EndDialog(IDOK);
        return;
    case Layout::Target::Cancel:
    case Layout::Target::Close:
        EndDialog(IDCANCEL);
        return;
    case Layout::Target::New:
        SaveCurrent();
        NewMacro();
        return;
    case Layout::Target::Delete:
        DeleteMacro();
        return;
    case Layout::Target::DelayCheck:
        delayFlag_ = !delayFlag_;
        recorder_.SetDelayRecording(delayFlag_);
        InvalidateRect(ToRect(Layout::kDelayCheck), false);
        break;
    case Layout::Target::LoopCheck:
        loopFlag_ = !loopFlag_;
        EnableLoopCount();
        InvalidateRect(ToRect(Layout::kLoopCheck), false);
        break;
    case Layout::Target::None:
        break;
    }
    if (target != Layout::Target::None) {
        return;
    }
    POINT screen = point;
    ClientToScreen(screen);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CMacroProgramDialog::OnMouseMove(UINT, POINT point) {
    hover_.Moved(hwnd_, Layout::ButtonAt(point.x, point.y));
}

void CMacroProgramDialog::OnMouseHover(UINT, POINT point) {
    hover_.Rested(hwnd_, Layout::ButtonAt(point.x, point.y));
}

HBRUSH CMacroProgramDialog::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    if ((control == macroList_ || control == eventList_) && listBrush_ != nullptr) {
        ::SetTextColor(dc, kTextColour);
        ::SetBkColor(dc, kListColour);
        return listBrush_;
    }
    if (control == loopCount_ && loopBrush_ != nullptr) {
        ::SetTextColor(dc, kTextColour);
        ::SetBkColor(dc, kLoopColour);
        return loopBrush_;
    }
    return CDialog::OnCtlColor(dc, control, controlType);
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
    Draw(dc);
    ::EndPaint(hwnd_, &paint);
}

void CMacroProgramDialog::Draw(HDC dc) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    if (!canvas.Valid() || background_ == nullptr) {
        return;
    }
    SkinImages::DrawImage(canvas, *background_, 0, 0);
    const auto image = [&](std::string_view path, const Layout::Rect& at) {
        skins_.DrawImageFile(canvas, Skin(path), at.Left, at.Top);
    };
    image(hover_.IsLit(Button::Close) ? Layout::kCloseOver : Layout::kCloseNormal, Layout::kClose);
    image(hover_.IsLit(Button::Ok) ? Layout::kButtonOver : Layout::kButtonNormal, Layout::kOk);
    image(hover_.IsLit(Button::Cancel) ? Layout::kButtonOver : Layout::kButtonNormal, Layout::kCancel);
    image(hover_.IsLit(Button::New) ? Layout::kNewOver : Layout::kNewNormal, Layout::kNew);
    image(hover_.IsLit(Button::Delete) ? Layout::kNewOver : Layout::kNewNormal, Layout::kDelete);
    image(loopFlag_ ? Layout::kCheckTicked : Layout::kCheckClear, Layout::kLoopCheck);
    image(delayFlag_ ? Layout::kCheckTicked : Layout::kCheckClear, Layout::kDelayCheck);

    const Layout::Texts texts = Layout::TextsFor(code_);
    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(canvas, font_) : nullptr;
    ::SetTextColor(canvas, kTextColour);
    ::SetBkMode(canvas, TRANSPARENT);
    constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    DrawText(canvas, texts.Ok, Layout::kOk, kCentred);
    DrawText(canvas, texts.Cancel, Layout::kCancel, kCentred);
    DrawText(canvas, texts.New, Layout::kNew, kCentred);
    DrawText(canvas, texts.Delete, Layout::kDelete, kCentred);
    DrawText(canvas, texts.Title, Layout::kTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    DrawText(canvas, texts.MacroHeader, Layout::kMacroHeader, kCentred);
    DrawText(canvas, texts.EventHeader, Layout::kEventHeader, kCentred);
    DrawText(canvas, texts.OptionsHeader, Layout::kOptionsHeader, kCentred);
    DrawText(canvas, texts.Loop, Layout::kLoopText, DT_LEFT | DT_VCENTER | DT_WORDBREAK);
    DrawText(canvas, texts.DelayRecording, Layout::kDelayText, DT_LEFT | DT_WORDBREAK);
    if (previousFont != nullptr) {
        ::SelectObject(canvas, previousFont);
    }
    canvas.CopyTo(dc);
}

} // namespace corvalith
