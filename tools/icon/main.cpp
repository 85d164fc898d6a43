// Renders the program's SVG icon to square PNGs at build time:
//   velmara-icon ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZE/<icon name>.png
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: velmara-icon ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "velmara-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName() + ".png";
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1) {
            std::fprintf(stderr, "velmara-icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        const QString dir = QDir(QString::fromLocal8Bit(argv[2])).filePath(QString::number(size));
        QDir().mkpath(dir);
        const QString out = QDir(dir).filePath(name);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "velmara-icon: cannot write %s\n", out.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
