// LoadDocument and WriteDocument over the bound control.
#include "app/win/documents/Document.h"

#include "app/win/backup/BackupJournalFile.h"

#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/win/MessageBox.h"
#include "common/PathString.h"
#include "common/win/SafeSave.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

#include <string>

namespace {

template <typename Text>
bool Warn(HWND owner, const Text& text)
{
    ShowMessageBox(owner, text, kMessageWarning);
    return false;
}

} // namespace

std::wstring SaveFailureText(std::wstring_view name, const SaveResult& result)
{
    std::wstring text = WideFromProgramText(kTextCannotWriteFile);
    text += L'\n';
    text += name;
    text += L'\n';
    const auto with = [&text](const std::string& reason) { return text + WideFromProgramText(reason); };
    if (result.failedStep == SaveStep::Room)
        return with(std::string(kTextSaveNoRoom) + '\n' + kTextSaveRoomNeeded + std::to_string(result.needed) +
                    kTextSaveRoomFree + std::to_string(result.available) + kTextBytesUnit);
    if (!result.keptAside.empty())
        text += WideFromProgramText(kTextSaveKeptAside) + result.keptAside + L'\n';
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

namespace {

bool ReadableSharingWrites(const std::wstring& name)
{
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

struct Writing {
    AFilePtr& file;
};

bool WritePiece(void* context, const void* bytes, int count)
{
    return static_cast<Writing*>(context)->file.Write(bytes, static_cast<size_t>(count), 1) == 1;
}

} // namespace

bool LoadDocument(HWND owner, HWND control, std::wstring_view file, OpenedAs* opened)
{
    if (file.empty())
        return Editor.QX_New(control);
    const std::wstring name = IsAbsoluteName(file) ? SystemName(file) : std::wstring();
    if (name.empty())
        return Warn(owner, kTextCannotReadFile);
    DWORD detail = QX_OPEN_FAILED;
    if (Editor.QX_OpenFile(control, name.c_str(), 0, &detail)) {
        if (opened)
            *opened = OpenedAs::Base;
        return true;
    }
    // Read-only is offered only where it would open: a file that another program holds without
    // letting anyone read it cannot be read at all.
    if (detail == QX_OPEN_SHARING_REFUSED && ReadableSharingWrites(name)) {
        if (ShowMessageBox(owner, kTextOpenSharingRefused, kMessageYesNo) != IDYES)
            return false;
        detail = QX_OPEN_FAILED;
        if (Editor.QX_OpenFile(control, name.c_str(), QX_OPEN_ALLOW_WRITERS, &detail)) {
            if (opened)
                *opened = OpenedAs::SharingWrites;
            return true;
        }
    }
    return Warn(owner, detail == QX_OPEN_TOO_LARGE ? kTextFileTooLarge : kTextCannotReadFile);
}

bool LoadDocument(HWND owner, HWND control, std::wstring_view file, DocumentSource& source)
{
    uint64_t size = 0;
    if (!source.open(file, size))
        return Warn(owner, kTextCannotReadFile);
    switch (source.giveTo(control, size)) {
    case DocumentSource::Given::Done: return true;
    case DocumentSource::Given::Refused: return false;
    case DocumentSource::Given::ReadFailed: break;
    }
    return Warn(owner, kTextCannotReadFile);
}

bool WriteDocument(HWND owner, HWND control, std::wstring_view name, JournalBase* written)
{
    const LONGLONG size = Editor.QX_GetDataSize64(control);
    if (size < 0)
        return Warn(owner, kTextCannotWriteFile);
    const SaveResult saved = SaveFileSafely(name, static_cast<uint64_t>(size), [&](AFilePtr& out) {
        Writing writing{out};
        return Editor.QX_WriteDataTo64(control, 0, size, WritePiece, &writing);
    });
    if (!saved)
        return Warn(owner, SaveFailureText(name, saved));
    // The saved file becomes the base; when it cannot (another program opened it for writing
    // meanwhile), the document stays on what it stood on, its bytes unchanged.
    (void)Editor.QX_Rebase(control, SystemName(name).c_str());
    if (written && !ControlBase(control, *written))
        *written = {};
    return true;
}
