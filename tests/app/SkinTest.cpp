#include "app/Skin.h"
#include "app/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::TempFolder;
using test::writeBytes;

TEST(Skin, SubstitutesThePaletteIntoTheStyleSheet)
{
    TempFolder folder;
    writeBytes(folder / "skin.ini",
               "[Skin]\r\nStyleSheet=look.qss\r\n[Colors]\r\nAccent=#123456\r\nAccentText=#FFF\r\n");
    writeBytes(folder / "look.qss", "a { color: @Accent; background: @AccentText; border: @Border; } @ @x");
    EXPECT_EQ(loadSkinStyleSheet(folder / "skin.ini"), "a { color: #123456; background: #FFF; border: @Border; } @ @x");
}

TEST(Skin, AMissingDescriptionOrStyleSheetCannotBeOpened)
{
    TempFolder folder;
    try {
        (void)loadSkinStyleSheet(folder / "skin.ini");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + (folder / "skin.ini").string());
    }
    writeBytes(folder / "skin.ini", "[Skin]\r\nStyleSheet=gone.qss\r\n");
    try {
        (void)loadSkinStyleSheet(folder / "skin.ini");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + (folder / "gone.qss").string());
    }
}

} // namespace
} // namespace stellaform
