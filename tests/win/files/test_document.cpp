// LoadDocument and WriteDocument with a real control: size limit, warnings, round trips.
#include "app/win/Document.h"
#include "app/win/EditorLibrary.h"
#include "app/win/ProgramTexts.h"
#include "tests/win/files/TestFolder.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host_.control());
        ASSERT_TRUE(Editor.QX_SetData(control(), "\x01\x02\x03", 3));
        ASSERT_TRUE(Editor.QX_SetModified(control(), true));
    }

    [[nodiscard]] HWND control() const { return host_.control(); }

    [[nodiscard]] std::string shown() const
    {
        const int size = Editor.QX_GetDataSize(control());
        std::string bytes(static_cast<size_t>(size), '\0');
        Editor.QX_GetData(control(), bytes.data(), 0, size);
        return bytes;
    }

    void show(const std::string& bytes) const
    {
        ASSERT_TRUE(Editor.QX_SetData(control(), bytes.data(), static_cast<int>(bytes.size())));
    }

    // The one box shown since the last call, or "" when none was; two boxes fail the test.
    std::string takeBox()
    {
        const std::vector<CaughtBox> boxes = catcher_.boxes();
        catcher_.clear();
        if (boxes.empty())
            return "";
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].flags, UINT{MB_OK | MB_ICONWARNING});
        return boxes[0].text;
    }

    // A reader that records its calls instead of reading gigabytes.
    DocumentReader recordingReader(std::string bytes)
    {
        return [this, bytes](std::string_view name, FileBytes& read) {
            readNames_.emplace_back(name);
            read.size = bytes.size();
            read.data = std::make_unique<uint8_t[]>(bytes.size());
            std::memcpy(read.data.get(), bytes.data(), bytes.size());
            return true;
        };
    }

    ControlHost host_;
    MessageBoxCatcher catcher_;
    TestFolder folder_;
    std::vector<std::string> readNames_;
};

TEST_F(DocumentTest, TheLargestAllowedFileIsReadAndOneByteMoreIsRefusedBeforeReading)
{
    const std::string largest = folder_ / "largest.bin";
    const std::string tooLarge = folder_ / "too large.bin";
    ASSERT_TRUE(MakeSizedFile(largest, 1073741823));
    ASSERT_TRUE(MakeSizedFile(tooLarge, 1073741824));

    EXPECT_FALSE(LoadDocument(host_.host(), control(), tooLarge, recordingReader("x")));
    EXPECT_EQ(takeBox(), kTextFileTooLarge);
    EXPECT_TRUE(readNames_.empty());
    EXPECT_EQ(shown(), "\x01\x02\x03");
    EXPECT_TRUE(Editor.QX_IsModified(control()));

    EXPECT_TRUE(LoadDocument(host_.host(), control(), largest, recordingReader("read")));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(readNames_, std::vector<std::string>{largest});
    EXPECT_EQ(shown(), "read");
}

TEST_F(DocumentTest, UnreadableNamesGiveTheReadWarningAndChangeNothing)
{
    const std::string existing = folder_ / "there.bin";
    PutFile(existing, "there");
    SetCurrentDirectoryA(folder_.path().c_str());
    for (const std::string& name : {folder_ / "missing.bin", std::string("there.bin"),
                                    std::string("\\\\server\\share\\there.bin"), folder_.path()}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadDocument(host_.host(), control(), name, recordingReader("x")));
        EXPECT_EQ(takeBox(), kTextCannotReadFile);
    }
    EXPECT_TRUE(readNames_.empty());

    const DocumentReader failing = [](std::string_view, FileBytes&) { return false; };
    EXPECT_FALSE(LoadDocument(host_.host(), control(), existing, failing));
    EXPECT_EQ(takeBox(), kTextCannotReadFile);

    // A file that grew past the limit between the size check and the read.
    const DocumentReader grown = [](std::string_view, FileBytes& read) {
        read.data = std::make_unique<uint8_t[]>(1);
        read.size = static_cast<size_t>(MaxDocumentSize) + 1;
        return true;
    };
    EXPECT_FALSE(LoadDocument(host_.host(), control(), existing, grown));
    EXPECT_EQ(takeBox(), kTextFileTooLarge);

    EXPECT_EQ(shown(), "\x01\x02\x03");
    EXPECT_TRUE(Editor.QX_IsModified(control()));
}

TEST_F(DocumentTest, AnEmptyFileAndTheEmptyNameOpen)
{
    PutFile(folder_ / "empty.bin", "");
    EXPECT_TRUE(LoadDocument(host_.host(), control(), folder_ / "empty.bin"));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(Editor.QX_GetDataSize(control()), 1);

    show("abc");
    EXPECT_TRUE(LoadDocument(host_.host(), control(), ""));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(shown(), std::string(1, '\0'));
}

TEST_F(DocumentTest, ADocumentLargerThanOnePieceIsWrittenAndReadBackWhole)
{
    const std::string bytes = PatternBytes(40 * 1024 * 1024 + 5);
    show(bytes);
    const std::string name = folder_ / "round trip.bin";
    ASSERT_TRUE(WriteDocument(host_.host(), control(), name));
    EXPECT_EQ(takeBox(), "");
    EXPECT_TRUE(FileText(name) == bytes);
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"round trip.bin"});

    show("x");
    ASSERT_TRUE(LoadDocument(host_.host(), control(), name));
    EXPECT_TRUE(shown() == bytes);
}

TEST_F(DocumentTest, UnwritableNamesGiveTheWriteWarningAndKeepTheFile)
{
    const std::string readOnly = folder_ / "ro.bin";
    PutFile(readOnly, "keep");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    SetCurrentDirectoryA(folder_.path().c_str());
    for (const std::string& name : {std::string("\\\\server\\share\\x.bin"), std::string("rel.bin"), readOnly}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteDocument(host_.host(), control(), name));
        EXPECT_EQ(takeBox(), kTextCannotWriteFile);
    }
    EXPECT_EQ(FileText(readOnly), "keep");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"ro.bin"});
    EXPECT_TRUE(Editor.QX_IsModified(control()));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
