// Search texts to bytes, with glibc's CP932 as the code-page step, and text search on the model.
#include "app/find/FindCommand.h"
#include "app/find/TextPattern.h"
#include "tests/unit/app/documents/ModelControl.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <vector>

namespace {

using Data = std::vector<uint8_t>;

std::optional<std::u16string> Cp932ToUtf16(std::string_view text)
{
    iconv_t converter = iconv_open("UTF-16LE", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in(text);
    std::u16string out(text.size(), u'\0');
    char* inAt = in.data();
    char* outAt = reinterpret_cast<char*>(out.data());
    size_t inLeft = in.size(), outLeft = out.size() * 2;
    const size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft / 2);
    return out;
}

Data Vec(const _CVec<uint8_t>& bytes) { return Data(bytes.data(), bytes.data() + bytes.size()); }

// "aア" with a Shift-JIS trail byte 0x41 that must not count as a letter.
TEST(TextPattern, EachEncodingGivesItsBytesAndMarksOnlyWholeAsciiLetters)
{
    TextPattern pattern;
    ASSERT_TRUE(TextToPattern("aア1", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0x61, 0x83, 0x41, 0x31}));
    EXPECT_EQ(Vec(pattern.letters), (Data{1, 0, 0, 0}));
    ASSERT_TRUE(TextToPattern("aア1", TextEncoding::Utf16Le, Cp932ToUtf16, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0x61, 0x00, 0xA2, 0x30, 0x31, 0x00}));
    EXPECT_EQ(Vec(pattern.letters), (Data{1, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(TextToPattern("aア1", TextEncoding::Utf8, Cp932ToUtf16, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0x61, 0xE3, 0x82, 0xA2, 0x31}));
    EXPECT_EQ(Vec(pattern.letters), (Data{1, 0, 0, 0, 0}));
    // Two-byte UTF-8, a half-width katakana (one Shift-JIS byte) and a trail byte in the lead range.
    ASSERT_TRUE(TextToPattern("\xA7ぁ", TextEncoding::Utf8, Cp932ToUtf16, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0xEF, 0xBD, 0xA7, 0xE3, 0x81, 0x81}));
    ASSERT_TRUE(TextToPattern("ぁ", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0x82, 0x9F}));
    // A character outside the basic plane comes as a surrogate pair and is one UTF-8 character.
    const SjisToUtf16 pair = [](std::string_view) { return std::u16string{0xD83D, 0xDE00}; };
    ASSERT_TRUE(TextToPattern("x", TextEncoding::Utf8, pair, pattern));
    EXPECT_EQ(Vec(pattern.bytes), (Data{0xF0, 0x9F, 0x98, 0x80}));
}

TEST(TextPattern, TextThatCannotBeConvertedGivesNoBytes)
{
    TextPattern pattern;
    ASSERT_TRUE(TextToPattern("a", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    EXPECT_FALSE(TextToPattern("", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    EXPECT_FALSE(TextToPattern("a\x82", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));  // lone lead byte
    EXPECT_FALSE(TextToPattern("\x85\x40", TextEncoding::Utf16Le, Cp932ToUtf16, pattern));  // undefined in 932
    EXPECT_FALSE(TextToPattern("\x85\x40", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    const SjisToUtf16 loneSurrogate = [](std::string_view) { return std::u16string{u'a', 0xD83D}; };
    EXPECT_FALSE(TextToPattern("a", TextEncoding::Utf8, loneSurrogate, pattern));
    EXPECT_TRUE(pattern.bytes.empty());
    EXPECT_TRUE(pattern.letters.empty());
}

// The text search's pattern through the find command: the first search, then next and
// previous with the same case rule. The trail byte 0x41 of ア stays exact: "Aャ" is 41 83 61.
TEST(TextPattern, FindCommandGoesOnWithTheLetterRule)
{
    ModelControl control({0x41, 0x83, 0x61, 'x', 0x41, 0x83, 0x41, 'x', 0x61, 0x83, 0x41, 'x'});
    TextPattern pattern;
    ASSERT_TRUE(TextToPattern("aア", TextEncoding::ShiftJis, Cp932ToUtf16, pattern));
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern.bytes, pattern.letters), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 8);
    EXPECT_EQ(control.selectionSize(), 3);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern.bytes, pattern.letters), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 16);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern.bytes, pattern.letters), FindOutcome::NotFound);
    EXPECT_EQ(control.caretPos(), 16);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, pattern.bytes, pattern.letters), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 8);
    ASSERT_TRUE(control.setCaretPos(0));
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern.bytes), FindOutcome::Found);  // exact
    EXPECT_EQ(control.caretPos(), 16);
}

} // namespace
