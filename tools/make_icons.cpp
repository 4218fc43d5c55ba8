// ortix_make_icons <svg> <output-folder> <name> <size>...
//
// Renders the program's one drawn icon at the sizes of the hicolor icon
// theme: <output-folder>/<size>x<size>/apps/<name>.png. The desktop's menu
// and the program's window take these, so every size comes from the same
// picture. The picture has no text, so it renders without a display.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: ortix_make_icons <svg> <output-folder> <name> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "ortix_make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "ortix_make_icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = out.filePath(QStringLiteral("%1x%1/apps").arg(size));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "ortix_make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
