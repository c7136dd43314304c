// Counts the default beeps of talvine.dll by redirecting its import of MessageBeep.
#include "tests/win/support/BeepCounter.h"

#include <cstring>

namespace {

int beeps = 0;

BOOL WINAPI CountingBeep(UINT)
{
    ++beeps;
    return TRUE;
}

// The import address slot of `function` from `dll` in `module`, found through the name table.
void** FindImport(HMODULE module, const char* dll, const char* function)
{
    auto* base = reinterpret_cast<unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress)
        return nullptr;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); entry->Name;
         ++entry) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value)
{
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

} // namespace

BeepCounter::BeepCounter()
{
    HMODULE library = GetModuleHandleA("talvine.dll");
    if (!library)
        return;
    slot_ = FindImport(library, "user32.dll", "MessageBeep");
    if (!slot_)
        return;
    original_ = *slot_;
    WriteSlot(slot_, reinterpret_cast<void*>(&CountingBeep));
    beeps = 0;
}

BeepCounter::~BeepCounter()
{
    if (slot_)
        WriteSlot(slot_, original_);
}

int BeepCounter::count() const noexcept
{
    return beeps;
}

void BeepCounter::reset() noexcept
{
    beeps = 0;
}
