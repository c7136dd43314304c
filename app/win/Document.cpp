// LoadDocument and WriteDocument over the bound control.
#include "app/win/Document.h"

#include "app/win/EditorLibrary.h"
#include "app/win/ProgramTexts.h"
#include "common/win/MessageBox.h"
#include "common/win/SafeSave.h"

#include <algorithm>
#include <memory>

namespace {

// The piece of the document copied out of the control per write.
constexpr size_t WritePieceSize = 16 * 1024 * 1024;

bool Warn(HWND owner, const char* text)
{
    ShowMessageBox(owner, text, kMessageWarning);
    return false;
}

} // namespace

bool LoadDocument(HWND owner, HWND control, std::string_view file, const DocumentReader& read)
{
    if (file.empty())
        return Editor.QX_New(control);
    uint64_t size = 0;
    if (!GetFileSize64(file, size))
        return Warn(owner, kTextCannotReadFile);
    if (size > MaxDocumentSize)
        return Warn(owner, kTextFileTooLarge);
    FileBytes bytes;
    if (!read(file, bytes))
        return Warn(owner, kTextCannotReadFile);
    // The file may have grown since its size was taken.
    if (bytes.size > MaxDocumentSize)
        return Warn(owner, kTextFileTooLarge);
    return Editor.QX_SetData(control, bytes.data.get(), static_cast<int>(bytes.size));
}

bool WriteDocument(HWND owner, HWND control, std::string_view name)
{
    const int size = Editor.QX_GetDataSize(control);
    if (size < 0)
        return Warn(owner, kTextCannotWriteFile);
    const auto total = static_cast<size_t>(size);
    const size_t pieceSize = std::min(total, WritePieceSize);
    const auto piece = std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(pieceSize, 1));
    const bool saved = SaveFileSafely(name, total, [&](AFilePtr& out) {
        for (size_t done = 0; done < total;) {
            const size_t count = std::min(pieceSize, total - done);
            // Nibble positions: 2 x the byte offset, inside the int range for any data size.
            if (!Editor.QX_GetData(control, piece.get(), static_cast<int>(2 * done), static_cast<int>(count)) ||
                out.Write(piece.get(), count, 1) != 1)
                return false;
            done += count;
        }
        return true;
    });
    return saved || Warn(owner, kTextCannotWriteFile);
}
