// Byte strings as text: conversion both ways and the entry-field checks.
#include "app/find/ByteText.h"

std::string BytesToHex(const uint8_t* bytes, size_t count)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text(count * 2, '0');
    for (size_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return text;
}

std::string BytesToHex(const _CVec<uint8_t>& bytes)
{
    return BytesToHex(bytes.data(), bytes.size());
}

bool HexToBytes(std::string_view text, _CVec<uint8_t>& bytes)
{
    bytes.clear();
    bytes.resize(text.size() / 2);
    if (text.size() % 2)
        return false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigitValue(text[2 * i]);
        const int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return true;
}

bool IsHexByteText(std::string_view text) noexcept
{
    if (text.size() % 2)
        return false;
    for (const char c : text)
        if (HexDigitValue(c) < 0)
            return false;
    return true;
}

bool IsFindText(std::string_view text) noexcept
{
    return !text.empty() && IsHexByteText(text);
}

bool IsReplaceEntry(std::string_view findText, std::string_view replaceText) noexcept
{
    if (!IsFindText(findText) || !IsHexByteText(replaceText))
        return false;
    if (findText.size() != replaceText.size())
        return true;
    for (size_t i = 0; i < findText.size(); ++i)
        if (HexDigitValue(findText[i]) != HexDigitValue(replaceText[i]))
            return true;
    return false;
}
