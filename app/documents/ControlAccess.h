// ControlAccess: the editing control's operations as the program's commands use them.
#pragma once
#include <cstdint>

enum class FindDirection { First, Next, Prev };

// The program reaches the control only through its exports; commands that must be tested
// without a window take this interface instead. The Windows side passes an adapter over the
// bound exports, tests a plain in-memory model. Positions are nibbles, counts bytes.
class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    virtual int dataSize() = 0;                   // bytes, at least 1
    virtual int caretPos() = 0;
    virtual bool setCaretPos(int nibble) = 0;     // refused outside the data
    virtual int viewTop() = 0;
    virtual bool setViewTop(int nibble) = 0;
    virtual int selectionBegin() = 0;             // -1 when nothing is selected
    virtual int selectionSize() = 0;              // bytes, 0 when nothing is selected
    virtual bool setSelection(int nibble, int count) = 0;
    virtual int bookMark(int index) = 0;          // -1 when unset
    virtual bool setBookMark(int index, int nibble) = 0;

    // On a hit the caret goes to the match's first nibble and the match is selected.
    // First searches from the byte holding `nibble`, Next from the byte after it, Prev
    // backwards from the byte before it.
    virtual bool findFirst(int nibble, const uint8_t* pattern, int count) = 0;
    virtual bool findNext(int nibble, const uint8_t* pattern, int count) = 0;
    virtual bool findPrev(int nibble, const uint8_t* pattern, int count) = 0;
    // The same searches, in which a pattern byte that is an ASCII letter matches either case
    // where its byte in `caseFlags` (null: every byte) is nonzero.
    virtual bool findCaseless(FindDirection direction, int nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                              int count) = 0;

    // One undoable step; false when nothing is selected or the data is read-only.
    virtual bool replaceSelection(const uint8_t* bytes, int count) = 0;
};
