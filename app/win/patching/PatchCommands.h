// PatchCommands: the selection copied as source text, hex text pasted back as bytes, and the
// selection filled.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

class EditorControl;
class TForm;

class PatchCommands {
public:
    PatchCommands(TForm& owner, EditorControl& control) : owner_(owner), control_(control) {}
    PatchCommands(const PatchCommands&) = delete;
    PatchCommands& operator=(const PatchCommands&) = delete;

    // ActionEditCopyAs: the format chosen with a preview, then the text on the clipboard.
    void CopyAs();
    // ActionEditPasteHex: the clipboard's hex string or hex dump inserted at the caret.
    void PasteHex();
    // ActionEditFill: the selection replaced by a pattern, a text or random bytes, as one step.
    void Fill();

private:
    struct Range {
        int64_t nibble;  // the selection's first byte, as a position
        uint64_t size;
    };
    // The selection, or none after saying why: nothing selected, or more than `limit` bytes.
    std::optional<Range> SelectionUpTo(uint64_t limit, const char* limitText);
    void Say(const char* text, int kind);

    TForm& owner_;
    EditorControl& control_;
};
