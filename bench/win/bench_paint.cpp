// Painting of the control under Wine: QX_PageDown through 64 MiB in a window of 40 lines, each
// followed by UpdateWindow, a full repaint of the page, and scrolling by one line, against
// 1,440 plain BitBlt calls of glyph cells (one page's worth) measured in the same run.
// QX_BENCH_SHORT=1 measures fewer pages and only reports a missed figure. The full run exits
// with 1 when the page-down or repaint median passes 1.5 ms and also 2.5 times the plain blits
// (the ratio the targets stand in on a quiet machine), so a loaded machine does not fail it alone.
#include "app/win/system/EditorLibrary.h"

#include "bench/win/BenchClock.h"

#include "tests/win/support/ControlPicture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int pageLines = 40;
constexpr int margin = CellGrid::margin;

double MedianMs(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return seconds.empty() ? 0 : 1000 * seconds[seconds.size() / 2];
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// One page of glyph cells copied with plain BitBlt calls: 36 per line, as the control paints.
std::vector<double> PlainBlits(HWND control, const CellGrid& grid, int rounds)
{
    const int cellWidth = grid.cellWidth(), cellHeight = grid.cellHeight();
    HDC window = GetDC(control);
    HDC strip = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, 514 * cellWidth, cellHeight);
    HGDIOBJ oldBitmap = SelectObject(strip, bitmap);
    HGDIOBJ oldFont = SelectObject(strip, grid.font());
    const RECT all{0, 0, 514 * cellWidth, cellHeight};
    FillRect(strip, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(strip, TRANSPARENT);
    for (int v = 0; v < 256; ++v) {
        char digits[2] = {"0123456789ABCDEF"[v >> 4], "0123456789ABCDEF"[v & 15]};
        TextOutA(strip, 2 * v * cellWidth, 0, digits, 1);
        TextOutA(strip, (2 * v + 1) * cellWidth, 0, digits + 1, 1);
    }
    std::vector<double> times;
    unsigned glyph = 1;
    for (int round = 0; round < rounds; ++round) {
        const double start = Now();
        for (int line = 0; line < pageLines; ++line) {
            const int y = margin + line * cellHeight;
            for (int i = 0; i < 36; ++i) {
                glyph = glyph * 1103515245u + 12345u;
                const int v = static_cast<int>((glyph >> 16) & 0xFF);
                const int x = margin + (i < 4 ? 2 * i : i < 20 ? 10 + 3 * (i - 4) : 62 + (i - 20) / 2) * cellWidth;
                const int width = i < 20 ? 2 * cellWidth : cellWidth;
                BitBlt(window, x, y, width, cellHeight, strip, 2 * v * cellWidth, 0, SRCCOPY);
            }
        }
        GdiFlush();
        times.push_back(Now() - start);
    }
    SelectObject(strip, oldFont);
    SelectObject(strip, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(strip);
    ReleaseDC(control, window);
    InvalidateRect(control, nullptr, FALSE);
    return times;
}

} // namespace

int main()
{
    const bool shortRun = IsShortRun();
    const int pages = shortRun ? 300 : 4000;
    const int repaints = shortRun ? 100 : 1000;
    if (!BindEditorLibrary()) {
        std::fprintf(stderr, "talvine.dll could not be bound\n");
        return 2;
    }
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = "QuilletBenchHost";
    RegisterClassA(&hostClass);
    HWND host = CreateWindowExA(0, hostClass.lpszClassName, "Quillet paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 900, 900, nullptr, nullptr, hostClass.hInstance, nullptr);
    HWND control = Editor.QX_Create(host, host, WS_TABSTOP);
    if (!control) {
        std::fprintf(stderr, "no control\n");
        return 2;
    }
    const CellGrid grid(control);
    MoveWindow(control, 0, 0, 800, 2 * margin + pageLines * grid.cellHeight(), TRUE);
    ShowWindow(control, SW_SHOW);
    SetFocus(control);

    const size_t size = 64u << 20;
    const std::vector<unsigned char> data = RandomBytes(size);
    Editor.QX_SetData(control, data.data(), static_cast<int>(data.size()));
    UpdateWindow(control);
    Pump();
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_PAGE;
    GetScrollInfo(control, SB_VERT, &bar);
    if (bar.nPage != pageLines) {
        std::fprintf(stderr, "the page holds %u lines, not %d\n", bar.nPage, pageLines);
        return 2;
    }

    std::vector<double> pageDown;
    const int lastTop = 32 * static_cast<int>(size / 16 - pageLines);
    for (int page = 0; page < pages + 20; ++page) {
        if (Editor.QX_GetViewTop(control) >= lastTop) {
            Editor.QX_SetViewTop(control, 0);
            UpdateWindow(control);
        }
        const double start = Now();
        Editor.QX_PageDown(control);
        UpdateWindow(control);
        GdiFlush();
        if (page >= 20)  // after the warm-up
            pageDown.push_back(Now() - start);
        if (page % 64 == 0)
            Pump();
    }

    std::vector<double> repaint;
    for (int round = 0; round < repaints; ++round) {
        const double start = Now();
        InvalidateRect(control, nullptr, FALSE);
        UpdateWindow(control);
        GdiFlush();
        repaint.push_back(Now() - start);
    }

    std::vector<double> lineScroll;
    Editor.QX_SetViewTop(control, 0);
    UpdateWindow(control);
    for (int round = 0; round < repaints; ++round) {
        const double start = Now();
        SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
        UpdateWindow(control);
        GdiFlush();
        lineScroll.push_back(Now() - start);
    }

    const double baseline = MedianMs(PlainBlits(control, grid, repaints));
    const double pageMs = MedianMs(pageDown);
    const double repaintMs = MedianMs(repaint);
    const double scrollMs = MedianMs(lineScroll);
    std::printf("page down + UpdateWindow, 64 MiB, %d lines: median %.3f ms per page (target <= 1.5 ms), %.2f us per line\n",
                pageLines, pageMs, 1000 * pageMs / pageLines);
    std::printf("full repaint (InvalidateRect + UpdateWindow): median %.3f ms (target <= 1.5 ms), %.2f us per line\n",
                repaintMs, 1000 * repaintMs / pageLines);
    std::printf("scroll by one line + paint it: median %.3f ms\n", scrollMs);
    std::printf("baseline, 1,440 plain BitBlt of glyph cells: %.3f ms (%.3f us per blit); page down %.2fx, repaint %.2fx\n",
                baseline, 1000 * baseline / 1440, pageMs / baseline, repaintMs / baseline);

    DestroyWindow(host);
    const double allowed = std::max(1.5, 2.5 * baseline);
    if (pageMs > allowed || repaintMs > allowed) {
        // Wine's server round trips make short runs on a shared machine noisy: the short form
        // reports a missed figure, the full run fails on it.
        std::printf("%s: above %.3f ms\n", shortRun ? "MISSED" : "FAILED", allowed);
        return shortRun ? 0 : 1;
    }
    return 0;
}
