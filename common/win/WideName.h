// WideName: the program's file names (the system's code page) in the UTF-16 form that wide calls
// and the control's file exports take, and back.
#pragma once
#include <string>
#include <string_view>

// Empty for an empty name or one the code page cannot convert.
[[nodiscard]] std::wstring WideName(std::string_view name);
[[nodiscard]] std::string NarrowName(std::wstring_view name);
