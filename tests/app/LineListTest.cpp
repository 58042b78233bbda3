#include "app/LineList.h"
#include "app/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::TempFolder;

struct SplitCase {
    std::string text;
    Lines lines;
};

class SplitLines : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitLines, EndsLinesAtCrLfLfAndCr)
{
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLines,
    testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"a\nb\n", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}}, SplitCase{"a\r\nb", {"a", "b"}},
                    SplitCase{"a\r\n\r\n", {"a", ""}}, SplitCase{"\r\n", {""}}, SplitCase{"a\n\rb", {"a", "", "b"}},
                    SplitCase{"a\r\r\nb", {"a", "", "b"}}, SplitCase{std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                    SplitCase{std::string("\0a", 2), {}}, SplitCase{" 3 4\r\n\r\nabc", {" 3 4", "", "abc"}}));

TEST(JoinLines, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(joinLines({""}), "\r\n");
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(BoxText, ComesBackUnchangedThroughAFile)
{
    for (const std::string text : {"", "a", "a\nb", "\n===\nStrong:\n3 5 \n", "a\n\n", "\n"}) {
        const Lines lines = splitBoxText(text);
        EXPECT_EQ(joinBoxText(splitLines(joinLines(lines))), text) << '"' << text << '"';
    }
    EXPECT_EQ(splitBoxText(""), Lines{});
    EXPECT_EQ(splitBoxText("a\n"), (Lines{"a", ""}));
}

TEST(ReadLines, ReadsTheWholeFileAsBytes)
{
    TempFolder folder;
    test::writeBytes(folder / "d.Txt", "1/5/2009 3 12\r\n\xE9\xFF\nlast");
    EXPECT_EQ(readLines(folder / "d.Txt"), (Lines{"1/5/2009 3 12", "\xE9\xFF", "last"}));
}

TEST(ReadLines, AMissingFileOrAFolderCannotBeOpened)
{
    TempFolder folder;
    for (const auto& path : {folder / "missing.Txt", folder.path()}) {
        try {
            (void)readLines(path);
            FAIL() << "no error for " << path;
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "Cannot open file " + path.string());
        }
    }
}

TEST(WriteLines, WritesCrLfAfterEveryLine)
{
    TempFolder folder;
    writeLines(folder / "d.Txt", {"8/2/2005 03 12", "", "x"});
    EXPECT_EQ(test::readBytes(folder / "d.Txt"), "8/2/2005 03 12\r\n\r\nx\r\n");
}

} // namespace
} // namespace stellaform
