#include "drawings/DrawingsFile.h"
#include "app/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

TEST(DrawingsFile, LiesInTheDrawingsFolder)
{
    TempFolder folder;
    const DrawingsFile file(folder.path() / "", "Caf\xE9 5-45");
    EXPECT_EQ(file.path(), folder / "drawn" / "Caf\xC3\xA9 5-45.Txt");
    EXPECT_TRUE(file.namesAFile());
}

TEST(DrawingsFile, AnUnreadableFileIsAnEmptyHistory)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    EXPECT_TRUE(DrawingsFile(appFolder, "none").readOrNothing().empty());
    std::filesystem::create_directories(folder / "drawn" / "folder.Txt");
    EXPECT_TRUE(DrawingsFile(appFolder, "folder").readOrNothing().empty());
    writeBytes(folder / "drawn" / "a.Txt", "1/5/2009 3\r\n\r\n");
    EXPECT_EQ(DrawingsFile(appFolder, "a").readOrNothing(), (Lines{"1/5/2009 3", ""}));
}

TEST(DrawingsFile, WritesTheWholeFile)
{
    TempFolder folder;
    const DrawingsFile file(folder.path() / "", "a");
    std::filesystem::create_directories(folder / "drawn");
    file.write({"8/2/2005 03 12", "x"});
    EXPECT_EQ(readBytes(file.path()), "8/2/2005 03 12\r\nx\r\n");
    file.replaceWith("raw\nbytes");
    EXPECT_EQ(readBytes(file.path()), "raw\nbytes");
}

// A name from a settings file written elsewhere could lead out of the
// drawings folder; it must not reach any file.
TEST(DrawingsFile, ANameWithAPathSeparatorNamesNoFile)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    writeBytes(folder / "Game.Txt", "catalog\r\n");
    writeBytes(folder / "drawn" / "sub" / "x.Txt", "inside\r\n");
    for (const std::string name : {"../Game", "..\\Game", "sub/x"}) {
        const DrawingsFile file(appFolder, name);
        EXPECT_FALSE(file.namesAFile()) << name;
        EXPECT_TRUE(file.readOrNothing().empty()) << name;
        const std::string cannotCreate = "Cannot create file " + file.path().string();
        EXPECT_THROW(
            {
                try {
                    file.write({"1/1/2001 1"});
                } catch (const Error& error) {
                    EXPECT_EQ(error.what(), cannotCreate);
                    throw;
                }
            },
            Error);
        EXPECT_THROW(file.replaceWith("x"), Error);
        EXPECT_THROW((void)file.beginReplacement(), Error);
    }
    EXPECT_EQ(readBytes(folder / "Game.Txt"), "catalog\r\n");
    EXPECT_EQ(readBytes(folder / "drawn" / "sub" / "x.Txt"), "inside\r\n");
}

} // namespace
} // namespace stellaform
