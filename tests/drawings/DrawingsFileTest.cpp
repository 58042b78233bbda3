#include "drawings/DrawingsFile.h"
#include "app/Error.h"
#include "tests/support/ErrorOf.h"
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

// A name that must not reach any file: reading gives nothing, every way of
// writing raises "Cannot create file <path>".
void expectNamesNoFile(const std::filesystem::path& appFolder, const std::string& name)
{
    const DrawingsFile file(appFolder, name);
    EXPECT_FALSE(file.namesAFile()) << name;
    EXPECT_TRUE(file.readOrNothing().empty()) << name;
    // An error message is a C string: it ends where the name's NUL stands.
    const std::string message = "Cannot create file " + file.path().string();
    const std::string cannotCreate = message.substr(0, message.find('\0'));
    EXPECT_EQ(test::errorOf([&] { file.write({"1/1/2001 1"}); }), cannotCreate);
    EXPECT_THROW(file.replaceWith("x"), Error);
    EXPECT_THROW((void)file.beginReplacement(), Error);
}

// A name from a settings file written elsewhere could lead out of the
// drawings folder; it must not reach any file.
TEST(DrawingsFile, ANameWithAPathSeparatorNamesNoFile)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    writeBytes(folder / "Game.Txt", "catalog\r\n");
    writeBytes(folder / "drawn" / "sub" / "x.Txt", "inside\r\n");
    for (const std::string name : {"../Game", "..\\Game", "sub/x"})
        expectNamesNoFile(appFolder, name);
    EXPECT_EQ(readBytes(folder / "Game.Txt"), "catalog\r\n");
    EXPECT_EQ(readBytes(folder / "drawn" / "sub" / "x.Txt"), "inside\r\n");
}

// The system ends a file name at a NUL: "Lotto649" NUL would reach the file
// drawn/Lotto649, and ".." NUL the program's folder.
TEST(DrawingsFile, ANameWithANulNamesNoFile)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    writeBytes(folder / "drawn" / "Lotto649", "not a drawings file\r\n");
    for (const std::string& name : {std::string(1, '\0'), std::string("..\0", 3), std::string("Lotto649\0", 9)})
        expectNamesNoFile(appFolder, name);
    EXPECT_EQ(readBytes(folder / "drawn" / "Lotto649"), "not a drawings file\r\n");
    EXPECT_EQ(test::folderListing(folder / "drawn"), "Lotto649");
}

} // namespace
} // namespace stellaform
