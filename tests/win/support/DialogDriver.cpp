// Driving modal forms from a test: steps run inside a form's modal loop, answers for dialogs a command opens itself.
#include "tests/win/support/DialogDriver.h"

#include <memory>

namespace {

constexpr UINT kRunStep = WM_APP + 1;
DialogAnswerer* current = nullptr;

struct Step {
    std::function<void(HWND)> action;
    HWND window = nullptr;
};

LRESULT CALLBACK StepProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunStep) {
        std::unique_ptr<Step> step(reinterpret_cast<Step*>(lParam));
        step->action(step->window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window whose queued messages run steps as the modal loop dispatches them.
HWND StepWindow()
{
    static const HWND window = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StepProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QuilletTestSteps";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               windowClass.hInstance, nullptr);
    }();
    return window;
}

} // namespace

void PostStep(std::function<void(HWND)> action, HWND window)
{
    auto* step = new Step{std::move(action), window};
    if (!PostMessageA(StepWindow(), kRunStep, 0, reinterpret_cast<LPARAM>(step)))
        delete step;
}

namespace {

struct Search {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param)
{
    auto& search = *reinterpret_cast<Search*>(param);
    if (TextOf(child) == search.text) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

DialogAnswerer::DialogAnswerer()
{
    current = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer()
{
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void DialogAnswerer::queue(std::string className, std::function<void(HWND)> action)
{
    actions_.push_back({std::move(className), std::move(action)});
}

LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && current) {
        const auto window = reinterpret_cast<HWND>(wParam);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        auto& actions = current->actions_;
        for (auto entry = actions.begin(); entry != actions.end(); ++entry) {
            if (entry->className == name) {
                PostStep(std::move(entry->action), window);
                actions.erase(entry);
                break;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND ChildWithText(HWND parent, const std::string& text)
{
    Search search{text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void TypeText(HWND edit, const std::string& text)
{
    for (const char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

std::string TextOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
