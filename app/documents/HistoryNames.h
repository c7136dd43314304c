// HistoryNames: the items of the editing-list combo box, newest first, the untitled item last.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The frame shows Count() items: the names in order, then the untitled item (kTextUntitledItem).
// Indexes count from 0; Selected() is always a valid index.
class HistoryNames {
public:
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(names_.size()) + 1; }
    [[nodiscard]] int Selected() const noexcept { return selected_; }
    // The text an item shows.
    [[nodiscard]] std::wstring ItemText(int index) const;

    // The user picked an item; an index outside the items is ignored. ShownName stays.
    void Select(int index) noexcept;

    // The item's name; empty for the untitled item and for an index outside the names.
    [[nodiscard]] std::wstring NameAt(int index) const;
    [[nodiscard]] std::wstring SelectedName() const { return NameAt(selected_); }
    [[nodiscard]] std::wstring OlderName() const;
    [[nodiscard]] std::wstring NewerName() const;
    // The name selected after the last change made by the program, not by the user.
    [[nodiscard]] const std::wstring& ShownName() const noexcept { return shownName_; }

    // Selects the last item of that name (SameName; the empty name is the untitled item), or
    // puts the name in front and selects it: true then.
    bool ShowName(std::wstring_view name);
    // Takes the last item of that name off the list and selects the one that took its place
    // (the next older name, or the untitled item). The untitled item always stays.
    void RemoveName(std::wstring_view name);
    // The names without the untitled item, in order.
    [[nodiscard]] const std::vector<std::wstring>& Names() const noexcept { return names_; }
    // Replaces the names and shows the one that was selected before (put in front if it is
    // no longer among them).
    void SetNames(const std::vector<std::wstring>& names);

    void SetSaveEnabled(bool enabled) noexcept { saveEnabled_ = enabled; }

    // The tool buttons: back to an older name, forward to a newer one, save, delete.
    [[nodiscard]] bool BackwardEnabled() const noexcept { return selected_ + 1 != Count(); }
    [[nodiscard]] bool ForwardEnabled() const noexcept { return selected_ != 0; }
    [[nodiscard]] bool SaveEnabled() const noexcept { return saveEnabled_; }
    [[nodiscard]] bool DeleteEnabled() const noexcept { return selected_ >= 0 && selected_ < Count() - 1; }

private:
    // Index of the last item whose name is the same as `name`, or -1.
    [[nodiscard]] int LastIndexOf(std::wstring_view name) const noexcept;

    std::vector<std::wstring> names_;  // the items before the untitled one
    int selected_ = 0;                // invariant: 0 <= selected_ < Count()
    std::wstring shownName_;
    bool saveEnabled_ = false;
};
