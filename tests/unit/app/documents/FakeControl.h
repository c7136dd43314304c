// FakeControl: an in-memory editing control behind ControlAccess, with the control's search,
// selection and replacement rules (ControlAccessSuite holds it to them), counting the searches
// and replacements asked of it.
// A document past 4 GiB is `lead_` bytes that are not stored, then data_: the lead reads as
// 0xFF bytes no test pattern holds, and searches step over it at once.
#pragma once
#include "app/documents/ControlAccess.h"

#include <algorithm>
#include <array>
#include <vector>

class FakeControl : public ControlAccess {
public:
    explicit FakeControl(std::vector<uint8_t> data, int64_t lead = 0) : data_(std::move(data)), lead_(lead)
    {
        bookmarks_.fill(-1);
    }

    std::vector<uint8_t> data_;
    int64_t lead_;
    int64_t caret_ = 0, viewTop_ = 0, selBegin_ = -1, selEnd_ = -1;
    std::array<int64_t, 10> bookmarks_{};
    bool readOnly_ = false;
    bool readFails_ = false;  // every search meets bytes it cannot read
    int findCalls_ = 0, replaceCalls_ = 0;

    int64_t dataSize() override { return size(); }
    int64_t caretPos() override { return caret_; }
    bool setCaretPos(int64_t nibble) override { return inside(nibble) && (caret_ = nibble, true); }
    int64_t viewTop() override { return viewTop_; }
    bool setViewTop(int64_t nibble) override { return inside(nibble) && (viewTop_ = nibble / 32 * 32, true); }
    int64_t selectionBegin() override { return selBegin_; }
    int64_t selectionSize() override { return selBegin_ < 0 ? 0 : (selEnd_ - selBegin_) / 2; }
    bool setSelection(int64_t nibble, int64_t count) override
    {
        if (count <= 0 || nibble < 0 || (nibble & ~1) + 2 * count > 2 * dataSize())
            return false;
        selBegin_ = nibble & ~1;
        selEnd_ = selBegin_ + 2 * count;
        return true;
    }
    int64_t bookMark(int index) override { return index < 0 || index > 9 ? -1 : bookmarks_[index]; }
    bool setBookMark(int index, int64_t nibble) override
    {
        return index >= 0 && index <= 9 && (nibble == -1 || inside(nibble)) && (bookmarks_[index] = nibble, true);
    }

    FindResult find(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count, FindMatch match,
                    const uint8_t* flags) override
    {
        ++findCalls_;
        if (readFails_)
            return FindResult::Failed;
        return scan(direction, nibble, pattern, count, match, flags) ? FindResult::Found : FindResult::NotFound;
    }

    bool replaceSelection(const uint8_t* bytes, int count) override
    {
        ++replaceCalls_;
        if (readOnly_ || selBegin_ < 0 || selBegin_ / 2 < lead_)
            return false;
        const int64_t begin = selBegin_ / 2, end = selEnd_ / 2;
        std::vector<uint8_t> inserted(bytes, bytes + count);
        if (begin == 0 && end == dataSize() && count == 0)
            inserted.assign(1, 0x00);  // the data keeps one byte
        data_.erase(data_.begin() + (begin - lead_), data_.begin() + (end - lead_));
        data_.insert(data_.begin() + (begin - lead_), inserted.begin(), inserted.end());
        if (caret_ >= 2 * end)
            caret_ += 2 * (static_cast<int64_t>(inserted.size()) - (end - begin));
        else if (caret_ >= 2 * begin)
            caret_ = 2 * begin;
        selBegin_ = selEnd_ = -1;
        return true;
    }

private:
    int64_t size() const { return lead_ + static_cast<int64_t>(data_.size()); }
    bool inside(int64_t nibble) const { return nibble >= 0 && nibble < 2 * size(); }
    uint8_t at(int64_t byte) const { return byte < lead_ ? 0xFF : data_[static_cast<size_t>(byte - lead_)]; }
    // EitherCase: a pattern byte that is an ASCII letter matches either case where its flag is
    // set (every one without flags); Masked: the bits of each byte's mask must match.
    bool scan(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count, FindMatch match,
              const uint8_t* flags)
    {
        const auto lower = [](uint8_t byte) { return byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte; };
        const auto matchesAt = [&](int64_t k) {
            for (int i = 0; i < count; ++i) {
                const uint8_t want = pattern[i], have = at(k + i);
                if (match == FindMatch::Masked) {
                    if (((want ^ have) & flags[i]) != 0)
                        return false;
                    continue;
                }
                const bool letter = lower(want) >= 'a' && lower(want) <= 'z';
                const bool fold = match == FindMatch::EitherCase;
                if (fold && letter && (!flags || flags[i]) ? lower(want) != lower(have) : want != have)
                    return false;
            }
            return true;
        };
        if (count <= 0)
            return false;
        const int64_t firstStored = std::max<int64_t>(0, lead_ - count + 1);
        if (direction == FindDirection::Prev) {
            for (int64_t k = std::min(nibble / 2 - 1, dataSize() - count); k >= firstStored; --k)
                if (matchesAt(k))
                    return hit(k, count);
            return false;
        }
        for (int64_t k = std::max(firstStored, nibble / 2 + (direction == FindDirection::Next ? 1 : 0));
             k <= dataSize() - count; ++k)
            if (matchesAt(k))
                return hit(k, count);
        return false;
    }
    bool hit(int64_t k, int count)
    {
        caret_ = 2 * k;
        return setSelection(caret_, count);
    }
};
