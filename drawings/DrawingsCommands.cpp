#include "drawings/DrawingsCommands.h"

#include "app/Error.h"

#include <algorithm>
#include <string_view>

namespace stellaform {

void appendDrawing(const DrawingsFile& file, const std::string& line)
{
    std::error_code ignored;
    const bool missing = file.namesAFile() && !std::filesystem::exists(file.path(), ignored);
    Lines lines = missing ? Lines() : file.read();
    lines.push_back(line);
    file.write(lines);
}

void deleteDrawing(const DrawingsFile& file, long long index)
{
    Lines lines = file.read();
    if (index < 0 || static_cast<unsigned long long>(index) >= lines.size())
        throw listIndexOutOfBounds(index);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    file.write(lines);
}

void importDrawings(const DrawingsFile& file, const std::filesystem::path& source)
{
    file.replaceWith(readFile(source));
}

std::string rewriteDrawings(const DrawingsFile& file)
{
    std::string bytes = joinLines(file.read());
    file.replaceWith(bytes);
    return bytes;
}

std::filesystem::path exportTarget(const std::filesystem::path& chosen)
{
    std::filesystem::path::string_type name = chosen.native();
    const auto endsWith = [&name](std::string_view ending) {
        return name.size() >= ending.size() && std::equal(ending.rbegin(), ending.rend(), name.rbegin());
    };
    if (endsWith(".txt") || endsWith(".Txt") || endsWith(".TXT"))
        name.resize(name.size() - 4);
    std::filesystem::path target(std::move(name));
    target += ".Txt";
    return target;
}

} // namespace stellaform
