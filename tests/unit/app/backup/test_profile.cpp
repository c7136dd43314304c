// Process-list records: parsing with bounds, composing, and finding a record by its backup.
#include "app/backup/Profile.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Profile, ComposeAndParseRoundTrip)
{
    const std::vector<Profile> profiles = {{"C:\\Temp\\QX1A2.tmp", "D:\\work\\表示.bin"}, {"C:\\Temp\\QX1A3.tmp", ""}};
    const auto bytes = ComposeProfiles(profiles);
    ASSERT_EQ(bytes.size(), 2 * ProfileSize);
    EXPECT_EQ(ParseProfiles(bytes.data(), bytes.size()), profiles);

    // A text that cannot keep its terminator is stored empty rather than cut.
    const std::string longest(ProfileFieldSize - 1, 'p'), tooLong(ProfileFieldSize, 'p');
    const auto limits = ComposeProfiles({{longest, tooLong}});
    EXPECT_EQ(ParseProfiles(limits.data(), limits.size()), std::vector<Profile>({{longest, ""}}));
}

TEST(Profile, ParsingStaysInsideTheRecords)
{
    std::vector<uint8_t> bytes(ProfileSize, 'x');
    std::memcpy(bytes.data(), "C:\\b.tmp\0junk", 13);
    auto profiles = ParseProfiles(bytes.data(), bytes.size());
    EXPECT_EQ(profiles, std::vector<Profile>({{"C:\\b.tmp", std::string(ProfileFieldSize, 'x')}}));

    // Without any terminator each field ends with its 260 bytes (the buffer ends right
    // behind the record, so a read past it is caught).
    std::fill(bytes.begin(), bytes.end(), 'A');
    profiles = ParseProfiles(bytes.data(), bytes.size());
    EXPECT_EQ(profiles[0].backupFile, std::string(ProfileFieldSize, 'A'));

    // Only whole records count.
    const auto two = ComposeProfiles({{"C:\\1.tmp", "C:\\a"}, {"C:\\2.tmp", "C:\\b"}});
    EXPECT_TRUE(ParseProfiles(two.data(), 0).empty());
    EXPECT_TRUE(ParseProfiles(two.data(), ProfileSize - 1).empty());
    EXPECT_EQ(ParseProfiles(two.data(), 2 * ProfileSize - 1).size(), 1u);
    EXPECT_TRUE(ParseProfiles(nullptr, 1040).empty());
}

TEST(Profile, RecordsAreFoundByTheirBackupFile)
{
    std::vector<Profile> profiles;
    AddProfile(profiles, {"C:\\Temp\\QX1.tmp", "C:\\a"});
    AddProfile(profiles, {"C:\\Temp\\QX2.tmp", ""});
    AddProfile(profiles, {"C:\\Temp\\QX2.tmp", "C:\\dup"});

    EXPECT_TRUE(UpdateProfile(profiles, "c:\\temp\\qx2.TMP", "C:\\b"));
    EXPECT_EQ(profiles[2].documentName, "C:\\dup");  // only the first record of that backup
    EXPECT_FALSE(UpdateProfile(profiles, "C:\\Temp\\QX9.tmp", "C:\\x"));
    EXPECT_TRUE(RemoveProfile(profiles, "C:\\TEMP\\QX1.TMP"));
    EXPECT_FALSE(RemoveProfile(profiles, "C:\\Temp\\QX1.tmp"));
    EXPECT_EQ(profiles, std::vector<Profile>({{"C:\\Temp\\QX2.tmp", "C:\\b"}, {"C:\\Temp\\QX2.tmp", "C:\\dup"}}));
}
