// RecordCommands: the record files written through the safe save in chunks, and read back whole.
#include "app/win/patching/RecordCommands.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/documents/Document.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TFileDialog.h"
#include "app/win/ui/TForm.h"

#include "common/win/AHourglass.h"
#include "common/win/MessageBox.h"
#include "common/win/WideText.h"
#include "common/win/SafeSave.h"
#include "common/win/WholeFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr size_t kChunk = size_t{1} << 20;

// The control's bytes from `first` on, read a chunk at a time for the writer's small reads.
class ChunkedRead {
public:
    ChunkedRead(HWND control, uint64_t first, uint64_t size) : control_(control), first_(first), size_(size) {}

    bool operator()(uint64_t offset, uint8_t* out, size_t count)
    {
        if (offset < at_ || offset + count > at_ + held_) {
            at_ = offset;
            held_ = static_cast<size_t>(std::min<uint64_t>(std::max(kChunk, count), size_ - offset));
            buffer_.resize(held_);
            if (!Editor.QX_GetData64(control_, buffer_.data(), static_cast<LONGLONG>(2 * (first_ + at_)),
                                     static_cast<LONGLONG>(held_))) {
                held_ = 0;
                return false;
            }
        }
        std::memcpy(out, buffer_.data() + (offset - at_), count);
        return true;
    }

private:
    HWND control_;
    uint64_t first_;
    uint64_t size_;
    uint64_t at_ = 0;
    size_t held_ = 0;
    std::vector<uint8_t> buffer_;
};

// The text's length: every data byte takes two digits whatever its value, so zeros tell it.
uint64_t RecordTextSize(RecordFormat format, uint64_t address, uint64_t size)
{
    uint64_t length = 0;
    WriteRecords(
        format, address, size,
        [](uint64_t, uint8_t* out, size_t count) {
            std::fill_n(out, count, uint8_t{0});
            return true;
        },
        [&](std::string_view text) {
            length += text.size();
            return true;
        });
    return length;
}

const char* ProblemText(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::BadChecksum: return kTextRecordBadChecksum;
    case RecordProblem::BadLength: return kTextRecordBadLength;
    case RecordProblem::TooLarge: return kTextRecordTooLarge;
    case RecordProblem::NoData: return kTextRecordNoData;
    default: return kTextRecordNotRecords;
    }
}

struct GivenBytes {
    const std::vector<uint8_t>& bytes;
    size_t done = 0;
};

bool GivePiece(void* context, void* buffer, int count)
{
    auto& given = *static_cast<GivenBytes*>(context);
    const size_t size = static_cast<size_t>(count);
    if (size > given.bytes.size() - given.done)
        return false;
    std::memcpy(buffer, given.bytes.data() + given.done, size);
    given.done += size;
    return true;
}

} // namespace

RecordCommands::RecordCommands(TForm& owner, EditorControl& control, std::function<bool()> newDocument,
                               std::function<void()> dataChanged)
    : owner_(owner), control_(control), newDocument_(std::move(newDocument)), dataChanged_(std::move(dataChanged))
{
}

void RecordCommands::Say(const char* text, int kind)
{
    ShowMessageBox(owner_.Handle(), text, kind);
    control_.Focus();
}

void RecordCommands::Say(std::wstring_view text, int kind)
{
    ShowMessageBox(owner_.Handle(), text, kind);
    control_.Focus();
}

void RecordCommands::Export(RecordFormat format)
{
    const HWND control = control_.Handle();
    const int64_t selected = Editor.QX_GetSelectionSize64(control);
    const int64_t begin = Editor.QX_GetSelectionBegin64(control);
    const uint64_t first = selected > 0 && begin >= 0 ? static_cast<uint64_t>(begin) / 2 : 0;
    const int64_t whole = Editor.QX_GetDataSize64(control);
    const uint64_t size = selected > 0 && begin >= 0 ? static_cast<uint64_t>(selected)
                                                     : static_cast<uint64_t>(std::max<int64_t>(whole, 0));
    if (first > kRecordAddressLimit || size > kRecordAddressLimit - first)
        return Say(kTextRecordTooFar, kMessageWarning);

    TFileDialog dialog(TFileDialog::Kind::Save);
    dialog.SetTitle(kTextRecordExportCaption);
    dialog.SetFilter(format == RecordFormat::IntelHex ? kTextRecordFilterIntelHex : kTextRecordFilterSRecord);
    dialog.SetOptions(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING);
    if (!dialog.Execute(owner_.Handle()))
        return control_.Focus();
    const std::wstring name = dialog.FileName();

    AHourglass hourglass;
    bool readFailed = false;
    const SaveResult saved = SaveFileSafely(name, RecordTextSize(format, first, size), [&](AFilePtr& out) {
        std::string pending;
        const auto flush = [&] {
            const bool written = pending.empty() || out.Write(pending.data(), pending.size(), 1) == 1;
            pending.clear();
            return written;
        };
        const RecordWrite written = WriteRecords(format, first, size, ChunkedRead(control, first, size),
                                                 [&](std::string_view text) {
                                                     pending += text;
                                                     return pending.size() < kChunk || flush();
                                                 });
        readFailed = written == RecordWrite::ReadFailed;
        return written == RecordWrite::Written && flush();
    });
    if (readFailed)
        return Say(kTextPatchCannotRead, kMessageError);
    if (!saved)
        return Say(SaveFailureText(name, saved), kMessageWarning);
    control_.Focus();
}

void RecordCommands::Import()
{
    TFileDialog dialog(TFileDialog::Kind::Open);
    dialog.SetTitle(kTextRecordImportCaption);
    dialog.SetFilter(kTextRecordFilterBoth);
    dialog.SetOptions(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING);
    if (!dialog.Execute(owner_.Handle()))
        return control_.Focus();

    RecordImage image;
    {
        AHourglass hourglass;
        FileBytes file;
        if (!ReadWholeFile(dialog.FileName(), file))
            return Say(kTextRecordCannotRead, kMessageWarning);
        image = ReadRecords({reinterpret_cast<const char*>(file.data.get()), file.size});
    }
    if (image.problem != RecordProblem::None) {
        std::string problem;
        if (image.line > 0)
            problem += std::to_string(image.line) + kTextRecordLineSuffix;
        problem += ProblemText(image.problem);
        return Say(dialog.FileName() + L"\n" + WideFromProgramText(problem), kMessageWarning);
    }
    if (!newDocument_())
        return control_.Focus();
    const HWND control = control_.Handle();
    GivenBytes given{image.bytes};
    if (!Editor.QX_ReadDataFrom64(control, static_cast<LONGLONG>(image.bytes.size()), GivePiece, &given))
        return Say(kTextRecordCannotRead, kMessageWarning);
    // The bytes are the new document's unsaved contents.
    Editor.QX_SetModified(control, true);
    dataChanged_();
    control_.Focus();
}
