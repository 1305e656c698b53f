#include "imagebox.h"

#include "twips.h"

#include <QPainter>

#include <utility>

namespace pelk::forms {

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageBox::setPicture(const PictureLoading &load)
{
    // Whatever was still arriving is superseded.
    if (m_loading)
        disconnect(m_loading.get(), nullptr, this, nullptr);
    m_loading.reset();
    switch (load->state()) {
    case PictureLoad::State::Loaded:
        showPicture(load->picture());
        break;
    case PictureLoad::State::Failed:
        break;
    case PictureLoad::State::Loading:
        m_loading = load;
        connect(load.get(), &PictureLoad::finished, this, &ImageBox::landed);
        break;
    }
}

void ImageBox::landed()
{
    const PictureLoading load = std::exchange(m_loading, nullptr);
    if (!load)
        return;
    disconnect(load.get(), nullptr, this, nullptr);
    if (load->state() == PictureLoad::State::Loaded) {
        showPicture(load->picture());
        // The box may have grown while the picture was on its way.
        sharpen();
    }
    emit arrived();
}

void ImageBox::showPicture(const Picture &picture)
{
    m_picture = picture;
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

void ImageBox::setReloader(std::function<PictureLoading(const QString &, const QSize &)> reloader)
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
    setPicture(m_reloader(m_picture.path, shownSize()));
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
