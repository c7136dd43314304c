// TFont: a font by face name, character height and character set; its GDI fonts are made on first use.
#pragma once
#include <windows.h>

#include <string>

class TFont {
public:
    // `height` is the characters' height in pixels (the logical font's height is its negative).
    TFont(std::string face, int height, BYTE charSet = SHIFTJIS_CHARSET);
    ~TFont();
    // A copy describes the same font and makes its own GDI objects.
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    [[nodiscard]] const std::string& Face() const noexcept { return face_; }
    [[nodiscard]] int Height() const noexcept { return height_; }
    [[nodiscard]] BYTE CharSet() const noexcept { return charSet_; }

    // The plain and the underlined font; the system's GUI font when one cannot be made.
    [[nodiscard]] HFONT Handle() const;
    [[nodiscard]] HFONT UnderlinedHandle() const;

private:
    [[nodiscard]] HFONT Make(bool underline) const;
    void Release() noexcept;

    std::string face_;
    int height_;
    BYTE charSet_;
    mutable HFONT plain_ = nullptr;
    mutable HFONT underlined_ = nullptr;
};
