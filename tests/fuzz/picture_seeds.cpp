// fuzz_picture_seeds FOLDER: writes the seed pictures of the picture fuzz
// target, small samples of all eight formats, into FOLDER.
#include "samplepictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: fuzz_picture_seeds FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    for (const char *format : {"bmp", "dib", "ico", "cur", "jpg", "gif", "wmf", "emf"}) {
        for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(16, 16), QSize(40, 30)}) {
            const QString name = QStringLiteral("%1-%2x%3").arg(QLatin1String(format)).arg(size.width()).arg(size.height());
            if (!pelk::samples::write(folder.filePath(name), pelk::samples::ofFormat(QLatin1String(format), size)))
                return 1;
        }
    }
    return 0;
}
