// ChecksumCommand: the checksums of the selection, or of the whole data, shown in their dialog.
#pragma once
#include "app/win/tools/ChecksumRun.h"

class EditorControl;
class TForm;

class ChecksumCommand {
public:
    ChecksumCommand(TForm& owner, EditorControl& control) : owner_(owner), control_(control) {}
    ChecksumCommand(const ChecksumCommand&) = delete;
    ChecksumCommand& operator=(const ChecksumCommand&) = delete;

    // ActionToolChecksum. A run that cannot be done (a provider missing or failing, no threads
    // to be had) is said in a box; a run stopped by Stop ends without a word.
    void Run();
    // Before the window or the control goes: a run going on stops reading the control's data.
    void Stop() noexcept { run_.Stop(); }

private:
    TForm& owner_;
    EditorControl& control_;
    ChecksumRun run_;
};
