// LoadPicture's decoding: every format of the picture pattern, pictures
// decoded no larger than shown, and damaged or hostile files refused.
#include "samplepictures.h"
#include "testmain.h"

#include "pictures/jpegdecoder.h"
#include "pictures/metafile.h"
#include "pictures/pictureformat.h"
#include "pictures/pictureloader.h"

#include <QDir>
#include <QFuture>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace pelk;
using namespace pelk::pictures;

class TestPictureLoader : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        if (!samples::write(path, data))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // The error number load() answers at once, 0 when it returns a picture.
    static int loadError(const QString &path, const QSize &size)
    {
        const PictureLoading loaded = load(path, size);
        return loaded->state() == PictureLoad::State::Failed ? loaded->error().number() : 0;
    }

    static bool near(QRgb a, QColor b)
    {
        return qAbs(qRed(a) - b.red()) < 40 && qAbs(qGreen(a) - b.green()) < 40 && qAbs(qBlue(a) - b.blue()) < 40;
    }

private slots:
    void readsEveryFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("fullSize");
        const QSize size(64, 48);
        QTest::newRow("icon") << "a.ico" << samples::ico(QSize(32, 32)) << QSize(32, 32);
        QTest::newRow("cursor") << "a.cur" << samples::cur(QSize(32, 32)) << QSize(32, 32);
        QTest::newRow("bitmap") << "a.bmp" << samples::bmp(size) << size;
        QTest::newRow("dib with file header") << "a.dib" << samples::bmp(size) << size;
        QTest::newRow("packed dib") << "b.dib" << samples::packedDib(size) << size;
        QTest::newRow("jpeg") << "a.jpg" << samples::jpeg(size) << size;
        QTest::newRow("gif") << "a.gif" << samples::gif(size) << size;
        QTest::newRow("windows metafile") << "a.wmf" << samples::wmf(size) << size;
        QTest::newRow("enhanced metafile") << "a.emf" << samples::emf(size) << size;
        QTest::newRow("extension says bitmap, contents are jpeg") << "c.bmp" << samples::jpeg(size) << size;
    }
    void readsEveryFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QFETCH(QSize, fullSize);
        const QString path = file(name, data);
        const Picture picture = decode(path, QSize()).value();
        QCOMPARE(picture.path, path);
        QVERIFY(!picture.isNull());
        // Metafiles measure themselves from their header: a pixel either way.
        QVERIFY2(qAbs(picture.fullSize.width() - fullSize.width()) <= 1
                     && qAbs(picture.fullSize.height() - fullSize.height()) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(picture.fullSize.width()).arg(picture.fullSize.height())));
        const QImage &image = picture.image;
        QVERIFY(near(image.pixel(image.width() / 2, image.height() / 2), Qt::blue));
        QVERIFY(near(image.pixel(2, 2), Qt::red));
        QVERIFY(near(image.pixel(image.width() - 3, image.height() - 3), Qt::red));
    }

    void decodesNoLargerThanShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("decoded");
        QTest::addColumn<QSize>("fullSize");
        QTest::newRow("large jpeg in the box") << "big.jpg" << samples::jpeg(QSize(2000, 1000)) << QSize(145, 145)
                                               << QSize(145, 145) << QSize(2000, 1000);
        QTest::newRow("large jpeg super-sized") << "big.jpg" << samples::jpeg(QSize(2000, 1000)) << QSize(413, 413)
                                                << QSize(413, 413) << QSize(2000, 1000);
        QTest::newRow("large bitmap in the box") << "big.bmp" << samples::bmp(QSize(800, 600)) << QSize(145, 145)
                                                 << QSize(145, 145) << QSize(800, 600);
        QTest::newRow("small icon is never enlarged") << "s.ico" << samples::ico(QSize(32, 32)) << QSize(145, 145)
                                                      << QSize(32, 32) << QSize(32, 32);
        QTest::newRow("narrow jpeg: only the wide side shrinks")
            << "n.jpg" << samples::jpeg(QSize(1000, 100)) << QSize(145, 145) << QSize(145, 100) << QSize(1000, 100);
        QTest::newRow("metafile is drawn at the box's size")
            << "m.wmf" << samples::wmf(QSize(64, 48)) << QSize(145, 145) << QSize(145, 145) << QSize(64, 48);
        QTest::newRow("enhanced metafile is drawn at the box's size")
            << "m.emf" << samples::emf(QSize(64, 48)) << QSize(413, 413) << QSize(413, 413) << QSize(64, 48);
    }
    void decodesNoLargerThanShown()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QFETCH(QSize, shown);
        QFETCH(QSize, decoded);
        QFETCH(QSize, fullSize);
        const Picture picture = decode(file(name, data), shown).value();
        QCOMPARE(picture.image.size(), decoded);
        QVERIFY(qAbs(picture.fullSize.width() - fullSize.width()) <= 1);
        QVERIFY(qAbs(picture.fullSize.height() - fullSize.height()) <= 1);
        const QImage &image = picture.image;
        QVERIFY(near(image.pixel(image.width() / 2, image.height() / 2), Qt::blue));
    }

    void refusesWhatIsNotAPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        const QSize size(64, 48);
        QTest::newRow("empty file") << "empty.jpg" << QByteArray();
        QTest::newRow("text named as bitmap") << "text.bmp" << QByteArray("[boot]\r\nshell=progman.exe\r\n");
        QTest::newRow("png is not among the formats") << "p.gif" << [] {
            QByteArray data;
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            samples::redWithBlueSquare(QSize(8, 8)).save(&buffer, "PNG");
            return data;
        }();
        for (const QString format : {"bmp", "ico", "cur", "jpg", "gif", "wmf", "emf"}) {
            const QByteArray whole = samples::ofFormat(format, size);
            QTest::addRow("%s truncated to half", qPrintable(format)) << "half." + format << whole.left(whole.size() / 2);
            QTest::addRow("%s header only", qPrintable(format)) << "head." + format << whole.left(24);
            QByteArray scrambled = whole;
            for (qsizetype k = 14; k < scrambled.size(); k += 3)
                scrambled[k] = char(0xFF - k);
            if (format != "bmp") // a bitmap's pixels have no structure to break
                QTest::addRow("%s scrambled after its header", qPrintable(format)) << "scr." + format << scrambled;
        }
        QTest::newRow("packed dib truncated") << "half.dib" << samples::packedDib(size).left(100);
        QByteArray emptyGif = samples::gif(QSize(1, 1));
        const qsizetype descriptor = 13 + 256 * 3;
        qToLittleEndian<quint16>(0, emptyGif.data() + descriptor + 5);
        qToLittleEndian<quint16>(0, emptyGif.data() + descriptor + 7);
        QTest::newRow("gif whose only image is 0 x 0") << "empty.gif" << emptyGif;
    }
    void refusesWhatIsNotAPicture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QCOMPARE(loadError(file(name, data), QSize(145, 145)), int(errInvalidPicture));
    }

    void refusesDecompressionBombs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        // Headers that declare an enormous picture over a few bytes of data.
        QByteArray jpeg = samples::jpeg(QSize(16, 16));
        const qsizetype sof = jpeg.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        qToBigEndian<quint16>(60000, jpeg.data() + sof + 5);
        qToBigEndian<quint16>(60000, jpeg.data() + sof + 7);
        QTest::newRow("jpeg of 60000 x 60000") << "bomb.jpg" << jpeg;
        QByteArray gif = samples::gif(QSize(16, 16));
        qToLittleEndian<quint16>(65535, gif.data() + 6);
        qToLittleEndian<quint16>(65535, gif.data() + 8);
        const qsizetype descriptor = 13 + 256 * 3;
        qToLittleEndian<quint16>(65535, gif.data() + descriptor + 5);
        qToLittleEndian<quint16>(65535, gif.data() + descriptor + 7);
        QTest::newRow("gif of 65535 x 65535") << "bomb.gif" << gif;
        QByteArray bmp = samples::bmp(QSize(16, 16));
        qToLittleEndian<qint32>(50000, bmp.data() + 18);
        qToLittleEndian<qint32>(50000, bmp.data() + 22);
        QTest::newRow("bitmap of 50000 x 50000") << "bomb.bmp" << bmp;
        QByteArray wmf = samples::wmf(QSize(16, 16));
        qToLittleEndian<quint32>(0x7FFFFFFF, wmf.data() + 22 + 18); // first record claims 4 GiB
        QTest::newRow("metafile record of 4 GiB") << "bomb.wmf" << wmf;
        QByteArray emf = samples::emf(QSize(16, 16));
        qToLittleEndian<quint32>(0x7FFFFFF0, emf.data() + 108 + 4);
        QTest::newRow("enhanced metafile record of 2 GiB") << "bomb.emf" << emf;
    }
    void refusesDecompressionBombs()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QCOMPARE(loadError(file(name, data), QSize(145, 145)), int(errInvalidPicture));
    }

    void reportsMissingFiles()
    {
        QCOMPARE(loadError(m_dir.filePath(QStringLiteral("gone.bmp")), QSize(145, 145)), int(errFileNotFound));
        QCOMPARE(loadError(m_dir.path(), QSize(145, 145)), int(errInvalidPicture));
    }

    void metafileHelperLimits_data()
    {
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<qint64>("addressSpace");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("within the limits") << 10000 << (qint64(1) << 30) << true;
        QTest::newRow("out of memory") << 10000 << (qint64(8) << 20) << false;
        QTest::newRow("out of time") << 1 << (qint64(1) << 30) << false;
    }
    void metafileHelperLimits()
    {
        QFETCH(int, timeoutMs);
        QFETCH(qint64, addressSpace);
        QFETCH(bool, drawn);
        const auto image = drawMetafile(samples::wmf(QSize(64, 48)), QSize(100, 80), {timeoutMs, addressSpace});
        QCOMPARE(image.has_value(), drawn);
        if (drawn)
            QCOMPARE(image->image.size(), QSize(100, 80));
    }

    void metafileAnswerIsChecked_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("accepted");
        QImage image(4, 3, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::green);
        const QByteArray good = encodeMetafileImage(image, QSize(40, 30));
        QTest::newRow("well formed") << good << true;
        QTest::newRow("one byte short") << good.chopped(1) << false;
        QTest::newRow("one byte over") << good + 'x' << false;
        QByteArray wrongMagic = good;
        wrongMagic[0] = 'Q';
        QTest::newRow("wrong magic") << wrongMagic << false;
        QByteArray tooWide = good;
        qToLittleEndian<qint32>(5000, tooWide.data() + 8);
        QTest::newRow("wider than asked") << tooWide << false;
        QByteArray negative = good;
        qToLittleEndian<qint32>(-3, negative.data() + 12);
        QTest::newRow("negative height") << negative << false;
        QTest::newRow("nothing") << QByteArray() << false;
    }
    void metafileAnswerIsChecked()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, accepted);
        const auto decoded = decodeMetafileImage(answer, QSize(100, 100));
        QCOMPARE(decoded.has_value(), accepted);
        if (accepted) {
            QCOMPARE(decoded->image.size(), QSize(4, 3));
            QCOMPARE(decoded->fullSize, QSize(40, 30));
            QCOMPARE(decoded->image.pixelColor(3, 2), QColor(Qt::green));
        }
    }

    void sniffsFormatFromContents_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("format");
        const QSize size(8, 8);
        QTest::newRow("bitmap") << samples::bmp(size) << int(PictureFormat::Bmp);
        QTest::newRow("packed dib") << samples::packedDib(size) << int(PictureFormat::Dib);
        QTest::newRow("icon") << samples::ico(size) << int(PictureFormat::Ico);
        QTest::newRow("cursor") << samples::cur(size) << int(PictureFormat::Cur);
        QTest::newRow("jpeg") << samples::jpeg(size) << int(PictureFormat::Jpeg);
        QTest::newRow("gif") << samples::gif(size) << int(PictureFormat::Gif);
        QTest::newRow("placeable metafile") << samples::wmf(size) << int(PictureFormat::Wmf);
        QTest::newRow("plain metafile") << samples::wmf(size).mid(22) << int(PictureFormat::Wmf);
        QTest::newRow("enhanced metafile") << samples::emf(size) << int(PictureFormat::Emf);
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000000000000000000000") << 0;
        QTest::newRow("a few bytes") << QByteArray("BM") << 0;
        QTest::newRow("nothing") << QByteArray() << 0;
    }
    void sniffsFormatFromContents()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, format);
        QCOMPARE(int(sniffPictureFormat(head.left(kSniffBytes))), format);
    }

    // A picture the worker is still decoding comes back at once, Loading;
    // what it lands as (a null picture when it proves unreadable).
    static Picture landed(const PictureLoading &load)
    {
        if (load->state() == PictureLoad::State::Loading) {
            QSignalSpy finished(load.get(), &PictureLoad::finished);
            if (!finished.wait(60000))
                qFatal("a picture decoded ahead never landed");
        }
        return load->state() == PictureLoad::State::Loaded ? load->picture() : Picture();
    }

    void decodedAheadIsTheSamePicture()
    {
        const QString path = file(QStringLiteral("ahead.jpg"), samples::jpeg(QSize(300, 200)));
        const QString other = file(QStringLiteral("other.gif"), samples::gif(QSize(30, 20)));
        loadAhead({path, other}, QSize(145, 145));
        const Picture first = landed(load(path, QSize(145, 145)));
        QCOMPARE(first.path, path);
        QCOMPARE(first.image.size(), QSize(145, 145));
        QCOMPARE(first.fullSize, QSize(300, 200));
        QCOMPARE(landed(load(other, QSize(145, 145))).fullSize, QSize(30, 20));
        // Once landed it is taken from the cache.
        const PictureLoading cached = load(path, QSize(145, 145));
        QCOMPARE(cached->state(), PictureLoad::State::Loaded);
        const Picture again = cached->picture();
        QCOMPARE(again.image.cacheKey(), first.image.cacheKey());
        // A file rewritten since is decoded anew, not taken from the cache.
        QVERIFY(samples::write(path, samples::jpeg(QSize(600, 100))));
        QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        QCOMPARE(landed(load(path, QSize(145, 145))).fullSize, QSize(600, 100));
        // One that became unreadable is reported as such.
        QVERIFY(samples::write(other, "garbage"));
        QFile(other).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        QCOMPARE(loadError(other, QSize(145, 145)), int(errInvalidPicture));
    }

    // load() never waits for a worker: a picture still being decoded ahead
    // is handed out arriving, and a new wish list does not drop it.
    void pictureBeingDecodedAheadArrives()
    {
        // Large enough that its decode outlasts the next statement by far.
        const QString big = file(QStringLiteral("big.jpg"), samples::jpeg(QSize(4000, 3000)));
        const QString damaged = file(QStringLiteral("damaged.jpg"), samples::jpeg(QSize(4000, 3000)).left(20000));
        // A second one keeps the other worker busy, so the damaged file is
        // still waiting when it is asked for.
        const QString other = file(QStringLiteral("other-big.jpg"), samples::jpeg(QSize(4000, 3000)));
        loadAhead({big, other, damaged}, QSize());
        const PictureLoading picture = load(big, QSize());
        QCOMPARE(picture->state(), PictureLoad::State::Loading);
        QVERIFY(picture->picture().image.isNull());
        const PictureLoading broken = load(damaged, QSize());
        loadAhead({}, QSize());
        const Picture arrived = landed(picture);
        QCOMPARE(arrived.path, big);
        QCOMPARE(arrived.image.size(), QSize(4000, 3000));
        // An unreadable one lands as no picture; asked again, it fails at once.
        QVERIFY(landed(broken).isNull());
        QCOMPARE(loadError(damaged, QSize()), int(errInvalidPicture));
    }

    void refusesWhatIsNotAFile()
    {
        const QString folder = m_dir.filePath(QStringLiteral("folder.jpg"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(loadError(folder, QSize(145, 145)), int(errInvalidPicture));
        // Opening a pipe would wait for a writer that never comes.
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(loadError(pipe, QSize(145, 145)), int(errInvalidPicture));
        QCOMPARE(loadError(m_dir.filePath(QStringLiteral("gone.jpg")), QSize(145, 145)), int(errFileNotFound));
    }

    void jpegScale_data()
    {
        QTest::addColumn<QSize>("full");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<int>("numerator");
        QTest::newRow("6000x4000 in the box") << QSize(6000, 4000) << QSize(145, 145) << 1;
        QTest::newRow("6000x4000 super-sized") << QSize(6000, 4000) << QSize(413, 413) << 1;
        QTest::newRow("1000x800 super-sized") << QSize(1000, 800) << QSize(413, 413) << 5;
        QTest::newRow("smaller than the box") << QSize(100, 100) << QSize(145, 145) << 8;
        QTest::newRow("full size") << QSize(6000, 4000) << QSize() << 8;
    }
    void jpegScale()
    {
        QFETCH(QSize, full);
        QFETCH(QSize, target);
        QFETCH(int, numerator);
        QCOMPARE(jpegScaleNumerator(full, target), numerator);
    }
};

PELK_TEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
