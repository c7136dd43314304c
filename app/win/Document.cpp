// LoadDocument and WriteDocument over the bound control.
#include "app/win/Document.h"

#include "app/win/EditorLibrary.h"
#include "app/win/ProgramTexts.h"
#include "common/win/MessageBox.h"
#include "common/win/SafeSave.h"

namespace {

bool Warn(HWND owner, const char* text)
{
    ShowMessageBox(owner, text, kMessageWarning);
    return false;
}

struct Reading {
    DocumentSource& source;
    bool failed = false;
};

bool ReadPiece(void* context, void* buffer, int count)
{
    auto& reading = *static_cast<Reading*>(context);
    try {
        reading.failed = !reading.source.read(static_cast<uint8_t*>(buffer), static_cast<size_t>(count));
    } catch (...) {
        reading.failed = true;
    }
    return !reading.failed;
}

struct Writing {
    AFilePtr& file;
};

bool WritePiece(void* context, const void* bytes, int count)
{
    return static_cast<Writing*>(context)->file.Write(bytes, static_cast<size_t>(count), 1) == 1;
}

} // namespace

bool LoadDocument(HWND owner, HWND control, std::string_view file, DocumentSource& source)
{
    if (file.empty())
        return Editor.QX_New(control);
    uint64_t size = 0;
    if (!source.open(file, size))
        return Warn(owner, kTextCannotReadFile);
    if (size > MaxDocumentSize)
        return Warn(owner, kTextFileTooLarge);
    if (size == 0)
        return Editor.QX_SetData(control, nullptr, 0);
    Reading reading{source};
    if (Editor.QX_ReadDataFrom(control, static_cast<int>(size), ReadPiece, &reading))
        return true;
    return reading.failed ? Warn(owner, kTextCannotReadFile) : false;
}

bool LoadDocument(HWND owner, HWND control, std::string_view file)
{
    FileDocumentSource source;
    return LoadDocument(owner, control, file, source);
}

bool WriteDocument(HWND owner, HWND control, std::string_view name, JournalBase* written)
{
    const int size = Editor.QX_GetDataSize(control);
    if (size < 0)
        return Warn(owner, kTextCannotWriteFile);
    const bool saved = SaveFileSafely(name, static_cast<uint64_t>(size), [&](AFilePtr& out) {
        Writing writing{out};
        return Editor.QX_WriteDataTo(control, 0, size, WritePiece, &writing);
    });
    if (!saved)
        return Warn(owner, kTextCannotWriteFile);
    if (written && !StampOfFile(name, *written))
        *written = {};
    return true;
}
