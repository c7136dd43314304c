// Journal writing through the control's own memory: no copy of the document is made.
#include "app/win/backup/BackupJournalFile.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupStorage.h"
#include "app/win/system/EditorLibrary.h"
#include "common/Crc32c.h"
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
        if (region.inserted && !Editor.QX_WriteDataTo(control, static_cast<int>(2 * region.offset),
                                                      static_cast<int>(region.inserted), PutPiece, &output))
            return false;
    }
    const std::vector<uint8_t> tail = ComposeRecordTail(output.checksum);
    return file.Write(tail.data(), tail.size(), 1) == 1;
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

std::vector<JournalRegion> ControlChanges(HWND control)
{
    const int count = Editor.QX_GetChanges(control, nullptr, 0);
    std::vector<QX_CHANGE> changes(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0 && Editor.QX_GetChanges(control, changes.data(), count) != count)
        return {};
    std::vector<JournalRegion> regions;
    regions.reserve(changes.size());
    for (const QX_CHANGE& change : changes)
        regions.push_back({change.offset, change.removed, change.inserted});
    return regions;
}

bool WriteNewJournal(const std::wstring& path, const JournalBase& base, HWND control, uint64_t& end)
{
    const std::vector<uint8_t> header = ComposeJournalHeader(base);
    std::vector<JournalRegion> whole;
    uint64_t size = header.size();
    uint64_t dataSize = 0;
    if (base.file.empty()) {
        const int count = Editor.QX_GetDataSize(control);
        if (count < 0)
            return false;
        dataSize = static_cast<uint64_t>(count);
        whole.push_back({0, 0, dataSize});
        size += RecordSize(whole);
    }
    const bool written = ReplaceFileContents(
        path, size,
        [&](AFilePtr& file) {
            return file.Write(header.data(), header.size(), 1) == 1 &&
                   (whole.empty() || WriteRecord(file, control, whole, dataSize));
        },
        PreviousGenerationName(path));
    if (written)
        end = size;
    return written;
}

AppendResult AppendJournalRecord(const std::wstring& path, HWND control, const std::vector<JournalRegion>& regions,
                                 uint64_t& end)
{
    const int dataSize = Editor.QX_GetDataSize(control);
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
