// TFont: a font by face name, character height and character set; its GDI fonts are made on first use.
#include "app/win/ui/TFont.h"

#include <utility>

TFont::TFont(std::string face, int height, BYTE charSet)
    : face_(std::move(face)), height_(height), charSet_(charSet)
{
}

TFont::~TFont() { Release(); }

TFont::TFont(const TFont& other) : face_(other.face_), height_(other.height_), charSet_(other.charSet_) {}

TFont& TFont::operator=(const TFont& other)
{
    if (this != &other) {
        Release();
        face_ = other.face_;
        height_ = other.height_;
        charSet_ = other.charSet_;
    }
    return *this;
}

void TFont::Release() noexcept
{
    if (plain_)
        DeleteObject(plain_);
    if (underlined_)
        DeleteObject(underlined_);
    plain_ = underlined_ = nullptr;
}

HFONT TFont::Make(bool underline) const
{
    LOGFONTA font{};
    font.lfHeight = -height_;
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = charSet_;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(font.lfFaceName, face_.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

HFONT TFont::Handle() const
{
    if (!plain_)
        plain_ = Make(false);
    return plain_ ? plain_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT TFont::UnderlinedHandle() const
{
    if (!underlined_)
        underlined_ = Make(true);
    return underlined_ ? underlined_ : Handle();
}
