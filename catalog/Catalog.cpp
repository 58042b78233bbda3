#include "catalog/Catalog.h"

#include "app/Error.h"
#include "app/Text.h"

#include <algorithm>

namespace stellaform {
namespace {

constexpr char kSeparator = '|';

} // namespace

bool catalogExists(const std::filesystem::path& catalogFile)
{
    std::error_code ignored;
    return std::filesystem::exists(catalogFile, ignored);
}

Lines readCatalog(const std::filesystem::path& catalogFile)
{
    return readLines(catalogFile);
}

void appendCatalogLine(const std::filesystem::path& catalogFile, const std::string& line)
{
    Lines catalog = readCatalog(catalogFile);
    catalog.push_back(line);
    writeLines(catalogFile, catalog);
}

const std::string& catalogLine(const Lines& catalog, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= catalog.size())
        throw listIndexOutOfBounds(index);
    return catalog[static_cast<std::size_t>(index)];
}

std::string catalogField(std::string_view line, int k)
{
    for (int skipped = 1; skipped < k; ++skipped) {
        if (const std::size_t separator = line.find(kSeparator); separator != std::string_view::npos)
            line.remove_prefix(separator + 1);
    }
    const std::size_t end = line.find(kSeparator);
    return end == std::string_view::npos ? std::string() : std::string(line.substr(0, end));
}

std::string catalogRowText(std::string_view line)
{
    return catalogField(line, 1) + " - [" + catalogField(line, 2) + "]";
}

std::string lotteryText(std::string_view rowText)
{
    const std::size_t bracket = rowText.find(']');
    return bracket == std::string_view::npos ? std::string() : std::string(rowText.substr(0, bracket + 1));
}

std::string drawingsFileStem(std::string_view lotteryName)
{
    std::string stem;
    std::copy_if(lotteryName.begin(), lotteryName.end(), std::back_inserter(stem),
                 [](char c) { return c != ' ' && c != '-'; });
    return stem;
}

LotterySettings lotterySettings(std::string_view line)
{
    LotterySettings settings;
    settings.lotteryName = drawingsFileStem(catalogField(line, 2));
    settings.iNumberCount = strToInt(catalogField(line, 3));
    settings.iSelectCount = strToInt(catalogField(line, 4));
    settings.iBoundCount = strToInt(catalogField(line, 5));
    return settings;
}

std::string composeCatalogLine(const NewLottery& lottery)
{
    const std::string separator(1, kSeparator);
    return trim(lottery.country) + separator + lottery.lotteryName + separator + std::to_string(lottery.numberCount) +
           separator + std::to_string(lottery.selectCount) + separator + std::to_string(lottery.bonusCount) + separator;
}

} // namespace stellaform
