// TFormReplaceNext: the borderless strip of five buttons that steers a replacement run at each match.
#pragma once
#include "app/find/ReplaceRun.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/TForm.h"

// Four buttons set ReplaceChoice and close the strip with OK; ButtonEnd (and Esc) closes it
// with Cancel; Enter presses ButtonReplaceNext. Shown at the owner's top-left corner. The five
// buttons are 75 pixels wide, or as wide as the widest caption needs.
class TFormReplaceNext : public TForm {
public:
    explicit TFormReplaceNext(HWND owner);
    ~TFormReplaceNext() override;

    ::ReplaceChoice ReplaceChoice = ::ReplaceChoice::ReplaceNext;

    TButton ButtonReplaceNext{"ButtonReplaceNext"};
    TButton ButtonReplaceEnd{"ButtonReplaceEnd"};
    TButton ButtonSkipNext{"ButtonSkipNext"};
    TButton ButtonAll{"ButtonAll"};
    TButton ButtonEnd{"ButtonEnd"};

protected:
    void CreateComponents() override;
    void FormShow() override;
};
