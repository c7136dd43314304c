// FakeControl: an in-memory editing control behind ControlAccess, with the control's search,
// selection and replacement rules (ControlAccessSuite holds it to them), counting the searches
// and replacements asked of it.
#pragma once
#include "app/documents/ControlAccess.h"

#include <algorithm>
#include <array>
#include <vector>

class FakeControl : public ControlAccess {
public:
    explicit FakeControl(std::vector<uint8_t> data) : data_(std::move(data)) { bookmarks_.fill(-1); }

    std::vector<uint8_t> data_;
    int caret_ = 0, viewTop_ = 0, selBegin_ = -1, selEnd_ = -1;
    std::array<int, 10> bookmarks_{};
    bool readOnly_ = false;
    int findCalls_ = 0, replaceCalls_ = 0;

    int dataSize() override { return static_cast<int>(data_.size()); }
    int caretPos() override { return caret_; }
    bool setCaretPos(int nibble) override { return inside(nibble) && (caret_ = nibble, true); }
    int viewTop() override { return viewTop_; }
    bool setViewTop(int nibble) override { return inside(nibble) && (viewTop_ = nibble / 32 * 32, true); }
    int selectionBegin() override { return selBegin_; }
    int selectionSize() override { return selBegin_ < 0 ? 0 : (selEnd_ - selBegin_) / 2; }
    bool setSelection(int nibble, int count) override
    {
        if (count <= 0 || nibble < 0 || (nibble & ~1) + 2LL * count > 2LL * dataSize())
            return false;
        selBegin_ = nibble & ~1;
        selEnd_ = selBegin_ + 2 * count;
        return true;
    }
    int bookMark(int index) override { return index < 0 || index > 9 ? -1 : bookmarks_[index]; }
    bool setBookMark(int index, int nibble) override
    {
        return index >= 0 && index <= 9 && (nibble == -1 || inside(nibble)) && (bookmarks_[index] = nibble, true);
    }

    bool findFirst(int nibble, const uint8_t* pattern, int count) override
    {
        return scan(FindDirection::First, nibble, pattern, count, false, nullptr);
    }
    bool findNext(int nibble, const uint8_t* pattern, int count) override
    {
        return scan(FindDirection::Next, nibble, pattern, count, false, nullptr);
    }
    bool findPrev(int nibble, const uint8_t* pattern, int count) override
    {
        return scan(FindDirection::Prev, nibble, pattern, count, false, nullptr);
    }
    bool findCaseless(FindDirection direction, int nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                      int count) override
    {
        return scan(direction, nibble, pattern, count, true, caseFlags);
    }

    bool replaceSelection(const uint8_t* bytes, int count) override
    {
        ++replaceCalls_;
        if (readOnly_ || selBegin_ < 0)
            return false;
        const int begin = selBegin_ / 2, end = selEnd_ / 2;
        std::vector<uint8_t> inserted(bytes, bytes + count);
        if (begin == 0 && end == dataSize() && count == 0)
            inserted.assign(1, 0x00);  // the data keeps one byte
        data_.erase(data_.begin() + begin, data_.begin() + end);
        data_.insert(data_.begin() + begin, inserted.begin(), inserted.end());
        if (caret_ >= 2 * end)
            caret_ += 2 * (static_cast<int>(inserted.size()) - (end - begin));
        else if (caret_ >= 2 * begin)
            caret_ = 2 * begin;
        selBegin_ = selEnd_ = -1;
        return true;
    }

private:
    bool inside(int nibble) const { return nibble >= 0 && nibble < 2 * static_cast<int>(data_.size()); }
    // With `fold`, a pattern byte that is an ASCII letter matches either case where its flag is
    // set (every one without flags).
    bool scan(FindDirection direction, int nibble, const uint8_t* pattern, int count, bool fold,
              const uint8_t* caseFlags)
    {
        ++findCalls_;
        const auto lower = [](uint8_t byte) { return byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte; };
        const auto matchesAt = [&](long long k) {
            for (int i = 0; i < count; ++i) {
                const uint8_t want = pattern[i], have = data_[static_cast<size_t>(k + i)];
                const bool letter = lower(want) >= 'a' && lower(want) <= 'z';
                if (fold && letter && (!caseFlags || caseFlags[i]) ? lower(want) != lower(have) : want != have)
                    return false;
            }
            return true;
        };
        if (count <= 0)
            return false;
        if (direction == FindDirection::Prev) {
            for (long long k = std::min(nibble / 2 - 1, dataSize() - count); k >= 0; --k)
                if (matchesAt(k))
                    return hit(k, count);
            return false;
        }
        for (long long k = nibble / 2 + (direction == FindDirection::Next ? 1 : 0); k <= dataSize() - count; ++k)
            if (matchesAt(k))
                return hit(k, count);
        return false;
    }
    bool hit(long long k, int count)
    {
        caret_ = static_cast<int>(2 * k);
        return setSelection(caret_, count);
    }
};
