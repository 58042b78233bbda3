// Renders the program's icon, drawn by hand as SVG, into the PNG sizes that
// desktops look up in the icon theme: <folder>/<N>x<N>/apps/<icon>.png.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a usable SVG file\n", argv[1]);
        return 1;
    }
    const QString iconName = QFileInfo(svgPath).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "%s: not an icon size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();

        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString pngPath = QStringLiteral("%1/%2.png").arg(sizeFolder, iconName);
        if (!QDir().mkpath(sizeFolder) || !image.save(pngPath, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(pngPath));
            return 1;
        }
    }
    return 0;
}
