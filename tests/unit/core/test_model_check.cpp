// Randomized check of ControlModel against a plain reference (a vector plus caret, view,
// selection, bookmarks and undo records), with the position invariants, the scroll bar and the
// drawn page checked after every step; documents opened on sources and rebased as after a save
// between the edits, their regions against the base and snapshots checked as well.
// QX_SEED=<n> runs another sequence; QX_MODEL_STEPS=<n> sets the length.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <vector>

#include "common/AError.h"
#include "tests/unit/core/RebuiltFromChanges.h"
#include "tests/unit/core/RecordingView.h"
#include "tests/unit/core/TestSources.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Overflow {};

// The rules written out plainly, one step at a time, over a std::vector.
struct Reference {
    Bytes data{0};
    int caret = 0, top = 0, page = 1, selB = -1, selE = -1;
    std::array<int, 10> marks{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    struct Record {
        int caretBefore, editPos;
        Bytes removed, inserted;
    };
    std::vector<Record> done, undone;  // undone.back() is redone next
    bool readOnly = false, modified = false;
    int tab = 4, beeps = 0, notes = 0;
    size_t limit;

    explicit Reference(size_t sizeLimit) : limit(sizeLimit) {}

    int N() const { return static_cast<int>(2 * data.size()); }
    int lines() const { return (N() + 31) / 32; }
    int bottomNibble(int t) const { return static_cast<int>(std::min<int64_t>(N(), 32LL * (t + page))); }

    void setTop(int t)
    {
        top = std::max(0, std::min(t, lines() - page));
        const int column = caret % 32;
        if (caret >= bottomNibble(top))
            caret = (std::min(lines(), top + page) - 1) * 32 + column;
        if (caret < 32 * top)
            caret = 32 * top + column;
        caret = std::min(caret, N() - 1);
    }
    void setCaret(int p)
    {
        caret = p;
        if (p < 32 * top)
            setTop(p / 32);
        else if (p >= bottomNibble(top))
            setTop(std::max(0, p / 32 + 1 - page));
    }
    bool refuse()
    {
        ++beeps;
        return false;
    }
    bool move(int kind)
    {
        const int n = N();
        switch (kind) {
        case 0: if (caret + 32 >= n) return refuse(); setCaret(caret + 32); return true;
        case 1: if (caret < 32) return refuse(); setCaret(caret - 32); return true;
        case 2: if (caret == 0) return refuse(); setCaret(caret - 1); return true;
        case 3: if (caret + 1 == n) return refuse(); setCaret(caret + 1); return true;
        case 4: setCaret(caret - caret % 32); return true;
        default: setCaret(std::min(caret - caret % 32 + 31, n - 1)); return true;
        }
    }

    void splice(int pos, size_t remove, const Bytes& put)
    {
        const int s = pos & ~1;
        const int64_t e = s + 2 * static_cast<int64_t>(remove);
        const size_t k = static_cast<size_t>(pos) >> 1;
        const int oldN = N();
        data.erase(data.begin() + static_cast<ptrdiff_t>(k), data.begin() + static_cast<ptrdiff_t>(k + remove));
        data.insert(data.begin() + static_cast<ptrdiff_t>(k), put.begin(), put.end());
        const int n = N();
        const int64_t delta = n - oldN;
        if (delta == 0 && e == s + 2)
            return;
        if (caret >= s)
            caret = static_cast<int>(std::min<int64_t>(caret < e ? s : caret + delta, n - 1));
        int t = std::max(0, std::min(top, lines() - page));
        if (caret < 32 * t)
            t = caret / 32;
        if (caret >= bottomNibble(t))
            t = caret / 32 + 1 - page;
        top = t;
        if (selB >= 0) {
            const int64_t b = std::min<int64_t>(selB < s ? selB : selB < e ? e + delta : selB + delta, n);
            const int64_t en = std::min<int64_t>(selE <= s ? selE : selE <= e ? s : selE + delta, n);
            selB = en <= b ? -1 : static_cast<int>(b);
            selE = en <= b ? -1 : static_cast<int>(en);
        }
        for (int& mark : marks) {
            if (mark < 0)
                continue;
            const int64_t mapped = mark < s ? mark : mark < e ? -1 : mark + delta;
            mark = mapped >= n ? -1 : static_cast<int>(mapped);
        }
    }
    void checkSize(size_t remove, size_t insert) const
    {
        if (insert > limit || data.size() - remove + insert > limit)
            throw Overflow();
    }
    void recordEdit(int pos, size_t remove, const Bytes& put)
    {
        checkSize(remove, put.size());
        const size_t k = static_cast<size_t>(pos) >> 1;
        Record record{caret, pos, Bytes(data.begin() + static_cast<ptrdiff_t>(k),
                                        data.begin() + static_cast<ptrdiff_t>(k + remove)), put};
        splice(pos, remove, put);
        const bool flagsChange = done.empty() || !undone.empty();
        undone.clear();
        done.push_back(std::move(record));
        notes += flagsChange;
    }
    void edited()
    {
        modified = true;
        ++notes;
    }
    // New data as setData, newData and openSource give it: all else reset.
    void load(Bytes bytes)
    {
        data = bytes.empty() ? Bytes{0} : std::move(bytes);
        caret = top = 0;
        select(-1, -1);
        marks.fill(-1);
        done.clear();
        undone.clear();
        modified = false;
        notes += 2;
    }
    void select(int b, int e)
    {
        selB = b;
        selE = e;
    }
    void stretch(int a)
    {
        if (selB < 0)
            return;
        a &= ~1;
        if (a > selE)
            selE = a;
        else if (a >= 2 && a - 2 < selB)
            selB = a - 2;
    }
    bool find(size_t from, const Bytes& pattern, bool backward)
    {
        const size_t m = pattern.size();
        if (m > data.size())
            return false;
        auto at = [&](size_t k) { return std::equal(pattern.begin(), pattern.end(), data.begin() + static_cast<ptrdiff_t>(k)); };
        if (!backward) {
            for (size_t k = from; k + m <= data.size(); ++k)
                if (at(k))
                    return hit(k, m);
            return false;
        }
        for (int64_t k = std::min<int64_t>(static_cast<int64_t>(from), static_cast<int64_t>(data.size() - m)); k >= 0; --k)
            if (at(static_cast<size_t>(k)))
                return hit(static_cast<size_t>(k), m);
        return false;
    }
    bool hit(size_t k, size_t m)
    {
        setCaret(static_cast<int>(2 * k));
        select(static_cast<int>(2 * k), static_cast<int>(2 * (k + m)));
        return true;
    }
};

unsigned long seedFromEnv(unsigned long fallback)
{
    const char* text = std::getenv("QX_SEED");
    return text && *text ? std::strtoul(text, nullptr, 0) : fallback;
}

class ModelCheck {
public:
    ModelCheck(unsigned long seed, size_t limit) : random_(seed), ref_(limit), model_(view_, static_cast<uint32_t>(limit))
    {
        view_.model = &model_;
        model_.resize(3);
        ref_.page = 3;
    }

    // Runs one random step; returns a description of the first difference, or an empty string.
    std::string step(std::string& what)
    {
        view_.clear();
        ref_.beeps = 0;
        ref_.notes = 0;
        notes_ = 0;
        std::ostringstream op;
        bool expected = true, actual = true, threw = false, refThrew = false;
        auto run = [&](auto&& onModel, auto&& onRef) {
            try {
                expected = onRef();
            } catch (const Overflow&) {
                refThrew = true;
            }
            try {
                actual = onModel();
            } catch (const AOverflowError&) {
                threw = true;
            }
        };
        const int n = ref_.N();
        const int choice = pick(0, 99);
        if (choice < 14) {
            const int digit = pick(0, 15);
            op << "typeDigit(" << digit << ")";
            run([&] { return model_.typeDigit(digit); }, [&] {
                if (ref_.readOnly) return ref_.refuse();
                const uint8_t old = ref_.data[static_cast<size_t>(ref_.caret / 2)];
                const uint8_t typed = ref_.caret & 1 ? uint8_t((old & 0xF0) | digit) : uint8_t((old & 0x0F) | digit << 4);
                ref_.recordEdit(ref_.caret, 1, {typed});
                ref_.move(3);
                ref_.edited();
                return true;
            });
        } else if (choice < 20) {
            const bool shrink = ref_.data.size() > 200;
            op << (shrink || pick(0, 1) ? "deleteByte" : "backSpace");
            if (op.str() == "deleteByte")
                run([&] { return model_.deleteByte(); }, [&] { return refDelete(); });
            else
                run([&] { return model_.backSpace(); }, [&] {
                    if (ref_.readOnly || ref_.caret < 2) return ref_.refuse();
                    ref_.move(2);
                    ref_.move(2);
                    refDelete();
                    return true;
                });
        } else if (choice < 25) {
            op << "insert";
            run([&] { return model_.insert(); }, [&] {
                if (ref_.readOnly) return ref_.refuse();
                ref_.recordEdit(ref_.caret, 0, {0});
                ref_.edited();
                ref_.move(2);
                ref_.move(2);
                return true;
            });
        } else if (choice < 29) {
            op << "space";
            run([&] { return model_.space(); }, [&] {
                if (ref_.readOnly) return ref_.refuse();
                ref_.recordEdit(ref_.caret + 2, 0, {0});
                ref_.edited();
                ref_.move(3);
                ref_.move(3);
                return true;
            });
        } else if (choice < 31) {
            if (pick(0, 3) == 0) {
                const int size = pick(-1, 9);
                model_.setTabSize(size);
                ref_.tab = std::max(size, 1);
            }
            op << "tab(size " << ref_.tab << ")";
            run([&] { return model_.tab(); }, [&] {
                if (ref_.readOnly) return ref_.refuse();
                ref_.recordEdit(ref_.caret, 0, Bytes(static_cast<size_t>(ref_.tab - (ref_.caret / 2) % ref_.tab), 0));
                ref_.edited();
                return true;
            });
        } else if (choice < 35) {
            const int pos = pick(-2, n + 2);
            const Bytes bytes = randomBytes(pick(0, 40) == 0 ? 300 : pick(0, 5));
            const int count = bytes.empty() && pick(0, 1) ? -1 : static_cast<int>(bytes.size());
            op << "insertData(" << pos << ", " << count << " bytes)";
            run([&] { return model_.insertData(pos, bytes.data(), count); }, [&] {
                if (ref_.readOnly) return ref_.refuse();
                if (count <= 0 || pos < 0 || pos > ref_.N()) return false;
                ref_.recordEdit(pos, 0, bytes);
                ref_.edited();
                return true;
            });
        } else if (choice < 36) {
            const Bytes bytes = randomBytes(pick(0, 3) == 0 ? 0 : pick(1, 160));
            const bool fresh = pick(0, 3) == 0;
            op << (fresh ? "newData" : "setData(" + std::to_string(bytes.size()) + " bytes)");
            run([&] { return fresh ? model_.newData() : model_.setData(bytes.data(), static_cast<int>(bytes.size())); },
                [&] {
                    ref_.load(fresh ? Bytes{} : Bytes(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(std::min(bytes.size(), ref_.limit))));
                    return true;
                });
        } else if (choice < 42) {
            const int kind = pick(0, 2);
            op << (kind == 0 ? "selectionBegin" : kind == 1 ? "selectionEnd" : "hideSelection");
            run([&] { return kind == 0 ? model_.selectionBegin() : kind == 1 ? model_.selectionEnd() : model_.hideSelection(); },
                [&] {
                    if (kind == 0) ref_.select(ref_.caret & ~1, (ref_.caret & ~1) + 2);
                    else if (kind == 1) ref_.stretch(ref_.caret + 2);
                    else ref_.select(-1, -1);
                    return true;
                });
        } else if (choice < 46) {
            const int pos = pick(-2, n + 1);
            const int count = pick(0, 20) == 0 ? 0x7FFFFFFF : pick(-1, 12);
            op << "setSelection(" << pos << ", " << count << ")";
            run([&] { return model_.setSelection(pos, count); }, [&] {
                if (count <= 0 || pos < 0) return false;
                const int a = pos & ~1;
                if (a + 2 * int64_t(count) > ref_.N()) return false;
                ref_.select(a, a + 2 * count);
                return true;
            });
        } else if (choice < 50) {
            const bool replace = pick(0, 1);
            const Bytes bytes = randomBytes(pick(0, 4));
            op << (replace ? "replaceSelection(" + std::to_string(bytes.size()) + " bytes)" : "deleteSelection");
            run([&] { return replace ? model_.replaceSelection(bytes.data(), static_cast<int>(bytes.size())) : model_.deleteSelection(); },
                [&] {
                    if (ref_.readOnly) return ref_.refuse();
                    if (ref_.selB < 0) return false;
                    const int b = ref_.selB, e = ref_.selE;
                    const bool whole = b == 0 && e == ref_.N();
                    const Bytes put = replace && !bytes.empty() ? bytes : whole ? Bytes{0} : Bytes{};
                    ref_.checkSize(static_cast<size_t>(e - b) / 2, put.size());
                    ref_.select(-1, -1);
                    ref_.recordEdit(b, static_cast<size_t>(e - b) / 2, put);
                    ref_.edited();
                    return true;
                });
        } else if (choice < 57) {
            op << "undo";
            run([&] { return model_.undo(); }, [&] {
                if (ref_.readOnly || ref_.done.empty()) return ref_.refuse();
                Reference::Record record = std::move(ref_.done.back());
                ref_.done.pop_back();
                ref_.splice(record.editPos, record.inserted.size(), record.removed);
                ref_.setCaret(record.caretBefore);
                ref_.undone.push_back(std::move(record));
                ++ref_.notes;
                return true;
            });
        } else if (choice < 61) {
            op << "redo";
            run([&] { return model_.redo(); }, [&] {
                if (ref_.readOnly || ref_.undone.empty()) return ref_.refuse();
                Reference::Record record = std::move(ref_.undone.back());
                ref_.undone.pop_back();
                ref_.setCaret(record.caretBefore);
                ref_.splice(record.editPos, record.removed.size(), record.inserted);
                ref_.done.push_back(std::move(record));
                ++ref_.notes;
                return true;
            });
        } else if (choice < 62) {
            op << "clearHistory";
            run([&] { return model_.clearHistory(); }, [&] {
                ref_.done.clear();
                ref_.undone.clear();
                ++ref_.notes;
                return true;
            });
        } else if (choice < 72) {
            const int kind = pick(0, 5);
            op << "move(" << kind << ")";
            run([&] {
                switch (kind) {
                case 0: return model_.cursorDown();
                case 1: return model_.cursorUp();
                case 2: return model_.cursorLeft();
                case 3: return model_.cursorRight();
                case 4: return model_.lineTop();
                default: return model_.lineEnd();
                }
            }, [&] { return ref_.move(kind); });
        } else if (choice < 77) {
            const int code = pick(0, 6);
            const int track = pick(0, 9) == 0 ? (pick(0, 1) ? 0x7FFFFFFF : -0x7FFFFFFF - 1) : pick(-2, ref_.lines() + 2);
            op << "scrollView(" << code << ", " << track << ")";
            run([&] { return model_.scrollView(code, track); }, [&] {
                int64_t delta = code == 0 ? -1 : code == 1 ? 1 : code == 2 ? -ref_.page : code == 3 ? ref_.page
                              : code == 5 ? int64_t(track) - ref_.top : 0;
                delta = std::min<int64_t>(delta, ref_.lines() - ref_.top - ref_.page);
                delta = std::max<int64_t>(delta, -ref_.top);
                if (delta)
                    ref_.setTop(ref_.top + static_cast<int>(delta));
                return true;
            });
        } else if (choice < 80) {
            const int pos = pick(0, 9) == 0 ? n - 1 : pick(-2, n + 1);
            const bool view = pick(0, 1);
            op << (view ? "setViewTop(" : "setCaretPos(") << pos << ")";
            run([&] { return view ? model_.setViewTop(pos) : model_.setCaretPos(pos); }, [&] {
                if (pos < 0 || pos >= ref_.N()) return false;
                if (view) ref_.setTop(pos / 32);
                else ref_.setCaret(pos);
                return true;
            });
        } else if (choice < 85) {
            const int slot = pick(-1, 10);
            const int kind = pick(0, 2);
            const int value = kind == 0 ? ref_.caret : pick(-2, n);
            op << (kind == 2 ? "goBookMark(" + std::to_string(slot) : "setBookMark(" + std::to_string(slot) + ", " + std::to_string(value)) << ")";
            run([&] { return kind == 2 ? model_.goBookMark(slot) : model_.setBookMark(slot, value); }, [&] {
                if (slot < 0 || slot > 9) return false;
                if (kind == 2) {
                    if (ref_.marks[static_cast<size_t>(slot)] < 0) return false;
                    ref_.setCaret(ref_.marks[static_cast<size_t>(slot)]);
                    return true;
                }
                if (value != -1 && (value < 0 || value >= ref_.N())) return false;
                ref_.marks[static_cast<size_t>(slot)] = value;
                return true;
            });
        } else if (choice < 93) {
            Bytes pattern;
            if (pick(0, 2) && !ref_.data.empty()) {
                const size_t at = static_cast<size_t>(pick(0, static_cast<int>(ref_.data.size()) - 1));
                const size_t length = std::min<size_t>(static_cast<size_t>(pick(1, 4)), ref_.data.size() - at);
                pattern.assign(ref_.data.begin() + static_cast<ptrdiff_t>(at), ref_.data.begin() + static_cast<ptrdiff_t>(at + length));
            } else {
                pattern = randomBytes(pick(1, 3));
                for (auto& byte : pattern)
                    byte &= 0x03;  // small values, so misses and hits both happen
            }
            const int kind = pick(0, 2);
            const int pos = pick(0, 9) == 0 ? pick(-3, 1) : pick(0, n);
            op << (kind == 0 ? "findFirst(" : kind == 1 ? "findNext(" : "findPrev(") << pos << ", " << pattern.size() << " bytes)";
            const int count = static_cast<int>(pattern.size());
            run([&] {
                return kind == 0 ? model_.findFirst(pos, pattern.data(), count)
                     : kind == 1 ? model_.findNext(pos, pattern.data(), count)
                                 : model_.findPrev(pos, pattern.data(), count);
            }, [&] {
                if (pos < 0) return false;
                if (kind == 2) return pos / 2 == 0 ? false : ref_.find(static_cast<size_t>(pos / 2 - 1), pattern, true);
                return ref_.find(static_cast<size_t>(pos / 2) + (kind == 1), pattern, false);
            });
        } else if (choice < 95) {
            const int lines = pick(-1, 7);
            op << "resize(" << lines << ")";
            run([&] { model_.resize(lines); return true; }, [&] {
                const int page = std::max(lines, 1);
                if (page > ref_.page)
                    ref_.top = std::max(0, std::min(ref_.top, ref_.lines() - page));
                ref_.page = page;
                if (ref_.caret >= ref_.bottomNibble(ref_.top))
                    ref_.caret = (std::min(ref_.lines(), ref_.top + page) - 1) * 32 + ref_.caret % 32;
                return true;
            });
        } else if (choice < 96) {
            const bool value = pick(0, 3) == 0;
            op << "setReadOnly(" << value << ")";
            run([&] { model_.setReadOnly(value); return true; }, [&] { ref_.readOnly = value; return true; });
        } else if (choice < 97) {
            // A save: the bytes as they are become the base; nothing else changes.
            op << "rebase";
            run([&] { return model_.rebase(std::make_shared<SnapshotSource>(model_.snapshot())); }, [] { return true; });
        } else if (choice < 98) {
            const Bytes bytes = randomBytes(pick(0, 3) == 0 ? 0 : pick(1, 160));
            const bool inMemory = pick(0, 1);
            op << "openSource(" << bytes.size() << " bytes" << (inMemory ? ", in memory)" : ")");
            const SourcePtr source = inMemory ? SourcePtr(ChunkOf(bytes)) : std::make_shared<ReadOnlySource>(bytes);
            run([&] { return model_.openSource(source); }, [&] {
                if (bytes.size() > ref_.limit)
                    return false;
                ref_.load(bytes);
                return true;
            });
        } else {
            const bool value = pick(0, 1);
            op << "setModified(" << value << ")";
            run([&] { model_.setModified(value, false); return true; }, [&] { ref_.modified = value; return true; });
        }
        what = op.str();
        return compare(expected, actual, refThrew, threw);
    }

    void countNotifications() { ++notes_; }
    ControlModel& model() { return model_; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    Bytes randomBytes(int count)
    {
        Bytes bytes(static_cast<size_t>(std::max(count, 0)));
        for (auto& byte : bytes)
            byte = static_cast<uint8_t>(pick(0, 3) == 0 ? 0 : pick(0, 255));
        return bytes;
    }
    bool refDelete()
    {
        if (ref_.readOnly || ref_.N() == 2)
            return ref_.refuse();
        ref_.recordEdit(ref_.caret, 1, {});
        ref_.edited();
        return true;
    }

    std::string compare(bool expected, bool actual, bool refThrew, bool threw)
    {
        std::ostringstream out;
        const PositionModel& p = model_.positions();
        Bytes bytes(static_cast<size_t>(model_.dataSize()));
        const bool read = model_.getData(bytes.data(), 0, model_.dataSize());
        if (refThrew != threw)
            out << "overflow raised: model " << threw << ", reference " << refThrew << "; ";
        else if (!threw && expected != actual)
            out << "result " << actual << ", expected " << expected << "; ";
        if (!read || bytes != ref_.data)
            out << "data differ (size " << bytes.size() << ", expected " << ref_.data.size() << "); ";
        if (p.caret != ref_.caret)
            out << "caret " << p.caret << ", expected " << ref_.caret << "; ";
        if (p.topLine != ref_.top || p.pageLines != ref_.page)
            out << "view top " << p.topLine << " page " << p.pageLines << ", expected " << ref_.top << " " << ref_.page << "; ";
        if (p.selBegin != ref_.selB || p.selEnd != ref_.selE)
            out << "selection [" << p.selBegin << ", " << p.selEnd << "), expected [" << ref_.selB << ", " << ref_.selE << "); ";
        for (size_t slot = 0; slot < 10; ++slot)
            if (p.bookmarks[slot] != ref_.marks[slot])
                out << "bookmark " << slot << " " << p.bookmarks[slot] << ", expected " << ref_.marks[slot] << "; ";
        if (model_.canUndo() != !ref_.done.empty() || model_.canRedo() != !ref_.undone.empty())
            out << "undo flags " << model_.canUndo() << model_.canRedo() << "; ";
        if (model_.isModified() != ref_.modified)
            out << "modified " << model_.isModified() << "; ";
        if (view_.beeps != ref_.beeps)
            out << "beeps " << view_.beeps << ", expected " << ref_.beeps << "; ";
        if (notes_ != ref_.notes)
            out << "notifications " << notes_ << ", expected " << ref_.notes << "; ";
        if (!changesRebuildTheData(bytes))
            out << "the changes since the mark do not rebuild the data; ";
        if (!baseChangesRebuildTheData(bytes))
            out << "the changes against the base do not rebuild the data; ";
        if (!snapshotStaysAsTaken(bytes))
            out << "a snapshot changed with the data; ";
        if (const char* broken = p.brokenInvariant())
            out << "invariant: " << broken << "; ";
        if (!view_.problem.empty())
            out << "view: " << view_.problem << "; ";
        if (view_.hideDepth != 0)
            out << "caret left hidden " << view_.hideDepth << " times; ";
        if (view_.updates.size() > 1)
            out << view_.updates.size() << " scroll-bar updates; ";
        if (!view_.barMatches())
            out << "scroll bar max " << view_.bar.max << " page " << view_.bar.page << " pos " << view_.bar.pos << " out of step; ";
        if (const int row = view_.staleRow(); row >= 0)
            out << "page row " << row << " shows \"" << view_.rows[static_cast<size_t>(row)] << "\", model shows \""
                << view_.render(p.topLine + row) << "\"; ";
        return out.str();
    }

    // Today's data is rebuilt from the base by the regions that differ from it.
    bool baseChangesRebuildTheData(const Bytes& now) const
    {
        Bytes base;
        if (const SourcePtr& source = model_.base()) {
            base.resize(static_cast<size_t>(source->size()));
            if (!source->read(0, base.data(), base.size()))
                return false;
        }
        return RebuiltFromChanges(base, now, model_.baseChanges()) == now;
    }

    // A snapshot reads as the data did when it was taken; now and then a new one is taken.
    bool snapshotStaysAsTaken(const Bytes& now)
    {
        Bytes read(static_cast<size_t>(snapshot_.size()));
        const bool same = snapshot_.read(0, read.data(), read.size()) && read == snapshotBytes_;
        if (pick(0, 30) == 0) {
            snapshot_ = model_.snapshot();
            snapshotBytes_ = now;
        }
        return same;
    }

    // Today's data is rebuilt from the mark by the changes; now and then it becomes the mark.
    bool changesRebuildTheData(const Bytes& now)
    {
        const bool rebuilt = RebuiltFromChanges(marked_, now, model_.changes().regions()) == now;
        if (pick(0, 40) == 0) {
            model_.clearChanges();
            marked_ = now;
        }
        return rebuilt;
    }

    std::mt19937 random_;
    Bytes marked_{0};
    PieceTable snapshot_;
    Bytes snapshotBytes_;
    RecordingView view_;
    Reference ref_;
    ControlModel model_;
    int notes_ = 0;
};

ModelCheck* current = nullptr;
void countNotification() { current->countNotifications(); }

void runModelCheck(unsigned long seed, long steps, size_t limit)
{
    ModelCheck check(seed, limit);
    current = &check;
    check.model().setNotifyChanged(countNotification);
    std::string what;
    for (long step = 0; step < steps; ++step) {
        const std::string difference = check.step(what);
        if (!difference.empty()) {
            ADD_FAILURE() << "QX_SEED=" << seed << " step " << step << " " << what << ": " << difference;
            break;
        }
    }
    current = nullptr;
}

long stepsFromEnv(long fallback)
{
    const char* text = std::getenv("QX_MODEL_STEPS");
    return text && *text ? std::strtol(text, nullptr, 0) : fallback;
}

TEST(ModelCheck, RandomOperationsAgreeWithThePlainReference)
{
    runModelCheck(seedFromEnv(20261207), stepsFromEnv(120000), 700);
}

TEST(ModelCheck, SmallSizeLimitExercisesTheOverflowPaths)
{
    runModelCheck(seedFromEnv(7) + 1, stepsFromEnv(120000) / 4, 40);
}

} // namespace
