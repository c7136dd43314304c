// ControlAccess: the editing control's operations as the program's commands use them.
#pragma once
#include <cstdint>

enum class FindDirection { First, Next, Prev };

// What a search came to: a miss is not a failure; Failed means the search met bytes of the
// document it could not read (the file under it failed), so a miss cannot be told.
enum class FindResult { Found, NotFound, Failed };
// How the pattern's bytes match: exactly; ASCII letters of either case where flagged; or
// by the bits a mask per byte names (0xF0: the high digit known, 0: any byte).
enum class FindMatch { Exact, EitherCase, Masked };

// The program reaches the control only through its exports; commands that must be tested
// without a window take this interface instead. The Windows side passes an adapter over the
// bound exports, tests a plain in-memory model. Positions are 64-bit nibbles, counts bytes, so
// every position of a document of any size passes unchanged.
class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    virtual int64_t dataSize() = 0;               // bytes, at least 1
    virtual int64_t caretPos() = 0;
    virtual bool setCaretPos(int64_t nibble) = 0;  // refused outside the data
    virtual int64_t viewTop() = 0;
    virtual bool setViewTop(int64_t nibble) = 0;
    virtual int64_t selectionBegin() = 0;          // -1 when nothing is selected
    virtual int64_t selectionSize() = 0;           // bytes, 0 when nothing is selected
    virtual bool setSelection(int64_t nibble, int64_t count) = 0;
    virtual int64_t bookMark(int index) = 0;       // -1 when unset
    virtual bool setBookMark(int index, int64_t nibble) = 0;

    // On a hit the caret goes to the match's first nibble and the match is selected.
    // First searches from the byte holding `nibble`, Next from the byte after it, Prev
    // backwards from the byte before it. With EitherCase, a pattern byte that is an ASCII
    // letter matches either case where its byte in `flags` (null: every byte) is nonzero; with
    // Masked, `flags` holds a mask per pattern byte.
    virtual FindResult find(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count,
                            FindMatch match, const uint8_t* flags) = 0;

    // One undoable step; false when nothing is selected or the data is read-only.
    virtual bool replaceSelection(const uint8_t* bytes, int count) = 0;

    // The searches as yes/no questions.
    bool findFirst(int64_t nibble, const uint8_t* pattern, int count)
    {
        return find(FindDirection::First, nibble, pattern, count, FindMatch::Exact, nullptr) == FindResult::Found;
    }
    bool findNext(int64_t nibble, const uint8_t* pattern, int count)
    {
        return find(FindDirection::Next, nibble, pattern, count, FindMatch::Exact, nullptr) == FindResult::Found;
    }
    bool findPrev(int64_t nibble, const uint8_t* pattern, int count)
    {
        return find(FindDirection::Prev, nibble, pattern, count, FindMatch::Exact, nullptr) == FindResult::Found;
    }
    bool findCaseless(FindDirection direction, int64_t nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                      int count)
    {
        return find(direction, nibble, pattern, count, FindMatch::EitherCase, caseFlags) == FindResult::Found;
    }
};
