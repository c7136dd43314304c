// TFormBytePos: the jump dialog: the current position and range, and a new byte offset in hexadecimal or decimal.
#pragma once
#include "app/find/BytePosition.h"
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TRadioGroup.h"

#include <cstdint>
#include <optional>

class TFormBytePos : public TDialogEntry {
public:
    explicit TFormBytePos(HWND owner);
    ~TFormBytePos() override;

    // The document size in bytes and the caret's byte offset; fills InfoCurPos and EditNewPos.
    void SetPosition(uint64_t dataSize, uint64_t currentOffset);
    // The entered offset read in the selected radix; none unless it lies inside the data.
    [[nodiscard]] std::optional<uint64_t> GetNewPosition() const;

    TLabel LabelCurPos{"LabelCurPos"};
    TLabel InfoCurPos{"InfoCurPos"};
    TLabel LabelNewPos{"LabelNewPos"};
    TEdit EditNewPos{"EditNewPos"};
    TRadioGroup RadioShowMethod{"RadioShowMethod"};

protected:
    void CreateEntries() override;
    void FormShow() override;

private:
    void EditNewPosChange();
    void RadioShowMethodClick();
    void RadioShowMethodEnter();
    void RadioShowMethodExit();

    BytePosition position_;
};
