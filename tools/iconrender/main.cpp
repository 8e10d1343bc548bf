// Renders the game's scalable icon as the PNGs of a hicolor icon theme.
// Usage: iconrender ICON.svg FOLDER SIZE...  writes FOLDER/<size>x<size>/apps/<name>.png
#include <cstdio>
#include <string>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconrender ICON.svg FOLDER SIZE...\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 4096) {
            std::fprintf(stderr, "iconrender: '%s' is not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&p, QRectF(0, 0, size, size));
        }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps) || !image.convertToFormat(QImage::Format_ARGB32).save(apps + '/' + name)) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(apps + '/' + name));
            return 1;
        }
    }
    return 0;
}
