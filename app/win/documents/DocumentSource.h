// DocumentSource: where a document's bytes come from when it is read into the control: a file,
// or a backup in either of its forms, each opened for its size and then read in order.
#pragma once
#include "app/backup/BackupJournal.h"
#include "common/win/AFilePtr.h"

#include <cstdint>
#include <string>
#include <string_view>

class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // Opens `name` and tells the size of the document it holds; false when it cannot.
    virtual bool open(std::wstring_view name, uint64_t& size) = 0;
    // The next `count` bytes of the document; false when fewer came.
    virtual bool read(uint8_t* out, size_t count) = 0;
    // After a whole read: what a backup may use as its base, the document's bytes being exactly
    // that file's; an empty name when there is none.
    [[nodiscard]] virtual JournalBase base() const = 0;
};

// A plain file, opened shared for reading. Its base is the file itself, unless it changed while
// it was read.
class FileDocumentSource final : public DocumentSource {
public:
    bool open(std::wstring_view name, uint64_t& size) override;
    bool read(uint8_t* out, size_t count) override;
    [[nodiscard]] JournalBase base() const override;

private:
    AFilePtr file_;
    JournalBase opened_;
};

// A backup: a journal (its base file and records) or, in the form older editors leave behind,
// the document's bytes as they are. It has no base: the document it gives is no file's bytes.
// A journal that cannot give its document (damaged header, no whole record, a base that
// changed) gives way to its previous generation (PreviousGenerationName), if that can; one
// that is missing, to the new journal it was being replaced with, if that was written whole.
class BackupDocumentSource final : public DocumentSource {
public:
    bool open(std::wstring_view name, uint64_t& size) override;
    bool read(uint8_t* out, size_t count) override;
    [[nodiscard]] JournalBase base() const override { return {}; }
    // True when the document is older than the backup's last write: a damaged record lost the
    // changes after it, or only the previous generation could be read. The backup file is then
    // for the user to keep, not for an editor to go on with.
    [[nodiscard]] bool partial() const noexcept { return partial_; }
    // True for a journal read whole from the file named; then its own base and where its last
    // whole record ends, from which an editor may go on appending.
    [[nodiscard]] bool isJournal() const noexcept { return journal_ && !partial_ && !other_; }
    [[nodiscard]] const JournalBase& journalBase() const noexcept { return contents_.base; }
    [[nodiscard]] uint64_t validEnd() const noexcept { return contents_.validEnd; }

private:
    bool openFile(std::wstring_view name, uint64_t& size);

    AFilePtr backup_;
    AFilePtr baseFile_;
    bool journal_ = false;
    bool partial_ = false;
    bool other_ = false;  // read from the staging copy or the previous generation
    JournalContents contents_;
    size_t piece_ = 0;         // the piece being read
    uint64_t pieceDone_ = 0;   // bytes of it already read
};
