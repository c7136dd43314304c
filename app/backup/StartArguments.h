// InterpretArguments: what an editor shows first, decided by its command-line tokens.
#pragma once
#include "common/ACommandLine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The first document of an editor. Both names empty: a new untitled document. A recovery
// start reads the backup file and shows it under DocumentName (untitled when empty).
struct TStartArguments {
    std::wstring FileToLoad;    // path string; empty for a new document
    std::wstring DocumentName;  // path string; empty for an untitled document
    bool RecoveryStart = false;
    std::wstring BackupFile;    // the recovered backup; FileToLoad is the same file
    // Files named with FileToLoad (several dropped on the program's icon), each for an
    // editor of its own.
    std::vector<std::wstring> FurtherFiles;
    // "-r": the file opens in the control's read-only mode.
    bool ReadOnly = false;
    // "-o" or "-r" file, then a hexadecimal byte offset: the caret starts on that byte (the
    // last one when the file is shorter); -1: at the start.
    int64_t CaretOffset = -1;
    // "-c" first second: the two files are compared in a window of their own, without an editor.
    bool CompareStart = false;
    std::wstring CompareFirst{};
    std::wstring CompareSecond{};

    bool operator==(const TStartArguments&) const = default;
};

// Tells whether a path names an existing file that is not a folder. Called only with
// absolute names (IsAbsoluteName).
using FileExistsCheck = std::function<bool(std::wstring_view path)>;

// "-c" first second compares two files (an untitled document when either is missing);
// "-o" file opens the file, "-r" file opens it read-only, either with a hexadecimal offset
// after the file for the caret (a token that is no such number is ignored); "-b" backup name is a recovery start, "-null" standing for an
// untitled name; either option without all its operands starts an untitled document (as
// does "-b" whose backup is no absolute name). Options are matched case-sensitively in the
// first token only. Any other tokens are joined back as they stood, trimmed and made a
// path string, which is opened only when it is absolute (a drive letter, or a network name) and `fileExists` says so.
// When the joined text is no file, the tokens may be several names (as the shell passes
// files dropped on the program): when there are two or more and every one is absolute, those that are existing files count, the first opened here, the others in
// FurtherFiles.
[[nodiscard]] TStartArguments InterpretArguments(const ACommandLine& commandLine, const FileExistsCheck& fileExists);
