// Painting, read back from the window: each cell is compared with its text drawn by the same
// font, so the offset column, the hex and character columns, blanks, background, selection,
// bookmarks, colours and the font are checked as they appear.
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"
#include "tests/win/support/SparseFile.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

class Painting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(control, nullptr);
        // The caret would invert the digit under it: take the focus away while reading pixels.
        SetFocus(host.host());
        PumpMessages();
    }
    void setData(const std::vector<unsigned char>& bytes)
    {
        ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())));
    }
    // The row's 16 bytes: hex pairs and characters both show nothing but background.
    void expectBlankBytes(const ControlPicture& picture, const CellGrid& grid, int row, int firstByte,
                          COLORREF back = white)
    {
        for (int j = firstByte; j < 16; ++j) {
            EXPECT_TRUE(picture.uniform(grid.cells(HexColumn(j), row, 2), back)) << "hex cell of byte " << j;
            EXPECT_TRUE(picture.uniform(grid.cells(CharColumn(j), row), back)) << "character cell of byte " << j;
        }
    }

    ControlHost host{800, 600};
    HWND control = host.control();
};

TEST_F(Painting, OffsetHexAndCharacterColumns)
{
    std::vector<unsigned char> bytes(0x2000);
    const unsigned char line[] = {0x41, 0x7F, 0x82, 0x82, 0xA0, 0x20, 0x7E, 0x00};
    std::copy(std::begin(line), std::end(line), bytes.begin() + 0x1230);
    setData(bytes);
    ASSERT_TRUE(Editor.QX_SetViewTop(control, 0x1230 * 2));
    ASSERT_EQ(Editor.QX_GetViewTop(control), 0x1230 * 2);

    const ControlPicture picture(control);
    const CellGrid grid(control);
    EXPECT_TRUE(grid.shows(picture, 0, 0, "00001230", black, white));
    EXPECT_TRUE(grid.shows(picture, 0, 1, "00001240", black, white));
    EXPECT_TRUE(picture.uniform(grid.cells(8, 0, 2), white)) << "columns 8 and 9 are blank";
    const struct { int byte; const char* hex; const char* character; } expected[] = {
        {0, "41", "A"}, {1, "7F", "."}, {2, "82", "."}, {3, "82", "."}, {4, "A0", "."},
        {5, "20", " "}, {6, "7E", "~"}, {7, "00", "."},
    };
    for (const auto& cell : expected) {
        EXPECT_TRUE(grid.shows(picture, HexColumn(cell.byte), 0, cell.hex, black, white)) << "byte " << cell.byte;
        EXPECT_TRUE(grid.shows(picture, CharColumn(cell.byte), 0, cell.character, black, white)) << "byte " << cell.byte;
    }
    // One blank column inside a group, two between groups, two before the characters.
    EXPECT_TRUE(picture.uniform(grid.cells(12, 0), white));
    EXPECT_TRUE(picture.uniform(grid.cells(21, 0, 2), white));
    EXPECT_TRUE(picture.uniform(grid.cells(60, 0, 2), white));
}

// Past 4 GiB the offset column has 10 digits and the other columns move right by two cells;
// bytes that cannot be read show "??" and no character.
TEST_F(Painting, WideOffsetsPastFourGiBAndUnreadableBytes)
{
    const uint64_t size = (uint64_t(5) << 30) + 0x64;
    SparseFile file(L"wide", size);
    ASSERT_TRUE(file.made());
    ASSERT_TRUE(file.write(size - 4, "AB\x7F!"));
    ASSERT_TRUE(Editor.QX_OpenFile(control, file.path().c_str(), 0, nullptr));
    ASSERT_TRUE(Editor.QX_DataEnd(control));
    PumpMessages();
    const int row = static_cast<int>((2 * size - 1) / 32 - Editor.QX_GetViewTop64(control) / 32);
    {
        const ControlPicture picture(control);
        const CellGrid grid(control);
        EXPECT_TRUE(grid.shows(picture, 0, row, "0140000060", black, white));
        EXPECT_TRUE(grid.shows(picture, 0, row - 1, "0140000050", black, white));
        EXPECT_TRUE(picture.uniform(grid.cells(10, row, 2), white)) << "the blank columns after the offset";
        const char* hex[] = {"41", "42", "7F", "21"};
        for (int j = 0; j < 4; ++j)
            EXPECT_TRUE(grid.shows(picture, HexColumn(j) + 2, row, hex[j], black, white)) << "byte " << j;
        EXPECT_TRUE(grid.shows(picture, CharColumn(0) + 2, row, "AB.!", black, white));
        EXPECT_TRUE(picture.uniform(grid.cells(HexColumn(4) + 2, row, 2), white)) << "past the data";
    }

    // A file shared with a writer that cuts it short: the lines that are gone cannot be read.
    const std::wstring path = file.path() + L".short";
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 4 << 20;
    ASSERT_TRUE(SetFilePointerEx(writer, end, nullptr, FILE_BEGIN) && SetEndOfFile(writer));
    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), QX_OPEN_ALLOW_WRITERS, nullptr));
    end.QuadPart = 1 << 20;
    ASSERT_TRUE(SetFilePointerEx(writer, end, nullptr, FILE_BEGIN) && SetEndOfFile(writer));
    CloseHandle(writer);
    ASSERT_TRUE(Editor.QX_SetViewTop64(control, 2 * (3 << 20)));
    PumpMessages();
    {
        const ControlPicture picture(control);
        const CellGrid grid(control);
        EXPECT_TRUE(grid.shows(picture, 0, 0, "00300000", black, white));
        EXPECT_TRUE(grid.shows(picture, HexColumn(0), 0, "??", black, white));
        EXPECT_TRUE(grid.shows(picture, HexColumn(15), 1, "??", black, white));
        EXPECT_TRUE(picture.uniform(grid.cells(CharColumn(0), 0, 16), white));
    }
    Editor.QX_New(control);
    DeleteFileW(path.c_str());
}

TEST_F(Painting, ShortLastLineAndLinesBelowTheDataAreBackground)
{
    std::vector<unsigned char> bytes(40);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(0x30 + i);
    setData(bytes);
    {
        const ControlPicture picture(control);
        const CellGrid grid(control);
        EXPECT_TRUE(grid.shows(picture, HexColumn(7), 2, "57", black, white));
        EXPECT_TRUE(grid.shows(picture, CharColumn(7), 2, "W", black, white));
        expectBlankBytes(picture, grid, 2, 8);
        EXPECT_TRUE(picture.uniform(grid.cells(0, 3, 78), white));
        EXPECT_TRUE(picture.uniform(grid.cells(0, 10, 78), white));
    }
    // Deleting 19 bytes leaves 21: line 1 keeps 5 bytes and line 2, which held data, is cleared.
    ASSERT_TRUE(Editor.QX_SetSelection(control, 0, 19));
    ASSERT_TRUE(Editor.QX_DeleteSelection(control));
    ASSERT_EQ(Editor.QX_GetDataSize(control), 21);
    const ControlPicture picture(control);
    const CellGrid grid(control);
    EXPECT_TRUE(grid.shows(picture, 0, 1, "00000010", black, white));
    EXPECT_TRUE(grid.shows(picture, HexColumn(4), 1, "57", black, white));
    EXPECT_TRUE(grid.shows(picture, CharColumn(4), 1, "W", black, white));
    expectBlankBytes(picture, grid, 1, 5);
    EXPECT_TRUE(picture.uniform(grid.cells(0, 2, 78), white));
}

TEST_F(Painting, SelectionIsInvertedInBothColumnsAndABookmarkInvertsItsOffset)
{
    std::vector<unsigned char> bytes(48);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(0x41 + i);
    setData(bytes);
    ASSERT_TRUE(Editor.QX_SetSelection(control, 2 * 2, 3));  // bytes 2 to 4
    ASSERT_TRUE(Editor.QX_SetBookMark(control, 4, 32 + 7));  // a nibble on line 1
    const ControlPicture picture(control);
    const CellGrid grid(control);
    for (int j = 1; j <= 5; ++j) {
        const bool selected = j >= 2 && j <= 4;
        const COLORREF text = selected ? white : black;
        const COLORREF back = selected ? black : white;
        const char hex[] = {"0123456789ABCDEF"[(0x41 + j) >> 4], "0123456789ABCDEF"[(0x41 + j) & 15], 0};
        EXPECT_TRUE(grid.shows(picture, HexColumn(j), 0, hex, text, back)) << "byte " << j;
        EXPECT_TRUE(grid.shows(picture, CharColumn(j), 0, std::string(1, char(0x41 + j)), text, back)) << "byte " << j;
    }
    EXPECT_TRUE(grid.shows(picture, 0, 0, "00000000", black, white));
    EXPECT_TRUE(grid.shows(picture, 0, 1, "00000010", white, black));
    EXPECT_TRUE(grid.shows(picture, HexColumn(0), 1, "51", black, white)) << "the bookmarked line's bytes stay normal";
    EXPECT_TRUE(grid.shows(picture, CharColumn(3), 1, "T", black, white));
    EXPECT_TRUE(grid.shows(picture, 0, 2, "00000020", black, white));

    // Clearing both repaints the lines at once.
    ASSERT_TRUE(Editor.QX_HideSelection(control));
    ASSERT_TRUE(Editor.QX_SetBookMark(control, 4, -1));
    const ControlPicture after(control);
    EXPECT_TRUE(grid.shows(after, HexColumn(3), 0, "44", black, white));
    EXPECT_TRUE(grid.shows(after, 0, 1, "00000010", black, white));
}

TEST_F(Painting, BackgroundColourAndItsComplementForTheSelection)
{
    std::vector<unsigned char> bytes(20, 0x42);
    setData(bytes);
    ASSERT_TRUE(Editor.QX_SetSelection(control, 0, 1));
    const COLORREF blue = RGB(0, 0, 255);
    ASSERT_TRUE(Editor.QX_SetBkColor(control, &blue));
    COLORREF back = 0;
    ASSERT_TRUE(Editor.QX_GetBkColor(control, &back));
    EXPECT_EQ(back, blue);
    {
        const ControlPicture picture(control);
        const CellGrid grid(control);
        EXPECT_TRUE(grid.shows(picture, HexColumn(0), 0, "42", white, RGB(255, 255, 0)));
        EXPECT_TRUE(grid.shows(picture, CharColumn(0), 0, "B", white, RGB(255, 255, 0)));
        EXPECT_TRUE(grid.shows(picture, HexColumn(1), 0, "42", black, blue));
        EXPECT_TRUE(picture.uniform(grid.cells(0, 5, 78), blue)) << "below the data";
        EXPECT_EQ(picture.pixel(1, 1), blue) << "the margin";
    }
    const COLORREF odd = RGB(0x12, 0x34, 0x56);
    ASSERT_TRUE(Editor.QX_SetBkColor(control, &odd));
    const ControlPicture picture(control);
    const CellGrid grid(control);
    EXPECT_TRUE(grid.shows(picture, CharColumn(0), 0, "B", white, RGB(0xED, 0xCB, 0xA9)));
}

TEST_F(Painting, FontAndTextColourChangeTheCellsLinesPerPageAndCaret)
{
    std::vector<unsigned char> bytes(16 * 200, 0x43);
    setData(bytes);
    const UINT pageBefore = ScrollBarOf(control).nPage;
    const CellGrid before(control);

    LOGFONTA font{};
    COLORREF text = 0;
    ASSERT_TRUE(Editor.QX_GetLogFont(control, &font, &text));
    font.lfHeight = 2 * font.lfHeight;
    const COLORREF red = RGB(200, 0, 0);
    ASSERT_TRUE(Editor.QX_SetLogFont(control, &font, &red));
    LOGFONTA read{};
    ASSERT_TRUE(Editor.QX_GetLogFont(control, &read, &text));
    EXPECT_EQ(read.lfHeight, font.lfHeight);
    EXPECT_EQ(text, red);

    const CellGrid after(control);
    ASSERT_GT(after.cellHeight(), before.cellHeight());
    const SCROLLINFO bar = ScrollBarOf(control);
    RECT client{};
    GetClientRect(control, &client);
    EXPECT_EQ(static_cast<int>(bar.nPage), (client.bottom - 8) / after.cellHeight());
    EXPECT_LT(bar.nPage, pageBefore);

    const ControlPicture picture(control);
    EXPECT_TRUE(after.shows(picture, HexColumn(2), 1, "43", red, white));
    EXPECT_TRUE(after.shows(picture, 0, 1, "00000010", red, white));

    // The caret takes the new cell size and stands on its digit.
    SetFocus(control);
    CaretState caret = ThreadCaret();
    EXPECT_EQ(caret.window, control);
    EXPECT_EQ(caret.rect.right - caret.rect.left, after.cellWidth());
    EXPECT_EQ(caret.rect.bottom - caret.rect.top, after.cellHeight());
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 32 + 5));
    caret = ThreadCaret();
    const RECT digit = after.cells(HexColumn(2) + 1, 1);
    EXPECT_EQ(caret.rect.left, digit.left);
    EXPECT_EQ(caret.rect.top, digit.top);
}

TEST_F(Painting, TheCaretExistsOnlyWithTheFocus)
{
    EXPECT_EQ(ThreadCaret().window, nullptr);
    EXPECT_FALSE(Editor.QX_HasFocus(control));
    SetFocus(control);
    EXPECT_TRUE(Editor.QX_HasFocus(control));
    const CaretState caret = ThreadCaret();
    EXPECT_EQ(caret.window, control);
    const CellGrid grid(control);
    EXPECT_EQ(caret.rect.left, grid.cells(HexColumn(0), 0).left);
    SetFocus(host.host());
    EXPECT_FALSE(Editor.QX_HasFocus(control));
    EXPECT_EQ(ThreadCaret().window, nullptr);
}

} // namespace
