// TDialogEntry: the frame of the program's entry dialogs: navy client panel, teal bottom panel with Ok and Cancel.
#pragma once
#include "app/win/ui/TButton.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

#include <string>

// A subclass puts its labels and edits on PanelClient in CreateEntries and enables ButtonOk
// while its entry is acceptable. The dialog is centred on its owner (or, with a reference
// window, on that) when shown, and plays the collapse effect when left with Cancel.
class TDialogEntry : public TForm {
public:
    TDialogEntry(std::string className, HWND owner, int clientWidth, int clientHeight);
    ~TDialogEntry() override;

    // The window the dialog is centred on; its owner unless set.
    void SetPlaceReference(HWND reference) noexcept { placeReference_ = reference; }

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TButton ButtonOk{"ButtonOk"};
    TButton ButtonCancel{"ButtonCancel"};

protected:
    // Puts the dialog's own components on PanelClient.
    virtual void CreateEntries() = 0;
    // A label in the dialog look that focuses `control` on a click and shows its focus.
    void MakeFocusLabel(TLabel& label, std::string_view caption, TControl& control, int left, int top);

    void CreateComponents() override;
    void FormShow() override;
    void FormCloseQuery(bool& canClose) override;

private:
    HWND placeReference_ = nullptr;
};
