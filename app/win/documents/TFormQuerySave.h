// TFormQuerySave: the question whether to save the changed document before a command gives it up.
#pragma once
#include "app/win/ui/TButton.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TImage.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

#include <string_view>

// Modal results: mrYes to save, mrNo to go on without saving, mrCancel (also the system
// menu's close and Esc) to stop. Centred on its owner when shown; a cancel plays the collapse
// effect.
class TFormQuerySave final : public TForm {
public:
    // `showHint` is the main window's preference, read each time the dialog is shown.
    TFormQuerySave(HWND owner, const bool& showHint);
    ~TFormQuerySave() override;

    // The question under the fixed first line.
    void SetQuestion(std::string_view question);

    TPanel PanelClient{"PanelClient"};
    TImage Image1{"Image1"};
    TLabel Label1{"Label1"};
    TLabel Label2{"Label2"};
    TPanel PanelBottom{"PanelBottom"};
    TPanel PanelBottomClient{"PanelBottomClient"};
    TPanel PanelBottomRight{"PanelBottomRight"};
    TButton ButtonSave{"ButtonSave"};
    TButton ButtonNoSave{"ButtonNoSave"};
    TButton ButtonCancel{"ButtonCancel"};

protected:
    void CreateComponents() override;
    void FormShow() override;
    void FormCloseQuery(bool& canClose) override;

private:
    const bool& showHint_;
};
