#include "app/Ansi.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

TEST(Ansi, EveryByteRoundTripsThroughItsCodePoint)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t codePoint = codePointOfAnsi(static_cast<unsigned char>(byte));
        EXPECT_EQ(ansiOfCodePoint(codePoint), static_cast<unsigned char>(byte)) << byte;
    }
}

TEST(Ansi, MapsTheWindows1252Characters)
{
    EXPECT_EQ(codePointOfAnsi(0x80), U'\u20AC');
    EXPECT_EQ(codePointOfAnsi(0x9F), U'\u0178');
    EXPECT_EQ(codePointOfAnsi(0xE9), U'\u00E9');
    // Bytes the code page leaves undefined keep their value.
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(codePointOfAnsi(undefined), undefined);
    EXPECT_EQ(ansiOfCodePoint(U'\u65E5'), std::nullopt);
}

TEST(Ansi, FileNamesFromProgramTextAndBack)
{
    EXPECT_EQ(pathFromAnsi("Caf\xE9 \x80.Txt").string(), "Caf\xC3\xA9 \xE2\x82\xAC.Txt");
    EXPECT_EQ(ansiFromPath(std::filesystem::path(u8"/drawn/Café €.Txt")), "/drawn/Caf\xE9 \x80.Txt");
    EXPECT_EQ(ansiFromPath(std::filesystem::path(u8"日本.Txt")), "??.Txt");
}

} // namespace
} // namespace stellaform
