// ModelControl: the real editing model behind ControlAccess, as the program's commands reach the control.
#pragma once
#include "app/documents/ControlAccess.h"
#include "tests/unit/core/RecordingView.h"

// Each call forwards to the model with the arguments the control's export would pass on.
class ModelControl : public ControlAccess {
public:
    explicit ModelControl(std::vector<uint8_t> bytes, int pageLines = 4) : test_(std::move(bytes), pageLines) {}

    [[nodiscard]] ControlModel& model() noexcept { return test_.model; }
    [[nodiscard]] RecordingView& view() noexcept { return test_.view; }
    [[nodiscard]] std::vector<uint8_t> bytes() const { return test_.bytes(); }

    int dataSize() override { return test_.model.dataSize(); }
    int caretPos() override { return test_.model.caretPos(); }
    bool setCaretPos(int nibble) override { return test_.model.setCaretPos(nibble); }
    int viewTop() override { return test_.model.viewTop(); }
    bool setViewTop(int nibble) override { return test_.model.setViewTop(nibble); }
    int selectionBegin() override { return test_.model.selectionStart(); }
    int selectionSize() override { return test_.model.selectionSize(); }
    bool setSelection(int nibble, int count) override { return test_.model.setSelection(nibble, count); }
    int bookMark(int index) override { return test_.model.bookMark(index); }
    bool setBookMark(int index, int nibble) override { return test_.model.setBookMark(index, nibble); }
    bool findFirst(int nibble, const uint8_t* pattern, int count) override
    {
        return test_.model.findFirst(nibble, pattern, count);
    }
    bool findNext(int nibble, const uint8_t* pattern, int count) override
    {
        return test_.model.findNext(nibble, pattern, count);
    }
    bool findPrev(int nibble, const uint8_t* pattern, int count) override
    {
        return test_.model.findPrev(nibble, pattern, count);
    }
    bool findCaseless(FindDirection direction, int nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                      int count) override
    {
        const auto from = direction == FindDirection::First  ? ControlModel::FindFrom::Nibble
                          : direction == FindDirection::Next ? ControlModel::FindFrom::After
                                                             : ControlModel::FindFrom::Before;
        return test_.model.findEitherCase(from, nibble, pattern, caseFlags, count);
    }
    bool replaceSelection(const uint8_t* bytes, int count) override
    {
        return test_.model.replaceSelection(bytes, count);
    }

private:
    TestControl test_;
};
