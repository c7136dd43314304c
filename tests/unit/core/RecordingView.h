// RecordingView: a ControlView for the model's tests. It records every call, keeps the scroll bar
// and a text picture of the page up to date from the model the way the control's window does,
// and notes the first moment the model is seen in a state the window could not draw.
#pragma once
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <new>
#include <string>
#include <vector>

#include "core/ControlModel.h"
#include "core/ScrollMapping.h"

class RecordingView : public ControlView {
public:
    const ControlModel* model = nullptr;  // set once the model exists; enables the checks

    int beeps = 0;
    int hideDepth = 0;
    int placed = 0;
    std::vector<std::string> log;        // the calls since the last clear(), in order
    std::vector<LineDamage> damages;
    std::vector<ScrollBarFields> updates;
    ScrollBarFields bar;                 // the bar as the updates left it
    std::vector<std::string> rows;       // the drawn page, one text per page row
    std::string problem;                 // first inconsistency seen, empty when none
    bool paintingFails = false;          // applyDamage throws, as a paint without memory does

    void clear()
    {
        beeps = placed = 0;
        log.clear();
        damages.clear();
        updates.clear();
    }

    void beep() override
    {
        ++beeps;
        log.push_back("beep");
    }
    void hideCaret() override
    {
        ++hideDepth;
        log.push_back("hide");
    }
    void showCaret() override
    {
        if (--hideDepth < 0)
            note("caret shown more often than hidden");
        log.push_back("show");
    }
    void placeCaret() override
    {
        ++placed;
        log.push_back("place");
        if (hideDepth <= 0)
            note("caret placed while shown");
        checkModel("placeCaret");
    }
    void applyDamage(const LineDamage& damage) override
    {
        if (paintingFails)
            throw std::bad_alloc();
        damages.push_back(damage);
        log.push_back("damage " + std::to_string(damage.scrolledLines) + " " + std::to_string(damage.firstLine) + " "
                      + std::to_string(damage.endLine));
        if (hideDepth <= 0)
            note("painted while the caret is shown");
        if (!model)
            return;
        checkModel("applyDamage");
        const PositionModel& p = model->positions();
        if (rows.size() != static_cast<size_t>(p.pageLines))
            rows.assign(static_cast<size_t>(p.pageLines), "?");
        const int64_t scrolled = damage.scrolledLines;
        const int64_t pageLines = p.pageLines;
        if (scrolled != 0 && scrolled < pageLines && -scrolled < pageLines) {
            std::vector<std::string> moved(rows.size(), "?");  // uncovered rows hold stale pixels
            for (int64_t row = 0; row < pageLines; ++row) {
                const int64_t from = row + scrolled;
                if (from >= 0 && from < pageLines)
                    moved[static_cast<size_t>(row)] = rows[static_cast<size_t>(from)];
            }
            rows.swap(moved);
        } else if (scrolled != 0) {
            rows.assign(rows.size(), "?");
        }
        if (damage.hasLines()) {
            for (int64_t line = damage.firstLine; line < damage.endLine; ++line)
                if (line >= p.topLine && line < p.topLine + pageLines)
                    rows[static_cast<size_t>(line - p.topLine)] = render(line);
        }
    }
    void invalidate(bool erase) override
    {
        log.push_back(erase ? "invalidate erase" : "invalidate");
        if (!model)
            return;
        checkModel("invalidate");
        const PositionModel& p = model->positions();
        rows.assign(static_cast<size_t>(p.pageLines), "");
        for (int64_t row = 0; row < p.pageLines; ++row)
            rows[static_cast<size_t>(row)] = render(p.topLine + row);
    }
    void setScrollBar(const ScrollBarFields& fields) override
    {
        updates.push_back(fields);
        log.push_back("bar " + std::to_string(fields.mask));
        if (fields.mask & ScrollBarFields::Range) {
            bar.min = fields.min;
            bar.max = fields.max;
        }
        if (fields.mask & ScrollBarFields::Page)
            bar.page = fields.page;
        if (fields.mask & ScrollBarFields::Position)
            bar.pos = fields.pos;
        bar.mask |= fields.mask;
    }

    // What the window shows for an absolute line: offset, bytes with selection marks, bookmark mark.
    [[nodiscard]] std::string render(int64_t line) const
    {
        const PositionModel& p = model->positions();
        if (line >= p.lineCount)
            return "";
        std::string text;
        for (const int64_t bookmark : p.bookmarks)
            if (bookmark >= 0 && bookmark / 32 == line)
                text = "#";
        text += std::to_string(line * 16) + ":";
        const uint64_t first = static_cast<uint64_t>(line) * 16;
        const size_t count = static_cast<size_t>(std::min<uint64_t>(16, model->dataSize64() - first));
        uint8_t bytes[16];
        if (!model->copyBytes(first, count, bytes))
            return text + " unreadable";
        for (size_t i = 0; i < count; ++i) {
            const int64_t nibble = static_cast<int64_t>(2 * (first + i));
            const bool selected = p.hasSelection() && nibble >= p.selBegin && nibble < p.selEnd;
            char cell[8];
            std::snprintf(cell, sizeof cell, "%c%02X", selected ? '*' : ' ', bytes[i]);
            text += cell;
        }
        return text;
    }

    // The first page row whose picture differs from what the model shows now, or -1.
    [[nodiscard]] int staleRow() const
    {
        const PositionModel& p = model->positions();
        if (rows.size() != static_cast<size_t>(p.pageLines))
            return 0;
        for (int64_t row = 0; row < p.pageLines; ++row)
            if (rows[static_cast<size_t>(row)] != render(p.topLine + row))
                return static_cast<int>(row);
        return -1;
    }

    // The bar agrees with the model: range 0 .. lineCount - 1, page, position topLine (mapped
    // in proportion for more lines than the bar holds).
    [[nodiscard]] bool barMatches() const
    {
        const PositionModel& p = model->positions();
        return bar.mask == (ScrollBarFields::Range | ScrollBarFields::Page | ScrollBarFields::Position)
            && bar.min == 0 && bar.max == ScrollMapping::Range(p) && bar.page == ScrollMapping::Page(p)
            && bar.pos == ScrollMapping::Position(p);
    }

private:
    void note(const std::string& what)
    {
        if (problem.empty())
            problem = what;
    }
    void checkModel(const char* where)
    {
        if (!model)
            return;
        if (const char* broken = model->positions().brokenInvariant())
            note(std::string(where) + ": " + broken);
    }
};

// A model over a RecordingView, laid out with a page of pageLines lines and loaded with bytes;
// the recordings start empty.
struct TestControl {
    RecordingView view;
    ControlModel model;

    explicit TestControl(std::vector<uint8_t> bytes = {0}, int pageLines = 4, uint64_t sizeLimit = ControlModel::maxDataSize)
        : model(view, sizeLimit)
    {
        view.model = &model;
        model.resize(pageLines);
        model.setData(bytes.data(), static_cast<int>(bytes.size()));
        view.clear();
    }
    [[nodiscard]] std::vector<uint8_t> bytes() const
    {
        std::vector<uint8_t> out(static_cast<size_t>(model.dataSize64()));
        if (!model.copyBytes(0, out.size(), out.data()))
            out.clear();  // unreadable data matches no expected bytes
        return out;
    }
    [[nodiscard]] const PositionModel& p() const { return model.positions(); }
};

// n bytes counting up from 0.
inline std::vector<uint8_t> countingBytes(size_t n)
{
    std::vector<uint8_t> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<uint8_t>(i);
    return out;
}
