// DocumentSource: where a document's bytes come from when they are not a file the control opens
// itself: a backup in either of its forms, opened for its size and then given to the control.
#pragma once
#include "app/backup/BackupJournal.h"
#include "common/win/AFilePtr.h"

#include <windows.h>

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

    enum class Given : uint8_t { Done, Refused, ReadFailed };
    // Makes the opened document of `size` bytes the control's; on failure the control keeps
    // what it showed. By default its bytes are read in order straight into the control's memory.
    virtual Given giveTo(HWND control, uint64_t size);
};

// A backup: a journal (its base file and records) or, in the form older editors leave behind,
// the document's bytes as they are. A journal on a base is given as the base, which the control
// opens, with the journal's bytes where they differ (QX_BuildOnBase): the memory it takes grows
// with the edits, not with the document.
// A journal that cannot give its document (damaged header, no whole record, a base that
// changed) gives way to its previous generation (PreviousGenerationName), if that can; one
// that is missing, to the new journal it was being replaced with, if that was written whole.
class BackupDocumentSource final : public DocumentSource {
public:
    bool open(std::wstring_view name, uint64_t& size) override;
    bool read(uint8_t* out, size_t count) override;
    Given giveTo(HWND control, uint64_t size) override;
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
    // The next `count` bytes of the pieces that stand in the journal file, in order.
    bool readJournalBytes(uint8_t* out, size_t count);
    // Moves the read position on to the next piece the journal file holds.
    void skipBasePieces() noexcept;

    AFilePtr backup_;
    AFilePtr baseFile_;  // read only when the document is read in order
    bool journal_ = false;
    bool partial_ = false;
    bool other_ = false;  // read from the staging copy or the previous generation
    JournalContents contents_;
    size_t piece_ = 0;         // the piece being read
    uint64_t pieceDone_ = 0;   // bytes of it already read
};
