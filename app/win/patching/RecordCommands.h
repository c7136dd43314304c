// RecordCommands: the data written as Intel HEX or S-records, and such a file opened as a new document.
#pragma once
#include "app/patching/HexRecords.h"

#include <functional>
#include <string_view>

class EditorControl;
class TForm;

class RecordCommands {
public:
    // `newDocument` shows a new, empty document after the save question; false when the user
    // kept the old one. `dataChanged` runs after the control took the file's bytes.
    RecordCommands(TForm& owner, EditorControl& control, std::function<bool()> newDocument,
                   std::function<void()> dataChanged);
    RecordCommands(const RecordCommands&) = delete;
    RecordCommands& operator=(const RecordCommands&) = delete;

    // ActionToolExportIntelHex, ActionToolExportSRecord: the selection, or the whole data when
    // nothing is selected, at its offset in the data, to a file chosen in the save dialog.
    void Export(RecordFormat format);
    // ActionToolImportRecords: a file's bytes, from its lowest address, as a new unnamed
    // document; a file with a fault opens nothing and the message names its line.
    void Import();

private:
    void Say(const char* text, int kind);
    void Say(std::wstring_view text, int kind);

    TForm& owner_;
    EditorControl& control_;
    std::function<bool()> newDocument_;
    std::function<void()> dataChanged_;
};
