#include "app/Error.h"
#include "app/Text.h"
#include "catalog/Catalog.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using namespace stellaform;

constexpr int kFields = 5;

std::optional<LotterySettings> settingsOf(std::string_view line)
{
    try {
        return lotterySettings(line);
    } catch (const Error&) {
        return std::nullopt;
    }
}

bool sameSettings(const LotterySettings& a, const LotterySettings& b)
{
    return a.lotteryName == b.lotteryName && a.iNumberCount == b.iNumberCount && a.iSelectCount == b.iSelectCount &&
           a.iBoundCount == b.iBoundCount;
}

void checkLine(const std::string& line)
{
    std::array<std::string, kFields + 1> fields;
    for (int k = 1; k <= kFields; ++k) {
        fields[k] = catalogField(line, k);
        fuzz::check(fields[k].find('|') == std::string::npos, "a field holds a separator");
    }

    // Text after the fifth "|" is ignored.
    int separators = 0;
    std::size_t end = 0;
    for (std::size_t at = line.find('|'); at != std::string::npos && separators < kFields;
         at = line.find('|', at + 1)) {
        ++separators;
        end = at + 1;
    }
    if (separators == kFields) {
        const std::string cut = line.substr(0, end);
        for (int k = 1; k <= kFields; ++k)
            fuzz::check(catalogField(cut, k) == fields[k], "text after the fifth separator changed a field");
    }

    const std::string row = catalogRowText(line);
    fuzz::check(row == fields[1] + " - [" + fields[2] + "]", "the row text is not country - [name]");
    const std::string lottery = lotteryText(row);
    fuzz::check(!lottery.empty() && lottery.back() == ']' && row.starts_with(lottery) &&
                    std::count(lottery.begin(), lottery.end(), ']') == 1,
                "the lottery text is not the row text up to its first ]");

    const std::string stem = drawingsFileStem(fields[2]);
    fuzz::check(stem.find_first_of(" -") == std::string::npos, "the stem holds a blank or a hyphen");
    fuzz::check(stem.size() + std::count(fields[2].begin(), fields[2].end(), ' ') +
                        std::count(fields[2].begin(), fields[2].end(), '-') ==
                    fields[2].size(),
                "the stem lost other characters");

    const auto settings = settingsOf(line);
    if (!settings)
        return;
    fuzz::check(settings->lotteryName == stem, "the settings name is not the stem");
    // A lottery composed from what was read reads back the same.
    const std::string composed = composeCatalogLine(
        {fields[1], fields[2], settings->iNumberCount, settings->iSelectCount, settings->iBoundCount});
    fuzz::check(catalogField(composed, 1) == trim(fields[1]), "a composed line changed its country");
    fuzz::check(catalogField(composed, 2) == fields[2], "a composed line changed its lottery name");
    const auto recomposed = settingsOf(composed);
    fuzz::check(recomposed && sameSettings(*recomposed, *settings), "a composed line changed its settings");
}

} // namespace

// Input: the bytes of a catalog file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const auto& line : splitLines(fuzz::textOf(data, size)))
        checkLine(line);
    return 0;
}
