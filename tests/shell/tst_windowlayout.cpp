// A few windows as a user meets them, written out by hand from their design
// tables (15 twips to a pixel, in the control's container): where controls
// stand, what they say, what a screen reader calls them, and where Tab goes.
// The expectations are numbers and texts, not the builder's own rules, so a
// wrong row or a wrong builder fails here.
#include "color_finder/colorfinderwindow.h"
#include "inputbox_wizard/inputboxwizardwindow.h"
#include "picture_viewer/pictureviewerwindow.h"
#include "platform/fakeservices.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>

using namespace pelk;

namespace {

enum class Window { ColorFinder, InputBoxWizard, PictureViewer };

std::unique_ptr<forms::Form> open(Window which, FakeServices &services)
{
    std::unique_ptr<forms::Form> form;
    switch (which) {
    case Window::ColorFinder: form = std::make_unique<ColorFinderWindow>(services.services()); break;
    case Window::InputBoxWizard: form = std::make_unique<InputBoxWizardWindow>(services.services()); break;
    case Window::PictureViewer: form = std::make_unique<PictureViewerWindow>(services.services()); break;
    }
    form->Load();
    return form;
}

QString captionOf(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return QString();
}

// The next control the Tab key goes to.
QWidget *nextStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(widget->window()));
    return widget;
}

QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void controls_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place"); // pixels, in its container
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *tag, Window w, const char *name, QRect place, const char *caption,
                            const char *spoken) {
            QTest::newRow(tag) << w << QString::fromLatin1(name) << place << QString::fromLatin1(caption)
                               << QString::fromLatin1(spoken);
        };
        // Copy at 1920, 120 twips, 615 x 315, on the panel Frame1.
        row("color Copy", Window::ColorFinder, "CommandCut", {128, 8, 41, 21}, "Copy", "Copy");
        row("color Red Max", Window::ColorFinder, "RedMax", {128, 40, 41, 21}, "Max", "Red Max 255");
        row("color Blue Min", Window::ColorFinder, "BlueMin", {128, 248, 41, 21}, "Min", "Blue Min 0");
        row("color red value", Window::ColorFinder, "Text1", {48, 56, 33, 19}, "", "Red");
        row("color green stepper", Window::ColorFinder, "UpDown2", {16, 128, 16, 33}, "", "Green up down");
        row("color blue step size", Window::ColorFinder, "UpDown6", {96, 216, 16, 25}, "", "Blue step size");
        // 113 twips is 7.53 pixels: the nearest pixel.
        row("input title", Window::InputBoxWizard, "Text1", {8, 24, 273, 19}, "", "Title");
        row("input message", Window::InputBoxWizard, "Text2", {8, 104, 273, 121}, "", "Message");
        row("input default", Window::InputBoxWizard, "Text3", {8, 64, 273, 19}, "", "Default");
        row("input Test", Window::InputBoxWizard, "CommandTest", {112, 232, 65, 25}, "&Test", "Test");
        row("input Copy", Window::InputBoxWizard, "Command2", {8, 232, 65, 25}, "&Copy", "Copy");
        row("input Exit", Window::InputBoxWizard, "CommandExit", {216, 232, 65, 25}, "E&xit", "Exit");
        row("viewer folders", Window::PictureViewer, "Dir1", {0, 8, 121, 126}, "", "Folders");
        row("viewer drive", Window::PictureViewer, "Drive1", {0, 136, 121, 21}, "", "Drive");
        row("viewer files", Window::PictureViewer, "File1", {128, 8, 137, 149}, "", "Files");
        row("viewer picture", Window::PictureViewer, "Image1", {280, 8, 145, 145}, "", "Picture");
        row("viewer Super Size", Window::PictureViewer, "cmdSuper", {24, 168, 65, 25}, "Super Size", "Super Size");
        row("viewer Copy", Window::PictureViewer, "Command1", {152, 168, 73, 25}, "Copy", "Copy");
        row("viewer Scan", Window::PictureViewer, "cmdScan", {312, 168, 73, 25}, "Scan", "Scan");
        row("viewer speed", Window::PictureViewer, "UpDown1", {288, 168, 16, 17}, "", "Speed");
    }
    void controls()
    {
        QFETCH(Window, window);
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        FakeServices services;
        const auto form = open(window, services);
        auto *control = form->window()->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), place);
        QCOMPARE(captionOf(control), caption);
        const QString accessible = control->accessibleName().isEmpty() ? QString(caption).remove(QLatin1Char('&'))
                                                                        : control->accessibleName();
        QCOMPARE(accessible, spoken);
    }

    void tabOrder_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("color finder") << Window::ColorFinder
                                      << QStringList{"CommandCut", "RedMax", "RedNom", "RedMin", "GreenMax",
                                                     "GreenNom", "GreenMin", "BlueMax", "BlueNom", "BlueMin",
                                                     "UpDown1", "UpDown2", "UpDown3", "Text1", "Text2", "Text3",
                                                     "UpDown4", "UpDown5", "UpDown6", "CommandCut"};
        QTest::newRow("input box wizard")
            << Window::InputBoxWizard
            << QStringList{"CommandTest", "Command2", "Text3", "Text2", "Text1", "CommandExit", "CommandTest"};
        QTest::newRow("picture viewer") << Window::PictureViewer
                                        << QStringList{"Drive1", "Dir1", "File1", "cmdSuper", "cmdScan", "UpDown1",
                                                       "Command1", "Drive1"};
    }
    void tabOrder()
    {
        QFETCH(Window, window);
        QFETCH(QStringList, stops);
        FakeServices services;
        const auto form = open(window, services);
        form->Show();
        auto *first = form->window()->findChild<QWidget *>(stops.first());
        QVERIFY(first);
        QStringList walked{first->objectName()};
        for (QWidget *stop = first; walked.size() < stops.size();) {
            stop = nextStop(stop);
            walked << stop->objectName();
        }
        QCOMPARE(walked, stops);
    }

    void colorFinderMenus()
    {
        FakeServices services;
        ColorFinderWindow finder(services.services());
        const ColorFinderWindow::Ui &u = finder.ui();
        QCOMPARE(captions(u.mnuOptions->menu()->actions()), (QStringList{"&Color Palette", "&Format", "-", "E&xit"}));
        QCOMPARE(captions(u.mnuFormat->menu()->actions()), (QStringList{"&RGB ", "-", "&Decimal", "-", "&Hex"}));
        QCOMPARE(captions(u.mnumainhlp->menu()->actions()), (QStringList{"&Quick Help", "-", "&About"}));
        QCOMPARE(captions(finder.window()->menuBar()->actions()), (QStringList{"&Options", "&Help", "&?"}));
    }
};

PELK_TEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
