// TStatusBar: a status bar of fixed-width panels with left, centred or right texts.
#include "app/win/ui/TStatusBar.h"

#include <commctrl.h>

TStatusBar::TStatusBar(std::string name) : TControl(std::move(name)) {}

HWND TStatusBar::CreateWindowHandle(HWND parent, int id)
{
    const DWORD style = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
    return MakeWindow(STATUSCLASSNAMEA, {}, style, 0, parent, id);
}

void TStatusBar::Created()
{
    ApplyParts();
    for (int i = 0; i < PanelCount(); ++i)
        Show(i);
}

void TStatusBar::ApplyParts()
{
    if (!Handle())
        return;
    std::vector<int> edges;
    int right = 0;
    for (const Panel& panel : panels_) {
        right += panel.width;
        edges.push_back(right);
    }
    while (edges.size() > 1 && panels_[edges.size() - 1].width == 0)
        edges.pop_back();
    if (!edges.empty())
        SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void TStatusBar::ChangeScale(int multiplier, int divisor)
{
    for (Panel& panel : panels_)
        panel.width = MulDiv(panel.width, multiplier, divisor);
    TControl::ChangeScale(multiplier, divisor);
    ApplyParts();
}

void TStatusBar::SetPanelWidth(int index, int width)
{
    if (index < 0 || index >= PanelCount())
        return;
    panels_[static_cast<size_t>(index)].width = width;
    ApplyParts();
    for (int i = 0; i < PanelCount(); ++i)
        Show(i);
}

void TStatusBar::AddPanel(int width, TTextAlign alignment) { panels_.push_back({width, alignment, {}}); }

void TStatusBar::SetPanelText(int index, std::string_view text)
{
    if (index < 0 || index >= PanelCount())
        return;
    panels_[static_cast<size_t>(index)].text = text;
    Show(index);
}

std::string TStatusBar::PanelText(int index) const
{
    return index >= 0 && index < PanelCount() ? panels_[static_cast<size_t>(index)].text : std::string();
}

void TStatusBar::Show(int index)
{
    if (!Handle() || updating_ > 0)
        return;
    const Panel& panel = panels_[static_cast<size_t>(index)];
    // The bar centres a text after one tab and right-aligns it after two.
    std::string shown = panel.alignment == TTextAlign::Center  ? "\t" + panel.text
                        : panel.alignment == TTextAlign::Right ? "\t\t" + panel.text
                                                               : panel.text;
    SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(shown.c_str()));
}

void TStatusBar::Repaint()
{
    if (!Handle() || updating_ > 0)
        return;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void TStatusBar::EndUpdate()
{
    if (updating_ == 0 || --updating_ > 0)
        return;
    for (int i = 0; i < PanelCount(); ++i)
        Show(i);
    Repaint();
}
