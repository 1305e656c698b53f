// LoadPicture's decoding, all eight formats (metafiles through the real
// helper process): a file either throws the platform's invalid-picture
// error or comes back as a picture that is not null, at the size asked for
// (a bitmap never larger than itself), with its own size. Input: the file; the
// size it is shown at follows from its bytes.
#include "fuzzing.h"
#include "pictures/pictureformat.h"
#include "pictures/pictureloader.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QTemporaryDir>

using namespace pelk;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("PELK_BIN_DIR"))
        qputenv("PELK_BIN_DIR", PELK_BIN_DIR);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static QTemporaryDir folder(QFileInfo::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm/pelk-fuzz-XXXXXX")
                                                                          : QDir::tempPath() + "/pelk-fuzz-XXXXXX");
    const QString path = folder.filePath(QStringLiteral("picture"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    // Sizes an image box has: from a sliver to larger than most samples.
    const size_t hash = qHash(bytes);
    const QSize shown(1 + int(hash % 300), 1 + int((hash >> 16) % 300));

    const Result<Picture> decoded = pictures::decode(path, shown);
    if (!decoded) {
        FUZZ_CHECK(decoded.error().number() == errInvalidPicture, decoded.error().description());
        return 0;
    }
    const Picture &picture = *decoded;
    const QString detail = QStringLiteral("%1 x %2 of %3 x %4, shown at %5 x %6")
                               .arg(picture.image.width()).arg(picture.image.height())
                               .arg(picture.fullSize.width()).arg(picture.fullSize.height())
                               .arg(shown.width()).arg(shown.height());
    FUZZ_CHECK(!picture.isNull(), detail);
    FUZZ_CHECK(!picture.fullSize.isEmpty(), detail);
    // A metafile is drawn at the size shown, however small its own; a
    // bitmap is decoded at most at its own size, and the box stretches it.
    const bool metafile = pictures::isMetafile(pictures::sniffPictureFormat(bytes));
    FUZZ_CHECK(picture.image.size() == (metafile ? shown : pictures::decodeSize(picture.fullSize, shown)), detail);
    FUZZ_CHECK(picture.path == path, picture.path);
    return 0;
}
