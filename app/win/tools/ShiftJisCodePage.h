// ShiftJisCodePage: the inspector's characters through the system's code page 932 conversions.
#pragma once
#include "app/tools/InspectorValues.h"

// The program's narrow texts are Shift-JIS whatever the system's ANSI code page is, so both
// directions go through code page 932: FromCodePoint gives the bytes of a character 932 has
// (a best-fit stand-in, "a" for "á", is no such character), ToCodePoint reads one.
class ShiftJisCodePage final : public InspectorCodePage {
public:
    [[nodiscard]] std::string FromCodePoint(char32_t codePoint) const override;
    [[nodiscard]] std::optional<char32_t> ToCodePoint(std::string_view character) const override;
};
