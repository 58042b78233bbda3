#include "app/Error.h"

#include "app/Ansi.h"

namespace stellaform {

Error cannotOpenFile(const std::filesystem::path& path)
{
    return Error("Cannot open file " + ansiFromPath(path));
}

Error cannotCreateFile(const std::filesystem::path& path)
{
    return Error("Cannot create file " + ansiFromPath(path));
}

Error unableToWriteTo(const std::filesystem::path& path)
{
    return Error("Unable to write to " + ansiFromPath(path));
}

Error notAValidInteger(const std::string& text)
{
    return Error("'" + text + "' is not a valid integer value");
}

Error listIndexOutOfBounds(long long index)
{
    return Error("List index out of bounds (" + std::to_string(index) + ")");
}

std::string errorReportText(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

} // namespace stellaform
