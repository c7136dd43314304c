// The patching tools' texts: copy formats and their reading back, Intel HEX and S-records
// against published examples and round trips, and typed numbers as stored bytes.
#include <gtest/gtest.h>

#include "app/patching/ByteFormats.h"
#include "app/patching/FillBytes.h"
#include "app/patching/HexRecords.h"
#include "app/patching/NumberPattern.h"

#include <bit>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Noise(std::mt19937& random, size_t count)
{
    Bytes bytes(count);
    for (auto& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

std::string Format(ByteFormat format, std::string_view text, uint64_t offset = 0)
{
    return FormatBytes(format, reinterpret_cast<const uint8_t*>(text.data()), text.size(), offset);
}

TEST(CopyFormats, EachFormatAsPeoplePasteIt)
{
    EXPECT_EQ(Format(ByteFormat::CArray, "ABC"), "unsigned char data[3] = {\r\n    0x41, 0x42, 0x43\r\n};\r\n");
    EXPECT_EQ(Format(ByteFormat::CArray, std::string(13, 'A')),
              "unsigned char data[13] = {\r\n    0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, "
              "0x41,\r\n    0x41\r\n};\r\n");
    EXPECT_EQ(Format(ByteFormat::HexString, "A\x01\xFF"), "41 01 FF");
    EXPECT_EQ(Format(ByteFormat::HexDump, "0123456789abcdef\x7F", 0x1230),
              "00001230  30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66  0123456789abcdef\r\n"
              "00001240  7F                                               .\r\n");
    // RFC 4648's vectors, and a line break after 76 characters.
    const std::pair<const char*, const char*> base64[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
                                                          {"foo", "Zm9v"},  {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},
                                                          {"foobar", "Zm9vYmFy"}};
    for (const auto& [in, out] : base64)
        EXPECT_EQ(Format(ByteFormat::Base64, in), out) << in;
    std::string lines;
    for (int i = 0; i < 19; ++i)
        lines += "eHh4";
    EXPECT_EQ(Format(ByteFormat::Base64, std::string(60, 'x')), lines + "\r\neHh4");
}

TEST(CopyFormats, HexStringsAndDumpsReadBackAndAnythingElseIsRefused)
{
    std::mt19937 random(7);
    for (const size_t count : {1u, 15u, 16u, 17u, 40u}) {
        const Bytes bytes = Noise(random, count);
        for (const ByteFormat format : {ByteFormat::HexString, ByteFormat::HexDump}) {
            const auto back = ParseHexText(FormatBytes(format, bytes.data(), bytes.size(), 0x10000000, 10));
            ASSERT_TRUE(back) << count;
            EXPECT_EQ(*back, bytes) << count;
        }
    }
    EXPECT_EQ(ParseHexText("4142\r\n43"), (Bytes{0x41, 0x42, 0x43}));
    // A dump whose characters are hex digits is still read as a dump.
    EXPECT_EQ(ParseHexText(Format(ByteFormat::HexDump, "ABCD")), (Bytes{'A', 'B', 'C', 'D'}));
    for (const char* bad : {"", "  ", "414", "41 4G", "0x41", "unsigned char data[1] = {0x41};"})
        EXPECT_FALSE(ParseHexText(bad)) << bad;
}

TEST(HexRecords, PublishedExamplesReadAsTheirBytes)
{
    const RecordImage intel = ReadRecords(":10010000214601360121470136007EFE09D2190140\r\n"
                                          ":100110002146017E17C20001FF5F16002148011928\r\n"
                                          ":10012000194E79234623965778239EDA3F01B2CAA7\r\n"
                                          ":100130003F0156702B5E712B722B732146013421C7\r\n"
                                          ":00000001FF\r\n");
    ASSERT_EQ(intel.problem, RecordProblem::None);
    EXPECT_EQ(intel.start, 0x100u);
    ASSERT_EQ(intel.bytes.size(), 64u);
    EXPECT_EQ(intel.bytes[0], 0x21);
    EXPECT_EQ(intel.bytes[63], 0x21);
    const RecordImage s = ReadRecords("S00F000068656C6C6F202020202000003C\n"
                                      "S11F00007C0802A6900100049421FFF07C6C1B787C8C23783C6000003863000026\n"
                                      "S11F001C4BFFFFE5398000007D83637880010014382100107C0803A64E800020E9\n"
                                      "S111003848656C6C6F20776F726C642E0A0042\n"
                                      "S5030003F9\n"
                                      "S9030000FC\n");
    ASSERT_EQ(s.problem, RecordProblem::None);
    EXPECT_EQ(s.start, 0u);
    ASSERT_EQ(s.bytes.size(), 0x38u + 14);
    EXPECT_EQ(std::string(s.bytes.end() - 14, s.bytes.end()), std::string("Hello world.\n", 14));

    // Each problem with the line it stands on.
    const std::pair<const char*, std::pair<RecordProblem, size_t>> flawed[] = {
        {":00000001FF\n", {RecordProblem::NoData, 0}},
        {"\n:0100000041BE\n:0100010041BE\n", {RecordProblem::BadChecksum, 3}},
        {":0200000041BE\n", {RecordProblem::BadLength, 1}},
        {":0100000041BE\nS104000041BA\n", {RecordProblem::NotRecords, 2}},
        {"S104000041BA\nhello\n", {RecordProblem::NotRecords, 2}},
        {"S104000041BB\n", {RecordProblem::BadChecksum, 1}},
        {":020000040000FA\n:0100000041BE\n:020000044001B9\n:0100000041BE\n", {RecordProblem::TooLarge, 0}},
    };
    for (const auto& [text, expected] : flawed) {
        const RecordImage image = ReadRecords(text);
        EXPECT_EQ(image.problem, expected.first) << text;
        if (expected.second) {
            EXPECT_EQ(image.line, expected.second) << text;
        }
    }
}

TEST(HexRecords, BothFormsRoundTripAcrossPagesAndAddressWidths)
{
    std::mt19937 random(3);
    for (const RecordFormat format : {RecordFormat::IntelHex, RecordFormat::SRecord}) {
        for (const uint64_t address : {uint64_t{0}, uint64_t{0xFFF7}, uint64_t{0xFFFFF0}, uint64_t{0xFFFFFFF0}}) {
            const size_t count = address == 0xFFFFFFF0 ? 16 : 100;
            const Bytes bytes = Noise(random, count);
            std::string text;
            ASSERT_EQ(WriteRecords(format, address, count,
                                   [&](uint64_t at, uint8_t* out, size_t n) {
                                       std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(at), n, out);
                                       return true;
                                   },
                                   [&](std::string_view part) {
                                       text += part;
                                       return true;
                                   }),
                      RecordWrite::Written);
            const RecordImage image = ReadRecords(text);
            ASSERT_EQ(image.problem, RecordProblem::None) << text;
            EXPECT_EQ(image.start, address);
            EXPECT_EQ(image.bytes, bytes);
        }
    }
    const auto never = [](uint64_t, uint8_t*, size_t) { return false; };
    const auto sink = [](std::string_view) { return true; };
    EXPECT_EQ(WriteRecords(RecordFormat::IntelHex, 0xFFFFFFF0, 17, never, sink), RecordWrite::TooFar);
    EXPECT_EQ(WriteRecords(RecordFormat::SRecord, 0, 1, never, sink), RecordWrite::ReadFailed);
}

TEST(NumberSearch, TypedNumbersBecomeTheirStoredBytesOrAreRefused)
{
    const NumberType s8{NumberKind::Signed, 1, false}, u16be{NumberKind::Unsigned, 2, true},
        s32{NumberKind::Signed, 4, false}, u64{NumberKind::Unsigned, 8, false}, f32{NumberKind::Float, 4, false},
        f64be{NumberKind::Float, 8, true};
    struct Case {
        const char* text;
        NumberType type;
        NumberEntry entry;
        Bytes bytes;
    };
    const Case cases[] = {
        {"-128", s8, NumberEntry::Ok, {0x80}},
        {"-129", s8, NumberEntry::OutOfRange, {}},
        {"128", s8, NumberEntry::OutOfRange, {}},
        {"0xFF", s8, NumberEntry::Ok, {0xFF}},
        {"0x100", s8, NumberEntry::OutOfRange, {}},
        {"65535", u16be, NumberEntry::Ok, {0xFF, 0xFF}},
        {"0x1234", u16be, NumberEntry::Ok, {0x12, 0x34}},
        {"-1", u16be, NumberEntry::OutOfRange, {}},
        {" +305419896 ", s32, NumberEntry::Ok, {0x78, 0x56, 0x34, 0x12}},
        {"18446744073709551615", u64, NumberEntry::Ok, Bytes(8, 0xFF)},
        {"18446744073709551616", u64, NumberEntry::OutOfRange, {}},
        {"0x1FFFFFFFFFFFFFFFF", u64, NumberEntry::OutOfRange, {}},
        {"12a", s32, NumberEntry::NotANumber, {}},
        {"", s32, NumberEntry::Empty, {}},
        {"1.0", f32, NumberEntry::Ok, {0x00, 0x00, 0x80, 0x3F}},
        {"0x3F800000", f32, NumberEntry::Ok, {0x00, 0x00, 0x80, 0x3F}},
        {"1e39", f32, NumberEntry::OutOfRange, {}},
        {"nan", f32, NumberEntry::NotANumber, {}},
        {"-2", f64be, NumberEntry::Ok, {0xC0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        NumberPattern pattern;
        EXPECT_EQ(ParseNumber(c.text, c.type, "", pattern), c.entry) << c.text;
        if (c.entry == NumberEntry::Ok) {
            EXPECT_EQ(pattern.bytes, c.bytes) << c.text;
        }
    }
    NumberPattern pattern;
    EXPECT_EQ(ParseNumber("5", s32, "1", pattern), NumberEntry::BadTolerance);
    EXPECT_EQ(ParseNumber("5", f32, "-1", pattern), NumberEntry::BadTolerance);
}

TEST(NumberSearch, NearFloatsAreFoundAtAnyOffsetInBothDirections)
{
    // 3.14159f at 5, 3.1f at 20 (outside 0.01 of pi), 3.1416f at 41; the reads are short
    // pieces, so the scan meets values split over its pieces' edges.
    Bytes data(64, 0);
    const auto put = [&](size_t at, float value) {
        const auto bits = std::bit_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            data[at + i] = static_cast<uint8_t>(bits >> (8 * i));
    };
    put(5, 3.14159f);
    put(20, 3.1f);
    put(41, 3.1416f);
    NumberPattern pattern;
    ASSERT_EQ(ParseNumber("3.14159", {NumberKind::Float, 4, false}, "0.01", pattern), NumberEntry::Ok);
    const NumberSource read = [&](uint64_t at, uint8_t* out, size_t count) {
        if (at + count > data.size())
            return false;
        std::copy_n(data.begin() + static_cast<ptrdiff_t>(at), count, out);
        return true;
    };
    bool failed = true;
    EXPECT_EQ(FindNumber(pattern, data.size(), 0, true, read, failed), 5u);
    EXPECT_EQ(FindNumber(pattern, data.size(), 6, true, read, failed), 41u);
    EXPECT_EQ(FindNumber(pattern, data.size(), 42, true, read, failed), kNumberNotFound);
    EXPECT_EQ(FindNumber(pattern, data.size(), 63, false, read, failed), 41u);
    EXPECT_EQ(FindNumber(pattern, data.size(), 40, false, read, failed), 5u);
    EXPECT_FALSE(failed);
    EXPECT_EQ(FindNumber(pattern, data.size() + 1, 0, true, read, failed), kNumberNotFound);
    EXPECT_TRUE(failed);
}

TEST(Fill, TheUnitRepeatsToTheLastByteAndRandomBytesFollowTheirSeed)
{
    const uint8_t unit[] = {1, 2, 3};
    for (const size_t count : {0u, 1u, 3u, 7u, 1000u}) {
        const std::vector<uint8_t> bytes = RepeatedBytes(unit, count);
        ASSERT_EQ(bytes.size(), count);
        for (size_t i = 0; i < count; ++i)
            ASSERT_EQ(bytes[i], unit[i % 3]) << count << " at " << i;
    }
    EXPECT_EQ(RandomBytes(13, 5), RandomBytes(13, 5));
    EXPECT_NE(RandomBytes(13, 5), RandomBytes(13, 6));
}

} // namespace
