// UTF-16LE bytes of program names, as the files that editors share and keep store them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The name's length in UTF-16 units: its wchar_t count where wchar_t is UTF-16 (Windows); a
// character beyond U+FFFF counts two where wchar_t holds whole characters.
[[nodiscard]] size_t Utf16Length(std::wstring_view text) noexcept;

// Appends the text as UTF-16LE, two bytes a unit.
void AppendUtf16Le(std::vector<uint8_t>& out, std::wstring_view text);

// The text of `unitCount` UTF-16LE units; a surrogate pair becomes one character where
// wchar_t holds whole characters, and a lone surrogate stays as it is.
[[nodiscard]] std::wstring ReadUtf16Le(const uint8_t* bytes, size_t unitCount);

// The text as UTF-8; a lone surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf8Of(std::wstring_view text);

// The text of UTF-8 bytes; a byte that starts no well-formed sequence becomes U+FFFD.
[[nodiscard]] std::wstring WideFromUtf8(std::string_view bytes);
