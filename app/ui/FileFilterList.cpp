// Filter texts and list items, Shift-JIS aware, and the editing of the filter list.
#include "app/ui/FileFilterList.h"

#include "common/ShiftJis.h"

#include <utility>

std::vector<std::string_view> SplitFilterParts(std::string_view fileFilter)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t bar; (bar = SjisFind(fileFilter, '|', start)) != std::string_view::npos; start = bar + 1)
        parts.push_back(fileFilter.substr(start, bar - start));
    parts.push_back(fileFilter.substr(start));
    return parts;
}

std::vector<std::string> FilterItemsOf(std::string_view fileFilter)
{
    std::vector<std::string> items;
    const std::vector<std::string_view> parts = SplitFilterParts(fileFilter);
    for (size_t i = 0; i < parts.size(); i += 2)
        if (!parts[i].empty())
            items.emplace_back(parts[i]);
    return items;
}

std::string FileFilterOf(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty())
            text += '|';
        text += item;
        text += '|';
        text += SplitFilterItem(item).pattern;
    }
    return text;
}

FilterParts SplitFilterItem(std::string_view item)
{
    const size_t open = SjisFindLast(item, '(');
    if (open == std::string_view::npos)
        return {std::string(item), {}};
    const std::string_view afterOpen = item.substr(open + 1);
    const size_t close = SjisFindLast(afterOpen, ')');
    return {std::string(item.substr(0, open)),
            std::string(close == std::string_view::npos ? afterOpen : afterOpen.substr(0, close))};
}

std::string FilterItemText(std::string_view explanation, std::string_view pattern)
{
    std::string text(explanation);
    text += '(';
    text += pattern;
    text += ')';
    return text;
}

bool IsFilterEntry(std::string_view explanation, std::string_view pattern) noexcept
{
    constexpr auto npos = std::string_view::npos;
    return !explanation.empty() && !pattern.empty() && SjisFind(explanation, '|') == npos &&
           SjisFind(pattern, '|') == npos && SjisFind(pattern, '(') == npos;
}

std::string DialogFilterOf(std::string_view fileFilter)
{
    const std::vector<std::string_view> parts = SplitFilterParts(fileFilter);
    std::string filter;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() || parts[i + 1].empty())
            continue;
        filter += parts[i];
        filter += '\0';
        filter += parts[i + 1];
        filter += '\0';
    }
    if (!filter.empty())
        filter += '\0';
    return filter;
}

void FileFilterList::select(int index) noexcept
{
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

bool FileFilterList::moveUp()
{
    if (!canMoveUp())
        return false;
    std::swap(items_[selected_], items_[selected_ - 1]);
    --selected_;
    return true;
}

bool FileFilterList::moveDown()
{
    if (!canMoveDown())
        return false;
    std::swap(items_[selected_], items_[selected_ + 1]);
    ++selected_;
    return true;
}

bool FileFilterList::modify(std::string_view explanation, std::string_view pattern)
{
    if (!canModify())
        return false;
    items_[selected_] = FilterItemText(explanation, pattern);
    return true;
}

bool FileFilterList::remove()
{
    if (!canDelete())
        return false;
    items_.erase(items_.begin() + selected_);
    select(selected_ < static_cast<int>(items_.size()) ? selected_ : static_cast<int>(items_.size()) - 1);
    return true;
}

void FileFilterList::create(std::string_view explanation, std::string_view pattern)
{
    items_.push_back(FilterItemText(explanation, pattern));
    selected_ = static_cast<int>(items_.size()) - 1;
}

void FileFilterList::reset(std::string_view fileFilter)
{
    items_ = FilterItemsOf(fileFilter);
    selected_ = -1;
}
