// Process-list records: parsing with bounds, composing, and keeping one record per editor.
#include "app/Profile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<Profile> Parse(const _CVec<uint8_t>& bytes)
{
    return ParseProfiles(bytes.data(), bytes.size());
}

} // namespace

TEST(Profile, ComposeAndParseRoundTrip)
{
    const std::vector<Profile> profiles = {
        {"C:\\Temp\\QX1A2.tmp", "D:\\work\\表示.bin"},
        {"C:\\Temp\\QX1A3.tmp", ""},
    };
    const auto bytes = ComposeProfiles(profiles);
    ASSERT_EQ(bytes.size(), 2 * ProfileSize);
    EXPECT_EQ(bytes[ProfileSize + ProfileFieldSize], 0);  // the untitled name is an empty text
    EXPECT_EQ(Parse(bytes), profiles);
    EXPECT_TRUE(ComposeProfiles({}).empty());
}

TEST(Profile, BytesAfterTheTerminatorAreNotRead)
{
    std::vector<uint8_t> bytes(ProfileSize, 'x');
    std::memcpy(bytes.data(), "C:\\b.tmp\0junk", 13);
    bytes[ProfileFieldSize + 3] = 0;
    const auto profiles = ParseProfiles(bytes.data(), bytes.size());
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(profiles[0].backupFile, "C:\\b.tmp");
    EXPECT_EQ(profiles[0].documentName, "xxx");
}

TEST(Profile, FieldsWithoutTerminatorAreCutAtTheirEnd)
{
    // Placed at the very end of an allocation so that a read past a field is caught.
    std::vector<uint8_t> bytes(ProfileSize, 'A');
    const auto profiles = ParseProfiles(bytes.data(), bytes.size());
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(profiles[0].backupFile, std::string(ProfileFieldSize, 'A'));
    EXPECT_EQ(profiles[0].documentName, std::string(ProfileFieldSize, 'A'));
}

TEST(Profile, PartialRecordsAndMissingBytesGiveNoRecords)
{
    const auto two = ComposeProfiles({{"C:\\1.tmp", "C:\\a"}, {"C:\\2.tmp", "C:\\b"}});
    EXPECT_TRUE(ParseProfiles(two.data(), 0).empty());
    EXPECT_TRUE(ParseProfiles(two.data(), ProfileSize - 1).empty());
    EXPECT_EQ(ParseProfiles(two.data(), 2 * ProfileSize - 1).size(), 1u);
    EXPECT_TRUE(ParseProfiles(nullptr, 1040).empty());
}

TEST(Profile, TextsTooLongForAFieldAreStoredEmpty)
{
    const std::string longest(ProfileFieldSize - 1, 'p');
    const std::string tooLong(ProfileFieldSize, 'p');
    const auto bytes = ComposeProfiles({{longest, tooLong}});
    ASSERT_EQ(bytes.size(), ProfileSize);
    const auto profiles = Parse(bytes);
    EXPECT_EQ(profiles[0].backupFile, longest);
    EXPECT_EQ(profiles[0].documentName, "");
}

TEST(Profile, RecordsAreFoundByTheirBackupFile)
{
    std::vector<Profile> profiles;
    AddProfile(profiles, {"C:\\Temp\\QX1.tmp", "C:\\a"});
    AddProfile(profiles, {"C:\\Temp\\QX2.tmp", ""});
    AddProfile(profiles, {"C:\\Temp\\QX2.tmp", "C:\\dup"});

    EXPECT_TRUE(UpdateProfile(profiles, "c:\\temp\\qx2.TMP", "C:\\b"));
    EXPECT_EQ(profiles[1].documentName, "C:\\b");
    EXPECT_EQ(profiles[2].documentName, "C:\\dup");  // only the first record of that backup
    EXPECT_FALSE(UpdateProfile(profiles, "C:\\Temp\\QX9.tmp", "C:\\x"));

    EXPECT_TRUE(RemoveProfile(profiles, "C:\\TEMP\\QX1.TMP"));
    EXPECT_FALSE(RemoveProfile(profiles, "C:\\Temp\\QX1.tmp"));
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0], (Profile{"C:\\Temp\\QX2.tmp", "C:\\b"}));
}
