// PatchCommands: each command reads or edits through the control's exports.
#include "app/win/patching/PatchCommands.h"

#include "app/patching/ByteFormats.h"
#include "app/patching/FillBytes.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/patching/TFormCopyAs.h"
#include "app/win/patching/TFormFill.h"
#include "app/win/system/Clipboard.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TForm.h"

#include "common/win/MessageBox.h"

#include <climits>
#include <random>
#include <string>

namespace {

// "1,234,567"
std::string Grouped(uint64_t value)
{
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), 1, ',');
    return digits;
}

// The dump's offset column: eight digits, more as the document needs.
int OffsetDigits(int64_t size)
{
    int digits = 8;
    while (digits < 16 && (static_cast<uint64_t>(size) >> (4 * digits)) != 0)
        ++digits;
    return digits;
}

} // namespace

void PatchCommands::Say(const char* text, int kind)
{
    ShowMessageBox(owner_.Handle(), text, kind);
    control_.Focus();
}

std::optional<PatchCommands::Range> PatchCommands::SelectionUpTo(uint64_t limit, const char* limitText)
{
    const HWND control = control_.Handle();
    const int64_t size = Editor.QX_GetSelectionSize64(control);
    const int64_t nibble = Editor.QX_GetSelectionBegin64(control);
    if (size <= 0 || nibble < 0) {
        Say(kTextPatchNoSelection, kMessageInformation);
        return std::nullopt;
    }
    if (static_cast<uint64_t>(size) > limit) {
        const std::string text =
            kTextPatchTooLargeHead + Grouped(static_cast<uint64_t>(size)) + kTextPatchTooLargeTail + "\n" + limitText;
        Say(text.c_str(), kMessageWarning);
        return std::nullopt;
    }
    return Range{nibble, static_cast<uint64_t>(size)};
}

void PatchCommands::CopyAs()
{
    const std::optional<Range> range = SelectionUpTo(kByteFormatLimit, kTextCopyAsLimit);
    if (!range)
        return;
    const HWND control = control_.Handle();
    std::vector<uint8_t> bytes(range->size);
    if (!Editor.QX_GetData64(control, bytes.data(), range->nibble, static_cast<LONGLONG>(bytes.size())))
        return Say(kTextPatchCannotRead, kMessageError);
    TFormCopyAs dialog(owner_.Handle(), bytes, static_cast<uint64_t>(range->nibble / 2),
                       OffsetDigits(Editor.QX_GetDataSize64(control)));
    if (dialog.ShowModal() == mrOk && !PutClipboardText(owner_.Handle(), dialog.CopiedText()))
        return Say(kTextPatchNotCopied, kMessageError);
    control_.Focus();
}

void PatchCommands::PasteHex()
{
    const HWND control = control_.Handle();
    const std::optional<std::string> text = ClipboardText(owner_.Handle());
    const std::optional<std::vector<uint8_t>> bytes = text ? ParseHexText(*text) : std::nullopt;
    if (!bytes || bytes->size() > static_cast<size_t>(INT_MAX))
        return Say(kTextPasteHexNone, kMessageWarning);
    if (Editor.QX_IsReadOnly(control))
        return Say(kTextPatchReadOnly, kMessageWarning);
    Editor.QX_InsertData(control, Editor.QX_GetCaretPos(control), bytes->data(), static_cast<int>(bytes->size()));
    control_.Focus();
}

void PatchCommands::Fill()
{
    const HWND control = control_.Handle();
    if (Editor.QX_IsReadOnly(control))
        return Say(kTextPatchReadOnly, kMessageWarning);
    const std::optional<Range> range = SelectionUpTo(kFillLimit, kTextFillLimit);
    if (!range)
        return;
    TFormFill dialog(owner_.Handle());
    if (dialog.ShowModal() != mrOk)
        return control_.Focus();
    const std::vector<uint8_t> bytes =
        dialog.Random() ? RandomBytes(range->size, std::random_device{}() ^ (uint64_t{std::random_device{}()} << 32))
                        : RepeatedBytes(dialog.Unit(), range->size);
    Editor.QX_ReplaceSelection(control, bytes.data(), static_cast<int>(bytes.size()));
    control_.Focus();
}
