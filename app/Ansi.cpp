#include "app/Ansi.h"

#include <array>

namespace stellaform {
namespace {

// Code points of the bytes 0x80 to 0x9F; the others equal their byte value.
// clang-format off
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

void appendUtf8(std::u8string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char8_t>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char8_t>(0xC0 | (cp >> 6));
        out += static_cast<char8_t>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char8_t>(0xE0 | (cp >> 12));
        out += static_cast<char8_t>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char8_t>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence starting at `pos` and advances `pos`; a malformed
// sequence yields U+FFFD and consumes one byte.
char32_t nextCodePoint(const std::u8string& in, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(in[pos]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > in.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(in[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

} // namespace

char32_t codePointOfAnsi(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> ansiOfCodePoint(char32_t codePoint)
{
    if (codePoint <= 0xFF && (codePoint < 0x80 || codePoint > 0x9F))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::filesystem::path pathFromAnsi(std::string_view ansi)
{
    std::u8string utf8;
    utf8.reserve(ansi.size());
    for (const char c : ansi)
        appendUtf8(utf8, codePointOfAnsi(static_cast<unsigned char>(c)));
    return std::filesystem::path(utf8);
}

std::string ansiFromPath(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    std::string ansi;
    ansi.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        ansi += static_cast<char>(ansiOfCodePoint(nextCodePoint(utf8, pos)).value_or('?'));
    return ansi;
}

} // namespace stellaform
