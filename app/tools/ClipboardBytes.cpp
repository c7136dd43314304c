// The clipboard's byte blocks: the bytes a clipboard text stands for, when it stands for any.
#include "app/tools/ClipboardBytes.h"

#include "app/find/ByteText.h"
#include "app/texts/ProgramTexts.h"
#include "app/tools/ChecksumReport.h"

std::optional<_CVec<uint8_t>> ClipboardBytes(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    _CVec<uint8_t> bytes;
    if (!HexToBytes(text, bytes))
        return std::nullopt;
    return bytes;
}

std::string CopyRefusal(uint64_t size)
{
    if (size <= kClipboardCopyLimit)
        return {};
    return kTextCopyTooLargeSize + GroupedDecimal(size) + kTextCopyTooLargeLimit + GroupedDecimal(kClipboardCopyLimit) +
           kTextCopyTooLargeEnd;
}
