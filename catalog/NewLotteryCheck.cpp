#include "catalog/NewLotteryCheck.h"

#include "app/Text.h"
#include "catalog/Catalog.h"

namespace stellaform {
namespace {

bool holdsAnyOf(std::string_view text, std::string_view characters)
{
    return text.find_first_of(characters) != std::string_view::npos;
}

} // namespace

std::optional<std::string> newLotteryRefusal(std::string_view country, std::string_view lotteryName)
{
    using namespace std::string_view_literals;
    if (country.empty() || lotteryName.empty())
        return "Country or Lottery Name Can't Empty!";
    // The country is stored trimmed, so only what lies inside it counts.
    const std::string storedCountry = trim(country);
    if (holdsAnyOf(storedCountry, "|") || holdsAnyOf(lotteryName, "|"))
        return "Country or Lottery Name Can't Contain |!";
    // A NUL byte ends the text of a file as it is read.
    const std::string_view lineEnds = "\r\n\0"sv;
    if (holdsAnyOf(storedCountry, lineEnds) || holdsAnyOf(lotteryName, lineEnds))
        return "Country or Lottery Name Can't Contain Line Breaks!";
    if (holdsAnyOf(drawingsFileStem(lotteryName), "/\\"))
        return "Lottery Name Can't Contain / or \\!";
    return std::nullopt;
}

} // namespace stellaform
