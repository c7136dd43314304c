// TDialogAbout: the program's name, version and copyright line, and on request the system it runs on.
#pragma once
#include "app/win/ui/TButton.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TImage.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

#include <string>

// PanelSystemInfo lies below the buttons; the dialog opens with its client area ending 5
// pixels above the panel, so the panel is out of sight until ButtonSystemInfo extends the
// client area over it. The dialog changes nothing; Ok and Esc close it with mrOk.
class TDialogAbout final : public TForm {
public:
    // `moduleFileName` is the file whose version resource the dialog shows (the program's own).
    TDialogAbout(HWND owner, std::string moduleFileName);
    ~TDialogAbout() override;

    TPanel PanelAppInfo{"PanelAppInfo"};
    TImage ImageMainIcon{"ImageMainIcon"};
    TLabel InfoAppName{"InfoAppName"};
    TLabel LabelAppVersion{"LabelAppVersion"};
    TLabel InfoAppVersion{"InfoAppVersion"};
    TLabel InfoCopyright{"InfoCopyright"};
    TPanel PanelSmall{"PanelSmall"};
    TButton ButtonSystemInfo{"ButtonSystemInfo"};
    TButton ButtonOk{"ButtonOk"};
    TPanel PanelSystemInfo{"PanelSystemInfo"};
    TLabel LabelOsName{"LabelOsName"};
    TLabel InfoOsName{"InfoOsName"};
    TLabel LabelOsVersion{"LabelOsVersion"};
    TLabel InfoOsVersion{"InfoOsVersion"};
    TLabel LabelComputerName{"LabelComputerName"};
    TLabel InfoComputerName{"InfoComputerName"};
    TLabel LabelComputerUser{"LabelComputerUser"};
    TLabel InfoComputerUser{"InfoComputerUser"};

    // True while the client area reaches over PanelSystemInfo.
    [[nodiscard]] bool SystemInfoShown() const;

protected:
    void CreateComponents() override;
    void FormCreate() override;

private:
    void CreateAppInfo();
    void CreateButtons();
    void CreateSystemInfo();
    void ButtonSystemInfoClick();

    std::string moduleFileName_;
};
