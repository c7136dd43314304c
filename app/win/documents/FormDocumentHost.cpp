// FormDocumentHost: the document commands' calls turned into exports, dialogs and backup calls.
#include "app/win/documents/FormDocumentHost.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/backup/BackupJournalFile.h"
#include "app/win/documents/Document.h"
#include "app/win/documents/DocumentSource.h"
#include "app/win/documents/TFormQuerySave.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TFileDialog.h"
#include "app/win/ui/TForm.h"

#include "common/PathString.h"
#include "common/win/AHourglass.h"
#include "common/win/FileSystem.h"
#include "common/win/MessageBox.h"
#include "common/win/WideText.h"

#include <utility>

FormDocumentHost::FormDocumentHost(DocumentWindow window) : window_(std::move(window)) {}

FormDocumentHost::~FormDocumentHost() = default;

HWND FormDocumentHost::OwnerHandle() const { return window_.owner.Handle(); }

HWND FormDocumentHost::ControlHandle() const { return window_.control.Handle(); }

void FormDocumentHost::FocusControl() const noexcept { window_.control.Focus(); }

ControlAccess& FormDocumentHost::control() { return window_.control; }

bool FormDocumentHost::newDocument()
{
    if (!::LoadDocument(OwnerHandle(), ControlHandle(), {}))
        return false;
    backupStart_ = {};
    sharingWrites_ = false;
    return true;
}

bool FormDocumentHost::readDocument(std::wstring_view file)
{
    if (!recovery_.empty() && SameName(file, recovery_))
        return readBackup(file);
    OpenedAs opened = OpenedAs::Base;
    if (!::LoadDocument(OwnerHandle(), ControlHandle(), file, &opened))
        return false;
    sharingWrites_ = opened == OpenedAs::SharingWrites;
    backupStart_ = {};
    if (!ControlBase(ControlHandle(), backupStart_.base))
        backupStart_.base = {};
    return true;
}

bool FormDocumentHost::readBackup(std::wstring_view file)
{
    recovery_.clear();
    BackupService& backup = *window_.backup;
    BackupDocumentSource source;
    const bool loaded = ::LoadDocument(OwnerHandle(), ControlHandle(), file, source);
    if (!loaded || source.partial()) {
        // The backup stays for the user to rescue; this editor takes a backup file of its own.
        // What it shows is the older document that could be read, or an untitled one.
        if (SameName(file, backup.BackupPath()))
            backup.LeaveBackup();
        if (!loaded)
            backup.UpdateRecord({});
        ShowMessageBox(OwnerHandle(), WideFromProgramText(loaded ? kTextBackupPartial : kTextBackupLeft) + std::wstring(file),
                       kMessageWarning);
    }
    if (!loaded)
        return false;
    sharingWrites_ = false;
    backupStart_ = {};
    if (!ControlBase(ControlHandle(), backupStart_.base))
        backupStart_.base = {};
    if (source.isJournal() && SameName(file, backup.BackupPath()))
        backupStart_ = {source.journalBase(), true, source.validEnd()};
    return true;
}

bool FormDocumentHost::writeDocument(std::wstring_view name)
{
    JournalBase written;
    if (!::WriteDocument(OwnerHandle(), ControlHandle(), name, &written))
        return false;
    backupStart_ = {written};
    return true;
}

bool FormDocumentHost::controlModified() { return Editor.QX_IsModified(ControlHandle()); }

void FormDocumentHost::setControlModified(bool modified) { Editor.QX_SetModified(ControlHandle(), modified); }

bool FormDocumentHost::controlReadOnly() { return Editor.QX_IsReadOnly(ControlHandle()); }

void FormDocumentHost::setControlReadOnly(bool on) { Editor.QX_SetReadOnly(ControlHandle(), on); }

void FormDocumentHost::refreshStatus() { window_.refreshStatus(); }

void FormDocumentHost::namesChanged() { window_.namesChanged(); }

void FormDocumentHost::writeBackup()
{
    if (backupStart_.adopt)
        window_.backup->AdoptBackup(ControlHandle(), backupStart_.base, backupStart_.validEnd);
    else
        window_.backup->ResetBackup(ControlHandle(), backupStart_.base);
}

void FormDocumentHost::documentRenamed(std::wstring_view name) { window_.backup->UpdateRecord(name); }

SaveAnswer FormDocumentHost::askSave(const std::string& question)
{
    TFormQuerySave query(OwnerHandle(), window_.showHint);
    query.SetQuestion(question);
    MessageBeep(MB_ICONQUESTION);
    const int answer = query.ShowModal();
    FocusControl();
    return answer == mrYes ? SaveAnswer::Save : answer == mrNo ? SaveAnswer::DontSave : SaveAnswer::Cancel;
}

bool FormDocumentHost::confirm(const std::wstring& question)
{
    const bool yes = ShowMessageBox(OwnerHandle(), question, kMessageYesNo) == IDYES;
    FocusControl();
    return yes;
}

void FormDocumentHost::warn(const std::wstring& text)
{
    ShowMessageBox(OwnerHandle(), text, kMessageWarning);
    FocusControl();
}

std::optional<OpenChoice> FormDocumentHost::chooseOpenName(const std::wstring& folder)
{
    TFileDialog& dialog = window_.openDialog;
    // A full name in the file box would take the dialog to its own folder instead.
    dialog.SetFileName({});
    dialog.SetInitialDir(folder);
    if (!dialog.Execute(OwnerHandle()))
        return std::nullopt;
    return OpenChoice{dialog.FileName(), dialog.ReadOnlyChecked()};
}

std::optional<std::wstring> FormDocumentHost::chooseSaveName(const std::wstring& name, const std::wstring& folder)
{
    TFileDialog& dialog = window_.saveDialog;
    // The name's own folder may be gone; the dialog starts in `folder` with the name's last part.
    const std::wstring folderOfName = FolderOf(name);
    dialog.SetFileName(name.substr(folderOfName.empty() ? 0 : folderOfName.size() + 1));
    dialog.SetInitialDir(folder);
    if (!dialog.Execute(OwnerHandle()))
        return std::nullopt;
    return dialog.FileName();
}

bool FormDocumentHost::fileExists(std::wstring_view name) { return FileExists(name); }

std::wstring FormDocumentHost::nearestExistingFolder(std::wstring_view folder) { return NearestExistingFolder(folder); }

void FormDocumentHost::beginWait()
{
    if (waitDepth_++ == 0)
        hourglass_ = std::make_unique<AHourglass>();
}

void FormDocumentHost::endWait()
{
    if (--waitDepth_ == 0)
        hourglass_.reset();
}
