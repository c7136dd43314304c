// TFrameHistory: the bar's layout, the combo box kept in step with the names, and the button states.
#include "app/win/documents/TFrameHistory.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/documents/ToolImages.h"
#include "app/win/ui/TActionList.h"

#include <algorithm>

namespace {

constexpr char kFrameFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 15;
constexpr int kButtonHeight = 23;

void EnableAction(TActionList* actions, const char* name, bool enabled)
{
    if (TAction* action = actions ? actions->Find(name) : nullptr)
        action->SetEnabled(enabled);
}

} // namespace

TFrameHistory::TFrameHistory(std::string name) : TFrame(std::move(name))
{
    SetFont(TFont(kFrameFontFace, kFontHeight));
}

void TFrameHistory::SetActions(TActionList& actions, TImageList& images)
{
    actions_ = &actions;
    images_ = &images;
}

void TFrameHistory::CreateComponents()
{
    ToolBar.SetAlign(TAlign::Client);
    ToolBar.SetImages(images_);
    ToolBar.SetButtonHeight(kButtonHeight);
    if (actions_) {
        const auto button = [this](const char* name, const char* action, int image = -1, std::string hint = {}) {
            if (TAction* bound = actions_->Find(action))
                ToolBar.AddButton(name, *bound, image, std::move(hint));
        };
        button("ButtonBackward", "ActionEditorBackward");
        button("ButtonForward", "ActionEditorForward");
        ToolBar.AddSeparator("ButtonSep1");
        button("ButtonOpen", "ActionFileOpen", ToolImage::Open, kTextOpenButtonHint);
        button("ButtonSave", "ActionFileSave");
        ToolBar.AddSeparator("ButtonSep3");
        button("ButtonDelete", "ActionEditorDeleteHistory");
        button("ButtonRefresh", "ActionEditorRefresh");
        ToolBar.AddSeparator("ButtonSep4");
    }
    ToolBar.OnResize = [this] { ToolBarResize(); };
    ToolBar.Create(*this);

    ComboHistory.SetDropDownCount(DropDownRows);
    ComboHistory.SetDropDownFitsItems(true);
    ComboHistory.SetTabStop(false);
    ComboHistory.SetBounds(0, 1, 145, kButtonHeight);
    ComboHistory.OnChange = [this] { ComboHistoryChange(); };
    ComboHistory.Create(ToolBar);
    ShowNames();
    ToolBarResize();
}

void TFrameHistory::ShowNames()
{
    const int count = history_.Count();
    bool same = ComboHistory.Count() == count;
    for (int i = 0; same && i < count; ++i)
        same = ComboHistory.WideItem(i) == history_.ItemText(i);
    if (!same) {
        ComboHistory.Clear();
        for (int i = 0; i < count; ++i)
            ComboHistory.Add(history_.ItemText(i));
    }
    ComboHistory.SetItemIndex(history_.Selected());
    RefreshButtons();
}

void TFrameHistory::SetSaveEnabled(bool enabled)
{
    history_.SetSaveEnabled(enabled);
    RefreshButtons();
}

void TFrameHistory::RefreshButtons()
{
    EnableAction(actions_, "ActionEditorBackward", history_.BackwardEnabled());
    EnableAction(actions_, "ActionEditorForward", history_.ForwardEnabled());
    EnableAction(actions_, "ActionFileSave", history_.SaveEnabled());
    EnableAction(actions_, "ActionEditorDeleteHistory", history_.DeleteEnabled());
}

void TFrameHistory::ToolBarResize()
{
    if (!ComboHistory.Handle())
        return;
    const RECT separator = ToolBar.ButtonRect(ToolBar.ButtonIndex("ButtonSep4"));
    const int left = static_cast<int>(separator.right);
    const int width = std::max(0, static_cast<int>(ToolBar.ClientRect().right) - left - 2);
    // The height of a combo box's window is its height dropped down.
    const auto rowHeight = [this](int row) {
        return static_cast<int>(SendMessageA(ComboHistory.Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(row), 0));
    };
    const int dropped = rowHeight(-1) + DropDownRows * rowHeight(0) + 2 * GetSystemMetrics(SM_CYBORDER) + 2;
    ComboHistory.SetBounds(left, 1, width, dropped);
}

void TFrameHistory::ComboHistoryChange()
{
    history_.Select(ComboHistory.ItemIndex());
    if (OnComboHistoryChange)
        OnComboHistoryChange();
}
