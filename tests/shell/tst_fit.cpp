// Every caption, label and list entry of every window fits its control at
// the design sizes, in the default font (CTest runs this once more at
// QT_SCALE_FACTOR=2), and no label runs into another control.
#include "about/aboutbox.h"
#include "color_finder/colorfinderwindow.h"
#include "inputbox_wizard/inputboxwizardwindow.h"
#include "msgbox_wizard/msgboxwizardwindow.h"
#include "picture_viewer/pictureviewerwindow.h"
#include "platform/fakeservices.h"
#include "forms/filelists.h"
#include "testmain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

using namespace pelk;

namespace {

QString shownText(const QString &caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

QString where(const QWidget *control)
{
    return control->window()->windowTitle() + QLatin1String(": ") + control->objectName() + QLatin1String(" \"")
        + shownText(control->property("text").toString()) + QLatin1Char('"');
}

// The size a caption needs, one line per line break.
QSize textSize(const QWidget *control, const QString &caption)
{
    return control->fontMetrics().size(0, shownText(caption));
}

// What does not fit, one line each.
QStringList misfits(QWidget *window)
{
    QStringList found;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisibleTo(window) || control->objectName().isEmpty())
            continue;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const QRect box = label->contentsRect();
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : textSize(label, label->text()).height();
            if ((!label->wordWrap() && textSize(label, label->text()).width() > box.width()) || needed > box.height())
                found << where(label) + QLatin1String(" is cut");
            // A label that sizes itself must not run into another control.
            for (QWidget *other : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (other != label && other->isVisibleTo(window) && qobject_cast<QAbstractButton *>(other)
                    && other->geometry().adjusted(-2, -2, 2, 2).intersects(label->geometry()))
                    found << where(label) + QLatin1String(" touches ") + other->objectName();
            }
        } else if (auto *push = qobject_cast<QPushButton *>(control); push && !push->text().isEmpty()) {
            const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
            const QSize needed = textSize(push, push->text()) + QSize(margin, 2);
            if (needed.width() > push->width() || needed.height() > push->height())
                found << where(push) + QLatin1String(" is cut");
        } else if (auto *button = qobject_cast<QAbstractButton *>(control);
                   button && !button->text().isEmpty() && (qobject_cast<QCheckBox *>(button)
                                                           || qobject_cast<QRadioButton *>(button))) {
            const bool check = qobject_cast<QCheckBox *>(button);
            QStyle *style = button->style();
            const int indicator = style->pixelMetric(
                check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
            const int spacing = style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                         : QStyle::PM_RadioButtonLabelSpacing,
                                                   nullptr, button);
            const QSize text = textSize(button, button->text());
            if (indicator + spacing + text.width() > button->width() || text.height() > button->height())
                found << where(button) + QLatin1String(" is cut");
        } else if (auto *frame = qobject_cast<QGroupBox *>(control); frame && !frame->title().isEmpty()) {
            if (textSize(frame, frame->title()).width() > frame->width())
                found << where(frame) + QLatin1String(" is cut");
        } else if (auto *list = qobject_cast<QAbstractItemView *>(control)) {
            // Entries are drawn whole, within the list's width.
            const QAbstractItemModel *model = list->model();
            std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
                for (int row = 0; row < model->rowCount(parent); ++row) {
                    const QModelIndex index = model->index(row, 0, parent);
                    const QString text = index.data().toString();
                    // Icon, margins and text, as the entry asks for them.
                    const QRect shown = list->visualRect(index);
                    const int needed = list->sizeHintForIndex(index).width();
                    if (!text.isEmpty() && (shown.width() < needed || shown.x() + needed > list->viewport()->width()))
                        found << where(list) + QLatin1String(" cuts entry \"") + text + QLatin1Char('"');
                    walk(index);
                }
            };
            walk(list->rootIndex());
        }
    }
    return found;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/pk-XXXXXX")};

    void check(forms::Form &form)
    {
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
        const QStringList found = misfits(form.window());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

private slots:
    void toolWindows()
    {
        FakeServices platform;
        MsgBoxWizardWindow wizard(platform.services());
        check(wizard);
        wizard.ui().Check1->setValue(1); // shows the help column
        check(wizard);
        InputBoxWizardWindow inputWizard(platform.services());
        check(inputWizard);
        ColorFinderWindow colorFinder(platform.services());
        check(colorFinder);
    }

    // The lists as they open on a folder of ordinary names four levels
    // down, in both modes of the window. (A name longer than a list is wide
    // scrolls sideways, whole.)
    void pictureViewer()
    {
        QVERIFY(m_dir.isValid());
        const QString pictures = m_dir.filePath(QStringLiteral("Pictures"));
        for (const char *name : {"Holidays", "screenshots", "packaging", "Wallpapers"})
            QVERIFY(QDir(pictures).mkpath(QLatin1String(name)));
        QFile file(pictures + QStringLiteral("/Seaside at dusk.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FakeServices platform;
        PictureViewerWindow viewer(platform.services());
        QVERIFY(viewer.ui().Dir1->setPath(pictures).ok());
        check(viewer);
        viewer.ui().mnuPathFinder->trigger();
        check(viewer);
    }

    void aboutBoxes()
    {
        FakeServices platform;
        check(AboutBox::instance(AboutBox::Which::MsgBoxWizard, platform.app, platform));
        check(AboutBox::instance(AboutBox::Which::InputBoxWizard, platform.app, platform));
        check(AboutBox::instance(AboutBox::Which::ColorFinder, platform.app, platform));
    }
};

PELK_TEST_MAIN(FitTest)
#include "tst_fit.moc"
