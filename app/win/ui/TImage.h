// TImage: a picture control showing an icon over its parent's background.
#pragma once
#include "app/win/ui/TControl.h"

class TImage : public TControl {
public:
    using TControl::TControl;

    // A shared icon (LoadIcon's); the image does not destroy it.
    void SetIcon(HICON icon);
    [[nodiscard]] HICON Icon() const noexcept { return icon_; }

    HBRUSH CtlColor(HDC dc) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    HICON icon_ = nullptr;
};
