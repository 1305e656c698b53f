#include "pictureloader.h"

#include "jpegdecoder.h"
#include "metafile.h"
#include "pictureformat.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QFuture>
#include <QImageReader>
#include <QPromise>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <deque>
#include <list>
#include <memory>
#include <mutex>

namespace pelk::pictures {

QSize decodeSize(const QSize &fullSize, const QSize &shownSize)
{
    if (shownSize.isEmpty())
        return fullSize;
    return shownSize.boundedTo(fullSize);
}

namespace {

// Opens the file and tells its format by its first bytes.
PictureFormat openPicture(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(errFileNotFound);
    // Folders, pipes and devices are no pictures; opening a pipe would also
    // wait for a writer.
    if (!info.isFile())
        throw Error(errInvalidPicture);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QFileInfo::exists(path) ? errPermissionDenied : errFileNotFound);
    const PictureFormat format = sniffPictureFormat(file.peek(kSniffBytes));
    if (format == PictureFormat::Unknown)
        throw Error(errInvalidPicture);
    return format;
}

void drawMetafileInto(Picture &picture, QFile &file, const QSize &shownSize, const DecodeLimits &limits)
{
    if (file.size() > limits.maxMetafileBytes)
        throw Error(errInvalidPicture);
    const std::optional<MetafileImage> drawn = drawMetafile(file.readAll(), shownSize);
    if (!drawn)
        throw Error(errInvalidPicture);
    picture.image = drawn->image;
    picture.fullSize = drawn->fullSize;
}

// Leaves the image null for a JPEG in a colour space the JPEG decoder
// leaves to others (CMYK and more): Qt's reader converts them.
void decodeJpegInto(Picture &picture, const QSize &shownSize, const DecodeLimits &limits)
{
    bool otherColours = false;
    const QSize wanted = shownSize.isEmpty() ? QSize() : shownSize;
    if (std::optional<JpegResult> jpeg = decodeJpeg(picture.path, wanted, limits, &otherColours)) {
        picture.image = std::move(jpeg->image);
        picture.fullSize = jpeg->fullSize;
    } else if (!otherColours) {
        throw Error(errInvalidPicture);
    }
}

// Refuses a file cut short before Qt's reader decodes what there is of it.
void requireComplete(QFile &file, PictureFormat format)
{
    const QByteArray head = file.read(kCompletenessHead);
    QByteArray tail;
    if (file.seek(qMax<qint64>(0, file.size() - kCompletenessTail)))
        tail = file.read(kCompletenessTail);
    if (!looksComplete(format, head, tail, file.size()))
        throw Error(errInvalidPicture);
    file.seek(0);
}

void readWithQtInto(Picture &picture, QFile &file, PictureFormat format, const QSize &shownSize,
                    const DecodeLimits &limits)
{
    QImageReader reader(&file, qtFormatName(format));
    reader.setAutoTransform(false);
    reader.setAllocationLimit(limits.allocationLimitMB);
    const QSize declared = reader.size();
    if (declared.isValid()) {
        // Refuse an absurd declared size before a single pixel is decoded.
        if (declared.width() > limits.maxDimension || declared.height() > limits.maxDimension
            || qint64(declared.width()) * declared.height() > limits.maxDeclaredPixels)
            throw Error(errInvalidPicture);
        const QSize target = decodeSize(declared, shownSize);
        if (target != declared)
            reader.setScaledSize(target);
    }
    picture.image = reader.read();
    if (picture.image.isNull())
        throw Error(errInvalidPicture);
    picture.fullSize = declared.isValid() ? declared : picture.image.size();
}

// Shrinks what the decoder could not (or not exactly) to the shown size.
void shrinkToShown(Picture &picture, const QSize &shownSize)
{
    // A picture of no pixels (a GIF whose only image is 0 x 0) is no picture.
    if (picture.fullSize.isEmpty())
        throw Error(errInvalidPicture);
    const QSize target = decodeSize(picture.fullSize, shownSize);
    if (picture.image.size() != target)
        picture.image = picture.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (picture.image.isNull())
        throw Error(errInvalidPicture);
}

} // namespace

namespace {

// The decoding steps throw the error that ends them; decode() hands it back
// as its result.
Picture decodeOrThrow(const QString &path, const QSize &shownSize, const DecodeLimits &limits)
{
    QFile file(path);
    const PictureFormat format = openPicture(path, file);
    Picture picture;
    picture.path = path;
    if (isMetafile(format)) {
        drawMetafileInto(picture, file, shownSize, limits);
        return picture;
    }
    if (format == PictureFormat::Jpeg)
        decodeJpegInto(picture, shownSize, limits);
    else
        requireComplete(file, format);
    if (picture.image.isNull())
        readWithQtInto(picture, file, format, shownSize, limits);
    shrinkToShown(picture, shownSize);
    return picture;
}

} // namespace

Result<Picture> decode(const QString &path, const QSize &shownSize, const DecodeLimits &limits)
{
    try {
        return decodeOrThrow(path, shownSize, limits);
    } catch (const Error &error) {
        return error;
    }
}

namespace {

// A picture is the same as one decoded before while its file has the same
// size and modification time.
struct Key {
    QString path;
    QSize size;
    qint64 modified = 0;
    qint64 bytes = 0;
    bool operator==(const Key &other) const = default;
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return qHashMulti(seed, key.path, key.size.width(), key.size.height(), key.modified, key.bytes);
}

std::optional<Key> keyOf(const QString &path, const QSize &shownSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return Key{path, shownSize, info.lastModified().toMSecsSinceEpoch(), info.size()};
}

using Decoded = Result<Picture>;

qint64 bytesOf(const Decoded &decoded)
{
    return decoded.ok() ? decoded.value().image.sizeInBytes() : 0;
}

// One picture to decode ahead. Its fields other than the promise are
// guarded by the store's mutex.
struct Job {
    Key key;
    bool awaited = false; // a load() handed out its future: decode it first, never drop it
    QPromise<Picture> promise;
    QFuture<Picture> future = promise.future();
};

class Store {
public:
    // Two workers keep a scan through large photos ahead of its timer on
    // a machine of two cores or more.
    Store() { m_pool.setMaxThreadCount(qBound(1, QThread::idealThreadCount(), 2)); }
    ~Store()
    {
        m_pool.clear();
        m_pool.waitForDone();
    }

    PictureLoading load(const QString &path, const QSize &shownSize)
    {
        const std::optional<Key> key = keyOf(path, shownSize);
        if (!key)
            return std::make_shared<PictureLoad>(Error(errFileNotFound));
        {
            std::lock_guard lock(m_mutex);
            if (const Decoded *done = findDone(*key, true))
                return std::make_shared<PictureLoad>(*done);
            if (const std::shared_ptr<Job> job = m_pending.value(*key)) {
                // Hand out the worker's result rather than wait for it here.
                job->awaited = true;
                return std::make_shared<PictureLoad>(path, job->future);
            }
        }
        Decoded decoded = decode(path, shownSize);
        remember(*key, decoded);
        return std::make_shared<PictureLoad>(std::move(decoded));
    }

    void loadAhead(const QStringList &paths, const QSize &shownSize)
    {
        QList<Key> keys; // in the order wished for
        for (const QString &path : paths)
            if (const std::optional<Key> key = keyOf(path, shownSize))
                keys.append(*key);
        const QSet<Key> wanted(keys.cbegin(), keys.cend());
        std::lock_guard lock(m_mutex);
        // Queued work no one wants any more is dropped.
        std::erase_if(m_queue, [&](const std::shared_ptr<Job> &job) {
            if (job->awaited || wanted.contains(job->key))
                return false;
            m_pending.remove(job->key);
            return true;
        });
        for (const Key &key : std::as_const(keys)) {
            if (m_pending.contains(key) || findDone(key, false))
                continue;
            auto job = std::make_shared<Job>();
            job->key = key;
            job->promise.start();
            m_pending.insert(key, job);
            m_queue.push_back(job);
            m_pool.start([this] { runNext(); });
        }
    }

private:
    // Each worker run takes the most urgent job: one a load() waits for,
    // else the oldest wish.
    void runNext()
    {
        std::shared_ptr<Job> job;
        std::optional<Decoded> decoded;
        {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty())
                return;
            auto it = std::find_if(m_queue.begin(), m_queue.end(), [](const auto &queued) { return queued->awaited; });
            if (it == m_queue.end())
                it = m_queue.begin();
            job = *it;
            m_queue.erase(it);
            // A load() may have decoded it meanwhile.
            if (const Decoded *done = findDone(job->key, false))
                decoded = *done;
        }
        if (!decoded)
            decoded = decode(job->key.path, job->key.size);
        // Remembered before the job leaves the pending ones and its future
        // finishes: a load() from then on finds the picture done.
        remember(job->key, *decoded);
        {
            std::lock_guard lock(m_mutex);
            m_pending.remove(job->key);
        }
        job->promise.addResult(decoded->ok() ? decoded->value() : Picture());
        job->promise.finish();
    }

    // The decoded picture for `key`, or null; `touch` marks it recently used.
    const Decoded *findDone(const Key &key, bool touch)
    {
        for (auto it = m_done.begin(); it != m_done.end(); ++it) {
            if (it->first == key) {
                if (touch)
                    m_done.splice(m_done.begin(), m_done, it);
                return &it->second;
            }
        }
        return nullptr;
    }

    void remember(const Key &key, const Decoded &decoded)
    {
        std::lock_guard lock(m_mutex);
        if (findDone(key, false))
            return;
        const qint64 bytes = bytesOf(decoded);
        if (bytes > kMaxCacheBytes)
            return;
        m_done.emplace_front(key, decoded);
        qint64 total = 0;
        int count = 0;
        for (auto it = m_done.begin(); it != m_done.end();) {
            total += bytesOf(it->second);
            if (++count > kMaxCacheEntries || total > kMaxCacheBytes)
                it = m_done.erase(it);
            else
                ++it;
        }
    }

    static constexpr int kMaxCacheEntries = 8;
    static constexpr qint64 kMaxCacheBytes = 24 * 1024 * 1024;

    std::mutex m_mutex;
    std::list<std::pair<Key, Decoded>> m_done; // most recent first
    QHash<Key, std::shared_ptr<Job>> m_pending; // queued or being decoded
    std::deque<std::shared_ptr<Job>> m_queue;   // not yet started
    QThreadPool m_pool;
};

Store &store()
{
    static Store instance;
    return instance;
}

} // namespace

PictureLoading load(const QString &path, const QSize &shownSize)
{
    return store().load(path, shownSize);
}

void loadAhead(const QStringList &paths, const QSize &shownSize)
{
    store().loadAhead(paths, shownSize);
}

} // namespace pelk::pictures
