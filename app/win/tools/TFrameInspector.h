// TFrameInspector: the data inspector pane: one line per value of the bytes at the caret, and their copy.
#pragma once
#include "app/tools/InspectorValues.h"
#include "app/win/ui/TListBox.h"
#include "app/win/ui/TPanel.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The list holds InspectorRowCount() lines, the label and text of each row (InspectorLine).
// Its context menu copies the selected row or all rows to the clipboard as text.
class TFrameInspector final : public TFrame {
public:
    explicit TFrameInspector(std::string name);

    // The rows for the bytes at the caret (those that exist, at most InspectorByteCount);
    // only the lines whose text changed are replaced.
    void ShowBytes(std::span<const uint8_t> bytes);

    // The selected row as copied, or every row when none is selected or `all` is set.
    [[nodiscard]] std::string CopyText(bool all) const;
    // CopyText onto the clipboard; false when the clipboard refused it.
    bool Copy(bool all);

    TListBox ListInspector{"ListInspector"};

protected:
    void CreateComponents() override;
    bool PanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::vector<InspectorRow> rows_;
};
