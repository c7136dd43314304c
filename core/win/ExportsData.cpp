// The exports beside the 56 for the data and positions: the data read in and handed out
// without a copy, 64-bit positions, and search with letters of either case.
#define TALVINE_BUILDING
#include "talvine.h"

#include "core/win/ExportGuard.h"

#include <vector>

namespace {

bool ReadDataFrom(HWND window, uint64_t count, QX_ReadProc read, void* context)
{
    return OnModel(window, false, [&](ControlModel& model) {
        return model.readData(count, [&](uint8_t* out, size_t piece) { return read(context, out, static_cast<int>(piece)); });
    });
}

bool WriteDataTo(HWND window, int64_t nibble, int64_t count, QX_WriteProc write, void* context)
{
    if (!write || nibble < 0 || count < 0)
        return false;
    return OnModel(window, false, [&](ControlModel& model) {
        return model.writeData(static_cast<uint64_t>(nibble) >> 1, static_cast<uint64_t>(count),
                               [&](const uint8_t* bytes, size_t piece) {
                                   return write(context, bytes, static_cast<int>(piece));
                               });
    });
}

// QX_FIND_FIRST, QX_FIND_NEXT or QX_FIND_PREV as where the search starts; false for another value.
bool FindFrom(int direction, ControlModel::FindFrom& from) noexcept
{
    switch (direction) {
    case QX_FIND_FIRST: from = ControlModel::FindFrom::Nibble; return true;
    case QX_FIND_NEXT: from = ControlModel::FindFrom::After; return true;
    case QX_FIND_PREV: from = ControlModel::FindFrom::Before; return true;
    default: return false;
    }
}

} // namespace

extern "C" bool QX_ReadDataFrom(HWND window, int count, QX_ReadProc read, void* context)
{
    if (!read || count <= 0 || uint64_t(count) > ControlModel::maxBytesCopiedIn)
        return false;
    return ReadDataFrom(window, static_cast<uint64_t>(count), read, context);
}

extern "C" bool QX_ReadDataFrom64(HWND window, LONGLONG count, QX_ReadProc read, void* context)
{
    if (!read || count <= 0)
        return false;
    return ReadDataFrom(window, static_cast<uint64_t>(count), read, context);
}

extern "C" bool QX_WriteDataTo(HWND window, int nibble, int count, QX_WriteProc write, void* context)
{
    return WriteDataTo(window, nibble, count, write, context);
}

extern "C" bool QX_WriteDataTo64(HWND window, LONGLONG nibble, LONGLONG count, QX_WriteProc write, void* context)
{
    return WriteDataTo(window, nibble, count, write, context);
}

extern "C" LONGLONG QX_GetDataSize64(HWND window)
{
    return OnModel(window, LONGLONG{-1}, [](ControlModel& model) { return LONGLONG(model.dataSize64()); });
}

extern "C" bool QX_GetData64(HWND window, void* buffer, LONGLONG nibble, LONGLONG count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.getData(buffer, nibble, count); });
}

extern "C" LONGLONG QX_GetCaretPos64(HWND window)
{
    return OnModel(window, LONGLONG{-1}, [](ControlModel& model) { return LONGLONG(model.caretPos64()); });
}

extern "C" bool QX_SetCaretPos64(HWND window, LONGLONG nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setCaretPos(nibble); });
}

extern "C" LONGLONG QX_GetViewTop64(HWND window)
{
    return OnModel(window, LONGLONG{-1}, [](ControlModel& model) { return LONGLONG(model.viewTop64()); });
}

extern "C" bool QX_SetViewTop64(HWND window, LONGLONG nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setViewTop(nibble); });
}

extern "C" LONGLONG QX_GetSelectionBegin64(HWND window)
{
    return OnModel(window, LONGLONG{-1}, [](ControlModel& model) { return LONGLONG(model.selectionStart64()); });
}

extern "C" LONGLONG QX_GetSelectionSize64(HWND window)
{
    return OnModel(window, LONGLONG{0}, [](ControlModel& model) { return LONGLONG(model.selectionSize64()); });
}

extern "C" bool QX_SetSelection64(HWND window, LONGLONG nibble, LONGLONG count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setSelection(nibble, count); });
}

extern "C" LONGLONG QX_BookMark64(HWND window, int index)
{
    return OnModel(window, LONGLONG{-1}, [&](ControlModel& model) { return LONGLONG(model.bookMark64(index)); });
}

extern "C" bool QX_SetBookMark64(HWND window, int index, LONGLONG nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setBookMark(index, nibble); });
}

extern "C" bool QX_FindCaseless(HWND window, int nibble, const void* pattern, const void* caseFlags, int count,
                                int direction)
{
    ControlModel::FindFrom from{};
    if (!FindFrom(direction, from))
        return false;
    return OnModel(window, false, [&](ControlModel& model) {
        return model.findEitherCase(from, nibble, pattern, caseFlags, count);
    });
}

extern "C" int QX_Find64(HWND window, LONGLONG nibble, const void* pattern, const void* caseFlags, int count,
                         int direction)
{
    ControlModel::FindFrom from{};
    const bool eitherCase = (direction & QX_FIND_CASELESS) != 0;
    const bool masked = (direction & QX_FIND_MASKED) != 0;
    if ((eitherCase && masked) || !FindFrom(direction & ~(QX_FIND_CASELESS | QX_FIND_MASKED), from))
        return QX_NOT_FOUND;
    return OnModel(window, QX_FIND_FAILED, [&](ControlModel& model) {
        const ControlModel::Found found =
            masked ? model.findMasked(from, nibble, pattern, caseFlags, count)
                   : model.find(from, nibble, pattern, count, eitherCase, eitherCase ? caseFlags : nullptr);
        switch (found) {
        case ControlModel::Found::Hit: return QX_FOUND;
        case ControlModel::Found::Miss: return QX_NOT_FOUND;
        default: return QX_FIND_FAILED;
        }
    });
}

// --- marks

extern "C" bool QX_SetMarks(HWND window, const QX_MARK* marks, int count, const COLORREF* colors)
{
    if (count < 0 || (count > 0 && !marks))
        return false;
    return Guarded(window, false, [&](AVornalixor& self) {
        std::vector<MarkedRanges::Range> ranges;
        ranges.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            ranges.push_back({marks[i].offset, marks[i].length,
                              marks[i].kind < QX_MARK_KINDS ? static_cast<int>(marks[i].kind) : -1});
        return self.setMarks(ranges, colors);
    });
}
