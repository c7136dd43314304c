// TDialogAbout: layout, the version strings, the system rows and the system panel's toggle.
#include "app/win/main/TDialogAbout.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"

#include "common/AError.h"
#include "common/win/AAppVersion.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kClientWidth = 473;
constexpr int kMargin = 8;
constexpr int kInnerWidth = kClientWidth - 2 * kMargin;  // 457, the panels' width
constexpr int kAppInfoHeight = 86;
constexpr int kButtonTop = kMargin + kAppInfoHeight + kMargin;
constexpr int kButtonWidth = 95;  // "システム情報" with room to spare
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 3;
constexpr int kSmallWidth = 261;
constexpr int kSystemInfoTop = kButtonTop + kButtonHeight + 10;
constexpr int kSystemInfoHeight = 97;
// The client area ends this far above the system panel (hidden) or below it (shown).
constexpr int kEdge = 5;
constexpr int kRowTop = 12;
constexpr int kRowStep = 20;
constexpr int kCaptionLeft = 16;
constexpr int kCaptionGap = 16;

HICON ProgramIcon()
{
    if (const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)))
        return icon;
    return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

} // namespace

TDialogAbout::TDialogAbout(HWND owner, std::string moduleFileName)
    : TForm("TDialogAbout", owner), moduleFileName_(std::move(moduleFileName))
{
    SetCaption(kTextAboutCaption);
    SetBorderStyle(TBorderStyle::Single);
    SetColor(clSilver);
    SetClientSize(kClientWidth, kSystemInfoTop - kEdge);
    SetActiveControl(&ButtonOk);
}

TDialogAbout::~TDialogAbout() { DestroyHandle(); }

bool TDialogAbout::SystemInfoShown() const { return ClientHeight() + Scaled(kEdge) != PanelSystemInfo.Top(); }

void TDialogAbout::CreateComponents()
{
    CreateAppInfo();
    CreateButtons();
    CreateSystemInfo();
}

void TDialogAbout::CreateAppInfo()
{
    PanelAppInfo.SetBounds(kMargin, kMargin, kInnerWidth, kAppInfoHeight);
    PanelAppInfo.SetColor(clTeal);
    PanelAppInfo.SetFontColor(clWhite);
    PanelAppInfo.SetFont(TFont("ＭＳ Ｐゴシック", 16));
    PanelAppInfo.Create(*this);
    ImageMainIcon.SetBounds(16, 16, 32, 32);
    ImageMainIcon.SetIcon(ProgramIcon());
    ImageMainIcon.Create(PanelAppInfo);
    InfoAppName.SetBounds(64, 12, 0, 0);
    InfoAppName.Create(PanelAppInfo);
    LabelAppVersion.SetCaption(kTextAboutVersion);
    LabelAppVersion.SetBounds(64, 36, 0, 0);
    LabelAppVersion.Create(PanelAppInfo);
    InfoAppVersion.SetBounds(LabelAppVersion.Left() + LabelAppVersion.Width() + 8, 36, 0, 0);
    InfoAppVersion.Create(PanelAppInfo);
    InfoCopyright.SetBounds(64, 60, 0, 0);
    InfoCopyright.Create(PanelAppInfo);
}

void TDialogAbout::CreateButtons()
{
    PanelSmall.SetBounds(kMargin, kButtonTop, kSmallWidth, kButtonHeight);
    PanelSmall.SetColor(clTeal);
    PanelSmall.Create(*this);
    const int systemInfoLeft = kMargin + kSmallWidth + kButtonGap;
    ButtonSystemInfo.SetCaption(kTextSystemInfo);
    ButtonSystemInfo.SetBounds(systemInfoLeft, kButtonTop, kButtonWidth, kButtonHeight);
    ButtonSystemInfo.OnClick = [this] { ButtonSystemInfoClick(); };
    ButtonSystemInfo.Create(*this);
    ButtonOk.SetCaption(kTextAboutOk);
    ButtonOk.SetModalResult(mrOk);
    ButtonOk.SetBounds(systemInfoLeft + kButtonWidth + kButtonGap, kButtonTop, kButtonWidth, kButtonHeight);
    ButtonOk.Create(*this);
    // "システム情報" fills a 91-pixel button in the form's font.
    const TFont buttonFont("ＭＳ Ｐゴシック", 13);
    ButtonSystemInfo.SetFont(buttonFont);
    ButtonOk.SetFont(buttonFont);
    ButtonOk.SetDefault(true);
    ButtonOk.SetCancel(true);
}

void TDialogAbout::CreateSystemInfo()
{
    PanelSystemInfo.SetBounds(kMargin, kSystemInfoTop, kInnerWidth, kSystemInfoHeight);
    PanelSystemInfo.SetColor(clNavy);
    PanelSystemInfo.SetFontColor(clWhite);
    PanelSystemInfo.SetFont(TFont("ＭＳ Ｐゴシック", 13));
    PanelSystemInfo.Create(*this);
    struct Row {
        TLabel& caption;
        const char* text;
        TLabel& info;
    };
    const Row rows[] = {
        {LabelOsName, kTextOsName, InfoOsName},
        {LabelOsVersion, kTextAboutVersion, InfoOsVersion},
        {LabelComputerName, kTextComputerName, InfoComputerName},
        {LabelComputerUser, kTextUserName, InfoComputerUser},
    };
    // The information column starts after the widest caption, whatever the font makes of them.
    int infoLeft = 0;
    int top = kRowTop;
    for (const Row& row : rows) {
        row.caption.SetCaption(row.text);
        row.caption.SetBounds(kCaptionLeft, top, 0, 0);
        row.caption.Create(PanelSystemInfo);
        infoLeft = std::max(infoLeft, row.caption.Left() + row.caption.Width() + kCaptionGap);
        top += kRowStep;
    }
    for (const Row& row : rows) {
        row.info.SetBounds(infoLeft, row.caption.Top(), 0, 0);
        row.info.Create(PanelSystemInfo);
    }
}

void TDialogAbout::FormCreate()
{
    try {
        AAppVersion version(moduleFileName_.c_str());
        InfoAppName.SetCaption(version.description);
        InfoAppVersion.SetCaption(version.productVersion);
        InfoCopyright.SetCaption(version.legalText);
        InfoOsName.SetCaption(version.OsName());
        InfoOsVersion.SetCaption(version.OsMajorVersion() + "." + version.OsMinorVersion() + "." +
                                 version.OsBuildNumber());
    } catch (const ASystemError&) {
        // AAppVersion reads the three strings together and carries the system's version with
        // them: without a complete resource those labels stay empty and the dialog still opens.
    }
    InfoComputerName.SetCaption(ComputerName());
    InfoComputerUser.SetCaption(UserName());
    SetClientSize(Scaled(kClientWidth), PanelSystemInfo.Top() - Scaled(kEdge));
}

void TDialogAbout::ButtonSystemInfoClick()
{
    const int panelTop = PanelSystemInfo.Top();
    const int edge = Scaled(kEdge);
    if (ClientHeight() + edge == panelTop)
        SetClientSize(ClientWidth(), panelTop + PanelSystemInfo.Height() + edge);
    else
        SetClientSize(ClientWidth(), panelTop - edge);
}
