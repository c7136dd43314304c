// HistoryManager: the editing list's remembered states, at most one per file name.
#pragma once
#include "common/PathString.h"
#include "common/_CLi.h"

#include <string>
#include <string_view>
#include <vector>

// Entries {name, info}; names compare with SameName, the empty name stands for the untitled
// document. The order of the entries carries no meaning.
template <class T>
class HistoryManager {
public:
    struct INFO {
        INFO(std::wstring_view entryName, const T& entryInfo) : name(entryName), info(entryInfo) {}
        std::wstring name;
        T info;
    };

    HistoryManager() = default;
    HistoryManager(const HistoryManager&) = delete;
    HistoryManager& operator=(const HistoryManager&) = delete;

    [[nodiscard]] size_t Count() const noexcept { return entries_.size(); }

    // The entry of the name, or null.
    [[nodiscard]] INFO* Find(std::wstring_view name) noexcept
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (SameName(it->name, name))
                return &*it;
        return nullptr;
    }

    // A new entry holding `fresh`; a name that has an entry already keeps it as it is.
    INFO& Add(std::wstring_view name, const T& fresh)
    {
        if (INFO* found = Find(name))
            return *found;
        return *entries_.emplace_back(name, fresh);
    }

    // True when the name had an entry.
    bool Remove(std::wstring_view name) noexcept
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (SameName(it->name, name)) {
                entries_.erase(it);
                return true;
            }
        return false;
    }

    // Keeps exactly the entries of the listed names: each name without one gets `fresh`;
    // every other entry goes, the untitled one too unless the list holds the empty name.
    void Sync(const std::vector<std::wstring>& names, const T& fresh)
    {
        for (const auto& name : names)
            Add(name, fresh);
        for (auto it = entries_.begin(); it != entries_.end();) {
            bool listed = false;
            for (const auto& name : names)
                listed = listed || SameName(it->name, name);
            it = listed ? it.next() : entries_.erase(it);
        }
    }

private:
    _CLi<INFO> entries_;
};
