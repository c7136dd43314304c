// HelpCommands: the help file's contents and index in the help viewer, and the about dialog.
#pragma once

class EditorControl;
class TForm;

// Each command hands the keyboard focus back to the control.
class HelpCommands {
public:
    HelpCommands(TForm& owner, EditorControl& control) : owner_(owner), control_(control) {}
    HelpCommands(const HelpCommands&) = delete;
    HelpCommands& operator=(const HelpCommands&) = delete;

    // The viewer centred on the window; a help file it cannot open is said in a box.
    void Contents() { ShowHelpView(false); }
    void Keyword() { ShowHelpView(true); }
    // TDialogAbout, modal, centred on the window.
    void About();

private:
    void ShowHelpView(bool index);

    TForm& owner_;
    EditorControl& control_;
};
