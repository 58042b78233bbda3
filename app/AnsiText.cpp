#include "app/AnsiText.h"

#include "app/Ansi.h"

#include <QFile>

namespace stellaform {

QString toQString(std::string_view ansi)
{
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char c : ansi)
        text += QChar(static_cast<char16_t>(codePointOfAnsi(static_cast<unsigned char>(c))));
    return text;
}

std::string toAnsi(const QString& text)
{
    std::string ansi;
    ansi.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        ansi += static_cast<char>(ansiOfCodePoint(c.unicode()).value_or('?'));
    return ansi;
}

std::filesystem::path toPath(const QString& fileName)
{
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace stellaform
