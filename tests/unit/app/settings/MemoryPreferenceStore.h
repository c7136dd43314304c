// A preference store over a map, with writes that can be made to fail, for the tests.
#pragma once
#include "app/settings/PreferenceStore.h"

#include <map>
#include <string>
#include <utility>

class MemoryPreferenceStore : public PreferenceStore {
public:
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> readText(std::string_view section, std::string_view name) override
    {
        const auto found = values.find(Key(section, name));
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }

    bool writeText(std::string_view section, std::string_view name, std::string_view text) override
    {
        ++writes;
        if (failingName == name)
            return false;
        values[Key(section, name)] = std::string(text);
        return true;
    }

    std::optional<std::wstring> readWideText(std::string_view section, std::string_view name) override
    {
        const auto found = wideValues.find(Key(section, name));
        if (found == wideValues.end())
            return std::nullopt;
        return found->second;
    }

    bool writeWideText(std::string_view section, std::string_view name, std::wstring_view text) override
    {
        ++writes;
        if (failingName == name)
            return false;
        wideValues[Key(section, name)] = std::wstring(text);
        return true;
    }

    void set(std::string_view section, std::string_view name, std::string_view text)
    {
        values[Key(section, name)] = std::string(text);
    }

    [[nodiscard]] const std::string* find(std::string_view section, std::string_view name) const
    {
        const auto found = values.find(Key(section, name));
        return found == values.end() ? nullptr : &found->second;
    }

    std::map<Key, std::string> values;
    std::map<Key, std::wstring> wideValues;
    std::string failingName; // writes of this value name fail
    int writes = 0;
};
