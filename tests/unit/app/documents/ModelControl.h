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

    int64_t dataSize() override { return static_cast<int64_t>(test_.model.dataSize64()); }
    int64_t caretPos() override { return test_.model.caretPos64(); }
    bool setCaretPos(int64_t nibble) override { return test_.model.setCaretPos(nibble); }
    int64_t viewTop() override { return test_.model.viewTop64(); }
    bool setViewTop(int64_t nibble) override { return test_.model.setViewTop(nibble); }
    int64_t selectionBegin() override { return test_.model.selectionStart64(); }
    int64_t selectionSize() override { return test_.model.selectionSize64(); }
    bool setSelection(int64_t nibble, int64_t count) override { return test_.model.setSelection(nibble, count); }
    int64_t bookMark(int index) override { return test_.model.bookMark64(index); }
    bool setBookMark(int index, int64_t nibble) override { return test_.model.setBookMark(index, nibble); }
    FindResult find(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count, FindMatch match,
                    const uint8_t* flags) override
    {
        const auto from = direction == FindDirection::First  ? ControlModel::FindFrom::Nibble
                          : direction == FindDirection::Next ? ControlModel::FindFrom::After
                                                             : ControlModel::FindFrom::Before;
        const bool caseless = match == FindMatch::EitherCase;
        switch (match == FindMatch::Masked ? test_.model.findMasked(from, nibble, pattern, flags, count)
                                           : test_.model.find(from, nibble, pattern, count, caseless,
                                                              caseless ? flags : nullptr)) {
        case ControlModel::Found::Hit:
            return FindResult::Found;
        case ControlModel::Found::Miss:
            return FindResult::NotFound;
        default:
            return FindResult::Failed;
        }
    }
    bool replaceSelection(const uint8_t* bytes, int count) override
    {
        return test_.model.replaceSelection(bytes, count);
    }

private:
    TestControl test_;
};
