// Catches the message boxes a test provokes and records what they showed.
#include "tests/win/support/MessageBoxCatcher.h"

namespace {

MessageBoxCatcher* current = nullptr;

std::string WindowText(HWND window)
{
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsDialog(HWND window)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

UINT IconFlags(HICON icon)
{
    if (!icon) return 0;
    if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND))) return MB_ICONERROR;
    if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION))) return MB_ICONQUESTION;
    if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION))) return MB_ICONWARNING;
    if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK))) return MB_ICONINFORMATION;
    return 0;
}

struct Reading {
    CaughtBox box;
    bool ok = false, cancel = false, yes = false, no = false;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM param)
{
    auto& reading = *reinterpret_cast<Reading*>(param);
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0) {
        switch (GetDlgCtrlID(child)) {
        case IDOK: reading.ok = true; break;
        case IDCANCEL: reading.cancel = true; break;
        case IDYES: reading.yes = true; break;
        case IDNO: reading.no = true; break;
        default: break;
        }
    } else if (lstrcmpiA(name, "Static") == 0) {
        const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (icon)
            reading.box.flags |= IconFlags(icon);
        else if (const std::string text = WindowText(child); text.size() > reading.box.text.size())
            reading.box.text = text;
    }
    return TRUE;
}

} // namespace

CaughtBox ReadMessageBox(HWND box)
{
    Reading reading;
    reading.box.caption = WindowText(box);
    EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&reading));
    UINT buttons = MB_OK;
    if (reading.yes && reading.no)
        buttons = reading.cancel ? MB_YESNOCANCEL : MB_YESNO;
    else if (reading.ok && reading.cancel)
        buttons = MB_OKCANCEL;
    reading.box.flags |= buttons;
    return reading.box;
}

MessageBoxCatcher::MessageBoxCatcher()
{
    current = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && current && IsDialog(reinterpret_cast<HWND>(wParam)))
        current->caught(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxCatcher::caught(HWND box)
{
    CaughtBox read = ReadMessageBox(box);
    int button = IDOK;
    if (!answers_.empty()) {
        button = answers_.front();
        answers_.pop_front();
    } else if ((read.flags & MB_TYPEMASK) != MB_OK) {
        button = IDCANCEL;
        if ((read.flags & MB_TYPEMASK) == MB_YESNO)
            button = IDNO;
    }
    boxes_.push_back(std::move(read));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}
