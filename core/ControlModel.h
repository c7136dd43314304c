// ControlModel: the editing model of one control: the bytes, the undo history, the positions and
// every operation behind the control's exports, showing its effects through a ControlView.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/ByteStore.h"
#include "core/ChangeMap.h"
#include "core/ControlView.h"
#include "core/History.h"
#include "core/PositionModel.h"

class ControlModel {
public:
    static constexpr uint32_t maxDataSize = 0x3FFFFFFF;

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
    explicit ControlModel(ControlView& view, uint32_t sizeLimit = maxDataSize);
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // --- bytes (refusals: read-only beeps and returns false)
    bool typeDigit(int digit);             // 0..15 overwrites the caret's nibble
    bool deleteByte();                     // QX_Delete
    bool backSpace();
    bool insert();                         // 0x00 in front of the caret's byte
    bool space();                          // 0x00 behind the caret's byte
    bool tab();                            // 0x00 bytes up to the next multiple of tabSize
    bool insertData(int nibble, const void* bytes, int count);
    bool setData(const void* bytes, int count);  // also when read-only; always true
    bool newData();                        // QX_New
    // setData with `count` bytes that `fill` writes straight into the store, in pieces in order.
    // False, with nothing changed and nothing shown, when count is 0 or passes the size limit
    // or `fill` fails.
    bool readData(size_t count, const AddBuffer::Filler& fill);
    // Hands [byte, byte + count) to `take`, in pieces in order, straight from the store where it
    // holds them in memory; false (maybe after some pieces) when the range leaves the data, a
    // read fails or `take` fails.
    using Taker = std::function<bool(const uint8_t* bytes, size_t count)>;
    bool writeData(size_t byte, size_t count, const Taker& take) const;
    // False (nothing copied) unless [nibble / 2, nibble / 2 + count) lies inside the data.
    [[nodiscard]] bool getData(void* buffer, int nibble, int count) const noexcept;
    [[nodiscard]] int dataSize() const noexcept { return static_cast<int>(store_.size()); }
    // Bytes for painting: [byteOffset, byteOffset + count); false when the range leaves the data
    // or the bytes cannot be read.
    [[nodiscard]] bool copyBytes(size_t byteOffset, size_t count, uint8_t* out) const noexcept;

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
    [[nodiscard]] int caretPos() const noexcept { return positions_.caret; }
    bool setCaretPos(int nibble);
    [[nodiscard]] int viewTop() const noexcept { return positions_.topNibble; }
    bool setViewTop(int nibble);
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
    bool setSelection(int nibble, int count);
    [[nodiscard]] int selectionStart() const noexcept { return positions_.selBegin; }
    [[nodiscard]] int selectionSize() const noexcept;
    bool deleteSelection();
    bool replaceSelection(const void* bytes, int count);

    // --- bookmarks and search
    [[nodiscard]] int bookMark(int index) const noexcept;
    bool goBookMark(int index);
    bool setBookMark(int index, int nibble);
    bool findFirst(int nibble, const void* pattern, int count);
    bool findNext(int nibble, const void* pattern, int count);
    bool findPrev(int nibble, const void* pattern, int count);
    // Where a search starts: findFirst, findNext or findPrev.
    enum class FindFrom { Nibble, After, Before };
    // The pattern's ASCII letters match either case where `caseFlags` (null: everywhere) is nonzero.
    bool findEitherCase(FindFrom from, int nibble, const void* pattern, const void* caseFlags, int count);

    [[nodiscard]] const PositionModel& positions() const noexcept { return positions_; }
    [[nodiscard]] uint32_t sizeLimit() const noexcept { return sizeLimit_; }

private:
    enum class Move { Down, Up, Left, Right, LineTop, LineEnd };

    // What an edit changed, for showing it: the lines and the scroll-bar fields before it.
    struct EditResult {
        LineDamage damage;
        int rangeBefore;
        int pageBefore;
        int positionBefore;
    };

    void notify() { notifyChanged_(); }
    // What setData and readData do once the store holds the new bytes.
    void showNewData(size_t oldSize);
    [[nodiscard]] int scrollRange() const noexcept { return positions_.lineCount - 1; }
    [[nodiscard]] int scrollPage() const noexcept;
    void checkEditSize(size_t removeCount, size_t insertCount) const;
    // Replaces removeCount bytes at the byte of `nibble` by putIn, the bytes taken out going to
    // takenOut (another array), and moves the positions. Raises before any change or not at all.
    EditResult spliceEdit(int nibble, uint64_t removeCount, const PieceList& putIn, PieceList& takenOut);
    // Called after the modified flag is set and the owner notified: once the data has changed
    // the owner hears of it, whatever painting meets.
    void showEdit(const EditResult& result, ScrollBarSetupper& bar);
    // An edit with its undo record: a failed splice leaves no record; a successful one is filed.
    EditResult recordEdit(int editPos, size_t removeCount, const uint8_t* inserted, size_t insertCount);
    bool deleteAtCaret(ScrollBarSetupper& bar);
    bool moveCaret(Move move, ScrollBarSetupper& bar);
    // A move of its own: the caret hidden and the scroll bar set once around it.
    bool moveCaret(Move move);
    void showCaretAt(int nibble, ScrollBarSetupper& bar);
    void showSelection(const LineDamage& damage);
    bool editSelection(const uint8_t* bytes, size_t count);
    bool find(FindFrom from, int nibble, const void* pattern, int count, bool eitherCase, const void* caseFlags);
    void showHit(size_t byte, size_t count);

    ControlView& view_;
    uint32_t sizeLimit_;        // invariant: 1 <= sizeLimit_ <= maxDataSize
    ByteStore store_;           // invariant: 1 <= size <= sizeLimit_, 2 x size = positions_.nibbleCount
    PositionModel positions_;
    HistoryList history_;
    ChangeMap changes_;
    bool readOnly_ = false;
    bool modified_ = false;
    void (*notifyChanged_)() = nullptr;  // never null
    int tabSize_ = 4;           // invariant: at least 1
};
