// The form toolkit as every dialog uses it: the dialog look, labels and edits, default and
// cancel buttons in the modal loop, the close query, alignment and the action list.
#include "tests/win/main/FormHarness.h"

#include "app/win/ui/DialogLook.h"
#include "app/win/ui/TApplication.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"

#include <gtest/gtest.h>

namespace {

// A dialog in the program's look: two labelled entries on a navy panel, OK and Cancel on a
// teal one below.
class TFormSample final : public TForm {
public:
    TFormSample() : TForm("TFormSample")
    {
        SetCaption("sample");
        SetBorderStyle(TBorderStyle::Dialog);
        SetClientSize(300, 120);
    }
    ~TFormSample() override { DestroyHandle(); }

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TLabel LabelFirst{"LabelFirst"};
    TEdit EditFirst{"EditFirst"};
    TLabel LabelSecond{"LabelSecond"};
    TEdit EditSecond{"EditSecond"};
    TButton ButtonOk{"ButtonOk"};
    TButton ButtonCancel{"ButtonCancel"};

    bool refuseClose = false;
    int closeQueries = 0;
    int lastQueriedResult = mrNone;

protected:
    void CreateComponents() override
    {
        PanelBottom.SetAlign(TAlign::Bottom);
        PanelBottom.SetHeight(29);
        PanelBottom.SetColor(clTeal);
        PanelBottom.Create(*this);
        PanelClient.SetAlign(TAlign::Client);
        PanelClient.SetColor(clNavy);
        PanelClient.SetFontColor(clWhite);
        PanelClient.Create(*this);
        for (auto [label, edit, top] : {std::tuple{&LabelFirst, &EditFirst, 10}, std::tuple{&LabelSecond, &EditSecond, 50}}) {
            label->SetCaption("label");
            label->SetBounds(10, top, 0, 0);
            label->SetFocusControl(edit);
            label->Create(PanelClient);
            edit->SetBounds(100, top, 150, 22);
            edit->SetUpperCase(true);
            edit->Create(PanelClient);
        }
        ButtonOk.SetCaption("&Ok");
        ButtonOk.SetModalResult(mrOk);
        ButtonOk.SetDefault(true);
        ButtonOk.SetBounds(140, 2, 75, 25);
        ButtonOk.Create(PanelBottom);
        ButtonCancel.SetCaption("&Cancel");
        ButtonCancel.SetModalResult(mrCancel);
        ButtonCancel.SetCancel(true);
        ButtonCancel.SetBounds(220, 2, 75, 25);
        ButtonCancel.Create(PanelBottom);
        SetActiveControl(&EditFirst);
    }
    void FormCloseQuery(bool& canClose) override
    {
        ++closeQueries;
        lastQueriedResult = ModalResult();
        canClose = !refuseClose;
        refuseClose = false;
    }
};

COLORREF LabelTextColour(TLabel& label)
{
    const HDC dc = GetDC(label.Handle());
    SendMessageA(GetParent(label.Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label.Handle()));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(label.Handle(), dc);
    return colour;
}

bool Underlined(TLabel& label)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfUnderline != 0;
}

void PostKey(HWND window, UINT key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

} // namespace

TEST(FormToolkit, FocusedEntryLabelIsWhiteAndUnderlinedOthersSilver)
{
    TFormSample form;
    form.Show();
    form.EditFirst.SetText("ab12");
    form.EditFirst.SetFocus();
    Application.ProcessMessages();
    EXPECT_EQ(LabelTextColour(form.LabelFirst), clWhite);
    EXPECT_TRUE(Underlined(form.LabelFirst));
    EXPECT_EQ(LabelTextColour(form.LabelSecond), clSilver);
    EXPECT_FALSE(Underlined(form.LabelSecond));

    // Entering an entry selects its text.
    form.EditSecond.SetText("CDEF");
    form.EditSecond.SetFocus();
    Application.ProcessMessages();
    DWORD start = 1, end = 0;
    SendMessageA(form.EditSecond.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(LabelTextColour(form.LabelSecond), clWhite);
    EXPECT_EQ(LabelTextColour(form.LabelFirst), clSilver);
    EXPECT_FALSE(Underlined(form.LabelFirst));

    // A click on a label focuses its entry.
    SendMessageA(form.LabelFirst.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(form.LabelFirst.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Application.ProcessMessages();
    EXPECT_TRUE(form.EditFirst.Focused());

    // Typed letters become upper case.
    SendMessageA(form.EditFirst.Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(form.EditFirst.Text().back(), 'X');
}

TEST(FormToolkit, PanelsTakeTheirPlacesAndColours)
{
    TFormSample form;
    form.HandleNeeded();
    EXPECT_EQ(form.PanelBottom.Top(), 120 - 29);
    EXPECT_EQ(form.PanelBottom.Width(), 300);
    EXPECT_EQ(form.PanelClient.Height(), 120 - 29);
    EXPECT_EQ(form.PanelClient.EffectiveColor(), clNavy);
    EXPECT_EQ(form.LabelFirst.EffectiveColor(), clNavy);
    EXPECT_EQ(form.ButtonOk.EffectiveColor(), clTeal);
    form.SetClientSize(400, 200);
    EXPECT_EQ(form.PanelBottom.Top(), 200 - 29);
    EXPECT_EQ(form.PanelClient.Width(), 400);
}

TEST(FormToolkit, EnterPressesTheDefaultButtonAndEscTheCancelButton)
{
    TFormSample form;
    form.HandleNeeded();
    PostKey(form.EditFirst.Handle(), VK_RETURN);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));

    PostKey(form.EditSecond.Handle(), VK_ESCAPE);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.lastQueriedResult, mrCancel);

    // A disabled default button leaves Enter without effect; Esc still ends the dialog.
    form.ButtonOk.SetEnabled(false);
    PostKey(form.EditFirst.Handle(), VK_RETURN);
    PostKey(form.EditFirst.Handle(), VK_ESCAPE);
    form.closeQueries = 0;
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.closeQueries, 1);
}

TEST(FormToolkit, CloseQueryCanKeepAModalFormOpen)
{
    TFormSample form;
    form.HandleNeeded();
    form.refuseClose = true;
    PostKey(form.EditFirst.Handle(), VK_RETURN);   // refused
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);   // the system menu's close: Cancel
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.closeQueries, 2);
}

TEST(FormToolkit, ModalFormDisablesTheOtherWindowsWhileItRuns)
{
    MainFormHarness harness;
    TFormSample form;
    form.HandleNeeded();
    bool mainEnabledDuring = true;
    form.ButtonOk.OnClick = [&] { mainEnabledDuring = IsWindowEnabled(harness.form().Handle()) != FALSE; };
    PostMessageA(form.ButtonOk.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(harness.form().Handle()));
}

TEST(FormToolkit, ActionsRunOnlyWhenEnabledAndTellTheirSender)
{
    TActionList actions;
    TAction& first = actions.Add("ActionOne", "c", "one", "h", CtrlKey('Q'));
    TAction& second = actions.Add("ActionTwo", "c", "two", "h", CtrlKey('Q'));
    std::string ran;
    const auto handler = [&](TAction& sender) { ran += sender.Name() + ";"; };
    first.OnExecute = handler;
    second.OnExecute = handler;
    EXPECT_TRUE(actions.IsShortcut(CtrlKey('Q')));
    first.SetEnabled(false);
    EXPECT_TRUE(actions.IsShortcut(CtrlKey('Q')));
    second.SetEnabled(false);
    EXPECT_FALSE(actions.IsShortcut(CtrlKey('Q')));
    EXPECT_FALSE(actions.IsShortcut({}));
    EXPECT_EQ(ran, "ActionOne;ActionTwo;");
}
