#include "drawings/DrawingsList.h"

namespace stellaform {

std::string drawingsListItem(std::string_view line)
{
    const std::size_t space = line.find(' ');
    const std::string_view date = space == std::string_view::npos ? std::string_view() : line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? line : line.substr(space + 1);

    std::string item;
    item.reserve(line.size() + 6);
    item.append(" ").append(date).append(" - [").append(rest).append("]");
    return item;
}

std::string totalDrawingsText(std::size_t count)
{
    return "Total Drawings: " + std::to_string(count) + ".";
}

} // namespace stellaform
