// The data inspector's rows against known byte patterns.
#include "app/tools/InspectorValues.h"
#include "app/texts/ProgramTexts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <map>

namespace {

// Code page 932 for a handful of characters.
class SmallCodePage : public InspectorCodePage {
public:
    std::string FromCodePoint(char32_t codePoint) const override
    {
        for (const auto& [bytes, point] : table_)
            if (point == codePoint)
                return bytes;
        return codePoint < 0x80 ? std::string(1, static_cast<char>(codePoint)) : std::string();
    }
    std::optional<char32_t> ToCodePoint(std::string_view character) const override
    {
        if (const auto found = table_.find(std::string(character)); found != table_.end())
            return found->second;
        if (character.size() == 1 && static_cast<uint8_t>(character[0]) < 0x80)
            return static_cast<char32_t>(character[0]);
        return std::nullopt;
    }

private:
    std::map<std::string, char32_t> table_{{"あ", 0x3042}, {"ｱ", 0xFF71}, {"髙", 0x9AD9}};
};

std::string Text(std::initializer_list<uint8_t> bytes, std::string_view label)
{
    const std::vector<uint8_t> data(bytes);
    for (const InspectorRow& row : InspectorRows(data, SmallCodePage()))
        if (row.label == label)
            return row.text;
    ADD_FAILURE() << "no row " << label;
    return {};
}

} // namespace

TEST(InspectorValues, IntegersReadBothByteOrdersAndSigns)
{
    const auto bytes = {uint8_t{0x80}, uint8_t{0x01}, uint8_t{0xFF}, uint8_t{0xFF},
                        uint8_t{0xFF}, uint8_t{0xFF}, uint8_t{0xFF}, uint8_t{0xFF}};
    EXPECT_EQ(Text(bytes, "8ビット符号付き"), "-128");
    EXPECT_EQ(Text(bytes, "8ビット符号なし"), "128");
    EXPECT_EQ(Text(bytes, "16ビット符号付き(LE)"), "384");
    EXPECT_EQ(Text(bytes, "16ビット符号付き(BE)"), "-32767");
    EXPECT_EQ(Text(bytes, "16ビット符号なし(BE)"), "32769");
    EXPECT_EQ(Text(bytes, "32ビット符号付き(LE)"), "-65152");
    EXPECT_EQ(Text(bytes, "32ビット符号なし(LE)"), "4294902144");
    EXPECT_EQ(Text(bytes, "64ビット符号なし(LE)"), "18446744073709486464");
    EXPECT_EQ(Text(bytes, "64ビット符号付き(BE)"), "-9222809086901354497");
    EXPECT_EQ(Text({0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "64ビット符号付き(BE)"),
              "9223372036854775807");
    EXPECT_EQ(Text(bytes, "2進数"), "1000 0000");
}

TEST(InspectorValues, RowsWhoseBytesPassTheEndShowTheDash)
{
    const std::vector<uint8_t> three{0x01, 0x02, 0x03};
    const std::vector<InspectorRow> rows = InspectorRows(three, SmallCodePage());
    ASSERT_EQ(rows.size(), InspectorRowCount());
    for (const InspectorRow& row : rows) {
        const bool needsMore = row.label.starts_with("32") || row.label.starts_with("64");
        EXPECT_EQ(row.text == kTextInspectorPastEnd, needsMore) << row.label << ": " << row.text;
    }
    const std::vector<InspectorRow> none = InspectorRows({}, SmallCodePage());
    ASSERT_EQ(none.size(), InspectorRowCount());
    for (size_t i = 0; i < none.size(); ++i) {
        EXPECT_EQ(none[i].label, rows[i].label);
        EXPECT_EQ(none[i].text, kTextInspectorPastEnd) << none[i].label;
    }
    EXPECT_EQ(Text({0x41}, "UTF-16LE"), kTextInspectorPastEnd);
}

TEST(InspectorValues, FloatsShowNanInfinitiesAndDenormals)
{
    EXPECT_EQ(Text({0x00, 0x00, 0xC0, 0x3F}, "32ビット浮動小数点(LE)"), "1.5");
    EXPECT_EQ(Text({0x00, 0x00, 0xC0, 0x7F}, "32ビット浮動小数点(LE)"), "NaN (7FC00000)");
    EXPECT_EQ(Text({0x01, 0x00, 0x80, 0xFF}, "32ビット浮動小数点(LE)"), "NaN (FF800001)");
    EXPECT_EQ(Text({0x00, 0x00, 0x80, 0x7F}, "32ビット浮動小数点(LE)"), "+∞");
    EXPECT_EQ(Text({0xFF, 0xF0, 0, 0, 0, 0, 0, 0}, "64ビット浮動小数点(BE)"), "-∞");
    EXPECT_EQ(Text({0x01, 0x00, 0x00, 0x00}, "32ビット浮動小数点(LE)"), "1e-45 (非正規化数)");
    EXPECT_EQ(Text({1, 0, 0, 0, 0, 0, 0, 0}, "64ビット浮動小数点(LE)"), "5e-324 (非正規化数)");
    EXPECT_EQ(Text({0, 0, 0, 0, 0, 0, 0, 0x80}, "64ビット浮動小数点(LE)"), "-0");
    EXPECT_EQ(Text({0x3F, 0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}, "64ビット浮動小数点(BE)"), "0.1");
    EXPECT_EQ(FloatText(std::numeric_limits<float>::max()), "3.4028235e+38");
}

TEST(InspectorValues, ShiftJisTakesTheCodePagesLeadBytesAndShowsInvalidSequences)
{
    EXPECT_EQ(Text({0x82, 0xA0, 0x00}, "Shift-JIS"), "あ U+3042");
    EXPECT_EQ(Text({0xFB, 0xFC}, "Shift-JIS"), "髙 U+9AD9");
    EXPECT_EQ(Text({0xB1, 0x82}, "Shift-JIS"), "ｱ U+FF71");
    EXPECT_EQ(Text({0x41, 0x82}, "Shift-JIS"), "A U+0041");
    EXPECT_EQ(Text({0x0A}, "Shift-JIS"), "U+000A (制御文字)");
    EXPECT_EQ(Text({0x82}, "Shift-JIS"), "不完全 (82)");
    EXPECT_EQ(Text({0x81, 0x20}, "Shift-JIS"), "無効 (81 20)");
    EXPECT_EQ(Text({0x85, 0x40}, "Shift-JIS"), "無効 (85 40)");  // well formed, unassigned
    EXPECT_EQ(Text({0x80, 0x40}, "Shift-JIS"), "無効 (80)");
    EXPECT_EQ(Text({0xFD, 0x40}, "Shift-JIS"), "無効 (FD)");
}

TEST(InspectorValues, Utf16PairsSurrogatesAndRejectsLoneOnes)
{
    EXPECT_EQ(Text({0x42, 0x30}, "UTF-16LE"), "あ U+3042");
    EXPECT_EQ(Text({0x3D, 0xD8, 0x00, 0xDE}, "UTF-16LE"), "U+1F600");
    EXPECT_EQ(Text({0x00, 0xDE, 0x41, 0x00}, "UTF-16LE"), "無効 (00 DE)");
    EXPECT_EQ(Text({0x3D, 0xD8, 0x41, 0x00}, "UTF-16LE"), "無効 (3D D8 41 00)");
    EXPECT_EQ(Text({0x3D, 0xD8, 0x00}, "UTF-16LE"), "不完全 (3D D8 00)");
}

TEST(InspectorValues, Utf8RejectsOverlongSurrogateOutOfRangeAndTruncatedForms)
{
    EXPECT_EQ(Text({0xE3, 0x81, 0x82}, "UTF-8"), "あ U+3042");
    EXPECT_EQ(Text({0xF0, 0x9F, 0x98, 0x80}, "UTF-8"), "U+1F600");
    EXPECT_EQ(Text({0xC2, 0x85}, "UTF-8"), "U+0085 (制御文字)");
    EXPECT_EQ(Text({0xC0, 0x80}, "UTF-8"), "無効 (C0)");
    EXPECT_EQ(Text({0xE0, 0x80, 0x80}, "UTF-8"), "無効 (E0 80)");
    EXPECT_EQ(Text({0xF0, 0x8F, 0xBF, 0xBF}, "UTF-8"), "無効 (F0 8F)");
    EXPECT_EQ(Text({0xED, 0xA0, 0x80}, "UTF-8"), "無効 (ED A0)");
    EXPECT_EQ(Text({0xF4, 0x90, 0x80, 0x80}, "UTF-8"), "無効 (F4 90)");
    EXPECT_EQ(Text({0xE3, 0x81, 0x41}, "UTF-8"), "無効 (E3 81 41)");
    EXPECT_EQ(Text({0x80}, "UTF-8"), "無効 (80)");
    EXPECT_EQ(Text({0xE3, 0x81}, "UTF-8"), "不完全 (E3 81)");
}

TEST(InspectorValues, LinesAlignTheTextsAndCopiesAreTabbedLines)
{
    const InspectorRow first{"8ビット符号付き", "-1"}, second{"UTF-8", "A U+0041"};
    const std::string line = InspectorLine(first), other = InspectorLine(second);
    EXPECT_EQ(line.find("-1"), other.find("A U+0041"));
    EXPECT_TRUE(line.starts_with(first.label + " "));
    const InspectorRow rows[] = {first, second};
    EXPECT_EQ(InspectorCopyText(rows), first.label + "\t-1\r\n" + "UTF-8\tA U+0041\r\n");
}
