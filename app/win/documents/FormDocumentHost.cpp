// FormDocumentHost: the document commands' calls turned into exports, dialogs and backup calls.
#include "app/win/documents/FormDocumentHost.h"

#include "app/win/documents/Document.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/main/TFormVornalix.h"
#include "app/win/documents/TFormQuerySave.h"

#include "common/PathString.h"
#include "common/win/AHourglass.h"
#include "common/win/FileSystem.h"
#include "common/win/MessageBox.h"
#include "app/texts/ProgramTexts.h"

FormDocumentHost::FormDocumentHost(TFormVornalix& form) : form_(form) {}

FormDocumentHost::~FormDocumentHost() = default;

ControlAccess& FormDocumentHost::control()
{
    // The control is made in FormCreate, after the window's members.
    control_ = EditorControl(form_.ControlHandle);
    return control_;
}

bool FormDocumentHost::newDocument()
{
    if (!::LoadDocument(form_.Handle(), form_.ControlHandle, {}))
        return false;
    backupStart_ = {};
    return true;
}

bool FormDocumentHost::readDocument(std::string_view file)
{
    if (!recovery_.empty() && SameName(file, recovery_))
        return readBackup(file);
    FileDocumentSource source;
    if (!::LoadDocument(form_.Handle(), form_.ControlHandle, file, source))
        return false;
    backupStart_ = {source.base()};
    return true;
}

bool FormDocumentHost::readBackup(std::string_view file)
{
    recovery_.clear();
    BackupDocumentSource source;
    const bool loaded = ::LoadDocument(form_.Handle(), form_.ControlHandle, file, source);
    if (!loaded || source.partial()) {
        // The backup stays for the user to rescue; this editor takes a backup file of its own.
        // What it shows is the older document that could be read, or an untitled one.
        if (SameName(file, form_.Backup->BackupPath()))
            form_.Backup->LeaveBackup();
        if (!loaded)
            form_.Backup->UpdateRecord({});
        ShowMessageBox(form_.Handle(), (std::string(loaded ? kTextBackupPartial : kTextBackupLeft) + std::string(file)).c_str(),
                       kMessageWarning);
    }
    if (!loaded)
        return false;
    backupStart_ = {};
    if (source.isJournal() && SameName(file, form_.Backup->BackupPath()))
        backupStart_ = {source.journalBase(), true, source.validEnd()};
    return true;
}

bool FormDocumentHost::writeDocument(std::string_view name)
{
    JournalBase written;
    if (!::WriteDocument(form_.Handle(), form_.ControlHandle, name, &written))
        return false;
    backupStart_ = {written};
    return true;
}

void FormDocumentHost::setControlModified(bool modified) { Editor.QX_SetModified(form_.ControlHandle, modified); }

bool FormDocumentHost::controlReadOnly() { return Editor.QX_IsReadOnly(form_.ControlHandle); }

void FormDocumentHost::setControlReadOnly(bool on) { Editor.QX_SetReadOnly(form_.ControlHandle, on); }

void FormDocumentHost::refreshStatus() { form_.RefreshStatus(); }

void FormDocumentHost::namesChanged() { form_.EditorHistory.ShowNames(); }

void FormDocumentHost::writeBackup()
{
    if (backupStart_.adopt)
        form_.Backup->AdoptBackup(form_.ControlHandle, backupStart_.base, backupStart_.validEnd);
    else
        form_.Backup->ResetBackup(form_.ControlHandle, backupStart_.base);
}

void FormDocumentHost::documentRenamed(std::string_view name) { form_.Backup->UpdateRecord(name); }

SaveAnswer FormDocumentHost::askSave(const std::string& question)
{
    TFormQuerySave query(form_.Handle(), form_.Preferences.showHint);
    query.SetQuestion(question);
    MessageBeep(MB_ICONQUESTION);
    const int answer = query.ShowModal();
    if (form_.ControlHandle)
        SetFocus(form_.ControlHandle);
    return answer == mrYes ? SaveAnswer::Save : answer == mrNo ? SaveAnswer::DontSave : SaveAnswer::Cancel;
}

bool FormDocumentHost::confirm(const std::string& question)
{
    const bool yes = ShowMessageBox(form_.Handle(), question.c_str(), kMessageYesNo) == IDYES;
    if (form_.ControlHandle)
        SetFocus(form_.ControlHandle);
    return yes;
}

void FormDocumentHost::warn(const std::string& text)
{
    ShowMessageBox(form_.Handle(), text.c_str(), kMessageWarning);
    if (form_.ControlHandle)
        SetFocus(form_.ControlHandle);
}

std::optional<OpenChoice> FormDocumentHost::chooseOpenName(const std::string& folder)
{
    // A full name in the file box would take the dialog to its own folder instead.
    form_.OpenDialog.SetFileName({});
    form_.OpenDialog.SetInitialDir(folder);
    if (!form_.OpenDialog.Execute(form_.Handle()))
        return std::nullopt;
    return OpenChoice{form_.OpenDialog.FileName(), form_.OpenDialog.ReadOnlyChecked()};
}

std::optional<std::string> FormDocumentHost::chooseSaveName(const std::string& name, const std::string& folder)
{
    // The name's own folder may be gone; the dialog starts in `folder` with the name's last part.
    const std::string folderOfName = FolderOf(name);
    form_.SaveDialog.SetFileName(name.substr(folderOfName.empty() ? 0 : folderOfName.size() + 1));
    form_.SaveDialog.SetInitialDir(folder);
    if (!form_.SaveDialog.Execute(form_.Handle()))
        return std::nullopt;
    return form_.SaveDialog.FileName();
}

bool FormDocumentHost::fileExists(std::string_view name) { return FileExists(name); }

std::string FormDocumentHost::nearestExistingFolder(std::string_view folder) { return NearestExistingFolder(folder); }

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
