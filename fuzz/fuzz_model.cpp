// Fuzz target: operation scripts run through ControlModel. Each op is one code byte and its
// argument bytes; after every op the position invariants, the drawn page and the scroll bar must
// agree with the model, and at the end undoing everything must give back the last loaded bytes
// and redoing everything the bytes of the last record. Documents are also opened on sources and
// rebased as after a save.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/AError.h"
#include "tests/unit/core/RecordingView.h"
#include "tests/unit/core/TestSources.h"

namespace {

class Script {
public:
    Script(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    [[nodiscard]] bool done() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    int number()  // small values mostly, the edges of int sometimes
    {
        const uint8_t b = byte();
        if (b == 0xFF)
            return 0x7FFFFFFF;
        if (b == 0xFE)
            return -0x7FFFFFFF - 1;
        return static_cast<int>(b) * 2 - 20;
    }
    std::vector<uint8_t> bytes()
    {
        std::vector<uint8_t> out(byte() % 12);
        for (auto& b : out)
            b = byte() & 0x0F;  // few distinct values, so searches hit
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void fail(const char* what, int op)
{
    std::fprintf(stderr, "fuzz_model: %s after op %d\n", what, op);
    std::abort();
}

std::vector<uint8_t> contents(const ControlModel& model)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(model.dataSize64()));
    if (!model.getData(bytes.data(), 0, static_cast<int64_t>(bytes.size())))
        fail("getData of the whole data refused", -1);
    return bytes;
}

void check(const RecordingView& view, const ControlModel& model, int op)
{
    if (const char* broken = model.positions().brokenInvariant())
        fail(broken, op);
    if (!view.problem.empty())
        fail(view.problem.c_str(), op);
    if (view.hideDepth != 0)
        fail("caret left hidden", op);
    if (!view.barMatches())
        fail("scroll bar out of step", op);
    if (view.staleRow() >= 0)
        fail("page not redrawn", op);
}

void run(ControlModel& model, Script& script, std::vector<uint8_t>& loaded)
{
    const uint8_t code = script.byte();
    switch (code % 32) {
    case 0: model.typeDigit(script.byte() % 16); break;
    case 1: model.deleteByte(); break;
    case 2: model.backSpace(); break;
    case 3: model.insert(); break;
    case 4: model.space(); break;
    case 5: model.setTabSize(script.number()); model.tab(); break;
    case 6: { const int at = script.number(); auto b = script.bytes(); model.insertData(at, b.data(), static_cast<int>(b.size())); break; }
    case 7: { auto b = script.bytes(); b.resize(b.size() * 7); model.setData(b.data(), static_cast<int>(b.size())); loaded = contents(model); break; }
    case 8:
        if (code & 0x20)
            model.openSource(std::make_shared<ReadOnlySource>(script.bytes()));
        else
            model.newData();
        loaded = contents(model);
        break;
    case 9: model.selectionBegin(); break;
    case 10: model.selectionEnd(); break;
    case 11: model.hideSelection(); break;
    case 12: { const int at = script.number(); model.setSelection(at, script.number()); break; }
    case 13: model.deleteSelection(); break;
    case 14: { auto b = script.bytes(); model.replaceSelection(b.data(), static_cast<int>(b.size())); break; }
    case 15: model.undo(); break;
    case 16: model.redo(); break;
    case 17:
        if (code & 0x20) {
            model.rebase(std::make_shared<SnapshotSource>(model.snapshot()));  // a save: the history stays
        } else {
            model.clearHistory();
            loaded = contents(model);
        }
        break;
    case 18: model.cursorDown(); break;
    case 19: model.cursorUp(); break;
    case 20: model.cursorLeft(); break;
    case 21: model.cursorRight(); break;
    case 22: if (code & 0x20) model.lineTop(); else model.lineEnd(); break;
    case 23: if (code & 0x20) model.pageUp(); else model.pageDown(); break;
    case 24: { const int kind = script.byte() % 8; model.scrollView(kind, script.number()); break; }
    case 25: model.setCaretPos(script.number()); break;
    case 26: model.setViewTop(script.number()); break;
    case 27: { const int slot = script.number(); model.setBookMark(slot, script.number()); break; }
    case 28: model.goBookMark(script.number()); break;
    case 29: {
        const int at = script.number();
        auto b = script.bytes();
        const int count = static_cast<int>(b.size());
        if (code & 0x20) model.findPrev(at, b.data(), count);
        else if (code & 0x40) model.findNext(at, b.data(), count);
        else model.findFirst(at, b.data(), count);
        break;
    }
    case 30: model.resize(script.byte() % 9); break;
    default: model.setReadOnly((code & 0xE0) == 0xE0); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RecordingView view;
    ControlModel model(view, 300);
    view.model = &model;
    model.resize(4);
    Script script(data, size);
    std::vector<uint8_t> loaded = contents(model);
    for (int op = 0; !script.done() && op < 2000; ++op) {
        try {
            run(model, script, loaded);
        } catch (const AOverflowError&) {
        }
        check(view, model, op);
    }

    model.setReadOnly(false);
    while (model.canRedo())
        model.redo();
    const std::vector<uint8_t> final = contents(model);
    while (model.canUndo())
        model.undo();
    if (contents(model) != loaded)
        fail("undoing every record does not give back the loaded bytes", -1);
    while (model.canRedo())
        model.redo();
    if (contents(model) != final)
        fail("redoing every record does not give back the final bytes", -1);
    check(view, model, -1);
    return 0;
}
