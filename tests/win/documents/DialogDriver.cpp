// DialogDriver: reading and answering the main window's dialogs from inside their modal loops.
#include "tests/win/documents/DialogDriver.h"

#include "common/win/WideText.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>

namespace {

constexpr UINT kAnswerMessage = WM_APP + 17;
DialogDriver* current = nullptr;

std::string TextOf(HWND window)
{
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct Found {
    std::vector<std::pair<LONG, std::string>> statics;  // top edge and text
    HWND button = nullptr;
    std::string buttonText;
};

BOOL CALLBACK Collect(HWND child, LPARAM param)
{
    auto& found = *reinterpret_cast<Found*>(param);
    const std::string name = ClassOf(child);
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        if (std::string text = TextOf(child); !text.empty()) {
            RECT box{};
            GetWindowRect(child, &box);
            found.statics.emplace_back(box.top, std::move(text));
        }
    } else if (lstrcmpiA(name.c_str(), "Button") == 0 && TextOf(child) == found.buttonText) {
        found.button = child;
    }
    return TRUE;
}

bool IsFileDialog(const std::string& caption) { return caption.rfind("[vornalix]", 0) == 0; }

} // namespace

DialogDriver::DialogDriver()
{
    current = this;
    static const ATOM helperClass = [] {
        WNDCLASSA helper{};
        helper.lpfnWndProc = HelperProc;
        helper.hInstance = GetModuleHandleA(nullptr);
        helper.lpszClassName = "QxDialogDriver";
        return RegisterClassA(&helper);
    }();
    (void)helperClass;
    helper_ = CreateWindowExA(0, "QxDialogDriver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver()
{
    UnhookWindowsHookEx(hook_);
    DestroyWindow(helper_);
    current = nullptr;
}

std::vector<std::string> DialogDriver::messages() const
{
    std::vector<std::string> texts;
    for (const SeenDialog& dialog : seen_)
        if (dialog.messageBox && !dialog.texts.empty())
            texts.push_back(dialog.texts.front());
    return texts;
}

std::vector<SeenDialog> DialogDriver::seenOf(const std::string& className) const
{
    std::vector<SeenDialog> found;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(found),
                 [&](const SeenDialog& dialog) { return dialog.className == className; });
    return found;
}

std::string DialogDriver::nextReply()
{
    if (replies_.empty())
        return {};
    std::string reply = replies_.front();
    replies_.pop_front();
    return reply;
}

LRESULT CALLBACK DialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (current && code == HCBT_ACTIVATE && window != current->helper_) {
        const std::string name = ClassOf(window);
        if ((name == "#32770" || name == "TFormQuerySave") && current->pending_.insert(window).second)
            PostMessageA(current->helper_, kAnswerMessage, wParam, 0);
    } else if (current && code == HCBT_DESTROYWND) {
        current->pending_.erase(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogDriver::HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kAnswerMessage && current) {
        current->answer(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DialogDriver::answer(HWND dialog)
{
    if (!IsWindow(dialog))
        return;
    SeenDialog seen;
    seen.className = ClassOf(dialog);
    seen.caption = TextOf(dialog);
    if (seen.className == "TFormQuerySave") {
        Found found;
        found.buttonText = nextReply();
        if (found.buttonText.empty())
            found.buttonText = "中止";
        EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&found));
        std::sort(found.statics.begin(), found.statics.end());
        for (auto& text : found.statics)
            seen.texts.push_back(text.second);
        if (found.button)
            PostMessageA(found.button, BM_CLICK, 0, 0);
    } else if (IsFileDialog(seen.caption)) {
        // The program's dialogs are the wide ones: their messages carry UTF-16 texts.
        wchar_t folder[MAX_PATH * 2] = {};
        SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(folder));
        seen.folder = AnsiText(folder);
        const std::string name = nextReply();
        if (name.empty()) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        } else {
            const std::wstring wideName = WideFromAnsi(name);
            SendMessageW(dialog, CDM_SETCONTROLTEXT, GetDlgItem(dialog, cmb13) ? cmb13 : edt1,
                         reinterpret_cast<LPARAM>(wideName.c_str()));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    } else {
        seen.messageBox = true;
        const CaughtBox box = ReadMessageBox(dialog);
        seen.texts.push_back(box.text);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    seen_.push_back(std::move(seen));
}
