// The checksums against published test vectors, and the checksum command in the running editor.
#include "app/tools/ChecksumReport.h"
#include "app/win/tools/Checksums.h"
#include "app/win/system/Clipboard.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/TextFit.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Texts = std::array<std::string, kChecksumCount>;

Texts SumsOf(const std::string& bytes, size_t piece)
{
    Checksums sums;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t at = 0; at < bytes.size(); at += piece)
        sums.Add(data + at, std::min(piece, bytes.size() - at));
    return ChecksumHexTexts(sums.Finish());
}

// An edit's text from another process: GetWindowText gives only what the window was made with.
std::string FieldText(HWND edit)
{
    char text[128] = {};
    SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

const char kFox[] = "The quick brown fox jumps over the lazy dog";

} // namespace

// Pieces of odd sizes check that each sum carries on across Add calls.
TEST(Checksums, MatchPublishedVectors)
{
    struct Vector {
        std::string bytes;
        Texts expected;
    };
    const Vector vectors[] = {
        {"",
         {"00000000", "D41D8CD98F00B204E9800998ECF8427E", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709",
          "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"}},
        {"abc",
         {"352441C2", "900150983CD24FB0D6963F7D28E17F72", "A9993E364706816ABA3E25717850C26C9CD0D89D",
          "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"}},
        {kFox,
         {"414FA339", "9E107D9D372BB6826BD81D3542A419D6", "2FD4E1C67A2D28FCED849EE1BB76E7391B93EB12",
          "D7A8FBB307D7809469CA9ABCB0082E4F8D5651E46D3CDB762D02D0BF37C9E592"}},
        {std::string(1000000, 'a'),
         {"DC25BFBC", "7707D6AE4E027C70EEA2A935C2296F21", "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F",
          "CDC76E5C9914FB9281A1C7E284D73E67F1809A48A497200E046D39CCC7112CD0"}},
    };
    for (const Vector& vector : vectors) {
        EXPECT_EQ(SumsOf(vector.bytes, vector.bytes.size() + 1), vector.expected) << vector.bytes.size();
        EXPECT_EQ(SumsOf(vector.bytes, 7), vector.expected) << vector.bytes.size();
    }
}

// One Add of more than 512 MiB: a platform whose SHA-1 miscounts such a piece must not be handed it whole.
TEST(Checksums, LargePieceSumsAsItsParts)
{
    const std::vector<uint8_t> zeros((size_t{512} << 20) + 1);
    Checksums sums;
    sums.Add(ChecksumKind::Sha1, zeros.data(), zeros.size());
    EXPECT_EQ(ChecksumHexTexts(sums.Finish())[2], "3E1BB536D18494C32E66EF9F479D65BBE0D863DE");
}

class ChecksumCommand : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningEditor::CanPressKeys())
            GTEST_SKIP() << "needs xdotool and a display";
        file_ = std::make_unique<TempDocument>("qx_checksum", kFox);
        editor_ = std::make_unique<RunningEditor>("qx_checksum", file_->quoted());
        ASSERT_TRUE(editor_->started());
        ASSERT_TRUE(WaitFor([&] { return editor_->sizeText() == "43"; })) << editor_->sizeText();
    }

    void TearDown() override
    {
        editor_.reset();
        file_.reset();
    }

    struct Shown {
        std::string scope;
        Texts sums;
        std::string copied;
    };

    // Opens the dialog with the keys, reads it, presses its copy button and closes it.
    Shown runCommand(const std::string& keys)
    {
        Shown shown;
        if (!editor_->pressKeys(keys))
            return {"xdotool failed", {}, {}};
        const HWND dialog = editor_->waitForWindow("TFormChecksum");
        if (!dialog)
            return {"no dialog", {}, {}};
        EXPECT_EQ(TextOf(dialog), "チェックサム");
        EXPECT_EQ(Describe(ClippedTexts(dialog)), "");
        for (const HWND label : ChildrenOfClass(dialog, "Static"))
            if (const std::string text = TextOf(label); text.find(" バイト)") != std::string::npos)
                shown.scope = text;
        const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
        for (size_t i = 0; i < edits.size() && i < shown.sums.size(); ++i) {
            shown.sums[i] = FieldText(edits[i]);
            EXPECT_TRUE(GetWindowLongA(edits[i], GWL_STYLE) & ES_READONLY) << i;
        }
        PutClipboardText(nullptr, "before");
        PostClick(ChildWithText(dialog, "コピー"));
        WaitFor([&] { return ClipboardText(nullptr).value_or("before") != "before"; });
        shown.copied = ClipboardText(nullptr).value_or("");
        PostClick(ChildWithText(dialog, "閉じる"));
        EXPECT_TRUE(editor_->waitForNoWindow("TFormChecksum"));
        return shown;
    }

    std::unique_ptr<TempDocument> file_;
    std::unique_ptr<RunningEditor> editor_;
};

// The whole data through the shortcut, then a selection of three bytes through the menu; the
// document stays as it was.
TEST_F(ChecksumCommand, SumsWholeDataOrSelectionThroughShortcutAndMenu)
{
    const Texts fox = SumsOf(kFox, 64);
    const Shown whole = runCommand("shift+ctrl+c");
    EXPECT_EQ(whole.scope, "文書全体 (43 バイト)");
    EXPECT_EQ(whole.sums, fox);
    EXPECT_EQ(whole.copied, "CRC-32: " + fox[0] + "\r\nMD5: " + fox[1] + "\r\nSHA-1: " + fox[2] + "\r\nSHA-256: " +
                                fox[3] + "\r\n");

    const Texts the = SumsOf("The", 64);
    const Shown selected = runCommand("Home ctrl+j Right Right Right Right ctrl+k alt+t m");
    EXPECT_EQ(selected.scope, "選択領域 (3 バイト)");
    EXPECT_EQ(selected.sums, the);
    EXPECT_EQ(selected.copied.substr(0, 18), "CRC-32: " + the[0] + "\r\n");

    EXPECT_EQ(editor_->dataText(), "54686520717569636B2062726F776E20666F78206A756D7073206F76657220746865206C617A7920646F67");
}
