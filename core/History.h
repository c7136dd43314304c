// History: one undo record (the bytes an edit took out and put in, as pieces that point into
// their sources) and the list that files them.
#pragma once
#include <cstdint>

#include "common/_CLi.h"
#include "core/Piece.h"

// A record holds references, not bytes: deleting a whole file and undoing it costs a few pieces,
// and the pieces keep their sources (an older base among them) alive while the record lives.
struct History {
    int64_t caretBefore = 0;  // caret nibble just before the edit
    int64_t editPos = 0;      // nibble position of the edit; its byte is editPos / 2
    PieceList removed;        // what the edit took out
    PieceList inserted;       // what the edit put in
};

// The records split by undoPoint into done records (in front of it) and undone ones (from it on).
// A record being made sits at the front of the list, outside both ranges, until it is filed.
class HistoryList {
public:
    using iterator = _CLi<History>::iterator;

    HistoryList() = default;
    HistoryList(const HistoryList&) = delete;
    HistoryList& operator=(const HistoryList&) = delete;

    [[nodiscard]] bool canUndo() const noexcept { return canUndo_; }
    [[nodiscard]] bool canRedo() const noexcept { return canRedo_; }
    [[nodiscard]] size_t size() const noexcept { return records_.size(); }

    // A new empty record in front of all others.
    iterator beginRecord();
    // keep: drops the undone records and files the record as the last done one; returns whether
    // canUndo or canRedo changed. !keep: the edit failed; the record goes and nothing else changes.
    bool commitRecord(iterator record, bool keep) noexcept;

    // The record the next undo reverts, and the step after it succeeded.
    [[nodiscard]] History& undoRecord() noexcept { return *undoPoint_.prev(); }
    void stepBack() noexcept;
    // The record the next redo repeats, and the step after it succeeded.
    [[nodiscard]] History& redoRecord() noexcept { return *undoPoint_; }
    void stepForward() noexcept;

    void clear() noexcept;

private:
    _CLi<History> records_;
    iterator undoPoint_ = records_.end();
    bool canUndo_ = false;  // invariant: a filed record lies in front of undoPoint_
    bool canRedo_ = false;  // invariant: undoPoint_ is not the end
};
