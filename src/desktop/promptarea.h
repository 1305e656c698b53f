// The prompt of a message or input box: plain text with its line breaks,
// as wide as its longest line up to a readable width, wrapped beyond it
// (inside long words too, so nothing is cut off), selectable with the mouse,
// and scrollable only when it is taller than the screen allows.
#pragma once

#include <QTextEdit>

namespace pelk {

class PromptArea : public QTextEdit {
    Q_OBJECT
public:
    explicit PromptArea(const QString &prompt, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSize maximumShownSize() const;
    // The size the whole text takes, and whether that is beyond the limit.
    QSize textSize(bool *tooTall) const;
};

} // namespace pelk
