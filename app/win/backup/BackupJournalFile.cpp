// Journal writing through the control's own memory: no copy of the document is made.
#include "app/win/backup/BackupJournalFile.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupStorage.h"
#include "app/win/system/EditorLibrary.h"
#include "common/Crc32c.h"
#include "common/PathString.h"
#include "common/win/AFilePtr.h"
#include "common/win/ASuppressWinMsg.h"

#include <vector>

namespace {

// The record's bytes going out: to the file and into its checksum.
struct RecordOutput {
    AFilePtr& file;
    uint32_t checksum = 0;

    bool put(const void* bytes, size_t count)
    {
        checksum = Crc32c(checksum, bytes, count);
        return count == 0 || file.Write(bytes, count, 1) == 1;
    }
};

bool PutPiece(void* context, const void* bytes, int count)
{
    return static_cast<RecordOutput*>(context)->put(bytes, static_cast<size_t>(count));
}

// The record of `regions`, their bytes taken from the control where they stand now.
bool WriteRecord(AFilePtr& file, HWND control, const std::vector<JournalRegion>& regions, uint64_t resultSize)
{
    RecordOutput output{file};
    const std::vector<uint8_t> head = ComposeRecordHead(regions, resultSize);
    if (!output.put(head.data(), head.size()))
        return false;
    for (const JournalRegion& region : regions) {
        if (region.inserted && !Editor.QX_WriteDataTo64(control, static_cast<LONGLONG>(2 * region.offset),
                                                        static_cast<LONGLONG>(region.inserted), PutPiece, &output))
            return false;
    }
    const std::vector<uint8_t> tail = ComposeRecordTail(output.checksum);
    return file.Write(tail.data(), tail.size(), 1) == 1;
}

using ChangeList = int (*)(HWND, QX_CHANGE*, int);

// The regions one of the control's change lists gives, as a record's regions.
std::vector<JournalRegion> RegionsOf(HWND control, ChangeList list)
{
    const int count = list(control, nullptr, 0);
    std::vector<QX_CHANGE> changes(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0 && list(control, changes.data(), count) != count)
        return {};
    std::vector<JournalRegion> regions;
    regions.reserve(changes.size());
    for (const QX_CHANGE& change : changes)
        regions.push_back({change.offset, change.removed, change.inserted});
    return regions;
}

} // namespace

bool ReadAt(AFilePtr& file, uint64_t offset, void* out, size_t count)
{
    return file.Seek(static_cast<int64_t>(offset), AFilePtr::kBegin) && (count == 0 || file.Read(out, count, 1) == 1);
}

bool StampOfFile(AFilePtr& file, std::wstring_view name, JournalBase& stamp)
{
    FILETIME lastWrite{};
    JournalBase read{std::wstring(name)};
    if (!file.Size(read.size) || !file.Times(nullptr, nullptr, &lastWrite) ||
        !file.Identity(read.volume, read.fileIndex) ||
        !BaseSample(read.size, [&](uint64_t offset, void* out, size_t count) { return ReadAt(file, offset, out, count); },
                    read.sample) ||
        !file.Seek(0, AFilePtr::kBegin))
        return false;
    read.writeTime = uint64_t{lastWrite.dwHighDateTime} << 32 | lastWrite.dwLowDateTime;
    read.identified = true;
    stamp = std::move(read);
    return true;
}

bool StampOfFile(std::wstring_view name, JournalBase& stamp)
{
    AFilePtr file;
    return file.Open(name, AFilePtr::kReadShared) && StampOfFile(file, name, stamp);
}

std::vector<JournalRegion> ControlChanges(HWND control) { return RegionsOf(control, Editor.QX_GetChanges); }

bool ControlBase(HWND control, JournalBase& base)
{
    const int length = Editor.QX_GetBaseName(control, nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    if (Editor.QX_GetBaseName(control, wide.data(), length + 1) != length)
        return false;
    wide.resize(static_cast<size_t>(length));
    // The control holds the name in the system's form; the journal names it as the program does.
    const std::wstring name = WithoutExtendedLength(wide);
    JournalBase stamp;
    if (name.empty() || !StampOfFile(name, stamp) ||
        stamp.size != static_cast<uint64_t>(Editor.QX_GetBaseSize(control)))
        return false;
    base = std::move(stamp);
    return true;
}

bool WriteNewJournal(const std::wstring& path, const JournalBase& base, HWND control, uint64_t& end)
{
    const std::vector<uint8_t> header = ComposeJournalHeader(base);
    const LONGLONG dataSize = Editor.QX_GetDataSize64(control);
    if (dataSize < 0)
        return false;
    // On a base, the document is the base's bytes with the regions where it differs; without
    // one, all of it.
    std::vector<JournalRegion> regions;
    if (base.file.empty())
        regions.push_back({0, 0, static_cast<uint64_t>(dataSize)});
    else if (Editor.QX_GetBaseChanges(control, nullptr, 0) > 0)
        regions = RegionsOf(control, Editor.QX_GetBaseChanges);
    const uint64_t size = header.size() + (regions.empty() ? 0 : RecordSize(regions));
    const bool written = ReplaceFileContents(
        path, size,
        [&](AFilePtr& file) {
            return file.Write(header.data(), header.size(), 1) == 1 &&
                   (regions.empty() || WriteRecord(file, control, regions, static_cast<uint64_t>(dataSize)));
        },
        PreviousGenerationName(path));
    if (written)
        end = size;
    return written;
}

AppendResult AppendJournalRecord(const std::wstring& path, HWND control, const std::vector<JournalRegion>& regions,
                                 uint64_t& end)
{
    const LONGLONG dataSize = Editor.QX_GetDataSize64(control);
    if (regions.empty() || dataSize < 0)
        return AppendResult::WriteFailed;
    ASuppressWinMsg suppress;
    AFilePtr file;
    uint64_t size = 0;
    if (!file.Open(path, AFilePtr::kUpdate) || !file.Size(size) || size < end)
        return AppendResult::NoJournal;
    const uint64_t recordEnd = end + RecordSize(regions);
    // The length first: a full disk may fail here, before any byte of the record is written.
    uint64_t position = 0;
    // The position checks that every write took place, whatever the calls reported.
    const bool written = file.SetLength(recordEnd) && file.Seek(static_cast<int64_t>(end), AFilePtr::kBegin) &&
                         WriteRecord(file, control, regions, static_cast<uint64_t>(dataSize)) &&
                         file.Position(position) && position == recordEnd;
    if (!written)
        file.SetLength(end);
    // The flush is the caller's, away from the window's thread.
    file.CloseWithoutFlush();
    if (!written)
        return AppendResult::WriteFailed;
    end = recordEnd;
    return AppendResult::Written;
}
