#include "app/LineList.h"

#include "app/AtomicFile.h"
#include "app/Error.h"

#include <cstdio>
#include <memory>

namespace stellaform {

Lines splitLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    Lines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const Lines& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Lines splitBoxText(std::string_view text)
{
    Lines lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string joinBoxText(const Lines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text;
}

std::string readFile(const std::filesystem::path& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.string().c_str(), "rb"), &std::fclose);
    if (!file)
        throw cannotOpenFile(path);
    std::string bytes;
    std::error_code ignored;
    if (const auto size = std::filesystem::file_size(path, ignored); size != static_cast<std::uintmax_t>(-1))
        bytes.reserve(size);
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        throw cannotOpenFile(path);
    return bytes;
}

Lines readLines(const std::filesystem::path& path)
{
    return splitLines(readFile(path));
}

void writeLines(const std::filesystem::path& path, const Lines& lines)
{
    writeFileAtomically(path, joinLines(lines));
}

} // namespace stellaform
