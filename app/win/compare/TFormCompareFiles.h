// TFormCompareFiles: asks for the two sides of a comparison and its method.
#pragma once
#include "app/win/ui/TButton.h"
#include "app/win/ui/TCheckBox.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

#include <string>

// EditFirst starts as kTextCompareShownDocument, which stands for the shown document with its
// unsaved edits; either field may name any file. OK with an empty second field is refused.
class TFormCompareFiles final : public TForm {
public:
    TFormCompareFiles(HWND owner, const std::wstring& secondFile);
    ~TFormCompareFiles() override;

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TLabel LabelFirst{"LabelFirst"};
    TEdit EditFirst{"EditFirst"};
    TButton ButtonBrowseFirst{"ButtonBrowseFirst"};
    TLabel LabelSecond{"LabelSecond"};
    TEdit EditSecond{"EditSecond"};
    TButton ButtonBrowseSecond{"ButtonBrowseSecond"};
    TCheckBox CheckInsertionAware{"CheckInsertionAware"};
    TButton ButtonOk{"ButtonOk"};
    TButton ButtonCancel{"ButtonCancel"};

    // After mrOk: the file of a side, empty for the shown document.
    [[nodiscard]] std::wstring FirstFile() const;
    [[nodiscard]] std::wstring SecondFile() const;
    [[nodiscard]] bool InsertionAware() const { return CheckInsertionAware.Checked(); }

protected:
    void CreateComponents() override;
    void FormCloseQuery(bool& canClose) override;

private:
    void Browse(TEdit& edit);
    [[nodiscard]] std::wstring FileOf(const TEdit& edit) const;

    std::wstring secondFile_;
};
