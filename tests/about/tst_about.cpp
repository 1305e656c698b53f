// The three about windows: their texts, layout, single instance, and the
// ways they close.
#include "about/aboutbox.h"
#include "about/maker.h"
#include "about/programicon.h"
#include "platform/fakeservices.h"
#include "forms/twips.h"
#include "testmain.h"

using namespace pelk;

namespace {

enum class Which { M, I, C };

AboutBox &aboutBox(Which which, FakeServices &platform)
{
    switch (which) {
    case Which::M: return AboutBox::instance(AboutBox::Which::MsgBoxWizard, platform.app, platform);
    case Which::I: return AboutBox::instance(AboutBox::Which::InputBoxWizard, platform.app, platform);
    case Which::C: return AboutBox::instance(AboutBox::Which::ColorFinder, platform.app, platform);
    }
    Q_UNREACHABLE();
}

void addWindowColumns()
{
    QTest::addColumn<Which>("which");
}

void addWindowRows()
{
    QTest::newRow("frmAboutM") << Which::M;
    QTest::newRow("frmAboutI") << Which::I;
    QTest::newRow("frmAboutC") << Which::C;
}

QRect geometryOf(AboutBox &box, const char *name)
{
    auto *w = box.window()->clientArea()->findChild<QWidget *>(QLatin1String(name));
    return w ? w->geometry() : QRect();
}

} // namespace

Q_DECLARE_METATYPE(Which)

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void versionText_data();
    void versionText();
    void authorLine();
    void programIconIs32Pixels();

    void designTextsAfterLoad_data();
    void designTextsAfterLoad();
    void layoutFollowsTheTable_data();
    void layoutFollowsTheTable();
    void windowIsAFixedToolWindow_data();
    void windowIsAFixedToolWindow();
    void oneInstanceBroughtForward_data();
    void oneInstanceBroughtForward();
    void closingUnloadsAndNextOpeningStartsAfresh_data();
    void closingUnloadsAndNextOpeningStartsAfresh();
    void toolStepsReplaceTheDesignTexts();

private:
    FakeServices m_platform;
};

void AboutTest::cleanup()
{
    for (Which which : {Which::M, Which::I, Which::C})
        aboutBox(which, m_platform).Unload();
}

void AboutTest::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("the program's version") << 1 << 0 << 0 << "Version 1.0.0";
    QTest::newRow("numbers of more digits") << 2 << 10 << 305 << "Version 2.10.305";
}

void AboutTest::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    AppInfo app;
    app.Major = major;
    app.Minor = minor;
    app.Revision = revision;
    QCOMPARE(pelk::versionText(app), text);
}

void AboutTest::authorLine()
{
    const QString line = pelk::authorLine();
    const QStringList lines = line.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Programed By ") + maker::kAuthorName + QStringLiteral(" 12/14/1997"));
    QCOMPARE(lines[1], QString(maker::kAuthorEmail));
    QVERIFY(!line.contains(QLatin1Char('\n')));
}

void AboutTest::programIconIs32Pixels()
{
    QCOMPARE(programPixmap().size(), QSize(32, 32));
    QVERIFY(!programIcon().isNull());
}

void AboutTest::designTextsAfterLoad_data()
{
    addWindowColumns();
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("description");
    const QString input = QStringLiteral(
        "Makes Adding Input boxes to your program code  as easy as clicking your mouse. You no longer have to "
        "determine the code or remember the key words. Just place it on your task bar and when you need a Input  box "
        "restore it,  build it, and copy to your code.");
    const QString color = QStringLiteral(
        "Makes finding RGB colors and adding colors  to your program code  as easy as clicking your mouse. You no "
        "longer have to determine the code or remember the key words. Just place it on your task bar and when you "
        "need a color restore it,  build it, and copy to your code. ");
    const QString message = QStringLiteral(
        "Makes Adding message boxes to your program code  as easy as clicking your mouse. You no longer have to "
        "determine the code or remember the key words. Just place it on your task bar and when you need a message box "
        "restore it,  build it, and copy to your code. Use the message area of the message box formatter to import "
        "text files and which can be spell corrected in your text editor then use the right mouse button to copy and "
        "paste even in label captions. as I did for this about label. All other Help files were created with Pelk "
        "Marvo.");
    QTest::newRow("frmAboutM") << Which::M << "About Message box wizard" << message;
    QTest::newRow("frmAboutI") << Which::I << "About Input Box wizard" << input;
    QTest::newRow("frmAboutC") << Which::C << "About Color Finder" << color;
}

void AboutTest::designTextsAfterLoad()
{
    QFETCH(Which, which);
    QFETCH(QString, caption);
    QFETCH(QString, description);
    AboutBox &box = aboutBox(which, m_platform);
    box.Show();
    QCOMPARE(box.Caption(), caption);
    QCOMPARE(box.ui().lblDescription->Caption(), description);
    QCOMPARE(box.ui().lblTitle->Caption(), QStringLiteral("Message box wizard    ") + maker::kWebAddress);
    QCOMPARE(box.ui().lblVersion->Caption(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(box.ui().Label1->Caption(), QString(pelk::authorLine()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QCOMPARE(box.ui().cmdOK->text(), QStringLiteral("&OK"));
    QVERIFY(box.ui().picIcon->pixmap().size() == QSize(32, 32));
}

void AboutTest::layoutFollowsTheTable_data()
{
    addWindowColumns();
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("description");
    QTest::addColumn<QPoint>("author");
    QTest::addColumn<QRect>("ok");
    using forms::twips;
    using forms::twipsRect;
    QTest::newRow("frmAboutM") << Which::M << QSize(twips(5340), twips(3780)) << twipsRect(960, 840, 4125, 2010)
                               << QPoint(twips(360), twips(3360)) << twipsRect(3720, 3240, 1260, 345);
    QTest::newRow("frmAboutI") << Which::I << QSize(twips(5220), twips(2940)) << twipsRect(960, 840, 4125, 1050)
                               << QPoint(twips(480), twips(2400)) << twipsRect(3840, 2280, 1260, 345);
    QTest::newRow("frmAboutC") << Which::C << QSize(twips(5025), twips(2715)) << twipsRect(960, 840, 4035, 1050)
                               << QPoint(twips(360), twips(2280)) << twipsRect(3600, 2040, 1260, 345);
}

void AboutTest::layoutFollowsTheTable()
{
    QFETCH(Which, which);
    QFETCH(QSize, client);
    QFETCH(QRect, description);
    QFETCH(QPoint, author);
    QFETCH(QRect, ok);
    AboutBox &box = aboutBox(which, m_platform);
    box.Show();
    QCOMPARE(box.window()->clientArea()->size(), client);
    QCOMPARE(geometryOf(box, "lblDescription"), description);
    QCOMPARE(geometryOf(box, "cmdOK"), ok);
    QCOMPARE(geometryOf(box, "picIcon"), forms::twipsRect(240, 240, 540, 540));
    const QRect title = geometryOf(box, "lblTitle");
    QCOMPARE(title.topLeft(), forms::twipsRect(960, 120, 2685, 360).topLeft());
    QCOMPARE(title.width(), forms::twips(2685));
    QVERIFY(title.height() >= 2 * box.ui().lblTitle->fontMetrics().lineSpacing());
    QVERIFY(title.bottom() < geometryOf(box, "lblVersion").top());
    QCOMPARE(geometryOf(box, "lblVersion"), forms::twipsRect(960, 600, 3885, 225));
    // The description is shown whole.
    QLabel *text = box.ui().lblDescription;
    QVERIFY(text->fontMetrics()
                .boundingRect(QRect(0, 0, text->width(), 1 << 20), Qt::TextWordWrap, text->text())
                .height()
            <= text->height());
    // The author line sizes itself to its two lines, from its place.
    const QRect authorRect = geometryOf(box, "Label1");
    QCOMPARE(authorRect.topLeft(), author);
    QVERIFY(authorRect.height() >= 2 * box.ui().Label1->fontMetrics().height());
    QVERIFY2(authorRect.bottom() < client.height(), "the author line fits the window");
    // The rule runs across the whole client area, between description and author.
    for (const char *line : {"Line1_0", "Line1_1"}) {
        const QRect rule = geometryOf(box, line);
        QCOMPARE(rule.left(), 0);
        QVERIFY(rule.right() >= client.width() - 1);
        QVERIFY(rule.top() >= description.bottom());
        QVERIFY(rule.bottom() < author.y());
    }
    // Every control lies inside the client area.
    for (QWidget *child : box.window()->clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().startsWith(QLatin1String("Line1")))
            QVERIFY2(QRect(QPoint(), client).contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void AboutTest::windowIsAFixedToolWindow_data()
{
    addWindowColumns();
    addWindowRows();
}

void AboutTest::windowIsAFixedToolWindow()
{
    QFETCH(Which, which);
    AboutBox &box = aboutBox(which, m_platform);
    box.Show();
    const Qt::WindowFlags flags = box.window()->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!box.window()->windowIcon().isNull());
    QVERIFY(box.ui().cmdOK->isDefault());
    QCOMPARE(box.window()->minimumSize(), box.window()->maximumSize());
}

void AboutTest::oneInstanceBroughtForward_data()
{
    addWindowColumns();
    addWindowRows();
}

void AboutTest::oneInstanceBroughtForward()
{
    QFETCH(Which, which);
    AboutBox &first = aboutBox(which, m_platform);
    first.Show();
    QWidget *window = first.window();
    QSignalSpy loads(&first, &forms::Form::loaded);
    AboutBox &second = aboutBox(which, m_platform);
    QCOMPARE(&second, &first);
    second.Show();
    QCOMPARE(second.window(), window);
    QCOMPARE(loads.size(), 0);
    QVERIFY(window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void AboutTest::closingUnloadsAndNextOpeningStartsAfresh_data()
{
    addWindowColumns();
    QTest::addColumn<QString>("how");
    for (const char *how : {"OK", "Enter", "Return", "Esc", "close box"}) {
        QTest::addRow("frmAboutM %s", how) << Which::M << how;
        QTest::addRow("frmAboutC %s", how) << Which::C << how;
    }
    QTest::addRow("frmAboutI Esc") << Which::I << "Esc";
}

void AboutTest::closingUnloadsAndNextOpeningStartsAfresh()
{
    QFETCH(Which, which);
    QFETCH(QString, how);
    AboutBox &box = aboutBox(which, m_platform);
    box.Show();
    QWidget *window = box.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    box.ui().lblTitle->setCaption(QStringLiteral("changed by a tool"));
    QSignalSpy unloads(&box, &forms::Form::unloaded);

    if (how == QLatin1String("OK"))
        QTest::mouseClick(box.ui().cmdOK, Qt::LeftButton);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(window, Qt::Key_Enter);
    else if (how == QLatin1String("Return"))
        QTest::keyClick(window, Qt::Key_Return);
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(window, Qt::Key_Escape);
    else
        window->close();

    QCOMPARE(unloads.size(), 1);
    QVERIFY(!box.IsLoaded());
    QCOMPARE(&aboutBox(which, m_platform), &box);
    QCOMPARE(box.ui().lblTitle->Caption(), QStringLiteral("Message box wizard    ") + maker::kWebAddress);
    QCOMPARE(box.ui().lblVersion->Caption(), QStringLiteral("Version 1.0.0"));
}

void AboutTest::toolStepsReplaceTheDesignTexts()
{
    // The input box wizard's opening: touching a control loads the window,
    // then its own texts replace the design texts.
    AboutBox &input = AboutBox::instance(AboutBox::Which::InputBoxWizard, m_platform.app, m_platform);
    QVERIFY(!input.IsLoaded());
    input.ui().lblDescription->setVisible(true);
    QVERIFY(input.IsLoaded());
    QCOMPARE(input.ui().lblVersion->Caption(), QStringLiteral("Version 1.0.0"));
    input.ui().lblTitle->setCaption(QStringLiteral("Pelk Input Box\r") + maker::kWebAddress);
    input.setCaption(QStringLiteral("Pelk About Input Box"));
    input.Show();
    QCOMPARE(input.window()->windowTitle(), QStringLiteral("Pelk About Input Box"));
    QCOMPARE(input.ui().lblTitle->text(), QStringLiteral("Pelk Input Box\n") + maker::kWebAddress);

    // The message box wizard's window keeps its design texts meanwhile.
    AboutBox &message = AboutBox::instance(AboutBox::Which::MsgBoxWizard, m_platform.app, m_platform);
    message.Show();
    QCOMPARE(message.Caption(), QStringLiteral("About Message box wizard"));
    QCOMPARE(message.ui().lblTitle->Caption(), QStringLiteral("Message box wizard    ") + maker::kWebAddress);
    QVERIFY(input.IsVisible());
}

PELK_TEST_MAIN(AboutTest)
#include "tst_about.moc"
