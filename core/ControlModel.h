// ControlModel: the editing model of one control: the bytes, the undo history, the positions and
// every operation behind the control's exports, showing its effects through a ControlView.
// Positions are 64-bit nibble indices; the int queries answer as the control's 56 exports do.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/ByteStore.h"
#include "core/ChangeMap.h"
#include "core/ControlView.h"
#include "core/History.h"
#include "core/PositionModel.h"

class ByteSearcher;

class ControlModel {
public:
    // The largest data, in bytes (nibble positions stay far inside int64_t).
    static constexpr uint64_t maxDataSize = 0x0FFFFFFFFFFFFFFF;
    // The most bytes one call copies in from memory: setData cuts there, and an edit that
    // would put in more raises AOverflowError.
    static constexpr uint64_t maxBytesCopiedIn = 0x3FFFFFFF;

    // Scroll-bar request codes of scrollView (the platform's SB_ values).
    enum ScrollCode : int {
        ScrollLineUp = 0,
        ScrollLineDown = 1,
        ScrollPageUp = 2,
        ScrollPageDown = 3,
        ScrollThumbTrack = 5,
    };

    // One 0x00 byte, caret and view at the start; the constructor makes no calls on the view.
    // sizeLimit (at most maxDataSize) is the largest data size in bytes; edits that would pass it
    // raise AOverflowError before changing anything.
    explicit ControlModel(ControlView& view, uint64_t sizeLimit = maxDataSize);
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // --- bytes (refusals: read-only beeps and returns false)
    bool typeDigit(int digit);             // 0..15 overwrites the caret's nibble
    bool deleteByte();                     // QX_Delete
    bool backSpace();
    bool insert();                         // 0x00 in front of the caret's byte
    bool space();                          // 0x00 behind the caret's byte
    bool tab();                            // 0x00 bytes up to the next multiple of tabSize
    bool insertData(int64_t nibble, const void* bytes, int count);
    bool setData(const void* bytes, int count);  // also when read-only; always true
    bool newData();                        // QX_New
    // setData with `count` bytes that `fill` writes straight into the store, in pieces in order.
    // False, with nothing changed and nothing shown, when count is 0 or passes the size limit
    // or `fill` fails.
    bool readData(uint64_t count, const AddBuffer::Filler& fill);
    // Hands [byte, byte + count) to `take`, in pieces in order, straight from the store where it
    // holds them in memory; false (maybe after some pieces) when the range leaves the data, a
    // read fails or `take` fails.
    using Taker = std::function<bool(const uint8_t* bytes, size_t count)>;
    bool writeData(uint64_t byte, uint64_t count, const Taker& take) const;
    // False (nothing to rely on copied) unless [nibble / 2, nibble / 2 + count) lies inside the
    // data and can be read.
    [[nodiscard]] bool getData(void* buffer, int64_t nibble, int64_t count) const noexcept;
    // Bytes for painting: [byteOffset, byteOffset + count); false when the range leaves the data
    // or the bytes cannot be read.
    [[nodiscard]] bool copyBytes(uint64_t byteOffset, size_t count, uint8_t* out) const noexcept;
    [[nodiscard]] uint64_t dataSize64() const noexcept { return store_.size(); }

    // --- the document on a source (a file, read on demand)
    // The document becomes the source's bytes (an empty one gives one 0x00 byte) and the source
    // its base; as setData otherwise: history cleared, positions reset, not modified, the whole
    // data one change. False, with nothing changed, when the source passes the size limit.
    bool openSource(SourcePtr base);
    // After the document's bytes were saved to `saved`: it becomes the base and the document one
    // piece of it. The history stays (its pieces keep older sources alive). False, with nothing
    // changed, when the sizes differ.
    bool rebase(SourcePtr saved);
    // The document rebuilt as `pieces` of the base and of memory (at least one byte, within the
    // size limit), as openSource otherwise; false, with nothing changed, when they do not fit.
    bool buildOnBase(const PieceList& pieces);
    [[nodiscard]] const SourcePtr& base() const noexcept { return store_.base(); }
    [[nodiscard]] std::vector<ChangedRegion> baseChanges() const { return store_.baseChanges(); }
    // The bytes as they are now, for reading on any thread while the model goes on.
    [[nodiscard]] PieceTable snapshot() const { return store_.table(); }
    // `count` bytes that `fill` writes into memory, in pieces in order, as pieces to build a
    // document from; false when fill fails.
    [[nodiscard]] bool readPieces(uint64_t count, const AddBuffer::Filler& fill, PieceList& pieces);

    // --- caret and view (moves at a boundary beep and return false)
    bool cursorDown();
    bool cursorUp();
    bool cursorLeft();
    bool cursorRight();
    bool lineTop();
    bool lineEnd();
    bool pageDown();
    bool pageUp();
    bool dataTop();
    bool dataEnd();
    [[nodiscard]] int64_t caretPos64() const noexcept { return positions_.caret; }
    bool setCaretPos(int64_t nibble);
    [[nodiscard]] int64_t viewTop64() const noexcept { return positions_.topNibble; }
    bool setViewTop(int64_t nibble);
    // WM_VSCROLL: trackPos is the bar's 32-bit track position, used with ScrollThumbTrack.
    bool scrollView(int scrollCode, int trackPos = 0);
    // The view by that many lines at once (negative: towards the start), kept inside the data.
    bool scrollLines(int64_t lines);
    // Layout: the window's page now holds pageLines lines. The view's own layout must already
    // have that many lines, since the caret is placed from it.
    void resize(int pageLines);            // range, page and position of the bar; erases the window
    void fontChanged(int pageLines);       // page and position of the bar; erases the window
    LineDamage setPageLines(int pageLines);  // the position rule alone, no view calls

    // --- flags and notification
    [[nodiscard]] bool isModified() const noexcept { return modified_; }
    void setModified(bool value, bool notify);
    void setNotifyChanged(void (*notify)());  // null installs an empty function
    [[nodiscard]] bool isReadOnly() const noexcept { return readOnly_; }
    void setReadOnly(bool value) noexcept { readOnly_ = value; }
    [[nodiscard]] int tabSize() const noexcept { return tabSize_; }
    void setTabSize(int value) noexcept { tabSize_ = value < 1 ? 1 : value; }

    // --- changes since the last mark (every data change counts, undo and redo included)
    [[nodiscard]] const ChangeMap& changes() const noexcept { return changes_; }
    void clearChanges() noexcept { changes_.clear(); }

    // --- history
    [[nodiscard]] bool canUndo() const noexcept { return history_.canUndo(); }
    [[nodiscard]] bool canRedo() const noexcept { return history_.canRedo(); }
    bool clearHistory();
    bool undo();
    bool redo();
    [[nodiscard]] size_t historySize() const noexcept { return history_.size(); }

    // --- selection
    bool selectionBegin();
    bool selectionEnd();
    bool hideSelection();
    bool setSelection(int64_t nibble, int64_t count);
    [[nodiscard]] int64_t selectionStart64() const noexcept { return positions_.selBegin; }
    [[nodiscard]] int64_t selectionSize64() const noexcept;
    bool deleteSelection();
    bool replaceSelection(const void* bytes, int count);

    // --- bookmarks and search
    [[nodiscard]] int64_t bookMark64(int index) const noexcept;
    bool goBookMark(int index);
    bool setBookMark(int index, int64_t nibble);
    bool findFirst(int64_t nibble, const void* pattern, int count);
    bool findNext(int64_t nibble, const void* pattern, int count);
    bool findPrev(int64_t nibble, const void* pattern, int count);
    // Where a search starts: findFirst, findNext or findPrev.
    enum class FindFrom { Nibble, After, Before };
    // The pattern's ASCII letters match either case where `caseFlags` (null: everywhere) is nonzero.
    bool findEitherCase(FindFrom from, int64_t nibble, const void* pattern, const void* caseFlags, int count);
    // Either search, telling a miss from a search that met bytes it could not read.
    enum class Found { Hit, Miss, ReadFailed };
    Found find(FindFrom from, int64_t nibble, const void* pattern, int count, bool eitherCase, const void* caseFlags);
    // A pattern known in part: byte i matches where its bits under masks[i] are the pattern's.
    Found findMasked(FindFrom from, int64_t nibble, const void* pattern, const void* masks, int count);

    // --- the answers of the 56 exports, whose results are ints: the value where it fits, the
    // export's guard result (-1, or 0 for the selection size) where it does not
    [[nodiscard]] int dataSize() const noexcept;
    [[nodiscard]] int caretPos() const noexcept;
    [[nodiscard]] int viewTop() const noexcept;
    [[nodiscard]] int selectionStart() const noexcept;
    [[nodiscard]] int selectionSize() const noexcept;
    [[nodiscard]] int bookMark(int index) const noexcept;

    [[nodiscard]] const PositionModel& positions() const noexcept { return positions_; }
    [[nodiscard]] uint64_t sizeLimit() const noexcept { return sizeLimit_; }

private:
    Found find(FindFrom from, int64_t nibble, const ByteSearcher& searcher, int count);
    enum class Move { Down, Up, Left, Right, LineTop, LineEnd };

    // What an edit changed, for showing it: the lines and the scroll-bar fields before it.
    struct EditResult {
        LineDamage damage;
        int rangeBefore;
        int pageBefore;
        int positionBefore;
    };

    void notify() { notifyChanged_(); }
    // What every whole-data replacement does once the store holds the new bytes.
    void showNewData(uint64_t oldSize);
    [[nodiscard]] int scrollRange() const noexcept;
    [[nodiscard]] int scrollPage() const noexcept;
    [[nodiscard]] int scrollPosition() const noexcept;
    void checkEditSize(uint64_t removeCount, uint64_t insertCount) const;
    // As checkEditSize, and bytes copied in from memory at most maxBytesCopiedIn.
    void checkCopiedIn(uint64_t removeCount, uint64_t insertCount) const;
    // Replaces removeCount bytes at the byte of `nibble` by putIn, the pieces taken out going to
    // takenOut (another list), and moves the positions. Raises before any change or not at all.
    EditResult spliceEdit(int64_t nibble, uint64_t removeCount, const PieceList& putIn, PieceList& takenOut);
    // Called after the modified flag is set and the owner notified: once the data has changed
    // the owner hears of it, whatever painting meets.
    void showEdit(const EditResult& result, ScrollBarSetupper& bar);
    // An edit with its undo record: a failed splice leaves no record; a successful one is filed.
    EditResult recordEdit(int64_t editPos, uint64_t removeCount, const uint8_t* inserted, size_t insertCount);
    bool deleteAtCaret(ScrollBarSetupper& bar);
    bool moveCaret(Move move, ScrollBarSetupper& bar);
    // A move of its own: the caret hidden and the scroll bar set once around it.
    bool moveCaret(Move move);
    void showCaretAt(int64_t nibble, ScrollBarSetupper& bar);
    void showSelection(const LineDamage& damage);
    bool editSelection(const uint8_t* bytes, size_t count);
    void showHit(uint64_t byte, uint64_t count);

    ControlView& view_;
    uint64_t sizeLimit_;        // invariant: 1 <= sizeLimit_ <= maxDataSize
    ByteStore store_;           // invariant: 1 <= size <= sizeLimit_, 2 x size = positions_.nibbleCount
    PositionModel positions_;
    HistoryList history_;
    ChangeMap changes_;
    bool readOnly_ = false;
    bool modified_ = false;
    void (*notifyChanged_)() = nullptr;  // never null
    int tabSize_ = 4;           // invariant: at least 1
};
