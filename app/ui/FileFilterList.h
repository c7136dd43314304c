// File filters: the "description|patterns|..." text, its list items "description(patterns)", and the list's editing.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The parts of a filter text between "|" separators. A "|" inside a double-byte character
// (the trail byte of "ポ" is 0x7C) separates nothing.
[[nodiscard]] std::vector<std::string_view> SplitFilterParts(std::string_view fileFilter);

// The list items of a filter text: its first, third, fifth ... parts. A last description
// without a pattern is still an item; empty descriptions, and so the empty text, give none.
[[nodiscard]] std::vector<std::string> FilterItemsOf(std::string_view fileFilter);

// The filter text of list items: each item and its pattern, all joined by "|". The empty
// list gives the empty text.
[[nodiscard]] std::string FileFilterOf(const std::vector<std::string>& items);

struct FilterParts {
    std::string explanation;
    std::string pattern;
};

// An item's explanation is the text before its last "(", its pattern the text between that
// "(" and the last ")" after it (to the end when no ")" follows). An item without "(" is all
// explanation and has an empty pattern. Double-byte characters are never taken for either.
[[nodiscard]] FilterParts SplitFilterItem(std::string_view item);

// explanation + "(" + pattern + ")".
[[nodiscard]] std::string FilterItemText(std::string_view explanation, std::string_view pattern);

// TFormFilter's OK rule: both texts non-empty, neither holding the separator "|", and no "("
// in the pattern (either would come back as a different item from the stored text).
[[nodiscard]] bool IsFilterEntry(std::string_view explanation, std::string_view pattern) noexcept;

// The filter as the system's open and save dialogs take it: description and pattern of each
// pair, each followed by a zero byte, and a closing zero byte. Pairs with an empty part, or a
// last description without a pattern, are left out (an empty pattern would end the list
// early). Empty when no pair remains.
[[nodiscard]] std::string DialogFilterOf(std::string_view fileFilter);

// ListFilter and its buttons. Indexes are list positions; -1 is no selection.
class FileFilterList {
public:
    explicit FileFilterList(std::string_view fileFilter) : items_(FilterItemsOf(fileFilter)) {}

    [[nodiscard]] const std::vector<std::string>& items() const noexcept { return items_; }
    [[nodiscard]] int selected() const noexcept { return selected_; }
    // An index outside the list selects nothing.
    void select(int index) noexcept;

    [[nodiscard]] bool canMoveUp() const noexcept { return selected_ > 0; }
    [[nodiscard]] bool canMoveDown() const noexcept
    {
        return selected_ >= 0 && selected_ + 1 < static_cast<int>(items_.size());
    }
    [[nodiscard]] bool canModify() const noexcept { return selected_ >= 0; }
    [[nodiscard]] bool canDelete() const noexcept { return selected_ >= 0; }

    // Each returns false, changing nothing, when its button would be disabled.
    bool moveUp();
    bool moveDown();
    bool modify(std::string_view explanation, std::string_view pattern);
    // Removes the selected item and selects the one now at its place, else the new last
    // item, else nothing.
    bool remove();

    // Appends an item and selects it.
    void create(std::string_view explanation, std::string_view pattern);
    // The items of `fileFilter` (the program's default filter), nothing selected.
    void reset(std::string_view fileFilter);

    [[nodiscard]] std::string fileFilter() const { return FileFilterOf(items_); }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};
