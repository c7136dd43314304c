// The system's font and colour dialogs for the control's look, centred on the window that asks.
#include "app/win/system/SystemDialogs.h"

#include "app/win/ui/WindowPlacement.h"

#include <commdlg.h>

namespace {

HWND dialogOwner = nullptr;

// Holds the slot for one dialog; empty when it was taken already.
class OwnerSlot {
public:
    explicit OwnerSlot(HWND owner) noexcept : taken_(dialogOwner == nullptr)
    {
        if (taken_)
            dialogOwner = owner;
    }
    ~OwnerSlot()
    {
        if (taken_)
            dialogOwner = nullptr;
    }
    OwnerSlot(const OwnerSlot&) = delete;
    OwnerSlot& operator=(const OwnerSlot&) = delete;
    [[nodiscard]] bool taken() const noexcept { return taken_; }

private:
    bool taken_;
};

UINT_PTR CALLBACK CentreOnOwner(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        PlaceWindow(dialog, dialogOwner, 11, true);
        return TRUE;
    }
    return 0;
}

} // namespace

HWND SystemDialogOwner() noexcept { return dialogOwner; }

bool ChooseControlFont(HWND owner, LOGFONTA& font, COLORREF& color)
{
    OwnerSlot slot(owner);
    if (!slot.taken())
        return false;
    LOGFONTA chosen = font;
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_FIXEDPITCHONLY | CF_FORCEFONTEXIST | CF_NOVERTFONTS |
                   CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    dialog.rgbColors = color;
    dialog.lpfnHook = CentreOnOwner;
    if (!ChooseFontA(&dialog))
        return false;
    font = chosen;
    color = dialog.rgbColors;
    return true;
}

bool ChooseBackgroundColor(HWND owner, COLORREF& color)
{
    OwnerSlot slot(owner);
    if (!slot.taken())
        return false;
    COLORREF custom[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = color;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_FULLOPEN | CC_SOLIDCOLOR | CC_RGBINIT | CC_ENABLEHOOK;
    dialog.lpfnHook = CentreOnOwner;
    if (!ChooseColorA(&dialog))
        return false;
    color = dialog.rgbResult;
    return true;
}
