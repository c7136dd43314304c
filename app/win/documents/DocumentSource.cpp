// DocumentSource: plain files and backups, read in order into the control.
#include "app/win/documents/DocumentSource.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupJournalFile.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

#include <algorithm>

bool FileDocumentSource::open(std::wstring_view name, uint64_t& size)
{
    if (!file_.Open(name, AFilePtr::kRead) || !StampOfFile(file_, name, opened_))
        return false;
    size = opened_.size;
    return true;
}

bool FileDocumentSource::read(uint8_t* out, size_t count)
{
    return file_.Read(out, count, 1) == 1;
}

JournalBase FileDocumentSource::base() const
{
    // By name: a file that another program put in the name's place meanwhile is no base.
    JournalBase now;
    if (!StampOfFile(opened_.file, now) || !SameBase(opened_, now))
        return {};
    return opened_;
}

bool BackupDocumentSource::open(std::wstring_view name, uint64_t& size)
{
    if (openFile(name, size)) {
        partial_ = contents_.state == JournalState::Partial;
        return true;
    }
    other_ = true;
    // A journal that is missing was being written anew: the new one, flushed under the staging
    // name, had not yet taken its place, or the previous generation had just gone aside. That
    // is an interrupted write, not damage; a journal that is there but cannot be read is.
    partial_ = FileExists(name);
    if (!partial_ && openFile(StagingFileName(name), size) && contents_.state == JournalState::Whole)
        return true;
    return openFile(PreviousGenerationName(name), size);
}

bool BackupDocumentSource::openFile(std::wstring_view name, uint64_t& size)
{
    uint64_t fileSize = 0;
    piece_ = 0;
    pieceDone_ = 0;
    // Whoever else has the backup open (a flush under way, another editor) does not keep a
    // recovery from reading it.
    if (!backup_.Open(name, AFilePtr::kReadShared) || !backup_.Size(fileSize))
        return false;
    std::optional<JournalContents> contents = ReadJournal(
        fileSize, [&](uint64_t offset, void* out, size_t count) { return ReadAt(backup_, offset, out, count); },
        [](std::string_view legacy) { return WideFromAnsi(legacy); });
    journal_ = contents.has_value();
    if (!journal_) {
        // The older form: the file is the document, which has at least one byte.
        if (fileSize == 0)
            return false;
        contents_ = {};
        contents_.pieces = {{false, 0, fileSize}};
        contents_.size = fileSize;
    } else {
        contents_ = std::move(*contents);
        if (contents_.state == JournalState::Unusable)
            return false;
        // The base must still be the file the journal stands on.
        JournalBase now;
        if (!contents_.base.file.empty() &&
            (!baseFile_.Open(contents_.base.file, AFilePtr::kRead) ||
             !StampOfFile(baseFile_, contents_.base.file, now) || !SameBase(contents_.base, now)))
            return false;
    }
    size = contents_.size;
    return true;
}

bool BackupDocumentSource::read(uint8_t* out, size_t count)
{
    while (count) {
        if (piece_ == contents_.pieces.size())
            return false;
        const JournalPiece& piece = contents_.pieces[piece_];
        const uint64_t step = std::min<uint64_t>(count, piece.length - pieceDone_);
        if (!ReadAt(piece.fromBase ? baseFile_ : backup_, piece.offset + pieceDone_, out, static_cast<size_t>(step)))
            return false;
        out += step;
        count -= static_cast<size_t>(step);
        pieceDone_ += step;
        if (pieceDone_ == piece.length) {
            ++piece_;
            pieceDone_ = 0;
        }
    }
    return true;
}
