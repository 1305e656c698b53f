// The message box as users see it: its buttons, their order and answers, the
// default button, Esc and the close box, the Help button, title and lines.
#include "desktop/messagebox.h"
#include "platform/services.h"
#include "desktop/promptarea.h"
#include "desktop/desktopservices.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <functional>

using namespace pelk;

namespace {

void whenBoxShows(std::function<void(MessageBoxDialog *)> act)
{
    whenModalShows<MessageBoxDialog>(std::move(act));
}

// The push buttons of a box, left to right as they are laid out.
QList<QPushButton *> buttonsOnScreen(QWidget *box)
{
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton *a, QPushButton *b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
    return buttons;
}

QStringList captions(const QList<QPushButton *> &buttons)
{
    QStringList texts;
    for (QPushButton *button : buttons)
        texts << button->text();
    return texts;
}

// The help viewer's window while it is shown.
QWidget *shownHelpViewer()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("pelkHelpViewer") && window->isVisible())
            return window;
    return nullptr;
}

QPushButton *buttonCaptioned(QWidget *box, const QString &caption)
{
    for (QPushButton *button : box->findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

PromptArea *promptArea(QWidget *box)
{
    return box->findChild<PromptArea *>();
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clickAnswers_data();
    void clickAnswers();
    void defaultButtonTakesEnter_data();
    void defaultButtonTakesEnter();
    void escape_data();
    void escape();
    void closeBoxAnswersLikeEscape_data();
    void closeBoxAnswersLikeEscape();
    void accessKeysPress_data();
    void accessKeysPress();
    void helpButtonKeepsTheBoxOpen();
    void helpFile_data();
    void helpFile();
    void helpButtonOpensOnlyAGivenFile_data();
    void helpButtonOpensOnlyAGivenFile();
    void title_data();
    void title();
    void promptLines_data();
    void promptLines();
    void longPromptFitsTheScreen_data();
    void longPromptFitsTheScreen();
    void promptNeverScrollsWhenItFits_data();
    void promptNeverScrollsWhenItFits();
    void titleShowsWhole();
    void tabMovesBetweenTheButtons_data();
    void tabMovesBetweenTheButtons();
    void windowKind_data();
    void windowKind();
    void accessibleNames();

private:
    // Through the interface, with its default arguments.
    Boxes &boxes() { return *m_platform; }
    std::unique_ptr<DesktopServices> m_platform;
};

void MessageBoxTest::init()
{
    m_platform = std::make_unique<DesktopServices>(QStringLiteral("/opt/pelk"));
}

void MessageBoxTest::cleanup()
{
    m_platform.reset();
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void MessageBoxTest::clickAnswers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("answer");

    const QStringList ok{"OK"}, okCancel{"OK", "Cancel"}, ari{"&Abort", "&Retry", "&Ignore"},
        ync{"&Yes", "&No", "Cancel"}, yn{"&Yes", "&No"}, rc{"&Retry", "Cancel"};
    QTest::newRow("OK: OK") << 0 << ok << "OK" << 1;
    QTest::newRow("OK Cancel: OK") << 1 << okCancel << "OK" << 1;
    QTest::newRow("OK Cancel: Cancel") << 1 << okCancel << "Cancel" << 2;
    QTest::newRow("Abort Retry Ignore: Abort") << 2 << ari << "&Abort" << 3;
    QTest::newRow("Abort Retry Ignore: Retry") << 2 << ari << "&Retry" << 4;
    QTest::newRow("Abort Retry Ignore: Ignore") << 2 << ari << "&Ignore" << 5;
    QTest::newRow("Yes No Cancel: Yes") << 3 << ync << "&Yes" << 6;
    QTest::newRow("Yes No Cancel: No") << 3 << ync << "&No" << 7;
    QTest::newRow("Yes No Cancel: Cancel") << 3 << ync << "Cancel" << 2;
    QTest::newRow("Yes No: Yes") << 4 << yn << "&Yes" << 6;
    QTest::newRow("Yes No: No") << 4 << yn << "&No" << 7;
    QTest::newRow("Retry Cancel: Retry") << 5 << rc << "&Retry" << 4;
    QTest::newRow("Retry Cancel: Cancel") << 5 << rc << "Cancel" << 2;
    QTest::newRow("OK Cancel with Help last") << 1 + 16384 << QStringList{"OK", "Cancel", "Help"} << "Cancel" << 2;
    QTest::newRow("the composed worked example") << 32 + 3 + 256 + 4096 + 65536 << ync << "&No" << 7;
    QTest::newRow("exclamation with Help") << 48 + 1 + 16384 + 512 << QStringList{"OK", "Cancel", "Help"} << "OK"
                                           << 1;
}

void MessageBoxTest::clickAnswers()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, shown);
    QFETCH(QString, click);
    QFETCH(int, answer);

    QStringList seen;
    whenBoxShows([&](MessageBoxDialog *box) {
        seen = captions(buttonsOnScreen(box));
        QPushButton *button = buttonCaptioned(box, click);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    QCOMPARE(boxes().MsgBox(QStringLiteral("Choose"), buttons, QStringLiteral("T")), answer);
    QCOMPARE(seen, shown);
}

void MessageBoxTest::defaultButtonTakesEnter_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("answer");

    QTest::newRow("first of OK Cancel") << 1 << "OK" << 1;
    QTest::newRow("second of OK Cancel") << 1 + 256 << "Cancel" << 2;
    QTest::newRow("second of Yes No Cancel") << 3 + 256 << "&No" << 7;
    QTest::newRow("third of Abort Retry Ignore") << 2 + 512 << "&Ignore" << 5;
    QTest::newRow("third of Yes No Cancel") << 3 + 512 << "Cancel" << 2;
    QTest::newRow("second of Retry Cancel") << 5 + 256 << "Cancel" << 2;
    QTest::newRow("fourth beyond Yes No Cancel falls back") << 3 + 768 << "&Yes" << 6;
    QTest::newRow("third beyond Yes No falls back") << 4 + 512 << "&Yes" << 6;
    QTest::newRow("second beyond OK falls back") << 256 << "OK" << 1;
}

void MessageBoxTest::defaultButtonTakesEnter()
{
    QFETCH(int, buttons);
    QFETCH(QString, focused);
    QFETCH(int, answer);

    QString hadFocus;
    bool wasDefault = false;
    whenBoxShows([&](MessageBoxDialog *box) {
        auto *button = qobject_cast<QPushButton *>(box->focusWidget());
        QVERIFY(button);
        hadFocus = button->text();
        wasDefault = button->isDefault();
        QTest::keyClick(button, Qt::Key_Return);
    });
    QCOMPARE(boxes().MsgBox(QStringLiteral("Enter?"), buttons, QString()), answer);
    QCOMPARE(hadFocus, focused);
    QVERIFY(wasDefault);
}

void MessageBoxTest::escape_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer"); // 0: Esc does nothing

    QTest::newRow("OK alone: OK") << 0 << 1;
    QTest::newRow("OK with Help: OK") << 16384 << 1;
    QTest::newRow("OK Cancel: Cancel") << 1 << 2;
    QTest::newRow("Abort Retry Ignore: nothing") << 2 << 0;
    QTest::newRow("Yes No Cancel: Cancel") << 3 << 2;
    QTest::newRow("Yes No: nothing") << 4 << 0;
    QTest::newRow("Retry Cancel: Cancel") << 5 << 2;
    QTest::newRow("Cancel is not the default") << 3 + 256 << 2;
}

void MessageBoxTest::escape()
{
    QFETCH(int, buttons);
    QFETCH(int, answer);

    bool stillOpen = false;
    whenBoxShows([&](MessageBoxDialog *box) {
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
        stillOpen = box->isVisible();
        if (stillOpen)
            QTest::mouseClick(buttonsOnScreen(box).first(), Qt::LeftButton);
    });
    const int result = boxes().MsgBox(QStringLiteral("Esc?"), buttons, QString());
    QCOMPARE(stillOpen, answer == 0);
    if (answer != 0)
        QCOMPARE(result, answer);
}

void MessageBoxTest::closeBoxAnswersLikeEscape_data()
{
    escape_data();
}

void MessageBoxTest::closeBoxAnswersLikeEscape()
{
    QFETCH(int, buttons);
    QFETCH(int, answer);

    bool stillOpen = false;
    bool closeButton = false;
    whenBoxShows([&](MessageBoxDialog *box) {
        closeButton = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        box->close();
        stillOpen = box->isVisible();
        if (stillOpen)
            QTest::mouseClick(buttonsOnScreen(box).last(), Qt::LeftButton);
    });
    const int result = boxes().MsgBox(QStringLiteral("Close?"), buttons, QString());
    QCOMPARE(stillOpen, answer == 0);
    // A box that ignores Esc offers no close box either.
    QCOMPARE(closeButton, answer != 0);
    if (answer != 0)
        QCOMPARE(result, answer);
}

void MessageBoxTest::accessKeysPress_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");

    QTest::newRow("Alt+A aborts") << 2 + 512 << int(Qt::Key_A) << 3;
    QTest::newRow("Alt+R retries") << 2 << int(Qt::Key_R) << 4;
    QTest::newRow("Alt+I ignores") << 2 << int(Qt::Key_I) << 5;
    QTest::newRow("Alt+Y says yes") << 4 + 256 << int(Qt::Key_Y) << 6;
    QTest::newRow("Alt+N says no") << 3 << int(Qt::Key_N) << 7;
    QTest::newRow("Alt+R retries from Retry Cancel") << 5 + 256 << int(Qt::Key_R) << 4;
    QTest::newRow("Alt+N with Help the default") << 3 + 16384 + 768 << int(Qt::Key_N) << 7;
}

void MessageBoxTest::accessKeysPress()
{
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, answer);

    bool keyClosedTheBox = false;
    whenBoxShows([&](MessageBoxDialog *box) {
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClick(box->focusWidget(), Qt::Key(key), Qt::AltModifier);
        // The key presses its button after a short animation.
        keyClosedTheBox = QTest::qWaitFor([box] { return !box->isVisible(); }, 2000);
        if (!keyClosedTheBox)
            box->done(0);
    });
    const int result = boxes().MsgBox(QStringLiteral("Keys"), buttons, QString());
    QVERIFY(keyClosedTheBox);
    QCOMPARE(result, answer);
}

void MessageBoxTest::helpButtonKeepsTheBoxOpen()
{
    QList<QWidget *> owners;
    MessageBoxDialog box(QStringLiteral("Help?"), 4 + 16384, QStringLiteral("T"),
                         [&](QWidget *owner) { owners << owner; });
    int answer = 0;
    connect(&box, &QDialog::finished, this, [&](int result) { answer = result; });
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QPushButton *help = buttonCaptioned(&box, QStringLiteral("Help"));
    QVERIFY(help);
    QTest::mouseClick(help, Qt::LeftButton);
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(owners, (QList<QWidget *>{&box, &box}));
    QVERIFY(box.isVisible());
    QCOMPARE(answer, 0);

    QTest::mouseClick(buttonCaptioned(&box, QStringLiteral("&No")), Qt::LeftButton);
    QCOMPARE(answer, int(mb::vbNo));
    QCOMPARE(owners.size(), 2);
}

void MessageBoxTest::helpFile_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("opened");

    QTest::newRow("none: no help file") << "" << "";
    QTest::newRow("bare name in the program's folder") << "Other.hlp" << "/opt/pelk/Other.hlp";
    QTest::newRow("full path as it stands") << "/usr/share/x.hlp" << "/usr/share/x.hlp";
    QTest::newRow("built with a backslash") << "/opt/pelk\\PelkTulvane.hlp" << "/opt/pelk\\PelkTulvane.hlp";
}

void MessageBoxTest::helpFile()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, opened);
    QCOMPARE(msgBoxHelpFile(m_platform->app(), helpFile), opened);
}

void MessageBoxTest::helpButtonOpensOnlyAGivenFile_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<bool>("viewerShows");

    QTest::newRow("no help file: Help does nothing") << "" << false;
    QTest::newRow("a bare name: the viewer shows") << "Missing.hlp" << true;
    QTest::newRow("a full path: the viewer shows") << "/nowhere/Missing.hlp" << true;
}

void MessageBoxTest::helpButtonOpensOnlyAGivenFile()
{
    QFETCH(QString, helpFile);
    QFETCH(bool, viewerShows);

    bool viewerWasShown = false;
    bool boxTookClicksAgain = false;
    whenBoxShows([&](MessageBoxDialog *box) {
        QTest::mouseClick(buttonCaptioned(box, QStringLiteral("Help")), Qt::LeftButton);
        QWidget *viewer = shownHelpViewer();
        viewerWasShown = viewer != nullptr;
        if (viewer) {
            // An ordinary window beside the box, which stays modal and
            // answers while the viewer is open.
            QCOMPARE(viewer->windowModality(), Qt::NonModal);
            QCOMPARE(QApplication::activeModalWidget(), box);
        }
        QPushButton *ok = buttonCaptioned(box, QStringLiteral("OK"));
        QVERIFY(ok);
        boxTookClicksAgain = true;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QCOMPARE(boxes().MsgBox(QStringLiteral("Help?"), mb::vbMsgBoxHelpButton, QString(), helpFile, 5), int(mb::vbOK));
    QCOMPARE(viewerWasShown, viewerShows);
    QVERIFY(boxTookClicksAgain);
    m_platform->show(nullptr, QString(), help::HELP_QUIT, 0);
}

void MessageBoxTest::title_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty shows the application title") << "" << "Pelk Tulvane";
    QTest::newRow("given") << "Message box formatter" << "Message box formatter";
    QTest::newRow("blanks are a title") << "  " << "  ";
}

void MessageBoxTest::title()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);

    QString seen;
    whenBoxShows([&](MessageBoxDialog *box) {
        seen = box->windowTitle();
        QTest::mouseClick(buttonsOnScreen(box).first(), Qt::LeftButton);
    });
    boxes().MsgBox(QStringLiteral("x"), 0, title);
    QCOMPARE(seen, shown);
}

void MessageBoxTest::promptLines_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");

    QTest::newRow("CR LF") << "Your message box has been copped.\r\nMinimize." << "Your message box has been copped.\nMinimize.";
    QTest::newRow("CR") << "copied.\rMinimize this program" << "copied.\nMinimize this program";
    QTest::newRow("LF") << "A\nB" << "A\nB";
    QTest::newRow("mixed with empty lines") << "A\r\n\rB\n" << "A\n\nB\n";
    QTest::newRow("markup stays text") << "<b>bold</b> & co" << "<b>bold</b> & co";
}

void MessageBoxTest::promptLines()
{
    QFETCH(QString, prompt);
    QFETCH(QString, shown);

    QString seen;
    whenBoxShows([&](MessageBoxDialog *box) {
        PromptArea *text = promptArea(box);
        QVERIFY(text);
        seen = text->toPlainText();
        QTest::mouseClick(buttonsOnScreen(box).first(), Qt::LeftButton);
    });
    boxes().MsgBox(prompt, 64, QString());
    QCOMPARE(seen, shown);
}

void MessageBoxTest::longPromptFitsTheScreen_data()
{
    QTest::addColumn<QString>("prompt");

    QTest::newRow("long sentence") << QString("The quick brown fox jumps over the lazy dog. ").repeated(40);
    QTest::newRow("one long word") << QString("x").repeated(900);
    QTest::newRow("many lines") << QString("line\r\n").repeated(400);
}

void MessageBoxTest::longPromptFitsTheScreen()
{
    QFETCH(QString, prompt);

    MessageBoxDialog box(prompt, 48, QStringLiteral("Long"), {});
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QSize screen = box.screen()->availableSize();
    QVERIFY2(box.width() <= screen.width(), qPrintable(QString::number(box.width())));
    QVERIFY2(box.height() <= screen.height(), qPrintable(QString::number(box.height())));
    PromptArea *text = promptArea(&box);
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    // Every line is shown whole: nothing runs past the text's right edge.
    QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
    QVERIFY(text->document()->idealWidth() <= text->viewport()->width());
    // Every button is still on the box.
    for (QPushButton *button : box.findChildren<QPushButton *>())
        QVERIFY(box.rect().contains(QRect(button->mapTo(&box, QPoint()), button->size())));
    box.done(1);
}

void MessageBoxTest::windowKind_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("onTop");

    QTest::newRow("application modal") << 0 << false;
    QTest::newRow("system modal") << 4096 << true;
    QTest::newRow("system modal in front") << 4096 + 65536 << true;
    QTest::newRow("foreground only") << 65536 << false;
}

void MessageBoxTest::windowKind()
{
    QFETCH(int, buttons);
    QFETCH(bool, onTop);

    MessageBoxDialog box(QStringLiteral("Modal"), buttons, QStringLiteral("T"), {});
    QCOMPARE(box.windowModality(), Qt::ApplicationModal);
    QCOMPARE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.done(1);
}

void MessageBoxTest::promptNeverScrollsWhenItFits_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::newRow("color finder's copy") << QStringLiteral("Your Hex Color has been copyed to the clipboard.\r"
                                                          "Minimise this program and paste the Colors into your code.");
    QTest::newRow("path finder's copy") << QStringLiteral(
        "Your Path has been copped to the clipboard.\rMinimize this program and paste into your code.");
}

void MessageBoxTest::promptNeverScrollsWhenItFits()
{
    QFETCH(QString, prompt);
    MessageBoxDialog box(prompt, 64, QStringLiteral("Copied"), {}, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    PromptArea *text = promptArea(&box);
    const QSize shown = text->size();
    // Sizes that pass by while a window manager frames the box, then the
    // box's own size again.
    for (const QSize passing : {QSize(40, 20), QSize(shown.width() - 20, shown.height()), QSize(shown.width(), 8)}) {
        text->resize(passing);
        QCoreApplication::processEvents();
        text->resize(shown);
        QCoreApplication::processEvents();
        QVERIFY(!text->verticalScrollBar()->isVisible());
        QVERIFY2(text->document()->size().height() <= text->viewport()->height(), qPrintable(text->toPlainText()));
    }
}

// A short prompt under a long title: the box is wide enough for the title
// bar to show the title whole, not cut short by the window manager.
void MessageBoxTest::titleShowsWhole()
{
    const QString title = QStringLiteral("A title longer than its prompt");
    MessageBoxDialog box(QStringLiteral("Hi"), 0, title, {}, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QFont bold = box.font();
    bold.setBold(true);
    QVERIFY(box.width() > QFontMetrics(bold).horizontalAdvance(title) + 60);
}

void MessageBoxTest::tabMovesBetweenTheButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::newRow("OK and Help") << 16384;
    QTest::newRow("Yes No Cancel and Help") << 3 + 16384;
}

void MessageBoxTest::tabMovesBetweenTheButtons()
{
    QFETCH(int, buttons);
    MessageBoxDialog box(QStringLiteral("Tab?"), buttons, QStringLiteral("T"), {}, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    const QList<QPushButton *> shown = buttonsOnScreen(&box);
    QList<QWidget *> visited;
    for (int i = 0; i < shown.size(); ++i) {
        visited.append(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Round the buttons and back to the first, never into the text.
    QCOMPARE(QApplication::focusWidget(), shown.first());
    QCOMPARE(QSet<QWidget *>(visited.begin(), visited.end()), QSet<QWidget *>(shown.begin(), shown.end()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), shown.last());
}

void MessageBoxTest::accessibleNames()
{
    MessageBoxDialog box(QStringLiteral("Disk full"), 16 + 2 + 16384, QStringLiteral("Setup"), {});
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QStringList names;
    for (QPushButton *button : buttonsOnScreen(&box))
        names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"Abort", "Retry", "Ignore", "Help"}));

    QStringList labels;
    for (QLabel *label : box.findChildren<QLabel *>())
        labels << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    labels << QAccessible::queryAccessibleInterface(promptArea(&box))->text(QAccessible::Name);
    QVERIFY2(labels.contains("Critical"), qPrintable(labels.join('|')));
    QVERIFY2(labels.contains("Disk full"), qPrintable(labels.join('|')));
    QCOMPARE(QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Name), QStringLiteral("Setup"));
    box.done(3);
}

PELK_TEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
