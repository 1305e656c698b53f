// The prompt of a message or input box: plain text with its line breaks,
// wrapped at a readable width, selectable, and scrollable when it is taller
// than the screen allows.
#pragma once

#include <QScrollArea>

class QLabel;

namespace pelk {

class PromptArea : public QScrollArea {
    Q_OBJECT
public:
    explicit PromptArea(const QString &prompt, QWidget *parent = nullptr);

    QLabel *label() const { return m_label; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize maximumShownSize() const;

    QLabel *m_label;
};

} // namespace pelk
