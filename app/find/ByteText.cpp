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

bool IsPatternText(std::string_view text) noexcept
{
    if (text.size() % 2)
        return false;
    for (const char c : text)
        if (c != '?' && HexDigitValue(c) < 0)
            return false;
    return true;
}

bool HexToPattern(std::string_view text, _CVec<uint8_t>& bytes, _CVec<uint8_t>& masks)
{
    bytes.clear();
    masks.clear();
    if (!IsPatternText(text))
        return false;
    bool partial = false;
    _CVec<uint8_t> allMasks;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigitValue(text[i]), low = HexDigitValue(text[i + 1]);
        bytes.push_back(static_cast<uint8_t>((high < 0 ? 0 : high << 4) | (low < 0 ? 0 : low)));
        allMasks.push_back(static_cast<uint8_t>((high < 0 ? 0 : 0xF0) | (low < 0 ? 0 : 0x0F)));
        partial = partial || high < 0 || low < 0;
    }
    if (partial)
        masks = allMasks;
    return true;
}

std::string PatternToHex(const _CVec<uint8_t>& bytes, const _CVec<uint8_t>& masks)
{
    std::string text = BytesToHex(bytes);
    for (size_t i = 0; i < masks.size() && i < bytes.size(); ++i) {
        if (!(masks[i] & 0xF0))
            text[2 * i] = '?';
        if (!(masks[i] & 0x0F))
            text[2 * i + 1] = '?';
    }
    return text;
}

bool IsFindText(std::string_view text) noexcept
{
    return !text.empty() && IsPatternText(text);
}

bool IsReplaceEntry(std::string_view findText, std::string_view replaceText) noexcept
{
    if (findText.empty() || !IsHexByteText(findText) || !IsHexByteText(replaceText))
        return false;
    if (findText.size() != replaceText.size())
        return true;
    for (size_t i = 0; i < findText.size(); ++i)
        if (HexDigitValue(findText[i]) != HexDigitValue(replaceText[i]))
            return true;
    return false;
}
