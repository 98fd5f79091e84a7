#include "profile/win/CConfigDialog.h"

#include "controls/win/CExMenu.h"
#include "controls/win/CLBEditorWnd.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "platform/win/WideString.h"
#include "skin/BackgroundFailure.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF FromRgb(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

CConfigDialog::CConfigDialog(const SkinImages& skins, std::string languageCode, ProfileSession& session,
                             ProfileListStore& store, IPrompts& prompts, CWnd* mainWindow,
                             CLBEditorWnd::Rule renameRule, ProgramRules& rules,
                             std::function<void()> saveRules)
    : CDialog(Layout::kTemplateId, mainWindow), skins_(skins), code_(std::move(languageCode)),
      texts_(Layout::TextsFor(code_)), session_(session), renameRule_(std::move(renameRule)), store_(store),
      prompts_(prompts), mainWindow_(mainWindow), rules_(rules), saveRules_(std::move(saveRules)) {
    Template().SetStyle(WS_CHILD | WS_CLIPCHILDREN);
}

void CConfigDialog::DrawLabel(HDC dc, std::string_view text, const Rect& box, UINT format) {
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    fitted_.Draw(dc, wide, r, format | DT_SINGLELINE | DT_NOPREFIX);
}

HFONT CConfigDialog::MakeFont(int height) const {
    const std::wstring face = WideString::FromUtf8(Layout::FontFace(code_));
    return CreateUiFont(
        {.Face = face.c_str(), .Height = height, .Weight = FW_NORMAL, .PitchAndFamily = FF_SWISS});
}

CConfigDialog::~CConfigDialog() {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(brush_)}) {
        if (object != nullptr) {
            ::DeleteObject(object);
        }
    }
}

BOOL CConfigDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!skins_.LoadBackground(hwnd_, Layout::kBackground, background_)) {
        BackgroundFailure::Report(prompts_, hwnd_, BackgroundDialog::ProfileManager);
        return FALSE;
    }
    font_ = MakeFont(Layout::kFontHeight);
    fitted_.Reset(font_, Layout::kFontHeight, [this](int height) { return MakeFont(height); });
    brush_ = ::CreateSolidBrush(FromRgb(Layout::kBackColour));
    if (!list_.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      ToRect(Layout::kList), this, Layout::kListId)) {
        return FALSE;
    }
    if (font_ != nullptr) {
        list_.SetFont(font_, false);
    }
    entries_ = store_.Read(session_);
    readNames_ = entries_.Names();
    // The manager opens on the profile the working profile holds.
    const int loaded = session_.LoadedProfileIndex;
    if (loaded >= 0 && static_cast<std::size_t>(loaded) < entries_.Count()) {
        entries_.Select(loaded);
    }
    FillList();
    initialised_ = true;
    return FALSE;
}

void CConfigDialog::FillList() {
    list_.ResetContent();
    for (const auto& entry : entries_.Entries()) {
        list_.AddString(WideString::FromUtf8(entry.Name));
    }
    list_.SetCurSel(entries_.Selected());
}

void CConfigDialog::TakeNames() {
    const int count = list_.GetCount();
    for (int i = 0; i < count && static_cast<std::size_t>(i) < entries_.Count(); ++i) {
        entries_.Rename(static_cast<std::size_t>(i), WideString::ToUtf8(list_.GetText(i)));
    }
}

void CConfigDialog::LimitMessage() {
    prompts_.ShowMessage(hwnd_, texts_.LimitMessage, texts_.MessageTitle, PromptButtons::Ok);
}

void CConfigDialog::New() {
    TakeNames();
    if (entries_.AddNew(texts_.NamePrefix) == ProfileList::AddResult::LimitReached) {
        LimitMessage();
        return;
    }
    FillList();
}

void CConfigDialog::Delete() {
    TakeNames();
    entries_.Select(list_.GetCurSel());
    if (entries_.DeleteSelected()) {
        FillList();
    }
}

void CConfigDialog::Copy() {
    TakeNames();
    entries_.Select(list_.GetCurSel());
    if (entries_.AddCopy(texts_.Copy) == ProfileList::AddResult::LimitReached) {
        LimitMessage();
        return;
    }
    FillList();
}

void CConfigDialog::Rename() {
    const int selected = list_.GetCurSel();
    if (selected < 0) {
        return;
    }
    auto* editor = new CLBEditorWnd(list_.Hwnd(), renameRule_);
    editor->Open(selected, false);
}

void CConfigDialog::Transfer(Operation operation) {
    const int selected = list_.GetCurSel();
    if (list_.GetCount() == 0 || selected < 0 || static_cast<std::size_t>(selected) >= entries_.Count()) {
        return;
    }
    // Import and export work on the files of stored entries, numbered as the stored list numbers them
    // until the list is stored again on close; an entry added since the manager opened has none yet.
    const int files = entries_.Entries()[static_cast<std::size_t>(selected)].Files;
    if (files < 0) {
        return;
    }
    ::PostMessageW(mainWindow_->Hwnd(), kProfileOperation, operation, files);
}

void CConfigDialog::Close() {
    if (closing_) {
        return;
    }
    closing_ = true;
    TakeNames();
    entries_.Select(list_.GetCurSel());
    // The main window shows its views again when this reaches its message filter.
    ::PostMessageW(hwnd_, kSettingsChanged, 0, 0);
    const ProfileListStore::CloseAction action = store_.Save(entries_, session_);
    rules_.FollowList(readNames_, entries_);
    saveRules_();
    if (action.Operation != ProfileListStore::CloseOperation::None) {
        const WPARAM operation =
            action.Operation == ProfileListStore::CloseOperation::Create ? kCreate : kSelect;
        ::PostMessageW(mainWindow_->Hwnd(), kProfileOperation, operation, action.Position);
    } else {
        ::PostMessageW(mainWindow_->Hwnd(), kProfileOperation, kSelect, session_.LoadedProfileIndex);
    }
    EndDialog(IDOK);
}

void CConfigDialog::RunCommand(UINT command) {
    switch (command) {
    case Layout::kDelete:
        Delete();
        break;
    case Layout::kEdit:
        Rename();
        break;
    case Layout::kCopy:
        Copy();
        break;
    case Layout::kLoad:
        Transfer(kImport);
        break;
    case Layout::kSave:
        Transfer(kExport);
        break;
    case Layout::kAddProgram:
        AddProgram();
        break;
    case Layout::kReturnToThis:
        ToggleReturnTo();
        break;
    default:
        if (command >= Layout::kFirstProgram && command <= Layout::kLastProgram) {
            RemoveProgram(command - Layout::kFirstProgram);
        }
        break;
    }
}

std::optional<std::string> CConfigDialog::SelectedRuleName() {
    TakeNames();
    const int selected = list_.GetCurSel();
    if (selected < 0 || static_cast<std::size_t>(selected) >= entries_.Count()) {
        return std::nullopt;
    }
    return ProgramRules::RuleName(readNames_, entries_, static_cast<std::size_t>(selected));
}

void CConfigDialog::AddProgram() {
    const std::optional<std::string> name = SelectedRuleName();
    if (!name) {
        return;
    }
    FileDialogRequest request;
    request.filter = Layout::kProgramFilter;
    request.defaultExtension = "exe";
    request.flags = Layout::kProgramDialogFlags;
    if (const std::optional<std::string> program = prompts_.ChooseFileToOpen(hwnd_, request)) {
        if (rules_.Add(*name, *program)) {
            saveRules_();
        }
    }
}

void CConfigDialog::ToggleReturnTo() {
    if (const std::optional<std::string> name = SelectedRuleName()) {
        rules_.SetFallback(rules_.Fallback() == name ? std::nullopt : name);
        saveRules_();
    }
}

void CConfigDialog::RemoveProgram(std::size_t index) {
    const std::optional<std::string> name = SelectedRuleName();
    if (!name) {
        return;
    }
    const std::vector<std::string> programs = rules_.ProgramsOf(*name);
    if (index < programs.size()) {
        rules_.Remove(*name, programs[index]);
        saveRules_();
    }
}

void CConfigDialog::ShowContextMenu(POINT screen) {
    CExMenu menu(font_);
    menu.CreatePopupMenu();
    menu.SetItemWidth(100);
    menu.AppendItem(Layout::kDelete, texts_.Delete);
    menu.AppendItem(Layout::kEdit, texts_.Edit);
    menu.AppendItem(Layout::kCopy, texts_.Copy);
    menu.AppendItem(Layout::kLoad, texts_.Load);
    menu.AppendItem(Layout::kSave, texts_.Save);

    // The programs the selected profile follows, each marked (choosing one takes it away), the item that
    // adds one, and the mark of the profile to return to.
    CExMenu programs(font_);
    programs.CreatePopupMenu();
    programs.SetItemWidth(Layout::kProgramMenuWidth);
    if (const std::optional<std::string> name = SelectedRuleName()) {
        const std::vector<std::string> given = rules_.ProgramsOf(*name);
        for (std::size_t i = 0; i < given.size() && i <= Layout::kLastProgram - Layout::kFirstProgram; ++i) {
            programs.AppendItem(Layout::kFirstProgram + static_cast<UINT>(i), given[i], true);
        }
        programs.AppendItem(Layout::kAddProgram, texts_.UseWhileInFront);
        programs.AppendItem(CExMenu::kSeparatorRequest, "");
        programs.AppendItem(Layout::kReturnToThis, texts_.ReturnToThis, rules_.Fallback() == name);
        menu.AppendItem(CExMenu::kSeparatorRequest, "");
        menu.AppendSubmenu(texts_.Programs, programs);
    }
    if (const UINT chosen = menu.TrackForCommand(screen.x, screen.y, hwnd_); chosen != 0) {
        RunCommand(chosen);
    }
}

void CConfigDialog::OnContextMenu(HWND window, POINT point) {
    if (window == list_.Hwnd()) {
        ShowContextMenu(point);
    }
}

BOOL CConfigDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == list_.Hwnd() && list_.Hwnd() != nullptr) {
        const UINT code = HIWORD(wParam);
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) {
            // A click on the entry already selected edits its name.
            const int selected = list_.GetCurSel();
            if (selected >= 0 && selected == entries_.Selected()) {
                Rename();
            }
            entries_.Select(selected);
        }
        return TRUE;
    }
    const UINT command = LOWORD(wParam);
    if (lParam == 0 && ((command >= Layout::kDelete && command <= Layout::kSave) ||
                        (command >= Layout::kAddProgram && command <= Layout::kLastProgram))) {
        RunCommand(command);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CConfigDialog::OnLButtonDown(UINT, POINT point) {
    switch (Layout::HitTest(point.x, point.y)) {
    case Layout::Area::New:
        New();
        break;
    case Layout::Area::Delete:
        Delete();
        break;
    case Layout::Area::Close:
        Close();
        break;
    case Layout::Area::None:
        break;
    }
}

HBRUSH CConfigDialog::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    if (brush_ == nullptr) {
        return CDialog::OnCtlColor(dc, control, controlType);
    }
    ::SetTextColor(dc, control == list_.Hwnd() ? FromRgb(Layout::kListText) : kWhite);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, FromRgb(Layout::kBackColour));
    return brush_;
}

void CConfigDialog::OnMeasureItem(int id, MEASUREITEMSTRUCT* item) {
    if (!CExMenu::HandleMeasureItem(item, Scale())) {
        CDialog::OnMeasureItem(id, item);
    }
}

void CConfigDialog::OnDrawItem(int id, DRAWITEMSTRUCT* item) {
    if (!CExMenu::HandleDrawItem(item, Scale())) {
        CDialog::OnDrawItem(id, item);
    }
}

BOOL CConfigDialog::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CConfigDialog::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc);
}

void CConfigDialog::Draw(HDC target) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(target, client.right, client.bottom);
    if (!canvas.Valid() || background_.Bitmap() == nullptr) {
        return;
    }
    const HDC dc = canvas.Dc();
    SkinImages::DrawImage(dc, background_, 0, 0);
    skins_.DrawImageFile(dc, Layout::kCloseImage, Layout::kCloseArea.Left, Layout::kCloseArea.Top);
    skins_.DrawImageFile(dc, Layout::kNewImage, Layout::kNewArea.Left + Layout::kIconDx,
                         Layout::kNewArea.Top + Layout::kIconDy);
    skins_.DrawImageFile(dc, Layout::kDeleteImage, Layout::kDeleteArea.Left + Layout::kIconDx,
                         Layout::kDeleteArea.Top + Layout::kIconDy);
    HGDIOBJ oldFont = font_ != nullptr ? ::SelectObject(dc, font_) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kWhite);
    // The title sits left of the logo the background carries; one too wide for its place is drawn smaller.
    DrawLabel(dc, texts_.Title, Layout::kTitle, DT_LEFT | DT_VCENTER);
    DrawLabel(dc, texts_.New, Layout::CaptionBox(Layout::kNewArea), DT_LEFT | DT_VCENTER);
    DrawLabel(dc, texts_.Delete, Layout::CaptionBox(Layout::kDeleteArea), DT_LEFT | DT_VCENTER);
    if (oldFont != nullptr) {
        ::SelectObject(dc, oldFont);
    }
    canvas.CopyTo(target);
}

} // namespace corvalith
