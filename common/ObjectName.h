// MakeObjectName: a text made fit to name a system object such as a mutex.
#pragma once
#include <string>
#include <string_view>

// Object names are at most this many bytes.
inline constexpr size_t ObjectNameLimit = 259;

// The name cut to ObjectNameLimit bytes (never inside a double-byte character) with every
// backslash, full stop and blank replaced by '_'. A Shift-JIS trail byte 0x5C stays: it is
// part of its character, not a backslash.
[[nodiscard]] std::string MakeObjectName(std::string_view name);
