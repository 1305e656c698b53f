// pelk-icon-png SOURCE OUT SIZE: the program icon as a SIZE x SIZE PNG for
// the icon theme. Whole multiples keep the pixel art sharp; other sizes are
// smoothed.
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fputs("usage: pelk-icon-png SOURCE OUT SIZE\n", stderr);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[3]).toInt();
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "pelk-icon-png: cannot read %s or bad size %s\n", argv[1], argv[3]);
        return 1;
    }
    const bool whole = size % source.width() == 0 && size % source.height() == 0;
    const QImage icon = source.scaled(size, size, Qt::IgnoreAspectRatio,
                                      whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!icon.save(out, "PNG")) {
        std::fprintf(stderr, "pelk-icon-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
