// LoadDocument and WriteDocument over the bound control.
#include "app/win/documents/Document.h"

#include "app/win/backup/BackupJournalFile.h"

#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/win/MessageBox.h"
#include "common/win/SafeSave.h"
#include "common/win/WideText.h"

#include <string>

namespace {

template <typename Text>
bool Warn(HWND owner, const Text& text)
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

// The warning of a failed save: what failed, the file, and why.
std::wstring SaveFailureText(std::wstring_view name, const SaveResult& result)
{
    std::wstring text = WideFromProgramText(kTextCannotWriteFile);
    text += L'\n';
    text += name;
    text += L'\n';
    const auto with = [&text](const std::string& reason) { return text + WideFromProgramText(reason); };
    switch (result.error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return with(kTextSaveNoRoom);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return with(kTextSaveInUse);
    case ERROR_PATH_NOT_FOUND:
        return with(kTextSaveNoFolder);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return with(kTextSaveBadName);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return with(result.failedStep == SaveStep::Target ? kTextSaveReadOnly : kTextSaveDenied);
    default:
        break;
    }
    if (result.failedStep == SaveStep::Check)
        return with(kTextSaveNotAsWritten);
    return with(kTextSaveSystemError + std::to_string(result.error));
}

struct Writing {
    AFilePtr& file;
};

bool WritePiece(void* context, const void* bytes, int count)
{
    return static_cast<Writing*>(context)->file.Write(bytes, static_cast<size_t>(count), 1) == 1;
}

} // namespace

bool LoadDocument(HWND owner, HWND control, std::wstring_view file, DocumentSource& source)
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

bool LoadDocument(HWND owner, HWND control, std::wstring_view file)
{
    FileDocumentSource source;
    return LoadDocument(owner, control, file, source);
}

bool WriteDocument(HWND owner, HWND control, std::wstring_view name, JournalBase* written)
{
    const int size = Editor.QX_GetDataSize(control);
    if (size < 0)
        return Warn(owner, kTextCannotWriteFile);
    const SaveResult saved = SaveFileSafely(name, static_cast<uint64_t>(size), [&](AFilePtr& out) {
        Writing writing{out};
        return Editor.QX_WriteDataTo(control, 0, size, WritePiece, &writing);
    });
    if (!saved)
        return Warn(owner, SaveFailureText(name, saved));
    if (written && !StampOfFile(name, *written))
        *written = {};
    return true;
}
