// DocumentHost: what the document commands need from the window around them.
#pragma once
#include "app/documents/ControlAccess.h"
#include "app/documents/FileStamp.h"

#include <optional>
#include <string>
#include <string_view>

// The buttons of the save query.
enum class SaveAnswer { Save, DontSave, Cancel };

// A file chosen in the open dialog, and whether its read-only box was checked.
struct OpenChoice {
    std::wstring name;
    bool readOnly = false;
};

// The Windows side implements it over the control's exports, the dialogs and the backup
// manager; tests with a recording fake.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // The control as the editing list's views read and restore it.
    virtual ControlAccess& control() = 0;
    virtual FileClock& clock() = 0;

    // A new document in the control (QX_New); false when the control refused.
    virtual bool newDocument() = 0;
    // The file's bytes into the control. A failure has warned the user itself and leaves the
    // control as it was.
    virtual bool readDocument(std::wstring_view file) = 0;
    // True when the last readDocument could open the file only read-only, because another
    // program writes it; the control is then read-only.
    virtual bool readOnlyByRead() { return false; }
    // The control's bytes into the file. A failure has warned the user itself and leaves the
    // file as it was.
    virtual bool writeDocument(std::wstring_view name) = 0;
    // The control's own flag: changed since the last backup.
    virtual bool controlModified() = 0;
    virtual void setControlModified(bool modified) = 0;
    // The control's read-only mode, in which it refuses every edit.
    virtual bool controlReadOnly() = 0;
    virtual void setControlReadOnly(bool on) = 0;

    // The status bar, the save command and the save button show the session's modified flag;
    // they only read it.
    virtual void refreshStatus() = 0;
    // The combo box shows the editing list's items and selection again.
    virtual void namesChanged() = 0;
    // The backup of the shown document, written at once.
    virtual void writeBackup() = 0;
    // The backup's record learns the document's new name (empty for untitled).
    virtual void documentRenamed(std::wstring_view name) = 0;

    // The save query showing `question`; the keyboard focus goes back to the control.
    virtual SaveAnswer askSave(const std::string& question) = 0;
    // A question answered Yes or No; true for Yes. The focus goes back to the control.
    virtual bool confirm(const std::wstring& question) = 0;
    // A warning the user closes with OK.
    virtual void warn(const std::wstring& text) = 0;
    // The open and save dialogs starting in `folder`; none when the user cancels.
    virtual std::optional<OpenChoice> chooseOpenName(const std::wstring& folder) = 0;
    virtual std::optional<std::wstring> chooseSaveName(const std::wstring& name, const std::wstring& folder) = 0;

    virtual bool fileExists(std::wstring_view name) = 0;
    // The folder, else its nearest existing parent, else the program's folder.
    virtual std::wstring nearestExistingFolder(std::wstring_view folder) = 0;

    // The hourglass while a command works; calls nest.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};
