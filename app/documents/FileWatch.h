// FileWatch: whether another program changed or deleted the shown document's file since the editor read or wrote it.
#pragma once
#include "app/documents/FileStamp.h"

#include <string>
#include <string_view>

enum class FileChange { None, Changed, Deleted };

// The questions and the notice about a file changed by another program, naming the file.
[[nodiscard]] std::wstring ReloadQuestion(std::wstring_view name);
[[nodiscard]] std::wstring OverwriteQuestion(std::wstring_view name);
[[nodiscard]] std::wstring DeletedNotice(std::wstring_view name);

// Holds the version of the file the shown bytes came from (or went to). A version the file
// system could not read, and an untitled document, are never reported as changed.
class FileWatch {
public:
    explicit FileWatch(FileClock& clock) noexcept : clock_(clock) {}

    // The shown bytes are those of `version` of the file `name` (empty: untitled).
    void Hold(std::wstring_view name, const FileVersion& version);
    // How the file differs from the held version now, reported before or not.
    [[nodiscard]] FileChange Compare();
    // As Compare, but a change is told only once: the same version of the file is not
    // reported again until the file changes once more.
    [[nodiscard]] FileChange NewChange();
    // The version Compare saw last counts as reported.
    void NoteReported() noexcept { reported_ = seen_; }

private:
    FileClock& clock_;
    std::wstring name_;
    FileVersion held_;
    FileVersion seen_;      // the version the last comparison read
    FileVersion reported_;  // the last version a change was reported for
};
