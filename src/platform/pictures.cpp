#include "pictures.h"

#include <utility>

namespace pelk {

PictureLoad::PictureLoad(Result<Picture> done)
{
    if (done) {
        m_state = State::Loaded;
        m_picture = std::move(done).value();
    } else {
        m_state = State::Failed;
        m_error = done.error();
    }
}

PictureLoad::PictureLoad(const QString &path, const QFuture<Picture> &arriving)
{
    m_picture.path = path;
    connect(&m_watcher, &QFutureWatcher<Picture>::finished, this, &PictureLoad::land);
    m_watcher.setFuture(arriving);
}

PictureLoad::State PictureLoad::state() const
{
    if (m_state == State::Loading && m_watcher.isFinished())
        settle();
    return m_state;
}

void PictureLoad::land()
{
    settle();
    // Said once, to whoever saw it Loading, also when state() saw it land
    // first.
    if (!std::exchange(m_finishedSaid, true))
        emit finished();
}

void PictureLoad::settle() const
{
    if (m_state != State::Loading)
        return;
    const QFuture<Picture> landed = m_watcher.future();
    if (landed.resultCount() > 0 && !landed.result().isNull()) {
        m_state = State::Loaded;
        m_picture = landed.result();
    } else {
        m_state = State::Failed;
    }
}

} // namespace pelk
