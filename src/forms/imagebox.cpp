#include "imagebox.h"

#include "twips.h"

#include <QPainter>

namespace pelk::forms {

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(&m_arriving, &QFutureWatcher<Picture>::finished, this, &ImageBox::landed);
}

void ImageBox::setPicture(const Picture &picture)
{
    // Whatever was still arriving is superseded.
    m_awaiting = bool(picture.arriving);
    if (!picture.arriving) {
        showPicture(picture, false);
        return;
    }
    m_arriving.setFuture(*picture.arriving);
    if (picture.arriving->isFinished())
        landed();
}

void ImageBox::landed()
{
    // The watcher may still report an older future, or report this one
    // again after it was taken: only a finished, wanted one counts.
    const QFuture<Picture> future = m_arriving.future();
    if (!m_awaiting || !future.isFinished())
        return;
    m_awaiting = false;
    if (future.resultCount() > 0) {
        showPicture(future.result(), true);
        // The box may have grown while the picture was on its way.
        sharpen();
    }
    emit arrived();
}

void ImageBox::showPicture(const Picture &picture, bool keepOnNull)
{
    if (keepOnNull && picture.isNull())
        return;
    m_picture = picture;
    m_picture.arriving.reset();
    setAccessibleDescription(picture.path);
    update();
}

void ImageBox::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

double ImageBox::Left() const
{
    return toTwips(x());
}
double ImageBox::Top() const
{
    return toTwips(y());
}
double ImageBox::Width() const
{
    return toTwips(width());
}
double ImageBox::Height() const
{
    return toTwips(height());
}
void ImageBox::setLeft(double value)
{
    move(twips(value), y());
}
void ImageBox::setTop(double value)
{
    move(x(), twips(value));
}
void ImageBox::setWidth(double value)
{
    resize(twips(value), height());
}
void ImageBox::setHeight(double value)
{
    resize(width(), twips(value));
}

QSize ImageBox::shownSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void ImageBox::setReloader(std::function<Result<Picture>(const QString &, const QSize &)> reloader)
{
    m_reloader = std::move(reloader);
}

void ImageBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    sharpen();
}

void ImageBox::sharpen()
{
    // Pictures are decoded no larger than they were shown; when the box
    // grows past that and the picture has more pixels to give, fetch them.
    if (!m_stretch || !m_reloader || m_picture.isNull() || m_picture.path.isEmpty())
        return;
    const QSize wanted = shownSize().boundedTo(m_picture.fullSize);
    const QSize have = m_picture.image.size();
    if (wanted.width() <= have.width() && wanted.height() <= have.height())
        return;
    // A file changed or gone since keeps showing what we have.
    if (const Result<Picture> sharper = m_reloader(m_picture.path, shownSize())) {
        if (sharper->arriving)
            setPicture(*sharper);
        else
            showPicture(*sharper, true);
    }
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_picture.image.width() > width());
        painter.drawImage(rect(), m_picture.image);
    } else {
        const QSize natural = m_picture.image.size() / m_picture.image.devicePixelRatio();
        painter.drawImage(QRect(QPoint(0, 0), natural), m_picture.image);
    }
}

} // namespace pelk::forms
