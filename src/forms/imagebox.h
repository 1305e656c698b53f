// An image box: shows a picture, stretched to the box's size when Stretch is
// on, without keeping its proportions. Its place is read and set in twips.
#pragma once

#include "platform/pictures.h"
#include "platform/result.h"

#include <QWidget>

#include <functional>

namespace pelk::forms {

class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent);

    // The picture shown. One set while still loading is shown when it
    // lands; until then, and for good when it proves unreadable, the
    // previous picture stays. A later setPicture() supersedes it.
    const Picture &picture() const { return m_picture; }
    void setPicture(const PictureLoading &load);
    bool isArriving() const { return m_loading != nullptr; }

    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);

    // The size in device pixels the picture is drawn at.
    QSize shownSize() const;

    // Decodes the shown picture again at a size, for when the box grows
    // larger than the picture was decoded for. Failures keep the picture.
    void setReloader(std::function<PictureLoading(const QString &path, const QSize &shownSize)> reloader);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

signals:
    // A picture that was still arriving has landed (or proved unreadable).
    void arrived();

private:
    void sharpen();
    void showPicture(const Picture &picture);
    void landed();

    Picture m_picture;
    PictureLoading m_loading; // still arriving, and still wanted
    bool m_stretch = false;
    std::function<PictureLoading(const QString &, const QSize &)> m_reloader;
};

} // namespace pelk::forms
