// The save query and saving: its texts, the three answers, a failing save, untitled saves, the dialogs' start folders.
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/PathString.h"
#include "common/win/WideText.h"
#include "tests/win/documents/DocumentsScene.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/TempDocument.h"

using SaveQuery = DocumentsScene;
using Texts = std::vector<std::string>;

namespace {

const std::string Zero(1, '\0');

std::string WithoutBackslash(std::string folder)
{
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

} // namespace

TEST_F(SaveQuery, AnswersDecideWhetherTheCommandGoesOn)
{
    ASSERT_TRUE(CreateDirectoryW((folder_ / "sub").c_str(), nullptr));
    const std::wstring a = file("sub\\a.bin", "AAAA");
    ASSERT_TRUE(form().Documents().LoadDocument(a, a));
    type('x');
    EXPECT_TRUE(markedModified());

    // Cancel keeps everything, the window too.
    dialogs_.reply("中止");
    form().Close();
    const std::vector<SeenDialog> queries = dialogs_.seenOf("TFormQuerySave");
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].caption, "問い合わせ [Korvani Quillet]");
    EXPECT_EQ(queries[0].texts, Texts({"編集中の文書が変更されています。", "「終了」をする前に保存しますか？"}));
    EXPECT_TRUE(IsWindowVisible(form().Handle()));
    EXPECT_EQ(shown(), "xAAAA");
    EXPECT_TRUE(markedModified());

    // Save, but the file's folder is gone: the warning, and the new document is not made.
    ASSERT_TRUE(RemoveHeldFile(a) && RemoveDirectoryW((folder_ / "sub").c_str()));
    dialogs_.clear();
    dialogs_.reply("保存する");
    run(ActionId::FileNew);
    EXPECT_EQ(dialogs_.seenOf("TFormQuerySave").at(0).texts.at(1), "「新規作成」をする前に保存しますか？");
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].find(kTextCannotWriteFile), 0u);
    EXPECT_EQ(shown(), "xAAAA");
    EXPECT_TRUE(markedModified());

    // Don't save: the changes are dropped.
    dialogs_.reply("保存しない");
    run(ActionId::FileNew);
    EXPECT_EQ(shown(), Zero);
    EXPECT_FALSE(markedModified());
    EXPECT_EQ(selectedItem(), L"[無題]");

    // Save that works: the file holds the changes, then the command goes on.
    const std::wstring b = file("b.bin", "BB");
    ASSERT_TRUE(form().Documents().LoadDocument(b, b));
    type('y');
    dialogs_.clear();
    dialogs_.reply("保存する");
    run(ActionId::EditorRefresh);
    EXPECT_EQ(dialogs_.seenOf("TFormQuerySave").size(), 1u);
    EXPECT_EQ(FileText(b), "yBB");
    EXPECT_EQ(shown(), "yBB");
    EXPECT_FALSE(markedModified());

    // Nothing to save: no question at all.
    dialogs_.clear();
    run(ActionId::FileNew);
    EXPECT_TRUE(dialogs_.seen().empty());
}

TEST_F(SaveQuery, UntitledSaveAsksForANameAndCancellingStopsThePendingCommand)
{
    type('z');
    dialogs_.reply("");
    run(ActionId::FileSave);
    const std::vector<SeenDialog> saves = dialogs_.seenOf("#32770");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, kTextSaveDialogTitle);
    // Untitled: the dialog starts in the program's folder.
    EXPECT_TRUE(SameName(saves[0].folder, WithoutBackslash(ProgramFolder()))) << saves[0].folder;
    EXPECT_TRUE(markedModified());

    dialogs_.reply("保存する");
    dialogs_.reply("");
    run(ActionId::FileNew);
    EXPECT_EQ(dialogs_.seen().size(), 3u);
    EXPECT_EQ(shown(), "z" + Zero);
    EXPECT_TRUE(markedModified());

    // Saved under a name: listed, remembered as the open path, no longer modified.
    const std::wstring saved = folder_ / "saved.bin";
    dialogs_.reply(AnsiText(saved));
    run(ActionId::FileSaveAs);
    EXPECT_EQ(FileText(saved), "z" + Zero);
    EXPECT_FALSE(markedModified());
    EXPECT_TRUE(SameName(selectedItem(), saved)) << AnsiText(selectedItem());
    EXPECT_EQ(items().size(), 2u);
    EXPECT_TRUE(SameName(form().Preferences().openPath, folder_.path()));
}

TEST_F(SaveQuery, OpenDialogStartsInTheLastFolderItsNearestParentOrTheProgramFolder)
{
    const auto rememberFolder = [&](const std::wstring& folder) {
        ::Preferences preferences = form().Preferences();
        preferences.openPath = folder;
        form().SetPreferences(preferences);
    };
    const std::wstring a = file("a.bin", "A");
    rememberFolder(folder_.path());
    dialogs_.reply(AnsiText(a));
    run(ActionId::FileOpen);
    dialogs_.reply("");
    rememberFolder(folder_ / "gone\\deeper");
    run(ActionId::FileOpen);
    dialogs_.reply("");
    rememberFolder(L"Q:\\nowhere");
    run(ActionId::FileEditorOpen);

    const std::vector<SeenDialog> opens = dialogs_.seenOf("#32770");
    ASSERT_EQ(opens.size(), 3u);
    EXPECT_EQ(opens[0].caption, kTextOpenDialogTitle);
    EXPECT_TRUE(SameName(WideFromAnsi(opens[0].folder), folder_.path())) << opens[0].folder;
    EXPECT_TRUE(SameName(WideFromAnsi(opens[1].folder), folder_.path())) << opens[1].folder;
    EXPECT_TRUE(SameName(opens[2].folder, WithoutBackslash(ProgramFolder()))) << opens[2].folder;
    // The chosen file was opened and its folder remembered; cancelling changed nothing.
    EXPECT_EQ(shown(), "A");
    EXPECT_TRUE(SameName(selectedItem(), a));
    EXPECT_EQ(form().Preferences().openPath, L"Q:\\nowhere");
}
