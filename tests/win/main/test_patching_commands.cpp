// The number search and the Intel HEX / S-record commands through their menu items, in a main
// window of the test process on a real file: hits, find next and previous, the refusal of a
// value out of range, the file written, and a file read back or refused by its line.
#include "tests/win/main/FormHarness.h"

#include "app/patching/HexRecords.h"
#include "app/win/system/EditorLibrary.h"
#include "common/win/WideText.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// 0x12345678 as a little-endian 32-bit value at 5 and 40, its big-endian bytes at 20.
std::vector<uint8_t> NumberData()
{
    std::vector<uint8_t> bytes(64, 0xEE);
    const uint8_t little[] = {0x78, 0x56, 0x34, 0x12};
    std::copy(std::begin(little), std::end(little), bytes.begin() + 5);
    std::copy(std::rbegin(little), std::rend(little), bytes.begin() + 20);
    std::copy(std::begin(little), std::end(little), bytes.begin() + 40);
    return bytes;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class PatchingMenus : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD detail = 0;
        ASSERT_TRUE(Editor.QX_OpenFile(harness_.control(), WideFromAnsi(file_.path()).c_str(), 0, &detail));
        harness_.pump();
    }

    // Runs the menu item as a click on it does.
    void menu(const char* itemName)
    {
        SendMessageA(harness_.form().Handle(), WM_COMMAND, harness_.form().MenuItem(itemName).Id(), 0);
        harness_.pump();
    }
    // Answers the next number dialog with the value (the type and order as they stand) and Ok.
    static void AnswerNumber(DialogAnswerer& answerer, const std::string& value)
    {
        answerer.queue("TFormFindNumber", [value](HWND dialog) {
            SetWindowTextA(ChildrenOfClass(dialog, "Edit").front(), value.c_str());
            Click(ChildWithText(dialog, "&Ok"));
        });
    }
    // Answers the next file dialog with the path.
    static void AnswerFile(DialogAnswerer& answerer, const std::string& path)
    {
        answerer.queue("#32770", [path](HWND dialog) {
            const HWND name = GetDlgItem(dialog, 0x47c) ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
            SetWindowTextA(name, path.c_str());
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    [[nodiscard]] int64_t caret() const { return Editor.QX_GetCaretPos64(harness_.control()); }
    [[nodiscard]] int64_t selected() const { return Editor.QX_GetSelectionSize64(harness_.control()); }

    TempDocument file_{"qx_patching_menus", NumberData()};
    MainFormHarness harness_;
};

TEST_F(PatchingMenus, NumberSearchFindsTheValueThenGoesOnWithFindNextAndPrevious)
{
    MessageBoxCatcher boxes;
    {
        DialogAnswerer answerer;
        // Past the 32-bit signed range: refused with the range, and the dialog stays for another value.
        AnswerNumber(answerer, "3000000000");
        AnswerNumber(answerer, "0x12345678");
        menu("MenuFindNumber");
        EXPECT_EQ(answerer.pending(), 0u);
    }
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "値が型の範囲を超えています。\n範囲： -2147483648 ～ 2147483647 (16 進では 0x00000000 ～ 0xFFFFFFFF)");
    EXPECT_EQ(caret(), 2 * 5);
    EXPECT_EQ(selected(), 4);

    harness_.key('N', true);
    EXPECT_EQ(caret(), 2 * 40);
    EXPECT_EQ(selected(), 4);
    harness_.key('N', true);  // nothing further: the caret stays, the box says so
    EXPECT_EQ(caret(), 2 * 40);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, "検索対象が見つかりません。");
    harness_.key('B', true);
    EXPECT_EQ(caret(), 2 * 5);
    EXPECT_EQ(harness_.data(), NumberData());
}

TEST_F(PatchingMenus, ExportsWriteWhatTheRecordWriterGivesForTheSelectionOrTheWholeData)
{
    const std::vector<uint8_t> bytes = NumberData();
    const auto expected = [&](RecordFormat format, uint64_t first, uint64_t size) {
        std::string text;
        WriteRecords(
            format, first, size,
            [&](uint64_t offset, uint8_t* out, size_t count) {
                std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(first + offset), count, out);
                return true;
            },
            [&](std::string_view part) {
                text += part;
                return true;
            });
        return text;
    };
    // The file stands already: the save dialog asks before it is replaced.
    const TempDocument written("qx_exported", "old");
    const auto exportTo = [&](const char* itemName) {
        DialogAnswerer answerer;
        AnswerFile(answerer, written.path());
        answerer.queue("#32770", [](HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0); });
        menu(itemName);
        EXPECT_EQ(answerer.pending(), 0u) << itemName;
    };
    exportTo("MenuToolExportIntelHex");
    EXPECT_EQ(FileText(written.path()), expected(RecordFormat::IntelHex, 0, bytes.size()));
    ASSERT_TRUE(Editor.QX_SetSelection64(harness_.control(), 2 * 20, 30));
    exportTo("MenuToolExportSRecord");
    EXPECT_EQ(FileText(written.path()), expected(RecordFormat::SRecord, 20, 30));
}

TEST_F(PatchingMenus, ImportOpensTheBytesAsANewDocumentOrNothingWithTheFaultyLine)
{
    // The published example's first records; the second line's checksum is one off.
    const std::string good = ":10010000214601360121470136007EFE09D2190140\r\n"
                             ":100110002146017E17C20001FF5F16002148011928\r\n"
                             ":00000001FF\r\n";
    std::string bad = good;
    bad[good.find("\r\n") + 2 + 41] = '9';
    const TempDocument faulty("qx_faulty_hex", bad), fine("qx_fine_hex", good);

    std::string message;
    {
        DialogAnswerer answerer;
        AnswerFile(answerer, faulty.path());
        answerer.queue("#32770", [&](HWND box) {
            message = ReadMessageBox(box).text;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        menu("MenuToolImportRecords");
        EXPECT_EQ(answerer.pending(), 0u);
    }
    EXPECT_EQ(message, faulty.path() + "\n2 行目: チェックサムが合いません。");
    EXPECT_EQ(harness_.data(), NumberData());
    EXPECT_FALSE(harness_.form().Documents().ModifiedFlag());

    {
        DialogAnswerer answerer;
        AnswerFile(answerer, fine.path());
        menu("MenuToolImportRecords");
        EXPECT_EQ(answerer.pending(), 0u);
    }
    const std::vector<uint8_t> expected = {
        0x21, 0x46, 0x01, 0x36, 0x01, 0x21, 0x47, 0x01, 0x36, 0x00, 0x7E, 0xFE, 0x09, 0xD2, 0x19, 0x01,
        0x21, 0x46, 0x01, 0x7E, 0x17, 0xC2, 0x00, 0x01, 0xFF, 0x5F, 0x16, 0x00, 0x21, 0x48, 0x01, 0x19};
    EXPECT_EQ(harness_.data(), expected);
    EXPECT_TRUE(harness_.form().Documents().ModifiedFlag());
    EXPECT_EQ(harness_.form().Documents().DocumentName(), L"");
    EXPECT_EQ(Editor.QX_GetBaseSize(harness_.control()), -1);
}

} // namespace
