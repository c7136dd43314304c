// The exports beside the 56 for the document on a file and its backups: opening and rebasing,
// the base's identity, the changes since a mark or against the base, building on the base, and
// snapshots for reading on other threads.
#define TALVINE_BUILDING
#include "talvine.h"

#include "core/win/ExportGuard.h"
#include "core/win/FileSource.h"

#include <algorithm>
#include <climits>
#include <vector>

// A reader: the data's pieces as they were when it was opened.
struct QX_ReaderData {
    PieceTable table;
};

namespace {

int CopyRegions(const std::vector<ChangedRegion>& regions, QX_CHANGE* changes, int capacity) noexcept
{
    const size_t copied = changes && capacity > 0 ? std::min<size_t>(regions.size(), capacity) : 0;
    for (size_t i = 0; i < copied; ++i)
        changes[i] = {regions[i].offset, regions[i].removed, regions[i].inserted};
    return static_cast<int>(std::min<size_t>(regions.size(), INT_MAX));
}

const FileSource* BaseFile(const ControlModel& model) noexcept
{
    return dynamic_cast<const FileSource*>(model.base().get());
}

} // namespace

extern "C" bool QX_OpenFile(HWND window, const wchar_t* name, DWORD flags, DWORD* detail)
{
    DWORD outcome = QX_OPEN_FAILED;
    DWORD error = ERROR_SUCCESS;
    const bool opened = OnModel(window, false, [&](ControlModel& model) {
        std::shared_ptr<FileSource> file = FileSource::Open(name, FileSource::Sharing::ReadersOnly, error);
        if (!file && error == ERROR_SHARING_VIOLATION) {
            outcome = QX_OPEN_SHARING_REFUSED;
            if (!(flags & QX_OPEN_ALLOW_WRITERS))
                return false;
            file = FileSource::Open(name, FileSource::Sharing::WritersToo, error);
        }
        if (!file)
            return false;
        if (file->size() > model.sizeLimit()) {
            outcome = QX_OPEN_TOO_LARGE;
            return false;
        }
        const bool writersShared = file->sharing() == FileSource::Sharing::WritersToo;
        model.openSource(std::move(file));
        if (writersShared)
            model.setReadOnly(true);
        outcome = writersShared ? QX_OPENED_WRITERS_ALLOWED : QX_OPENED;
        return true;
    });
    if (detail)
        *detail = outcome;
    if (!opened && error != ERROR_SUCCESS)
        SetLastError(error);
    return opened;
}

extern "C" bool QX_Rebase(HWND window, const wchar_t* name)
{
    DWORD error = ERROR_SUCCESS;
    const bool rebased = OnModel(window, false, [&](ControlModel& model) {
        std::shared_ptr<FileSource> file = FileSource::Open(name, FileSource::Sharing::ReadersOnly, error);
        return file && model.rebase(std::move(file));
    });
    if (!rebased && error != ERROR_SUCCESS)
        SetLastError(error);
    return rebased;
}

extern "C" int QX_GetBaseName(HWND window, wchar_t* name, int capacity)
{
    return OnModel(window, -1, [&](ControlModel& model) {
        const FileSource* file = BaseFile(model);
        if (!file)
            return 0;
        const std::wstring& baseName = file->name();
        const int length = static_cast<int>(std::min<size_t>(baseName.size(), INT_MAX - 1));
        if (name && capacity > length) {
            std::copy_n(baseName.data(), length, name);
            name[length] = L'\0';
        }
        return length;
    });
}

extern "C" LONGLONG QX_GetBaseSize(HWND window)
{
    return OnModel(window, LONGLONG{-1}, [](ControlModel& model) {
        const FileSource* file = BaseFile(model);
        return file ? LONGLONG(file->size()) : LONGLONG{-1};
    });
}

extern "C" int QX_GetChanges(HWND window, QX_CHANGE* changes, int capacity)
{
    return OnModel(window, -1, [&](ControlModel& model) {
        return CopyRegions(model.changes().regions(), changes, capacity);
    });
}

extern "C" bool QX_ClearChanges(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) {
        model.clearChanges();
        return true;
    });
}

extern "C" int QX_GetBaseChanges(HWND window, QX_CHANGE* changes, int capacity)
{
    return OnModel(window, -1, [&](ControlModel& model) { return CopyRegions(model.baseChanges(), changes, capacity); });
}

extern "C" bool QX_BuildOnBase(HWND window, const QX_PIECE* pieces, int count, QX_ReadProc read, void* context)
{
    if (!pieces || count <= 0)
        return false;
    return OnModel(window, false, [&](ControlModel& model) {
        const SourcePtr base = model.base();
        const uint64_t limit = model.sizeLimit();
        PieceList built;
        uint64_t total = 0;
        for (const QX_PIECE& piece : std::vector<QX_PIECE>(pieces, pieces + count)) {
            if (piece.length == 0)
                continue;
            if (piece.length > limit - total)
                return false;
            total += piece.length;
            if (piece.kind == QX_PIECE_BASE) {
                if (!base || piece.baseOffset > base->size() || piece.length > base->size() - piece.baseOffset)
                    return false;
                built.push_back(Piece{base, piece.baseOffset, piece.length});
            } else if (piece.kind == QX_PIECE_READ && read) {
                PieceList readIn;
                const auto fill = [&](uint8_t* out, size_t part) { return read(context, out, static_cast<int>(part)); };
                if (!model.readPieces(piece.length, fill, readIn))
                    return false;
                built.insert(built.end(), readIn.begin(), readIn.end());
            } else {
                return false;
            }
        }
        return model.buildOnBase(built);
    });
}

extern "C" QX_READER QX_OpenReader(HWND window)
{
    return OnModel(window, QX_READER{nullptr}, [](ControlModel& model) { return new QX_ReaderData{model.snapshot()}; });
}

extern "C" LONGLONG QX_ReaderSize(QX_READER reader)
{
    return reader ? LONGLONG(reader->table.size()) : LONGLONG{-1};
}

extern "C" bool QX_ReadAt(QX_READER reader, LONGLONG offset, void* buffer, int count)
{
    if (!reader || offset < 0 || count < 0 || (count > 0 && !buffer))
        return false;
    return reader->table.read(static_cast<uint64_t>(offset), static_cast<uint8_t*>(buffer), static_cast<size_t>(count));
}

extern "C" bool QX_CloseReader(QX_READER reader)
{
    if (!reader)
        return false;
    delete reader;
    return true;
}
