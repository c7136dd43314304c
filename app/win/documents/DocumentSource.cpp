// DocumentSource: plain files and backups, read in order into the control.
#include "app/win/documents/DocumentSource.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupJournalFile.h"
#include "app/win/system/EditorLibrary.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

#include <algorithm>

namespace {

// Calls `read` of a source for the control's pieces; remembers a failure, which the control
// cannot tell from a refusal.
template <typename Source, bool (Source::*Read)(uint8_t*, size_t)>
struct Reading {
    Source& source;
    bool failed = false;

    static bool Piece(void* context, void* buffer, int count)
    {
        auto& reading = *static_cast<Reading*>(context);
        try {
            reading.failed = !(reading.source.*Read)(static_cast<uint8_t*>(buffer), static_cast<size_t>(count));
        } catch (...) {
            reading.failed = true;
        }
        return !reading.failed;
    }
};

DocumentSource::Given Outcome(bool given, bool readFailed)
{
    return given ? DocumentSource::Given::Done
                 : readFailed ? DocumentSource::Given::ReadFailed : DocumentSource::Given::Refused;
}

} // namespace

DocumentSource::Given DocumentSource::giveTo(HWND control, uint64_t size)
{
    if (size == 0)
        return Outcome(Editor.QX_SetData(control, nullptr, 0), false);
    Reading<DocumentSource, &DocumentSource::read> reading{*this};
    const bool given = Editor.QX_ReadDataFrom64(control, static_cast<LONGLONG>(size), reading.Piece, &reading);
    return Outcome(given, reading.failed);
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

void BackupDocumentSource::skipBasePieces() noexcept
{
    while (piece_ < contents_.pieces.size() && contents_.pieces[piece_].fromBase) {
        ++piece_;
        pieceDone_ = 0;
    }
}

bool BackupDocumentSource::readJournalBytes(uint8_t* out, size_t count)
{
    while (count) {
        skipBasePieces();
        if (piece_ == contents_.pieces.size())
            return false;
        const size_t step = static_cast<size_t>(std::min<uint64_t>(count, contents_.pieces[piece_].length - pieceDone_));
        if (!read(out, step))
            return false;
        out += step;
        count -= step;
    }
    return true;
}

DocumentSource::Given BackupDocumentSource::giveTo(HWND control, uint64_t size)
{
    if (!journal_ || contents_.base.file.empty())
        return DocumentSource::giveTo(control, size);
    // The control opens the base itself and must find the same file the journal stands on.
    const std::wstring& baseName = contents_.base.file;
    JournalBase opened;
    if (baseName.empty() || !Editor.QX_OpenFile(control, baseName.c_str(), 0, nullptr))
        return Given::ReadFailed;
    if (!ControlBase(control, opened) || !SameBase(contents_.base, opened)) {
        // What it shows is not the document: an empty one instead.
        (void)Editor.QX_New(control);
        return Given::ReadFailed;
    }
    std::vector<QX_PIECE> pieces;
    pieces.reserve(contents_.pieces.size());
    for (const JournalPiece& piece : contents_.pieces)
        pieces.push_back(piece.fromBase ? QX_PIECE{piece.offset, piece.length, QX_PIECE_BASE}
                                        : QX_PIECE{0, piece.length, QX_PIECE_READ});
    piece_ = 0;
    pieceDone_ = 0;
    Reading<BackupDocumentSource, &BackupDocumentSource::readJournalBytes> reading{*this};
    if (pieces.size() > 0x7FFFFFFF ||
        !Editor.QX_BuildOnBase(control, pieces.data(), static_cast<int>(pieces.size()), reading.Piece, &reading)) {
        (void)Editor.QX_New(control);
        return Given::ReadFailed;
    }
    return Given::Done;
}
