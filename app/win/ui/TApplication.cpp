// TApplication: the program's message loop, with shortcuts and dialog keys, and its exception display.
#include "app/win/ui/TApplication.h"

#include "app/win/ui/TForm.h"

#include "common/win/MessageBox.h"

#include <exception>
#include <new>
#include <string>

TApplication Application;

void TApplication::ProcessMessage(MSG& message)
{
    try {
        if (TForm* form = TForm::FormOf(message.hwnd); form && form->PreTranslateMessage(message))
            return;
    } catch (...) {
        HandleException(message.hwnd);
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ProcessMessage(message);
    }
}

int TApplication::Run()
{
    MSG message;
    for (;;) {
        if (OnIdle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            try {
                OnIdle();
            } catch (...) {
                HandleException(nullptr);
            }
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
            return static_cast<int>(message.wParam);
        ProcessMessage(message);
    }
}

void TApplication::HandleException(HWND owner) noexcept
{
    const HWND root = owner ? GetAncestor(owner, GA_ROOT) : mainForm_ ? mainForm_->Handle() : nullptr;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(root);
    } catch (const std::exception& error) {
        try {
            ShowMessageBox(root, error.what(), kMessageError);
        } catch (...) {
            ShowOutOfMemory(root);
        }
    } catch (...) {
        try {
            ShowMessageBox(root, unknownFailureText_.c_str(), kMessageError);
        } catch (...) {
        }
    }
}
