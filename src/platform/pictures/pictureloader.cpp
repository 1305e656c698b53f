#include "pictureloader.h"

#include "jpegdecoder.h"
#include "metafile.h"
#include "pictureformat.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QThread>
#include <QThreadPool>

#include <condition_variable>
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

Picture decode(const QString &path, const QSize &shownSize, const DecodeLimits &limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            throw Error(errFileNotFound);
        throw Error(QFileInfo(path).isDir() ? errInvalidPicture : errPermissionDenied);
    }
    const PictureFormat format = sniffPictureFormat(file.peek(kSniffBytes));
    if (format == PictureFormat::Unknown)
        throw Error(errInvalidPicture);

    Picture picture;
    picture.path = path;
    if (isMetafile(format)) {
        if (file.size() > limits.maxMetafileBytes)
            throw Error(errInvalidPicture);
        const std::optional<MetafileImage> drawn = drawMetafile(file.readAll(), shownSize);
        if (!drawn)
            throw Error(errInvalidPicture);
        picture.image = drawn->image;
        picture.fullSize = drawn->fullSize;
        return picture;
    }

    if (format == PictureFormat::Jpeg) {
        JpegLimits jpegLimits;
        jpegLimits.maxDeclaredPixels = limits.maxDeclaredPixels;
        jpegLimits.maxDimension = limits.maxDimension;
        jpegLimits.maxOutputBytes = qint64(limits.allocationLimitMB) << 20;
        bool otherColours = false;
        const QSize wanted = shownSize.isEmpty() ? QSize() : shownSize;
        if (std::optional<JpegResult> jpeg = decodeJpeg(path, wanted, jpegLimits, &otherColours)) {
            picture.image = std::move(jpeg->image);
            picture.fullSize = jpeg->fullSize;
        } else if (!otherColours) {
            throw Error(errInvalidPicture);
        }
        // CMYK and other colour spaces: Qt's reader converts them.
    } else {
        const QByteArray head = file.read(kCompletenessHead);
        QByteArray tail;
        if (file.seek(qMax<qint64>(0, file.size() - kCompletenessTail)))
            tail = file.read(kCompletenessTail);
        if (!looksComplete(format, head, tail, file.size()))
            throw Error(errInvalidPicture);
        file.seek(0);
    }
    if (picture.image.isNull()) {
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
    // Shrink what the decoder could not (or not exactly) to the shown size.
    const QSize target = decodeSize(picture.fullSize, shownSize);
    if (picture.image.size() != target)
        picture.image = picture.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
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

struct Decoded {
    Picture picture;
    int error = 0;
};

Decoded decodeCaught(const QString &path, const QSize &shownSize)
{
    try {
        return Decoded{decode(path, shownSize), 0};
    } catch (const Error &error) {
        return Decoded{Picture(), error.number()};
    }
}

// One picture to decode: whoever claims it first (the worker, or a load()
// that cannot wait for the worker to reach it) decodes it; others wait.
struct Job {
    Key key;
    enum State { Queued, Running, Done } state = Queued;
    Decoded result;
    std::mutex mutex;
    std::condition_variable finished;

    bool claim()
    {
        std::lock_guard lock(mutex);
        if (state != Queued)
            return false;
        state = Running;
        return true;
    }
    void finish(Decoded decoded)
    {
        {
            std::lock_guard lock(mutex);
            result = std::move(decoded);
            state = Done;
        }
        finished.notify_all();
    }
    Decoded wait()
    {
        std::unique_lock lock(mutex);
        finished.wait(lock, [this] { return state == Done; });
        return result;
    }
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

    Decoded load(const QString &path, const QSize &shownSize)
    {
        const std::optional<Key> key = keyOf(path, shownSize);
        if (!key)
            return Decoded{Picture(), errFileNotFound};
        std::shared_ptr<Job> job;
        {
            std::lock_guard lock(m_mutex);
            for (auto it = m_done.begin(); it != m_done.end(); ++it) {
                if (it->first == *key) {
                    m_done.splice(m_done.begin(), m_done, it);
                    return m_done.front().second;
                }
            }
            job = m_pending.value(*key);
        }
        Decoded decoded;
        if (job && !job->claim()) {
            decoded = job->wait();
        } else {
            decoded = decodeCaught(path, shownSize);
            if (job)
                job->finish(decoded);
        }
        remember(*key, decoded);
        return decoded;
    }

    void loadAhead(const QStringList &paths, const QSize &shownSize)
    {
        std::lock_guard lock(m_mutex);
        m_wanted.clear();
        for (const QString &path : paths) {
            const std::optional<Key> key = keyOf(path, shownSize);
            if (!key)
                continue;
            m_wanted.insert(*key);
            if (m_pending.contains(*key) || isDone(*key))
                continue;
            auto job = std::make_shared<Job>();
            job->key = *key;
            m_pending.insert(*key, job);
            m_pool.start([this, job] { runAhead(job); });
        }
    }

private:
    void runAhead(const std::shared_ptr<Job> &job)
    {
        {
            std::lock_guard lock(m_mutex);
            if (!m_wanted.contains(job->key)) {
                // No longer wished for: let a load() that still wants it
                // decode it itself.
                m_pending.remove(job->key);
                return;
            }
        }
        if (!job->claim())
            return;
        Decoded decoded = decodeCaught(job->key.path, job->key.size);
        job->finish(decoded);
        remember(job->key, decoded);
    }

    bool isDone(const Key &key) const
    {
        for (const auto &entry : m_done)
            if (entry.first == key)
                return true;
        return false;
    }

    void remember(const Key &key, const Decoded &decoded)
    {
        std::lock_guard lock(m_mutex);
        m_pending.remove(key);
        if (isDone(key))
            return;
        const qint64 bytes = decoded.picture.image.sizeInBytes();
        if (bytes > kMaxCacheBytes)
            return;
        m_done.emplace_front(key, decoded);
        qint64 total = 0;
        int count = 0;
        for (auto it = m_done.begin(); it != m_done.end();) {
            total += it->second.picture.image.sizeInBytes();
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
    QHash<Key, std::shared_ptr<Job>> m_pending;
    QSet<Key> m_wanted;
    QThreadPool m_pool;
};

Store &store()
{
    static Store instance;
    return instance;
}

} // namespace

Picture load(const QString &path, const QSize &shownSize)
{
    const Decoded decoded = store().load(path, shownSize);
    if (decoded.error)
        throw Error(decoded.error);
    return decoded.picture;
}

void loadAhead(const QStringList &paths, const QSize &shownSize)
{
    store().loadAhead(paths, shownSize);
}

} // namespace pelk::pictures
