// DocumentSession: loading, saving, the save query, and the commands over the editing list.
#include "app/documents/DocumentSession.h"

#include "app/texts/ProgramTexts.h"
#include "common/PathString.h"

#include <algorithm>
#include <memory>

namespace {

// The hourglass for as long as it lives.
class Waiting {
public:
    explicit Waiting(DocumentHost& host) : host_(host) { host_.beginWait(); }
    ~Waiting() { host_.endWait(); }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    DocumentHost& host_;
};

} // namespace

std::string SaveQuestion(std::string_view actionText)
{
    std::string question(actionText);
    question += kTextSaveQuestionSuffix;
    return question;
}

std::vector<std::wstring> NamesWithDropped(const std::vector<std::wstring>& names,
                                          const std::vector<std::wstring>& notOpened)
{
    std::vector<std::wstring> joined(notOpened.rbegin(), notOpened.rend());
    joined.insert(joined.end(), names.begin(), names.end());
    std::vector<std::wstring> kept;
    for (size_t i = 0; i < joined.size(); ++i) {
        const bool againLater = std::any_of(joined.begin() + static_cast<std::ptrdiff_t>(i) + 1, joined.end(),
                                            [&](const std::wstring& later) { return SameName(later, joined[i]); });
        if (!againLater)
            kept.push_back(joined[i]);
    }
    return kept;
}

DocumentSession::DocumentSession(DocumentHost& host, HistoryNames& names, std::wstring& openPath)
    : host_(host), names_(names), openPath_(openPath), watch_(host.clock())
{
    editingList_.Add(L"", Fresh());
}

EditInfo DocumentSession::Fresh() { return FreshEditInfo(host_.clock()); }

bool DocumentSession::NoteControlModified(bool controlModified) noexcept
{
    modifiedFlag_ = modifiedFlag_ || controlModified;
    return modifiedFlag_;
}

void DocumentSession::ControlChanged()
{
    NoteControlModified(host_.controlModified());
    host_.refreshStatus();
}

bool DocumentSession::QuerySave(std::string_view actionText)
{
    if (!modifiedFlag_)
        return true;
    switch (host_.askSave(SaveQuestion(actionText))) {
    case SaveAnswer::Save:
        return SaveDocument();
    case SaveAnswer::DontSave:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool DocumentSession::OpenedReadOnly() { return readOnlyByOpen_ && host_.controlReadOnly(); }

bool DocumentSession::LoadDocument(std::wstring_view file, std::wstring_view name, bool readOnly)
{
    // Only a document without unsaved changes leaves its view behind: the changes are gone
    // once another document is shown, and the view may not fit the file.
    if (!modifiedFlag_) {
        if (auto* shown = editingList_.Find(documentName_)) {
            if (documentName_.empty())
                shown->info.Reset();
            else
                RememberView(documentName_, shown->info, false, host_.control(), host_.clock());
        }
    }
    // Taken before the read: a change made while reading is found later rather than missed.
    const FileVersion version = file.empty() ? FileVersion{} : host_.clock().fileVersion(file);
    if (!(file.empty() ? host_.newDocument() : host_.readDocument(file)))
        return false;
    const bool recovered = !SameName(file, name);
    watch_.Hold(name, recovered ? host_.clock().fileVersion(name) : version);
    if (readOnly || (!recovered && (version.readOnly || host_.readOnlyByRead()))) {
        host_.setControlReadOnly(true);
        readOnlyByOpen_ = true;
    } else if (readOnlyByOpen_) {
        host_.setControlReadOnly(false);
        readOnlyByOpen_ = false;
    }
    modifiedFlag_ = false;
    host_.setControlModified(recovered);
    ControlChanged();
    host_.writeBackup();
    SetDocumentName(name);
    if (auto* loaded = editingList_.Find(name)) {
        if (name.empty())
            loaded->info.Reset();
        else
            RestoreView(name, loaded->info, host_.control(), host_.clock());
    }
    return true;
}

bool DocumentSession::SaveDocument()
{
    if (documentName_.empty())
        return SaveDocumentAs();
    // A deleted file is simply written again.
    if (watch_.Compare() == FileChange::Changed) {
        watch_.NoteReported();
        if (!host_.confirm(OverwriteQuestion(documentName_)))
            return false;
    }
    return WriteDocument(std::wstring(documentName_));
}

bool DocumentSession::SaveDocumentAs()
{
    // An untitled document has no folder of its own: it starts where the open dialog would.
    const std::wstring folder = host_.nearestExistingFolder(documentName_.empty() ? openPath_ : FolderOf(documentName_));
    const std::optional<std::wstring> chosen = host_.chooseSaveName(documentName_, folder);
    if (!chosen)
        return false;
    openPath_ = FolderOf(*chosen);
    return WriteDocument(*chosen);
}

bool DocumentSession::WriteDocument(std::wstring_view name)
{
    if (!host_.writeDocument(name))
        return false;
    watch_.Hold(name, host_.clock().fileVersion(name));
    modifiedFlag_ = false;
    host_.setControlModified(false);
    ControlChanged();
    host_.writeBackup();
    SetDocumentName(name);
    if (auto* written = editingList_.Find(name))
        RememberView(name, written->info, true, host_.control(), host_.clock());
    return true;
}

void DocumentSession::SetDocumentName(std::wstring_view name)
{
    // `name` may be a view of documentName_ itself.
    std::wstring newName(name);
    editingList_.Add(newName, Fresh());
    names_.ShowName(newName);
    host_.namesChanged();
    documentName_ = std::move(newName);
    host_.documentRenamed(documentName_);
}

bool DocumentSession::FileNew()
{
    if (!QuerySave(kTextQueryNew))
        return false;
    Waiting waiting(host_);
    return LoadDocument(L"", L"");
}

void DocumentSession::FileOpen()
{
    if (!QuerySave(kTextQueryOpen))
        return;
    const std::optional<OpenChoice> chosen = ChooseFileToOpen();
    if (!chosen)
        return;
    Waiting waiting(host_);
    LoadDocument(chosen->name, chosen->name, chosen->readOnly);
}

void DocumentSession::FileSave()
{
    Waiting waiting(host_);
    SaveDocument();
}

void DocumentSession::FileSaveAs() { SaveDocumentAs(); }

std::optional<OpenChoice> DocumentSession::ChooseFileToOpen()
{
    std::optional<OpenChoice> chosen = host_.chooseOpenName(host_.nearestExistingFolder(openPath_));
    if (chosen)
        openPath_ = FolderOf(chosen->name);
    return chosen;
}

void DocumentSession::CheckShownFile()
{
    // The questions below let other windows activate this one again meanwhile.
    if (checking_)
        return;
    checking_ = true;
    const std::unique_ptr<bool, void (*)(bool*)> checked(&checking_, [](bool* flag) { *flag = false; });
    const std::wstring name = documentName_;
    switch (watch_.NewChange()) {
    case FileChange::None:
        break;
    case FileChange::Deleted:
        host_.warn(DeletedNotice(name));
        // The shown bytes are now the only copy: closing asks, the backup keeps them.
        host_.setControlModified(true);
        ControlChanged();
        break;
    case FileChange::Changed:
        if (host_.confirm(ReloadQuestion(name)) && QuerySave(EditorCommandQueryText(EditorCommand::Refresh))) {
            Waiting waiting(host_);
            LoadDocument(name, name, OpenedReadOnly());
        }
        break;
    }
}

void DocumentSession::DropFiles(const std::vector<std::wstring>& dropped)
{
    std::vector<std::wstring> files;
    for (const auto& name : dropped)
        if (host_.fileExists(name))
            files.push_back(name);
    // Only folders or missing files: nothing will be opened, so nothing to ask.
    if (files.empty() || !QuerySave(kTextQueryOpen))
        return;
    Waiting waiting(host_);
    auto next = files.begin();
    while (next != files.end() && !LoadDocument(*next, *next))
        ++next;
    if (next != files.end())
        ++next;
    const std::vector<std::wstring> notOpened(next, files.end());
    SyncEntries(editingList_, names_, NamesWithDropped(names_.Names(), notOpened), Fresh());
    host_.namesChanged();
}

void DocumentSession::RunEditorCommand(EditorCommand command)
{
    if (!QuerySave(EditorCommandQueryText(command)))
        return;
    Waiting waiting(host_);
    HistoryNames listed = names_;  // the items as they stood, given back when nothing loads
    const std::wstring deleted = command == EditorCommand::DeleteHistory ? names_.SelectedName() : std::wstring();
    std::wstring name = PrepareEditorCommand(command, names_);
    host_.namesChanged();
    while (!LoadDocument(name, name)) {
        const bool gone = ForgetMissing(name, listed);
        // Deleting goes on with the name that takes the place of one whose file is gone.
        if (deleted.empty() || !gone) {
            names_ = listed;
            host_.namesChanged();
            return;
        }
        names_.RemoveName(name);
        name = names_.SelectedName();
        host_.namesChanged();
    }
    if (!deleted.empty())
        editingList_.Remove(deleted);
}

void DocumentSession::ComboHistoryChange()
{
    const std::wstring chosen = names_.SelectedName();
    bool loaded = false;
    if (QuerySave(kTextQueryComboChange)) {
        Waiting waiting(host_);
        loaded = LoadDocument(chosen, chosen);
        if (!loaded)
            ForgetMissing(chosen, names_);
    }
    // Refused, or the chosen file could not be read: the shown document's item is selected
    // again, so the combo box never names a document that is not shown.
    if (!loaded) {
        RevertComboChoice(editingList_, names_, Fresh());
        host_.namesChanged();
    }
}

bool DocumentSession::ForgetMissing(std::wstring_view name, HistoryNames& names)
{
    if (name.empty() || SameName(name, documentName_) || host_.fileExists(name))
        return false;
    editingList_.Remove(name);
    names.RemoveName(name);
    names.ShowName(documentName_);
    return true;
}
