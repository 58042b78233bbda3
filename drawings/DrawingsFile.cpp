#include "drawings/DrawingsFile.h"

#include "app/Ansi.h"
#include "app/AppFolder.h"
#include "app/Error.h"

namespace stellaform {

DrawingsFile::DrawingsFile(const std::filesystem::path& appFolder, const std::string& lotteryName)
    : m_path(drawingsFolder(appFolder) / pathFromAnsi(lotteryName + ".Txt"))
    , m_namesAFile(lotteryName.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos)
{
}

Lines DrawingsFile::read() const
{
    if (!m_namesAFile)
        throw cannotOpenFile(m_path);
    return readLines(m_path);
}

Lines DrawingsFile::readOrNothing() const
{
    try {
        return read();
    } catch (const Error&) {
        return {};
    }
}

void DrawingsFile::write(const Lines& lines) const
{
    replaceWith(joinLines(lines));
}

void DrawingsFile::replaceWith(std::string_view bytes) const
{
    if (!m_namesAFile)
        throw cannotCreateFile(m_path);
    writeFileAtomically(m_path, bytes);
}

std::unique_ptr<AtomicFile> DrawingsFile::beginReplacement() const
{
    if (!m_namesAFile)
        throw cannotCreateFile(m_path);
    return std::make_unique<AtomicFile>(m_path);
}

} // namespace stellaform
