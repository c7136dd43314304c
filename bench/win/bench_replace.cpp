// Replacing every match of a run answered "すべて(&A)" in the main window, against the same
// replacements on the editing model alone. A 2-byte pattern every 4 KiB of a 256 MiB document
// (65,536 matches) becomes 3 bytes; QX_BENCH_SHORT=1 uses 16 MiB. The window's run counts from
// the click on "すべて(&A)" to the count message, undo records and change notifications included.
// Exits with 1 when the window's run takes more than 3 s (0.5 s in the short form).
#include "app/documents/ControlAccess.h"
#include "app/find/ReplaceRun.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/main/TFormVornalix.h"
#include "app/win/ui/TApplication.h"

#include "bench/QuietView.h"
#include "bench/win/BenchClock.h"

#include "core/ControlModel.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

const uint8_t kPattern[] = {0xAB, 0xCD};
const uint8_t kReplacement[] = {0x11, 0x22, 0x33};
constexpr size_t kStep = 4096;

// Pseudo-random bytes without the pattern's first byte, and the pattern every kStep bytes.
Bytes Document(size_t size)
{
    Bytes bytes(size);
    uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(state >> 24);
        if (byte == kPattern[0])
            byte = 0xAA;
    }
    for (size_t at = 0; at + sizeof kPattern <= size; at += kStep)
        std::memcpy(&bytes[at], kPattern, sizeof kPattern);
    return bytes;
}

// --- the model alone, through the same replace run the command uses

class ModelAccess : public ControlAccess {
public:
    explicit ModelAccess(ControlModel& model) : model_(model) {}
    int64_t dataSize() override { return static_cast<int64_t>(model_.dataSize64()); }
    int64_t caretPos() override { return model_.caretPos64(); }
    bool setCaretPos(int64_t nibble) override { return model_.setCaretPos(nibble); }
    int64_t viewTop() override { return model_.viewTop64(); }
    bool setViewTop(int64_t nibble) override { return model_.setViewTop(nibble); }
    int64_t selectionBegin() override { return model_.selectionStart64(); }
    int64_t selectionSize() override { return model_.selectionSize64(); }
    bool setSelection(int64_t nibble, int64_t count) override { return model_.setSelection(nibble, count); }
    int64_t bookMark(int index) override { return model_.bookMark64(index); }
    bool setBookMark(int index, int64_t nibble) override { return model_.setBookMark(index, nibble); }
    FindResult find(FindDirection direction, int64_t nibble, const uint8_t* p, int n, FindMatch match,
                    const uint8_t* flags) override
    {
        const auto from = direction == FindDirection::First  ? ControlModel::FindFrom::Nibble
                          : direction == FindDirection::Next ? ControlModel::FindFrom::After
                                                             : ControlModel::FindFrom::Before;
        const bool caseless = match == FindMatch::EitherCase;
        switch (match == FindMatch::Masked ? model_.findMasked(from, nibble, p, flags, n)
                                           : model_.find(from, nibble, p, n, caseless, caseless ? flags : nullptr)) {
        case ControlModel::Found::Hit: return FindResult::Found;
        case ControlModel::Found::Miss: return FindResult::NotFound;
        default: return FindResult::Failed;
        }
    }
    bool replaceSelection(const uint8_t* bytes, int count) override { return model_.replaceSelection(bytes, count); }

private:
    ControlModel& model_;
};

struct ModelRun {
    double seconds = 0;
    int replaced = 0;
};

ModelRun ReplaceOnModel(const Bytes& document)
{
    QuietView view;
    auto model = std::make_unique<ControlModel>(view);
    model->resize(20);
    model->setData(document.data(), static_cast<int>(document.size()));
    ModelAccess access(*model);
    ReplaceRun run(access, _CVec<uint8_t>(kPattern, sizeof kPattern), _CVec<uint8_t>(kReplacement, sizeof kReplacement));
    const double start = Now();
    if (run.start())
        run.answer(ReplaceChoice::All);
    return {Now() - start, run.replacedCount()};
}

// --- the main window, its dialogs answered as the user would

struct WindowRun {
    double clickedAll = 0;
    double messageShown = 0;
    std::string message;
};
WindowRun* windowRun = nullptr;

BOOL CALLBACK FindChild(HWND child, LPARAM param)
{
    auto& [text, found] = *reinterpret_cast<std::pair<const char*, HWND>*>(param);
    char own[64] = {};
    GetWindowTextA(child, own, sizeof own);
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::strcmp(own, text) == 0 || (text[0] == '\0' && lstrcmpiA(name, "Edit") == 0 && !found)) {
        found = child;
        return text[0] == '\0' ? TRUE : FALSE;
    }
    return TRUE;
}

HWND Child(HWND parent, const char* text)
{
    std::pair<const char*, HWND> search{text, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// The edits of the replace dialog, in creation order.
std::vector<HWND> Edits(HWND dialog)
{
    std::vector<HWND> edits;
    for (HWND child = nullptr; (child = FindWindowExA(dialog, child, nullptr, nullptr)) != nullptr;)
        for (HWND inner = nullptr; (inner = FindWindowExA(child, inner, "Edit", nullptr)) != nullptr;)
            edits.push_back(inner);
    return edits;
}

LRESULT CALLBACK Answer(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && windowRun) {
        const auto window = reinterpret_cast<HWND>(wParam);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, "TFormReplaceFirst") == 0) {
            const std::vector<HWND> edits = Edits(window);
            if (edits.size() == 2) {
                SetWindowTextA(edits[0], "ABCD");
                SetWindowTextA(edits[1], "112233");
            }
            PostMessageA(Child(window, "&Ok"), BM_CLICK, 0, 0);
        } else if (std::strcmp(name, "TFormReplaceNext") == 0) {
            windowRun->clickedAll = Now();
            PostMessageA(Child(window, "すべて(&A)"), BM_CLICK, 0, 0);
        } else if (std::strcmp(name, "#32770") == 0) {
            windowRun->messageShown = Now();
            for (HWND child = nullptr; (child = FindWindowExA(window, child, "Static", nullptr)) != nullptr;) {
                char text[128] = {};
                GetWindowTextA(child, text, sizeof text);
                if (text[0])
                    windowRun->message = text;
            }
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

WindowRun ReplaceInWindow(const Bytes& document, Bytes& after)
{
    WindowRun run;
    windowRun = &run;
    TFormVornalix form(std::make_unique<NoBackup>());
    form.Show();
    Editor.QX_SetData(form.ControlHandle(), document.data(), static_cast<int>(document.size()));
    Application.ProcessMessages();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, Answer, nullptr, GetCurrentThreadId());
    form.Action(ActionId::FindReplace).Execute();
    UnhookWindowsHookEx(hook);
    after.resize(static_cast<size_t>(Editor.QX_GetDataSize(form.ControlHandle())));
    Editor.QX_GetData(form.ControlHandle(), after.data(), 0, static_cast<int>(after.size()));
    windowRun = nullptr;
    return run;
}

} // namespace

int main()
{
    const bool isShort = IsShortRun();
    const size_t size = (isShort ? size_t{16} : size_t{256}) << 20;
    const double limit = isShort ? 0.5 : 3.0;
    if (!BindEditorLibrary()) {
        std::fprintf(stderr, "talvine.dll could not be bound\n");
        return 2;
    }
    const Bytes document = Document(size);
    const int expected = static_cast<int>((size + kStep - 1) / kStep);

    const ModelRun model = ReplaceOnModel(document);
    Bytes after;
    const WindowRun window = ReplaceInWindow(document, after);
    const double windowSeconds = window.messageShown - window.clickedAll;
    const std::string expectedMessage = std::to_string(expected) + " 個のバイト列を置換しました。";
    const bool right = model.replaced == expected && window.message == expectedMessage
                    && after.size() == size + static_cast<size_t>(expected) && after[0] == kReplacement[0];

    std::printf("replace all: %d matches of 2 bytes by 3 in %zu MiB\n", expected, size >> 20);
    std::printf("  model alone:     %.3f s\n", model.seconds);
    std::printf("  main window:     %.3f s (limit %.1f s), ratio %.1f\n", windowSeconds, limit,
                windowSeconds / model.seconds);
    if (!right)
        std::printf("WRONG RESULT: model %d, message \"%s\", size %zu\n", model.replaced, window.message.c_str(),
                    after.size());
    const bool ran = right && window.clickedAll > 0;
    const bool within = ran && windowSeconds <= limit;
    std::printf("%s\n", within ? "within limits" : "OUT OF LIMITS");
    // A wrong result always fails; a slow one fails the full run only, since short runs on a
    // shared machine are noisy.
    return within || (ran && isShort) ? 0 : 1;
}
