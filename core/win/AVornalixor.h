// AVornalixor: the instance record of one control window.
#pragma once
#include <windows.h>

#include "core/win/Gdi.h"

class AVornalixor {
public:
    explicit AVornalixor(HWND window);
    virtual ~AVornalixor();
    AVornalixor(const AVornalixor&) = delete;
    AVornalixor& operator=(const AVornalixor&) = delete;

    // The instance in slot 0 of a window, null when it has none.
    [[nodiscard]] static AVornalixor* FromWindow(HWND window) noexcept;

    // Handles a message other than creation and destruction; false leaves it to the
    // default window procedure.
    bool dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window;
    bool hasFocus = false;
    Font font;
    COLORREF textColor = 0x000000;
    COLORREF inverseTextColor = 0xFFFFFF;
    Brush backBrush;
    Brush inverseBackBrush;
    RECT cell{};
    RECT clientRect{};
    int marginLeft = 4;
    int marginTop = 4;
    bool shiftDown = false;
    bool ctrlDown = false;

    // Until the editing model is attached, the frame keeps these four itself.
    bool readOnly = false;
    bool modified = false;
    void (*notifyChanged)() = nullptr;
    int tabSize = 4;

    void setModified(bool value, bool notify);

private:
    void measureCell();
};
