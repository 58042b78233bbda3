#include "app/AtomicFile.h"
#include "app/Error.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Tmpfs.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

void expectCannotCreate(const std::filesystem::path& target, std::string_view bytes)
{
    try {
        writeFileAtomically(target, bytes);
        ADD_FAILURE() << "no error for " << target;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + target.string());
    }
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNothingBeside)
{
    TempFolder folder;
    writeBytes(folder / "d.Txt", "old content that is longer\r\n");
    writeFileAtomically(folder / "d.Txt", "new\r\n");
    EXPECT_EQ(readBytes(folder / "d.Txt"), "new\r\n");
    writeFileAtomically(folder / "e.Txt", "");
    EXPECT_EQ(readBytes(folder / "e.Txt"), "");
    EXPECT_EQ(test::folderListing(folder.path()), "d.Txt e.Txt");
}

TEST(AtomicWrite, KeepsTheFormerPermissions)
{
    TempFolder folder;
    writeBytes(folder / "d.Txt", "old");
    std::filesystem::permissions(folder / "d.Txt",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    writeFileAtomically(folder / "d.Txt", "new");
    EXPECT_EQ(std::filesystem::status(folder / "d.Txt").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(AtomicWrite, FailsWhenTheFolderIsMissingOrIsAFile)
{
    TempFolder folder;
    writeBytes(folder / "plain", "a file, not a folder");
    expectCannotCreate(folder / "missing" / "d.Txt", "x");
    expectCannotCreate(folder / "plain" / "d.Txt", "x");
    EXPECT_EQ(readBytes(folder / "plain"), "a file, not a folder");
}

TEST(AtomicWrite, FailsWhenTheTargetIsAFolder)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "d.Txt" / "inside");
    expectCannotCreate(folder / "d.Txt", "x");
    EXPECT_EQ(test::folderListing(folder.path()), "d.Txt");
}

TEST(AtomicWrite, OldContentSurvivesAFolderThatRefusesTheWrite)
{
    TempFolder folder;
    std::string whyNot;
    const auto tmpfs = test::Tmpfs::tryMount(folder / "mnt", 1 << 20, whyNot);
    if (!tmpfs)
        GTEST_SKIP() << whyNot;
    writeBytes(folder / "mnt" / "d.Txt", "old\r\n");
    tmpfs->makeReadOnly();
    expectCannotCreate(folder / "mnt" / "d.Txt", "new\r\n");
    EXPECT_EQ(readBytes(folder / "mnt" / "d.Txt"), "old\r\n");
}

TEST(AtomicWrite, OldContentSurvivesAFullDisk)
{
    TempFolder folder;
    std::string whyNot;
    const auto tmpfs = test::Tmpfs::tryMount(folder / "mnt", 64 * 1024, whyNot);
    if (!tmpfs)
        GTEST_SKIP() << whyNot;
    writeBytes(folder / "mnt" / "d.Txt", "old\r\n");
    expectCannotCreate(folder / "mnt" / "d.Txt", std::string(256 * 1024, 'x'));
    EXPECT_EQ(readBytes(folder / "mnt" / "d.Txt"), "old\r\n");
    EXPECT_EQ(test::folderListing(folder / "mnt"), "d.Txt");
}

TEST(AtomicFile, AnUncommittedFileLeavesTheTargetAlone)
{
    TempFolder folder;
    writeBytes(folder / "d.Txt", "old");
    {
        AtomicFile file(folder / "d.Txt");
        EXPECT_EQ(file.temporaryPath().parent_path(), folder.path());
        EXPECT_TRUE(file.write("partial"));
        EXPECT_TRUE(std::filesystem::exists(file.temporaryPath()));
    }
    EXPECT_EQ(readBytes(folder / "d.Txt"), "old");
    EXPECT_EQ(test::folderListing(folder.path()), "d.Txt");
}

TEST(AtomicFile, TwoWritersOfOneFolderUseDifferentSiblings)
{
    TempFolder folder;
    AtomicFile first(folder / "a.Txt");
    AtomicFile second(folder / "a.Txt");
    EXPECT_NE(first.temporaryPath(), second.temporaryPath());
    first.write("first");
    second.write("second");
    first.commit();
    second.commit();
    EXPECT_EQ(readBytes(folder / "a.Txt"), "second");
}

} // namespace
} // namespace stellaform
