// TPageControl and TTabSheet: tabbed pages, each sheet a panel showing while its tab is selected.
#include "app/win/ui/TPageControl.h"

#include <commctrl.h>

#include <algorithm>

TPageControl::TPageControl(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TPageControl::CreateWindowHandle(HWND parent, int id)
{
    const HWND window = MakeWindow(WC_TABCONTROLA, {}, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, id);
    // The tab control keeps its children's notifications to itself: pass them to the sheets'
    // components through the usual reflection, and keep the sheets sized to the page area.
    if (window)
        SetWindowSubclass(window, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return window;
}

LRESULT CALLBACK TPageControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data)
{
    auto* self = reinterpret_cast<TPageControl*>(data);
    LRESULT result = 0;
    if (Reflect(message, wParam, lParam, result))
        return result;
    if (message == WM_SIZE) {
        const LRESULT done = DefSubclassProc(window, message, wParam, lParam);
        self->Realign();
        self->ShowActive();
        return done;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, SubclassProc, 1);
    return DefSubclassProc(window, message, wParam, lParam);
}

RECT TPageControl::AlignRect() const
{
    RECT area = ClientRect();
    if (Handle())
        TabCtrl_AdjustRect(Handle(), FALSE, &area);
    return area;
}

void TPageControl::AddSheet(TTabSheet& sheet)
{
    sheets_.push_back(&sheet);
    sheet.SetVisible(false);
    if (Handle()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        std::string caption = sheet.Caption();
        item.pszText = caption.data();
        SendMessageA(Handle(), TCM_INSERTITEMA, sheets_.size() - 1, reinterpret_cast<LPARAM>(&item));
    }
    sheet.Create(*this);
    if (active_ < 0)
        SetActivePageIndex(0);
    else
        ShowActive();
}

TTabSheet* TPageControl::Page(int index) const noexcept
{
    return index >= 0 && index < PageCount() ? sheets_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    active_ = index;
    if (Handle())
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActive();
}

void TPageControl::ShowActive()
{
    const RECT area = AlignRect();
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet& sheet = *sheets_[static_cast<size_t>(i)];
        if (i == active_) {
            sheet.SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
            sheet.SetVisible(true);
        } else {
            sheet.SetVisible(false);
        }
    }
}

void TPageControl::ChangeScale(int multiplier, int divisor)
{
    TControl::ChangeScale(multiplier, divisor);
    ShowActive();
}

bool TPageControl::Notify(NMHDR& header, LRESULT& result)
{
    if (header.code != TCN_SELCHANGE)
        return false;
    active_ = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    ShowActive();
    if (OnChange)
        OnChange();
    result = 0;
    return true;
}

void TPageControl::Forget(TControl* gone)
{
    sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), gone), sheets_.end());
    active_ = std::min(active_, PageCount() - 1);
}
