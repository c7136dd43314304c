// DocumentSource: where a document's bytes come from when it is read into the control: a file,
// or a backup in either of its forms, each opened for its size and then read in order.
#pragma once
#include "app/BackupJournal.h"
#include "common/win/AFilePtr.h"

#include <cstdint>
#include <string>
#include <string_view>

class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // Opens `name` and tells the size of the document it holds; false when it cannot.
    virtual bool open(std::string_view name, uint64_t& size) = 0;
    // The next `count` bytes of the document; false when fewer came.
    virtual bool read(uint8_t* out, size_t count) = 0;
    // After a whole read: what a backup may use as its base, the document's bytes being exactly
    // that file's; an empty name when there is none.
    [[nodiscard]] virtual JournalBase base() const = 0;
};

// A file's size and last-write time from an open handle.
[[nodiscard]] bool StampOfFile(const AFilePtr& file, std::string_view name, JournalBase& stamp);
// The same for a file by name, as the file system tells it; false when it is not there.
[[nodiscard]] bool StampOfFile(std::string_view name, JournalBase& stamp);

// A plain file, opened shared for reading. Its base is the file itself, unless its size or
// last-write time changed while it was read.
class FileDocumentSource final : public DocumentSource {
public:
    bool open(std::string_view name, uint64_t& size) override;
    bool read(uint8_t* out, size_t count) override;
    [[nodiscard]] JournalBase base() const override;

private:
    AFilePtr file_;
    JournalBase opened_;
};

// A backup: a journal (its base file and records) or, in the form older editors leave behind,
// the document's bytes as they are. It has no base: the document it gives is no file's bytes.
class BackupDocumentSource final : public DocumentSource {
public:
    bool open(std::string_view name, uint64_t& size) override;
    bool read(uint8_t* out, size_t count) override;
    [[nodiscard]] JournalBase base() const override { return {}; }
    // True for a journal; then its own base and where its last whole record ends, from which an
    // editor may go on appending.
    [[nodiscard]] bool isJournal() const noexcept { return journal_; }
    [[nodiscard]] const JournalBase& journalBase() const noexcept { return contents_.base; }
    [[nodiscard]] uint64_t validEnd() const noexcept { return contents_.validEnd; }

private:
    AFilePtr backup_;
    AFilePtr baseFile_;
    bool journal_ = false;
    JournalContents contents_;
    size_t piece_ = 0;         // the piece being read
    uint64_t pieceDone_ = 0;   // bytes of it already read
};
