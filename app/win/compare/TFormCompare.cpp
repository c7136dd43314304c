// TFormCompare: loading the sides, the run, the moves between regions and the scrolling together.
#include "app/win/compare/TFormCompare.h"

#include "app/compare/CompareReport.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/system/Clipboard.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"

#include "common/win/FileSystem.h"
#include "common/win/MessageBox.h"
#include "common/win/WideText.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

constexpr UINT kCompareDone = WM_APP + 21;
constexpr uint8_t kKeyF5 = Vk::F1 + 4;
constexpr uint8_t kKeyF6 = Vk::F1 + 5;
constexpr int kNamesHeight = 20;
constexpr int kListHeight = 120;
constexpr int kStatusHeight = 22;
// The list shows the first regions; the moves reach every region kept.
constexpr size_t kListShown = 10000;

struct SnapshotCopy {
    QX_READER reader;
    LONGLONG at;
};

// A side's bytes of the regions: those facing bytes of the other side as different, the
// rest as present on this side only.
std::vector<QX_MARK> MarksOf(const std::vector<CompareRegion>& regions, bool second)
{
    std::vector<QX_MARK> marks;
    marks.reserve(regions.size());
    for (const CompareRegion& region : regions) {
        const uint64_t offset = second ? region.offset2 : region.offset1;
        const uint64_t length = second ? region.length2 : region.length1;
        const uint64_t facing = std::min(length, second ? region.length1 : region.length2);
        if (facing > 0)
            marks.push_back({offset, facing, QX_MARK_DIFFERENT});
        if (length > facing)
            marks.push_back({offset + facing, length - facing, QX_MARK_ONE_SIDE});
    }
    return marks;
}

bool ReadSnapshot(void* context, void* buffer, int count)
{
    auto& copy = *static_cast<SnapshotCopy*>(context);
    if (!Editor.QX_ReadAt(copy.reader, copy.at, buffer, count))
        return false;
    copy.at += count;
    return true;
}

} // namespace

TFormCompare::TFormCompare(HWND owner, CompareSide first, CompareSide second, CompareMethod method)
    : TForm("TFormCompare", owner), sides_{std::move(first), std::move(second)}, method_(method)
{
    SetCaption(std::string(kTextCompareCaption) + sides_[0].title + " / " + sides_[1].title);
    SetClientSize(980, 560);
    SetMinSize(480, 300);
    SetDialogKeys(false);
    SetMinimizeBox(true);
    menu_ = &MainMenu.Add("MenuCompare", kTextCompareMenu);
    AddCommand(Command::Next, "ActionCompareNext", kTextCompareNext, PlainKey(kKeyF6));
    AddCommand(Command::Previous, "ActionComparePrev", kTextComparePrev, ShiftKey(kKeyF6));
    menu_->AddSeparator();
    AddCommand(Command::Again, "ActionCompareAgain", kTextCompareAgain, PlainKey(kKeyF5));
    AddCommand(Command::Cancel, "ActionCompareCancel", kTextCompareCancelRun, PlainKey(Vk::Escape));
    menu_->AddSeparator();
    AddCommand(Command::CopyList, "ActionCompareCopyList", kTextCompareCopyList, {});
    AddCommand(Command::OpenFirst, "ActionCompareOpenFirst", kTextCompareOpenFirst, {});
    AddCommand(Command::OpenSecond, "ActionCompareOpenSecond", kTextCompareOpenSecond, {});
    menu_->AddSeparator();
    AddCommand(Command::Close, "ActionCompareClose", kTextCompareClose, {});
    SetMenu(MainMenu);
    SetActionList(ActionList);
    TimerScroll.SetInterval(30);
    TimerScroll.SetEnabled(false);
    TimerScroll.OnTimer = [this] { TimerScrollTimer(); };
}

TFormCompare::~TFormCompare()
{
    TimerScroll.SetEnabled(false);
    run_.Stop();
    DestroyHandle();
}

void TFormCompare::AddCommand(Command command, const char* name, const char* caption, Shortcut shortcut)
{
    TAction& action = ActionList.Add(name, kTextCompareMenu, caption, {}, shortcut);
    action.OnExecute = [this, command](TAction&) { Run(command); };
    menu_->Add(std::string("Menu") + (name + 6), {}).SetAction(&action);
}

void TFormCompare::Run(Command command)
{
    switch (command) {
    case Command::Next:
        GoNext();
        break;
    case Command::Previous:
        GoPrevious();
        break;
    case Command::Again:
        CompareAgain();
        break;
    case Command::Cancel:
        run_.Cancel();
        break;
    case Command::CopyList:
        if (result_ && !PutClipboardText(Handle(), CompareListText(*result_)))
            ShowMessageBox(Handle(), kTextChecksumNotCopied, kMessageError);
        break;
    case Command::OpenFirst:
        OpenInEditor(0);
        break;
    case Command::OpenSecond:
        OpenInEditor(1);
        break;
    case Command::Close:
        Close();
        break;
    }
}

void TFormCompare::CreateComponents()
{
    PanelNames.SetAlign(TAlign::Top);
    PanelNames.SetHeight(kNamesHeight);
    PanelNames.Create(*this);
    LabelFirst.SetCaption(sides_[0].title);
    LabelFirst.SetBounds(4, 3, 0, 0);
    LabelFirst.Create(PanelNames);
    LabelSecond.SetCaption(sides_[1].title);
    LabelSecond.Create(PanelNames);

    ListRegions.SetAlign(TAlign::Bottom);
    ListRegions.SetHeight(kListHeight);
    ListRegions.SetTabStops({48, 96, 144});  // offset, length, offset, length
    ListRegions.OnClick = [this] {
        if (const int index = ListRegions.ItemIndex(); index >= 0)
            ShowRegion(static_cast<size_t>(index));
    };
    ListRegions.Create(*this);
    StatusBar.SetAlign(TAlign::Bottom);
    StatusBar.SetHeight(kStatusHeight);
    StatusBar.AddPanel(4000);
    StatusBar.Create(*this);
}

void TFormCompare::FormCreate()
{
    for (HWND& control : controls_) {
        control = Editor.QX_Create(Handle(), Handle(), WS_TABSTOP);
        if (!control)
            throw std::bad_alloc();
        Editor.QX_SetReadOnly(control, true);
    }
    FormResize();
    CompareAgain();
    TimerScroll.SetEnabled(true);
}

// The keys go to the first side's control, so its moves scroll the other side along.
void TFormCompare::FormShow() { ::SetFocus(controls_[0]); }

void TFormCompare::FormResize()
{
    if (!controls_[1])
        return;
    RECT status;
    GetWindowRect(StatusBar.Handle(), &status);
    const int top = Scaled(kNamesHeight);
    const int bottom = std::max<int>(top, ClientHeight() - Scaled(kListHeight) - (status.bottom - status.top));
    const int half = ClientWidth() / 2;
    MoveWindow(controls_[0], 0, top, half - 2, bottom - top, TRUE);
    MoveWindow(controls_[1], half + 2, top, ClientWidth() - half - 2, bottom - top, TRUE);
    for (HWND control : controls_)
        ShowWindow(control, SW_SHOW);
    LabelSecond.SetBounds(half + 6, 3, 0, 0);
    LabelSecond.SetCaption(sides_[1].title);
}

void TFormCompare::FormClose()
{
    // A closed window keeps no file open.
    TimerScroll.SetEnabled(false);
    run_.Stop();
    for (HWND control : controls_)
        if (control)
            Editor.QX_New(control);
}

void TFormCompare::FormDestroy()
{
    TimerScroll.SetEnabled(false);
    run_.Stop();
}

bool TFormCompare::FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != kCompareDone)
        return TForm::FormMessage(message, wParam, lParam, result);
    if (wParam == run_.Id())
        Finished();
    result = 0;
    return true;
}

bool TFormCompare::Load(int side)
{
    const HWND control = controls_[side];
    const CompareSide& source = sides_[side];
    empty_[side] = false;
    if (source.fileName.empty()) {
        const HWND document = source.documentControl;
        std::vector<wchar_t> base(32768);
        const int length = Editor.QX_GetBaseName(document, base.data(), static_cast<int>(base.size()));
        // The document as saved stands on its file: shown from there without a copy.
        if (length > 0 && length < static_cast<int>(base.size()) &&
            Editor.QX_GetBaseChanges(document, nullptr, 0) == 0 &&
            Editor.QX_OpenFile(control, base.data(), QX_OPEN_ALLOW_WRITERS, nullptr))
            return true;
        SnapshotCopy copy{Editor.QX_OpenReader(document), 0};
        const LONGLONG size = Editor.QX_ReaderSize(copy.reader);
        const bool copied = copy.reader && Editor.QX_ReadDataFrom64(control, size, ReadSnapshot, &copy);
        Editor.QX_CloseReader(copy.reader);
        if (!copied)
            notice_ = kTextCompareFailed;
        return copied;
    }
    const std::wstring name = SystemName(source.fileName);
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    const bool isFile = GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &attributes) &&
                        !(attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (isFile && attributes.nFileSizeHigh == 0 && attributes.nFileSizeLow == 0) {
        // The control shows an empty file as one byte; the comparison takes it as it is.
        empty_[side] = true;
        Editor.QX_New(control);
        return true;
    }
    if (isFile && Editor.QX_OpenFile(control, name.c_str(), QX_OPEN_ALLOW_WRITERS, nullptr))
        return true;
    notice_ = FillText(kTextCompareCannotOpen, {ShownName(source.fileName)});
    std::replace(notice_.begin(), notice_.end(), '\n', ' ');
    return false;
}

void TFormCompare::CompareAgain()
{
    run_.Stop();
    result_.reset();
    current_.reset();
    notice_.clear();
    ListRegions.Clear();
    for (int side = 0; side < 2; ++side) {
        Editor.QX_SetMarks(controls_[side], nullptr, 0, nullptr);
        loaded_[side] = Load(side);
    }
    if (!loaded_[0] || !loaded_[1]) {
        ShowStatus();
        return;
    }
    std::unique_ptr<CompareSource> sources[2];
    for (int side = 0; side < 2; ++side) {
        if (empty_[side])
            sources[side] = std::make_unique<MemorySource>(std::span<const uint8_t>{});
        else
            sources[side] = std::make_unique<ReaderSource>(Editor.QX_OpenReader(controls_[side]));
    }
    run_.Start(Handle(), kCompareDone, method_, std::move(sources[0]), std::move(sources[1]));
    ShowStatus();
}

void TFormCompare::Finished()
{
    if (!run_.Running())
        return;
    try {
        result_ = run_.Finish();
    } catch (const std::bad_alloc&) {
        result_.reset();
        notice_ = kTextCompareFailed;
        ShowStatus();
        return;
    }
    for (int side = 0; side < 2; ++side) {
        const std::vector<QX_MARK> marks = MarksOf(result_->regions, side == 1);
        if (!empty_[side])
            Editor.QX_SetMarks(controls_[side], marks.data(), static_cast<int>(marks.size()), nullptr);
    }
    const size_t shown = std::min(result_->regions.size(), kListShown);
    SendMessageA(ListRegions.Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(ListRegions.Handle(), LB_INITSTORAGE, shown, shown * 64);  // one allocation for all lines
    for (size_t i = 0; i < shown; ++i)
        ListRegions.Add(CompareListLine(result_->regions[i]));
    SendMessageA(ListRegions.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListRegions.Handle(), nullptr, TRUE);
    if (!result_->regions.empty())
        ShowRegion(0);
    else
        ShowStatus();
}

void TFormCompare::ShowStatus()
{
    std::string text;
    if (!notice_.empty())
        text = notice_;
    else if (run_.Running())
        text = FillText(kTextCompareRunning, {std::to_string(run_.Percent()) + "%"});
    else if (result_)
        text = CompareStatusText(*result_, current_);
    if (StatusBar.PanelText(0) != text)
        StatusBar.SetPanelText(0, text);
}

void TFormCompare::ShowRegion(size_t index)
{
    if (!result_ || index >= result_->regions.size())
        return;
    const CompareRegion& region = result_->regions[index];
    for (int side = 0; side < 2; ++side) {
        if (empty_[side])
            continue;
        const HWND control = controls_[side];
        const LONGLONG size = Editor.QX_GetDataSize64(control);
        const auto offset = static_cast<LONGLONG>(side == 0 ? region.offset1 : region.offset2);
        const auto length = static_cast<LONGLONG>(side == 0 ? region.length1 : region.length2);
        Editor.QX_SetCaretPos64(control, 2 * std::min(offset, size));
        if (length > 0)
            Editor.QX_SetSelection64(control, 2 * offset, std::min(length, size - offset));
        else
            Editor.QX_HideSelection(control);
        viewTops_[side] = Editor.QX_GetViewTop64(control);
    }
    current_ = index;
    if (index < static_cast<size_t>(ListRegions.Count()) && ListRegions.ItemIndex() != static_cast<int>(index))
        ListRegions.SetItemIndex(static_cast<int>(index));
    ShowStatus();
}

void TFormCompare::GoNext()
{
    if (const auto next = result_ ? NextRegion(result_->regions.size(), current_) : std::nullopt)
        ShowRegion(*next);
    else
        MessageBeep(0);
}

void TFormCompare::GoPrevious()
{
    if (const auto previous = result_ ? PreviousRegion(result_->regions.size(), current_) : std::nullopt)
        ShowRegion(*previous);
    else
        MessageBeep(0);
}

void TFormCompare::DocumentChanged()
{
    if (sides_[0].fileName.empty() || sides_[1].fileName.empty()) {
        notice_ = kTextCompareDocumentChanged;
        ShowStatus();
    }
}

int TFormCompare::ExitCode() const noexcept
{
    if (!result_ || run_.Running())
        return kCompareError;
    return ExitCodeOf(*result_);
}

void TFormCompare::OpenInEditor(int side)
{
    const CompareSide& source = sides_[side];
    const CompareRegion* region = result_ && current_ ? &result_->regions[*current_] : nullptr;
    if (source.fileName.empty()) {
        // The shown document is the editor's own: its caret goes to the region.
        if (region) {
            const auto offset = static_cast<LONGLONG>(side == 0 ? region->offset1 : region->offset2);
            const auto length = static_cast<LONGLONG>(side == 0 ? region->length1 : region->length2);
            Editor.QX_SetCaretPos64(source.documentControl, 2 * offset);
            if (length > 0)
                Editor.QX_SetSelection64(source.documentControl, 2 * offset, length);
        }
        if (Owner())
            SetForegroundWindow(Owner());
        ::SetFocus(source.documentControl);
        return;
    }
    const int64_t offset = !region ? -1 : static_cast<int64_t>(side == 0 ? region->offset1 : region->offset2);
    ActionFileEditorOpen(Handle(), source.fileName, false, offset);
}

void TFormCompare::TimerScrollTimer()
{
    ShowStatus();
    const LONGLONG tops[2] = {Editor.QX_GetViewTop64(controls_[0]), Editor.QX_GetViewTop64(controls_[1])};
    for (int side = 0; side < 2; ++side) {
        if (tops[side] == viewTops_[side])
            continue;
        const int other = 1 - side;
        const LONGLONG moved = tops[side] - viewTops_[side];
        Editor.QX_SetViewTop64(controls_[other], std::max<LONGLONG>(0, tops[other] + moved));
        viewTops_[side] = tops[side];
        viewTops_[other] = Editor.QX_GetViewTop64(controls_[other]);
        break;
    }
}
