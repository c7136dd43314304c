// HistoryNames: selection rules of the editing-list combo box.
#include "app/documents/HistoryNames.h"

#include "app/texts/ProgramTexts.h"

#include "common/PathString.h"

#include <algorithm>

std::wstring HistoryNames::ItemText(int index) const
{
    return index == Count() - 1 ? std::wstring(kTextUntitledItem) : NameAt(index);
}

void HistoryNames::Select(int index) noexcept
{
    if (index >= 0 && index < Count())
        selected_ = index;
}

std::wstring HistoryNames::NameAt(int index) const
{
    if (index < 0 || index >= Count() - 1)
        return {};
    return names_[static_cast<size_t>(index)];
}

std::wstring HistoryNames::OlderName() const
{
    return NameAt(std::min(selected_ + 1, Count() - 1));
}

std::wstring HistoryNames::NewerName() const
{
    return NameAt(std::max(selected_ - 1, 0));
}

int HistoryNames::LastIndexOf(std::wstring_view name) const noexcept
{
    for (int index = Count() - 1; index >= 0; --index) {
        const std::wstring_view item = index == Count() - 1 ? std::wstring_view() : names_[index];
        if (SameName(item, name))
            return index;
    }
    return -1;
}

bool HistoryNames::ShowName(std::wstring_view name)
{
    const int found = LastIndexOf(name);
    const bool inserted = found < 0;
    if (inserted)
        names_.emplace(names_.begin(), name);
    selected_ = inserted ? 0 : found;
    shownName_ = SelectedName();
    return inserted;
}

void HistoryNames::RemoveName(std::wstring_view name)
{
    const int found = LastIndexOf(name);
    if (found >= 0 && found < Count() - 1) {
        names_.erase(names_.begin() + found);
        selected_ = found;
    }
    shownName_ = SelectedName();
}

void HistoryNames::SetNames(const std::vector<std::wstring>& names)
{
    const std::wstring remembered = SelectedName();
    names_.clear();
    for (const auto& name : names)
        if (!name.empty())  // the empty name is the untitled item, always last
            names_.push_back(name);
    selected_ = Count() - 1;
    ShowName(remembered);
}
