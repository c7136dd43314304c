// RegistryPreferenceStore: the preferences' typed reads and writes over the program's registry key.
#pragma once
#include "app/settings/PreferenceStore.h"
#include "common/win/ARegistry.h"

// The registry's texts with the store's bookkeeping; the integer, bool and binary forms are
// PreferenceStore's.
class RegistryPreferenceStore : public PreferenceStore {
public:
    explicit RegistryPreferenceStore(ARegistry& registry) noexcept : registry_(registry) {}

    [[nodiscard]] std::optional<std::string> readText(std::string_view section,
                                                      std::string_view name) override
    {
        return registry_.ReadText(section, name);
    }

    bool writeText(std::string_view section, std::string_view name, std::string_view text) override
    {
        return registry_.WriteString(section, name, text);
    }

    [[nodiscard]] std::optional<std::wstring> readWideText(std::string_view section,
                                                           std::string_view name) override
    {
        return registry_.ReadWideText(section, name);
    }

    bool writeWideText(std::string_view section, std::string_view name, std::wstring_view text) override
    {
        return registry_.WriteWideString(section, name, text);
    }

    [[nodiscard]] ARegistry& registry() noexcept { return registry_; }

private:
    ARegistry& registry_;
};
