// A main window made in the test process, with a recording backup and keys sent as messages.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/Clipboard.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TApplication.h"

#include "tests/win/support/ControlHost.h"

MainFormHarness::MainFormHarness()
{
    EnsureEditorLibrary();
    auto backup = std::make_unique<RecordingBackup>();
    backup_ = backup.get();
    form_ = std::make_unique<TFormVornalix>(std::move(backup));
    form_->Show();
    SetForegroundWindow(form_->Handle());
    SetFocus(form_->ControlHandle());
    pump();
}

MainFormHarness::~MainFormHarness()
{
    form_.reset();
    pump();
}

void MainFormHarness::pump() { Application.ProcessMessages(); }

bool MainFormHarness::pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        pump();
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void MainFormHarness::post(UINT message, UINT virtualKey)
{
    const HWND target = GetFocus() ? GetFocus() : control();
    const LPARAM flags = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
    PostMessageA(target, message, virtualKey, flags);
    pump();
}

void MainFormHarness::key(UINT virtualKey, bool ctrl, bool shift)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    const auto hold = [&](UINT modifier, bool down) {
        state[modifier] = down ? 0x80 : 0;
        SetKeyboardState(state);
        post(down ? WM_KEYDOWN : WM_KEYUP, modifier);
    };
    if (shift)
        hold(VK_SHIFT, true);
    if (ctrl)
        hold(VK_CONTROL, true);
    post(WM_KEYDOWN, virtualKey);
    post(WM_KEYUP, virtualKey);
    if (ctrl)
        hold(VK_CONTROL, false);
    if (shift)
        hold(VK_SHIFT, false);
}

void MainFormHarness::setData(const std::vector<uint8_t>& bytes)
{
    Editor.QX_SetData(control(), bytes.data(), static_cast<int>(bytes.size()));
    pump();
}

std::vector<uint8_t> MainFormHarness::data() const
{
    const int size = Editor.QX_GetDataSize(control());
    std::vector<uint8_t> bytes(static_cast<size_t>(size > 0 ? size : 0));
    if (size > 0)
        Editor.QX_GetData(control(), bytes.data(), 0, size);
    return bytes;
}

int MainFormHarness::caret() const { return Editor.QX_GetCaretPos(control()); }

bool MainFormHarness::editItemEnabled(const char* itemName)
{
    TMenuItem& menu = form_->MenuItem("MenuEdit");
    SendMessageA(form_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.SubMenu()), 1);
    const UINT state = GetMenuState(menu.SubMenu(), form_->MenuItem(itemName).Id(), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_DISABLED | MF_GRAYED));
}

void SetClipboardText(const std::string& text) { PutClipboardText(nullptr, text); }

std::string GetClipboardText() { return ClipboardText(nullptr).value_or("<no text>"); }

std::string MenuText(HMENU menu, UINT position)
{
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}
