// FakeControl: an in-memory editing control behind ControlAccess, with the control's search,
// selection and replacement rules, and a log of the replacements it performed.
#pragma once
#include "app/ControlAccess.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

class FakeControl : public ControlAccess {
public:
    explicit FakeControl(std::vector<uint8_t> data = {0x00}) : data_(std::move(data))
    {
        if (data_.empty())
            data_.push_back(0x00);
        bookmarks_.fill(-1);
    }

    std::vector<uint8_t> data_;
    int caret_ = 0;
    int viewTop_ = 0;
    int selBegin_ = -1;
    int selEnd_ = -1;
    std::array<int, 10> bookmarks_{};
    bool readOnly_ = false;
    int replaceCalls_ = 0;
    int findCalls_ = 0;

    int nibbleCount() const { return static_cast<int>(data_.size()) * 2; }

    int dataSize() override { return static_cast<int>(data_.size()); }
    int caretPos() override { return caret_; }
    bool setCaretPos(int nibble) override
    {
        if (nibble < 0 || nibble >= nibbleCount())
            return false;
        caret_ = nibble;
        return true;
    }
    int viewTop() override { return viewTop_; }
    bool setViewTop(int nibble) override
    {
        if (nibble < 0 || nibble >= nibbleCount())
            return false;
        viewTop_ = nibble / 32 * 32;
        return true;
    }
    int selectionBegin() override { return selBegin_; }
    int selectionSize() override { return selBegin_ < 0 ? 0 : (selEnd_ - selBegin_) / 2; }
    bool setSelection(int nibble, int count) override
    {
        if (count <= 0 || nibble < 0)
            return false;
        const long long begin = nibble & ~1, end = begin + 2LL * count;
        if (end > nibbleCount())
            return false;
        selBegin_ = static_cast<int>(begin);
        selEnd_ = static_cast<int>(end);
        return true;
    }
    int bookMark(int index) override { return index < 0 || index > 9 ? -1 : bookmarks_[index]; }
    bool setBookMark(int index, int nibble) override
    {
        if (index < 0 || index > 9 || nibble < -1 || nibble >= nibbleCount())
            return false;
        bookmarks_[index] = nibble;
        return true;
    }

    bool findFirst(int nibble, const uint8_t* pattern, int count) override
    {
        return scanForward(nibble / 2, pattern, count);
    }
    bool findNext(int nibble, const uint8_t* pattern, int count) override
    {
        return scanForward(nibble / 2 + 1, pattern, count);
    }
    bool findPrev(int nibble, const uint8_t* pattern, int count) override
    {
        ++findCalls_;
        if (nibble / 2 == 0)
            return false;
        for (long long k = std::min<long long>(nibble / 2 - 1, dataSize() - count); k >= 0; --k)
            if (matchesAt(k, pattern, count))
                return hit(k, count);
        return false;
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
    bool matchesAt(long long k, const uint8_t* pattern, int count) const
    {
        return std::memcmp(data_.data() + k, pattern, count) == 0;
    }
    bool scanForward(long long k, const uint8_t* pattern, int count)
    {
        ++findCalls_;
        for (; k <= dataSize() - count; ++k)
            if (matchesAt(k, pattern, count))
                return hit(k, count);
        return false;
    }
    bool hit(long long k, int count)
    {
        caret_ = static_cast<int>(2 * k);
        return setSelection(caret_, count);
    }
};
