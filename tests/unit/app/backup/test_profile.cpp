// Process-list records: parsing with bounds, composing, names no narrow text spells, and finding a record by its backup.
#include "app/backup/Profile.h"
#include "app/backup/BackupRules.h"
#include "tests/unit/app/backup/Latin1NameForms.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<Profile> Parse(const uint8_t* bytes, size_t size) { return ParseProfiles(bytes, size, kLatin1); }
_CVec<uint8_t> Compose(const std::vector<Profile>& profiles) { return ComposeProfiles(profiles, kLatin1); }

// The records as an older editor reads them: every record, its fields as narrow texts.
std::vector<std::pair<std::string, std::string>> OlderView(const _CVec<uint8_t>& bytes)
{
    std::vector<std::pair<std::string, std::string>> records;
    for (size_t at = 0; at + ProfileSize <= bytes.size(); at += ProfileSize) {
        const char* first = reinterpret_cast<const char*>(bytes.data() + at);
        records.emplace_back(std::string(first, strnlen(first, ProfileFieldSize)),
                             std::string(first + ProfileFieldSize, strnlen(first + ProfileFieldSize, ProfileFieldSize)));
    }
    return records;
}

} // namespace

TEST(Profile, ComposeAndParseRoundTrip)
{
    const std::vector<Profile> profiles = {{L"C:\\Temp\\QX1A2.tmp", L"D:\\work\\caf\u00E9.bin"}, {L"C:\\Temp\\QX1A3.tmp", L""}};
    const auto bytes = Compose(profiles);
    ASSERT_EQ(bytes.size(), 2 * ProfileSize);
    EXPECT_EQ(Parse(bytes.data(), bytes.size()), profiles);

    // A narrow text that cannot keep its terminator is stored empty rather than cut; the name
    // itself follows in name records.
    const std::wstring longest(ProfileFieldSize - 1, L'p'), tooLong(ProfileFieldSize, L'p');
    const auto limits = Compose({{longest, tooLong}});
    EXPECT_EQ(Parse(limits.data(), limits.size()), std::vector<Profile>({{longest, tooLong}}));
    EXPECT_EQ(OlderView(limits).front(), std::make_pair(std::string(ProfileFieldSize - 1, 'p'), std::string()));
}

TEST(Profile, NamesNoNarrowTextSpellsFollowTheirRecord)
{
    const std::wstring hangul = L"D:\\한국어\\ύψος \U0001F600.bin";
    const std::wstring longBackup = L"C:\\" + std::wstring(600, L'\u00E9') + L"\\QX7.tmp";
    const std::vector<Profile> profiles = {
        {L"C:\\Temp\\QX1.tmp", hangul}, {longBackup, L"C:\\a.bin"}, {L"C:\\Temp\\QX3.tmp", L"C:\\b.bin"}};
    const auto bytes = Compose(profiles);
    EXPECT_EQ(Parse(bytes.data(), bytes.size()), profiles);

    // An older editor finds the editors' records with the names it can spell, empty where it
    // cannot, and name records that name no backup with a drive letter: it recovers no wrong file.
    const auto older = OlderView(bytes);
    ASSERT_GT(older.size(), 3u);
    std::vector<Profile> seen;
    for (const auto& [first, second] : older)
        seen.push_back({kLatin1.widen(first), kLatin1.widen(second)});
    EXPECT_EQ(RecoverableProfiles(seen), std::vector<Profile>({{L"C:\\Temp\\QX1.tmp", L""},
                                                                {L"C:\\Temp\\QX3.tmp", L"C:\\b.bin"}}));
    EXPECT_EQ(older.front(), std::make_pair(std::string("C:\\Temp\\QX1.tmp"), std::string()));

    // An older editor that removes its own record and appends another keeps the name records
    // with the record they follow.
    std::vector<uint8_t> rewritten(bytes.data(), bytes.data() + bytes.size());
    const auto appended = Compose({{L"C:\\Temp\\QX9.tmp", L""}});
    rewritten.erase(rewritten.end() - ProfileSize, rewritten.end());
    rewritten.insert(rewritten.end(), appended.data(), appended.data() + appended.size());
    EXPECT_EQ(Parse(rewritten.data(), rewritten.size()),
              std::vector<Profile>({profiles[0], profiles[1], {L"C:\\Temp\\QX9.tmp", L""}}));
}

TEST(Profile, ParsingStaysInsideTheRecords)
{
    std::vector<uint8_t> bytes(ProfileSize, 'x');
    std::memcpy(bytes.data(), "C:\\b.tmp\0junk", 13);
    auto profiles = Parse(bytes.data(), bytes.size());
    EXPECT_EQ(profiles, std::vector<Profile>({{L"C:\\b.tmp", L""}}));

    // A name field without any terminator is damaged and names nothing, rather than a file
    // its 260 bytes might name (the buffer ends right behind the record, so a read past it is
    // caught).
    std::fill(bytes.begin(), bytes.end(), 'A');
    std::memcpy(bytes.data(), "C:\\", 3);
    profiles = Parse(bytes.data(), bytes.size());
    EXPECT_EQ(profiles, std::vector<Profile>({{L"", L""}}));

    // Only whole records count.
    const auto two = Compose({{L"C:\\1.tmp", L"C:\\a"}, {L"C:\\2.tmp", L"C:\\b"}});
    EXPECT_TRUE(Parse(two.data(), 0).empty());
    EXPECT_TRUE(Parse(two.data(), ProfileSize - 1).empty());
    EXPECT_EQ(Parse(two.data(), 2 * ProfileSize - 1).size(), 1u);
    EXPECT_TRUE(Parse(nullptr, 1040).empty());
}

TEST(Profile, RecordsAreFoundByTheirBackupFile)
{
    std::vector<Profile> profiles;
    AddProfile(profiles, {L"C:\\Temp\\QX1.tmp", L"C:\\a"});
    AddProfile(profiles, {L"C:\\Temp\\QX2.tmp", L""});
    AddProfile(profiles, {L"C:\\Temp\\QX2.tmp", L"C:\\dup"});

    EXPECT_TRUE(UpdateProfile(profiles, L"c:\\temp\\qx2.TMP", L"C:\\b"));
    EXPECT_EQ(profiles[2].documentName, L"C:\\dup");  // only the first record of that backup
    EXPECT_FALSE(UpdateProfile(profiles, L"C:\\Temp\\QX9.tmp", L"C:\\x"));
    EXPECT_TRUE(RemoveProfile(profiles, L"C:\\TEMP\\QX1.TMP"));
    EXPECT_FALSE(RemoveProfile(profiles, L"C:\\Temp\\QX1.tmp"));
    EXPECT_EQ(profiles, std::vector<Profile>({{L"C:\\Temp\\QX2.tmp", L"C:\\b"}, {L"C:\\Temp\\QX2.tmp", L"C:\\dup"}}));
}
