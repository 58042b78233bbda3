#include "drawings/DrawingsCommands.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::errorOf;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// An installation with a drawings folder and the drawings file of lottery "L".
class DrawingsCommands : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder / "drawn"); }

    TempFolder folder;
    const DrawingsFile file{folder.path() / "", "L"};
};

TEST_F(DrawingsCommands, AppendAddsTheLineAfterTheLastOne)
{
    writeBytes(file.path(), "1/5/2009 3\nlast without end");
    appendDrawing(file, "8/2/2005 03 12");
    EXPECT_EQ(readBytes(file.path()), "1/5/2009 3\r\nlast without end\r\n8/2/2005 03 12\r\n");
}

TEST_F(DrawingsCommands, AppendCreatesTheFileOfALotteryWithoutDrawings)
{
    appendDrawing(file, "8/2/2005 ");
    EXPECT_EQ(readBytes(file.path()), "8/2/2005 \r\n");
}

TEST_F(DrawingsCommands, AppendNeedsTheDrawingsFolderAndAReadableFile)
{
    const DrawingsFile elsewhere(folder / "nowhere" / "", "L");
    EXPECT_EQ(errorOf([&] { appendDrawing(elsewhere, "x"); }), "Cannot create file " + elsewhere.path().string());
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));

    std::filesystem::create_directories(file.path() / "in the way");
    EXPECT_EQ(errorOf([&] { appendDrawing(file, "x"); }), "Cannot open file " + file.path().string());
    EXPECT_TRUE(std::filesystem::is_directory(file.path() / "in the way"));
}

TEST_F(DrawingsCommands, DeleteRemovesTheLineAtTheIndex)
{
    const struct {
        long long index;
        const char* left;
    } cases[] = {{0, "b\r\n\r\nd\r\n"}, {2, "a\r\nb\r\nd\r\n"}, {3, "a\r\nb\r\n\r\n"}};
    for (const auto& c : cases) {
        writeBytes(file.path(), "a\nb\r\n\rd");
        deleteDrawing(file, c.index);
        EXPECT_EQ(readBytes(file.path()), c.left) << c.index;
    }
}

TEST_F(DrawingsCommands, DeleteOfALineTheFileNoLongerHasWritesNothing)
{
    writeBytes(file.path(), "a\r\nb\r\nc");
    EXPECT_EQ(errorOf([&] { deleteDrawing(file, 3); }), "List index out of bounds (3)");
    EXPECT_EQ(errorOf([&] { deleteDrawing(file, -1); }), "List index out of bounds (-1)");
    EXPECT_EQ(readBytes(file.path()), "a\r\nb\r\nc");

    std::filesystem::remove(file.path());
    EXPECT_EQ(errorOf([&] { deleteDrawing(file, 0); }), "Cannot open file " + file.path().string());
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST_F(DrawingsCommands, ImportCopiesTheChosenFileByteForByte)
{
    const std::string layout("any\rlayout\nat all\0after NUL", 27);
    writeBytes(folder / "chosen.Txt", layout);
    importDrawings(file, folder / "chosen.Txt");
    EXPECT_EQ(readBytes(file.path()), layout);

    writeBytes(folder / "chosen.Txt", "1/5/2009 3\r\n");
    importDrawings(file, folder / "chosen.Txt");
    EXPECT_EQ(readBytes(file.path()), "1/5/2009 3\r\n");
}

TEST_F(DrawingsCommands, AFailedImportLeavesTheDrawingsFileWhole)
{
    writeBytes(file.path(), "kept\r\n");
    EXPECT_EQ(errorOf([&] { importDrawings(file, folder / "gone.Txt"); }),
              "Cannot open file " + (folder / "gone.Txt").string());
    EXPECT_EQ(readBytes(file.path()), "kept\r\n");

    writeBytes(folder / "chosen.Txt", "new\r\n");
    const DrawingsFile elsewhere(folder / "nowhere" / "", "L");
    EXPECT_EQ(errorOf([&] { importDrawings(elsewhere, folder / "chosen.Txt"); }),
              "Cannot create file " + elsewhere.path().string());
    EXPECT_EQ(test::folderListing(folder / "drawn"), "L.Txt");
}

TEST_F(DrawingsCommands, RewriteEndsEveryLineWithCrLf)
{
    writeBytes(file.path(), "a\nb\rc");
    EXPECT_EQ(rewriteDrawings(file), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(readBytes(file.path()), "a\r\nb\r\nc\r\n");

    std::filesystem::remove(file.path());
    EXPECT_EQ(errorOf([&] { (void)rewriteDrawings(file); }), "Cannot open file " + file.path().string());
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST(ExportTarget, EndsInTxtWithACapitalT)
{
    const std::filesystem::path folder = "/exports";
    const struct {
        const char* chosen;
        const char* target;
    } cases[] = {
        {"drawings", "drawings.Txt"},
        {"drawings.txt", "drawings.Txt"},
        {"drawings.Txt", "drawings.Txt"},
        {"drawings.TXT", "drawings.Txt"},
        {"drawings.tXt", "drawings.tXt.Txt"},
        {"drawings.TxT", "drawings.TxT.Txt"},
        {"a.b", "a.b.Txt"},
        {".txt", ".Txt"},
        {"txt", "txt.Txt"},
        {"drawings.txt.txt", "drawings.txt.Txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exportTarget(folder / c.chosen), folder / c.target) << c.chosen;
}

} // namespace
} // namespace stellaform
