// Counts the default beeps of talvine.dll: while an instance lives, the library's import of
// MessageBeep leads to a counter instead of the speaker.
#pragma once
#include <windows.h>

class BeepCounter {
public:
    BeepCounter();   // the library must be loaded
    ~BeepCounter();  // puts the import back
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    [[nodiscard]] bool installed() const noexcept { return slot_ != nullptr; }
    [[nodiscard]] int count() const noexcept;
    void reset() noexcept;

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
