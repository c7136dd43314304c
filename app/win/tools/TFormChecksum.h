// TFormChecksum: the checksum dialog: what was summed, the four sums in read-only fields, a copy button.
#pragma once
#include "app/tools/ChecksumReport.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

// The dialog changes nothing: ButtonCopy puts the four lines of ChecksumCopyText on the
// clipboard, ButtonClose (also Enter and Esc) closes it with mrOk.
class TFormChecksum final : public TForm {
public:
    explicit TFormChecksum(HWND owner);
    ~TFormChecksum() override;

    // Fills InfoScope and the fields; before or after the window is made.
    void SetResult(const ChecksumRange& range, const ChecksumDigests& digests);

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TLabel InfoScope{"InfoScope"};
    TLabel LabelCrc32{"LabelCrc32"};
    TEdit EditCrc32{"EditCrc32"};
    TLabel LabelMd5{"LabelMd5"};
    TEdit EditMd5{"EditMd5"};
    TLabel LabelSha1{"LabelSha1"};
    TEdit EditSha1{"EditSha1"};
    TLabel LabelSha256{"LabelSha256"};
    TEdit EditSha256{"EditSha256"};
    TButton ButtonCopy{"ButtonCopy"};
    TButton ButtonClose{"ButtonClose"};

protected:
    void CreateComponents() override;
    void FormShow() override;

private:
    void ButtonCopyClick();

    ChecksumDigests digests_;
};
