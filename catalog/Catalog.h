#pragma once

#include "app/LineList.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace stellaform {

// The lottery catalog, Game.Txt: one lottery per line, five fields each
// followed by "|" (country|lottery name|number count|select count|bonus count|).
// Every line is an entry, blank and malformed ones included, and line i is
// row i of the selection list.

[[nodiscard]] bool catalogExists(const std::filesystem::path& catalogFile);

// Raises "Cannot open file <path>".
[[nodiscard]] Lines readCatalog(const std::filesystem::path& catalogFile);

// Reads the whole catalog, adds the line at the end and writes it all back
// with CR LF line ends. Raises "Cannot open file <path>" (the catalog is
// never created) or "Cannot create file <path>".
void appendCatalogLine(const std::filesystem::path& catalogFile, const std::string& line);

// Line `index` of the catalog; raises "List index out of bounds (<index>)".
[[nodiscard]] const std::string& catalogLine(const Lines& catalog, int index);

// Field k (1 to 5). A field exists only if its "|" follows it: once the line
// runs out of separators every further field is empty.
[[nodiscard]] std::string catalogField(std::string_view line, int k);

// "<country> - [<lottery name>]", the line's row in the selection list.
[[nodiscard]] std::string catalogRowText(std::string_view line);

// The row text up to and including its first "]": the lottery's display name.
[[nodiscard]] std::string lotteryText(std::string_view rowText);

// The lottery name without blanks and hyphens: the name of its drawings file.
[[nodiscard]] std::string drawingsFileStem(std::string_view lotteryName);

// What choosing a line makes of the current lottery's settings.
struct LotterySettings {
    std::string lotteryName;
    std::int32_t iNumberCount = 0;
    std::int32_t iSelectCount = 0;
    std::int32_t iBoundCount = 0;
};

// Converts fields 3, 4 and 5 in that order; raises "'<field>' is not a valid
// integer value" for the first one that is not a decimal whole number.
[[nodiscard]] LotterySettings lotterySettings(std::string_view line);

struct NewLottery {
    std::string country;
    std::string lotteryName;
    std::int32_t numberCount = 0;
    std::int32_t selectCount = 0;
    std::int32_t bonusCount = 0; // 0: a lottery without bonus numbers
};

// The country trimmed, the lottery name as it stands, then the three counts.
[[nodiscard]] std::string composeCatalogLine(const NewLottery& lottery);

} // namespace stellaform
