// The data inspector's cost while typing and paging: the editor's main window in this process
// with a document of 256 MiB random bytes (64 MiB with QX_BENCH_SHORT=1), driven key by key as
// the program's loop handles real keys: the key-down through the form's shortcuts and
// translation, every message that follows, the idle step (where the pane follows the caret)
// and the paints, until the queue stays empty. Runs of typed digits and of PageDown alternate
// with the pane hidden and shown; each prints the median time per key of each state and the
// ratio shown / hidden, and the mean (which holds the pane's updates that fall between keys).
// The pane's rows are checked against the byte at the caret after each shown run; a wrong row
// exits with 2. Timing never fails the run: Wine on a shared machine is
// too noisy for a 10 % bound.
#include "app/tools/InspectorValues.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/main/TFormVornalix.h"
#include "app/win/ui/TApplication.h"

#include "bench/win/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

double MedianMs(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return seconds.empty() ? 0 : 1000 * seconds[seconds.size() / 2];
}

// Per key, over all runs: the pane's delayed updates fall between keys and count here.
double MeanMs(const std::vector<double>& seconds)
{
    double sum = 0;
    for (const double time : seconds)
        sum += time;
    return seconds.empty() ? 0 : 1000 * sum / static_cast<double>(seconds.size());
}

// What TApplication::Run does between two keys: every waiting message, then the idle step,
// until the idle step leaves nothing to handle.
void RunUntilIdle()
{
    MSG message;
    for (;;) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            Application.ProcessMessage(message);
        if (Application.OnIdle)
            Application.OnIdle();
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            return;
    }
}

// One key press and release at the control, handled to the end; its time in seconds.
double PressKey(HWND control, UINT virtualKey)
{
    const double start = Now();
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    MSG down{control, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | scan << 16), GetTickCount(), {}};
    Application.ProcessMessage(down);
    RunUntilIdle();
    MSG up{control, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | scan << 16 | 3u << 30), GetTickCount(), {}};
    Application.ProcessMessage(up);
    RunUntilIdle();
    GdiFlush();
    return Now() - start;
}

// The pane's row with the label shows the text after its padding.
bool RowShows(TFrameInspector& pane, const std::string& label, const std::string& text)
{
    for (int i = 0; i < pane.ListInspector.Count(); ++i) {
        const std::string line = pane.ListInspector.Item(i);
        if (line.starts_with(label + " "))
            return line.ends_with(" " + text);
    }
    return false;
}

// The 8-bit rows against the byte at the caret.
bool PaneMatchesCaret(TFormVornalix& form)
{
    const HWND control = form.ControlHandle();
    const int caret = Editor.QX_GetCaretPos(control);
    uint8_t byte = 0;
    if (!Editor.QX_GetData(control, &byte, caret, 1))
        return false;
    return RowShows(form.FrameInspector, "8ビット符号なし", std::to_string(byte)) &&
           RowShows(form.FrameInspector, "8ビット符号付き", std::to_string(static_cast<int8_t>(byte)));
}

// Once the keys stop, the pane shows the byte at the caret within its interval.
bool PaneCatchesUp(TFormVornalix& form)
{
    const ULONGLONG deadline = GetTickCount64() + 2000;
    for (;;) {
        RunUntilIdle();
        if (PaneMatchesCaret(form))
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Longer than the pane's interval between two changes of its rows.
constexpr DWORD InspectorPause = InspectorPane::Interval + 20;

} // namespace

int main()
{
    const bool shortRun = IsShortRun();
    const size_t size = (shortRun ? size_t{64} : size_t{256}) << 20;
    const int keysPerRun = shortRun ? 60 : 400;
    const int rounds = shortRun ? 3 : 7;
    const int loneKeys = shortRun ? 8 : 30;
    if (!BindEditorLibrary()) {
        std::fprintf(stderr, "talvine.dll could not be bound\n");
        return 2;
    }
    auto form = std::make_unique<TFormVornalix>(nullptr);
    form->Show();
    form->SetBounds(0, 0, 1000, 700);
    SetForegroundWindow(form->Handle());
    const HWND control = form->ControlHandle();
    SetFocus(control);

    std::vector<unsigned char> data = RandomBytes(size);
    if (!Editor.QX_SetData(control, data.data(), static_cast<int>(data.size()))) {
        std::fprintf(stderr, "the document could not be set\n");
        return 2;
    }
    std::vector<unsigned char>().swap(data);
    RunUntilIdle();

    // Typing starts in the middle of the document; the first edit moves the gap there.
    const int middle = static_cast<int>(size);
    const auto showPane = [&](bool shown) {
        if (form->FrameInspector.Visible() != shown)
            form->Action(ActionId::ToolInspector).Execute();
        SetFocus(control);
        RunUntilIdle();
    };
    std::vector<double> typing[2], paging[2], lone[2];
    for (int round = 0; round < rounds; ++round) {
        for (const int shown : {round % 2, 1 - round % 2}) {
            showPane(shown != 0);
            Editor.QX_SetCaretPos(control, middle);
            PressKey(control, '0');  // warm-up: the gap's move and the first paint
            for (int i = 0; i < keysPerRun; ++i)
                typing[shown].push_back(PressKey(control, '0' + static_cast<UINT>(i % 10)));
            if (shown && !PaneCatchesUp(*form)) {
                std::fprintf(stderr, "FAILED: the pane does not show the byte at the caret after typing\n");
                return 2;
            }
            // A key after a pause: the pane follows it at once, within the key's time.
            for (int i = 0; i < loneKeys; ++i) {
                Sleep(InspectorPause);
                RunUntilIdle();
                lone[shown].push_back(PressKey(control, '0' + static_cast<UINT>(i % 10)));
            }
            if (shown && !PaneMatchesCaret(*form)) {
                std::fprintf(stderr, "FAILED: the pane does not follow a key after a pause at once\n");
                return 2;
            }
            Editor.QX_SetCaretPos(control, middle);
            PressKey(control, VK_NEXT);
            for (int i = 0; i < keysPerRun; ++i)
                paging[shown].push_back(PressKey(control, VK_NEXT));
            if (shown && !PaneCatchesUp(*form)) {
                std::fprintf(stderr, "FAILED: the pane does not show the byte at the caret after PageDown\n");
                return 2;
            }
        }
    }

    const double typeHidden = MedianMs(typing[0]), typeShown = MedianMs(typing[1]);
    const double pageHidden = MedianMs(paging[0]), pageShown = MedianMs(paging[1]);
    std::printf("%zu MiB document, %d runs of %d keys in each state\n", size >> 20, rounds, keysPerRun);
    std::printf("typed digit, whole handling to idle: pane hidden median %.3f ms, shown %.3f ms (%.2fx); "
                "mean %.3f ms, %.3f ms (%.2fx)\n",
                typeHidden, typeShown, typeShown / typeHidden, MeanMs(typing[0]), MeanMs(typing[1]),
                MeanMs(typing[1]) / MeanMs(typing[0]));
    std::printf("typed digit after a pause:           pane hidden median %.3f ms, shown %.3f ms (%.2fx)\n",
                MedianMs(lone[0]), MedianMs(lone[1]), MedianMs(lone[1]) / MedianMs(lone[0]));
    std::printf("PageDown, whole handling to idle:    pane hidden median %.3f ms, shown %.3f ms (%.2fx); "
                "mean %.3f ms, %.3f ms (%.2fx)\n",
                pageHidden, pageShown, pageShown / pageHidden, MeanMs(paging[0]), MeanMs(paging[1]),
                MeanMs(paging[1]) / MeanMs(paging[0]));
    form.reset();
    return 0;
}
