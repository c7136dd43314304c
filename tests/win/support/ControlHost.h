// A top-level host window with one control, created through the bound library as the
// program does it.
#pragma once
#include <windows.h>

#include "app/win/system/EditorLibrary.h"

#include <vector>

class ControlHost {
public:
    explicit ControlHost(int width = 640, int height = 480);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    [[nodiscard]] HWND host() const noexcept { return host_; }
    [[nodiscard]] HWND control() const noexcept { return control_; }

    // Messages the host received (dropped files forwarded by the control land here).
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    static std::vector<Received>& Log();

private:
    HWND host_ = nullptr;
    HWND control_ = nullptr;
};

// Binds talvine.dll once per test process; false when binding fails.
bool EnsureEditorLibrary();
