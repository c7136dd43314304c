// The standard boxes: flags and captions by kind, the program's description in the caption.
#include "common/win/AAppVersion.h"
#include "common/win/MessageBox.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

TEST(StandardBoxes, KindsGiveTheirButtonsIconsAndCaptions)
{
    struct Case {
        int kind;
        UINT flags;
        const char* caption;
    };
    const Case cases[] = {
        {0, MB_OKCANCEL | MB_ICONQUESTION, "問い合わせ [Korvani Quillet]"},
        {1, MB_YESNO | MB_ICONQUESTION, "問い合わせ [Korvani Quillet]"},
        {2, MB_YESNOCANCEL | MB_ICONQUESTION, "問い合わせ [Korvani Quillet]"},
        {3, MB_OK | MB_ICONINFORMATION, "情報 [Korvani Quillet]"},
        {4, MB_OK | MB_ICONWARNING, "警告 [Korvani Quillet]"},
        {5, MB_OK | MB_ICONERROR, "エラー [Korvani Quillet]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        MessageBoxCatcher catcher;
        EXPECT_EQ(MessageKindFlags(c.kind), c.flags);
        ShowMessageBox(nullptr, "本文", c.kind);
        ASSERT_EQ(catcher.boxes().size(), 1u);
        EXPECT_EQ(catcher.boxes()[0].caption, c.caption);
        EXPECT_EQ(catcher.boxes()[0].text, "本文");
        EXPECT_EQ(catcher.boxes()[0].flags, c.flags);
    }
}

TEST(StandardBoxes, AnswersComeBackAndUnknownKindsShowNothing)
{
    MessageBoxCatcher catcher;
    catcher.answer(IDYES);
    EXPECT_EQ(ShowMessageBox(nullptr, "はい?", 2), IDYES);
    catcher.answer(IDCANCEL);
    EXPECT_EQ(ShowMessageBox(nullptr, "取消?", 2), IDCANCEL);
    EXPECT_EQ(ShowMessageBox(nullptr, "no", 6), 0);
    EXPECT_EQ(ShowMessageBox(nullptr, "no", -1), 0);
    EXPECT_EQ(catcher.boxes().size(), 2u);
}

TEST(StandardBoxes, OutOfMemoryHasThePlainCaption)
{
    MessageBoxCatcher catcher;
    ShowOutOfMemory(nullptr);
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].caption, "エラー");
    EXPECT_EQ(catcher.boxes()[0].text,
              "メモリーが足りません。\nほかのアプリケーションを終了してから、\nもう一度試してみてください。");
    EXPECT_EQ(catcher.boxes()[0].flags, MB_OK | MB_ICONERROR);
}

TEST(AppVersion, ReadsTheProgramsVersionStrings)
{
    AAppVersion version("vornalix.exe");
    EXPECT_EQ(version.description, "Korvani Quillet");
    EXPECT_EQ(version.productVersion, "1, 0, 2, 0");
    EXPECT_EQ(version.shortVersion, "1.0");
    EXPECT_EQ(version.versionDigits, "1020");
    EXPECT_FALSE(version.legalText.empty());
    EXPECT_EQ(version.osInfo.dwOSVersionInfoSize, 0u);
    EXPECT_FALSE(version.OsName().empty());
    EXPECT_EQ(version.osInfo.dwOSVersionInfoSize, sizeof(OSVERSIONINFOA));
    EXPECT_FALSE(version.OsMajorVersion().empty());

    AAppVersion library("talvine.dll");
    EXPECT_EQ(library.productVersion, "1, 0, 2, 0");
    EXPECT_THROW(AAppVersion("no-such-file.exe"), std::exception);
    EXPECT_FALSE(ComputerName().empty());
    EXPECT_FALSE(UserName().empty());
}
