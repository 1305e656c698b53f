// The color finder window driven through its real widgets, with the
// recording platform: what reaches the clipboard, the boxes and the store.
#include "about/aboutbox.h"
#include "color_finder/colorfinderwindow.h"
#include "platform/fakeservices.h"
#include "testmain.h"

#include <QMenuBar>
#include <QSignalSpy>

using namespace pelk;

namespace {

// Records, at every settings write, what the window showed at that moment.
class WatchingPlatform : public FakeServices {
public:
    ColorFinderWindow *form = nullptr;
    QStringList seenAtWrite; // box texts and step labels
    QList<quint32> colorAtWrite;
    Status SaveSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &value) override
    {
        const Status saved = FakeServices::SaveSetting(appName, section, key, value);
        if (!form)
            return saved;
        auto &u = form->ui();
        seenAtWrite.append(QStringList{u.Text1->Text(), u.Text2->Text(), u.Text3->Text(), u.LabelRed->Caption(),
                                       u.LabelGreen->Caption(), u.LabelBlue->Caption()}
                               .join(QLatin1Char(',')));
        colorAtWrite.append(form->BackColor());
        return saved;
    }
};

// The connection as the window sees it: a hide request hides the window.
class RecordingConnect {
public:
    explicit RecordingConnect(ColorFinderWindow &form)
    {
        QObject::connect(&form, &forms::Form::hideRequested, &form, [this, &form] {
            ++hides;
            form.Hide();
        });
    }
    int hides = 0;
};

const QStringList kColorKeys = {"Red", "Green", "Blue", "RedSet", "GreenSet", "BlueSet"};

void clickArrow(forms::UpDown *upDown, bool up, int times = 1)
{
    const QPoint at(upDown->width() / 2, up ? 2 : upDown->height() - 3);
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(upDown, Qt::LeftButton, {}, at);
}

} // namespace

class ColorFinderWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStartWithAnEmptyStore();
    void loadsRememberedValues_data();
    void loadsRememberedValues();
    void nothingIsWrittenBeforeTheLoadsFinalRepaint();
    void arrowsStayInRange_data();
    void arrowsStayInRange();
    void holdingAnArrowRepeats();
    void stepSizeChangesOnlyTheIncrement();
    void jumpButtons_data();
    void jumpButtons();
    void previewReadsTheBoxes_data();
    void previewReadsTheBoxes();
    void copyInEachFormat_data();
    void copyInEachFormat();
    void choosingAFormat();
    void settingsThatCannotBeSavedAreReportedOnce();
    void palette_data();
    void palette();
    void findCopySwitchAndReopen();
    void exitHidesAndKeepsState();
    void closeBoxSavesAndHides();
    void minimiseAndRestoreRepaintAndSave();
    void quickHelp();
    void helpNumbers_data();
    void helpNumbers();
    void tabOrderFollowsThePanel();
    void aboutBox();

private:
    ColorFinderWindow &load()
    {
        m_form->Load();
        return *m_form;
    }
    ColorFinderWindow::Ui &ui() { return m_form->ui(); }
    void store(const QString &key, const QString &value)
    {
        m_platform->settings.insert(QStringLiteral("Pelk Tulvane/Color/") + key, value);
    }

    std::unique_ptr<WatchingPlatform> m_platform;
    std::unique_ptr<ColorFinderWindow> m_form;
};

void ColorFinderWindowTest::init()
{
    m_platform = std::make_unique<WatchingPlatform>();
    m_form = std::make_unique<ColorFinderWindow>(m_platform->services());
}

void ColorFinderWindowTest::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void ColorFinderWindowTest::firstStartWithAnEmptyStore()
{
    load();
    QCOMPARE(ui().Text1->Text(), "192");
    QCOMPARE(ui().Text2->Text(), "192");
    QCOMPARE(ui().Text3->Text(), "192");
    QCOMPARE(ui().UpDown2->Value(), 192);
    QCOMPARE(ui().LabelBlue->Caption(), "1");
    QCOMPARE(ui().UpDown6->Value(), 1);
    QVERIFY(ui().mnuRGB->Checked());
    QVERIFY(!ui().mnuDecimal->Checked() && !ui().mnuHex->Checked());
    QCOMPARE(m_form->BackColor(), 12632256u);
    // One save at the end of the load, of the six color keys only.
    QCOMPARE(m_platform->settingWrites.size(), 12);
    for (const QString &key : kColorKeys)
        QCOMPARE(m_platform->setting("Color", key), key.endsWith("Set") ? "1" : "192");
    QVERIFY(m_platform->setting("Settings", "Format").isNull());
}

void ColorFinderWindowTest::loadsRememberedValues_data()
{
    QTest::addColumn<QStringList>("stored"); // Red, Green, Blue, RedSet, GreenSet, BlueSet, Format
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("steppers");   // UpDown1..6
    QTest::addColumn<QStringList>("stepLabels"); // also what the store holds afterwards
    QTest::addColumn<QString>("checked");        // names of the checked format items
    QTest::addColumn<quint32>("color");
    QTest::newRow("remembered") << QStringList{"10", "20", "30", "5", "10", "2", "C"}
                                << QStringList{"10", "20", "30"} << QList<int>{10, 20, 30, 5, 10, 2}
                                << QStringList{"5", "10", "2"} << "mnuHex" << quint32(10 + 20 * 256 + 30 * 65536);
    QTest::newRow("red of zero") << QStringList{"0", "0", "0", "1", "1", "1", "B"} << QStringList{"0", "0", "0"}
                                 << QList<int>{0, 0, 0, 1, 1, 1} << QStringList{"1", "1", "1"} << "mnuDecimal"
                                 << 0u;
    QTest::newRow("lowercase format") << QStringList{"1", "2", "3", "1", "1", "1", "a"}
                                      << QStringList{"1", "2", "3"} << QList<int>{1, 2, 3, 1, 1, 1}
                                      << QStringList{"1", "1", "1"} << "" << quint32(1 + 2 * 256 + 3 * 65536);
    QTest::newRow("channels out of range and nonsense")
        << QStringList{"300", "-7", "abc", "1", "1", "1", "A"} << QStringList{"300", "-7", "abc"}
        << QList<int>{255, 0, 0, 1, 1, 1} << QStringList{"1", "1", "1"} << "mnuRGB" << 255u;
    QTest::newRow("fraction rounds half to even")
        << QStringList{"2.5", "3.5", "1e2", "1", "1", "1", "A"} << QStringList{"2.5", "3.5", "1e2"}
        << QList<int>{2, 4, 100, 1, 1, 1} << QStringList{"1", "1", "1"} << "mnuRGB"
        << quint32(2 + 4 * 256 + 100 * 65536);
    QTest::newRow("step sizes out of range load as 1")
        << QStringList{"9", "9", "9", "0", "11", "2.5", "A"} << QStringList{"9", "9", "9"}
        << QList<int>{9, 9, 9, 1, 1, 1} << QStringList{"1", "1", "1"} << "mnuRGB" << quint32(9 * 65793);
    QTest::newRow("step sizes not numbers load as 1")
        << QStringList{"9", "9", "9", "x", "", " 7 ", "A"} << QStringList{"9", "9", "9"}
        << QList<int>{9, 9, 9, 1, 1, 7} << QStringList{"1", "1", " 7 "} << "mnuRGB" << quint32(9 * 65793);
}

void ColorFinderWindowTest::loadsRememberedValues()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, steppers);
    QFETCH(QStringList, stepLabels);
    QFETCH(QString, checked);
    QFETCH(quint32, color);
    for (int i = 0; i < kColorKeys.size(); ++i)
        store(kColorKeys[i], stored[i]);
    m_platform->settings.insert("Pelk Tulvane/Settings/Format", stored[6]);

    load();
    auto &u = ui();
    QCOMPARE((QStringList{u.Text1->Text(), u.Text2->Text(), u.Text3->Text()}), boxes);
    QCOMPARE((QList<int>{u.UpDown1->Value(), u.UpDown2->Value(), u.UpDown3->Value(), u.UpDown4->Value(),
                         u.UpDown5->Value(), u.UpDown6->Value()}),
             steppers);
    QCOMPARE((QList<int>{u.UpDown1->Increment(), u.UpDown2->Increment(), u.UpDown3->Increment()}),
             steppers.mid(3));
    QCOMPARE((QStringList{u.LabelRed->Caption(), u.LabelGreen->Caption(), u.LabelBlue->Caption()}), stepLabels);
    QStringList checkedItems;
    for (forms::MenuItem *item : {u.mnuRGB, u.mnuDecimal, u.mnuHex}) {
        if (item->Checked())
            checkedItems << item->objectName();
    }
    QCOMPARE(checkedItems.join(','), checked);
    QCOMPARE(m_form->BackColor(), color);
    // The load's final save writes back what the window shows.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_platform->setting("Color", kColorKeys[i]), boxes[i]);
        QCOMPARE(m_platform->setting("Color", kColorKeys[i + 3]), stepLabels[i]);
    }
}

void ColorFinderWindowTest::nothingIsWrittenBeforeTheLoadsFinalRepaint()
{
    const QStringList stored = {"10", "20", "30", "5", "10", "2"};
    for (int i = 0; i < kColorKeys.size(); ++i)
        store(kColorKeys[i], stored[i]);
    m_platform->form = m_form.get();

    load();
    QCOMPARE(m_platform->settingWrites.size(), 12);
    for (const QString &seen : std::as_const(m_platform->seenAtWrite))
        QCOMPARE(seen, "10,20,30,5,10,2");
    for (quint32 color : std::as_const(m_platform->colorAtWrite))
        QCOMPARE(color, quint32(10 + 20 * 256 + 30 * 65536));
}

void ColorFinderWindowTest::arrowsStayInRange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expected");
    QTest::newRow("step 10 at 250 up") << "250" << "10" << true << 255;
    QTest::newRow("step 10 at 5 down") << "5" << "10" << false << 0;
    QTest::newRow("step 3 at 100 up") << "100" << "3" << true << 103;
    QTest::newRow("step 3 at 100 down") << "100" << "3" << false << 97;
    QTest::newRow("at 255 up") << "255" << "1" << true << 255;
    QTest::newRow("at 0 down") << "0" << "10" << false << 0;
}

void ColorFinderWindowTest::arrowsStayInRange()
{
    QFETCH(QString, start);
    QFETCH(QString, step);
    QFETCH(bool, up);
    QFETCH(int, expected);
    store("Red", start);
    store("RedSet", step);
    load();
    const qsizetype writesBefore = m_platform->settingWrites.size();

    clickArrow(ui().UpDown1, up);
    QCOMPARE(ui().UpDown1->Value(), expected);
    QCOMPARE(ui().Text1->Text(), QString::number(expected));
    QCOMPARE(m_form->BackColor() & 0xFF, quint32(expected));
    QCOMPARE(m_platform->setting("Color", "Red"), QString::number(expected));
    // A press at a limit changes nothing and so saves nothing.
    const bool moved = QString::number(expected) != start;
    QCOMPARE(m_platform->settingWrites.size() > writesBefore, moved);
}

void ColorFinderWindowTest::holdingAnArrowRepeats()
{
    store("Blue", "100");
    store("BlueSet", "2");
    m_form->Show();
    forms::UpDown *arrows = ui().UpDown3;
    QTest::mousePress(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, arrows->height() - 3));
    QCOMPARE(ui().Text3->Text(), "98");
    QTRY_VERIFY(arrows->Value() <= 92);
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, arrows->height() - 3));
    const int released = arrows->Value();
    QCOMPARE(released % 2, 0);
    QCOMPARE(ui().Text3->Text(), QString::number(released));
    QCOMPARE(m_platform->setting("Color", "Blue"), QString::number(released));
    // Once released it stays where it was let go.
    QSignalSpy change(arrows, &forms::UpDown::Change);
    QVERIFY(!change.wait(300));
    QCOMPARE(arrows->Value(), released);
}

void ColorFinderWindowTest::stepSizeChangesOnlyTheIncrement()
{
    load();
    const qsizetype writesBefore = m_platform->settingWrites.size();
    clickArrow(ui().UpDown5, true, 3);
    QCOMPARE(ui().LabelGreen->Caption(), "4");
    QCOMPARE(ui().UpDown2->Increment(), 4);
    QCOMPARE(ui().Text2->Text(), "192");
    QCOMPARE(m_platform->settingWrites.size(), writesBefore);

    clickArrow(ui().UpDown5, true, 20);
    QCOMPARE(ui().UpDown5->Value(), 10);
    clickArrow(ui().UpDown2, true);
    QCOMPARE(ui().Text2->Text(), "202");
    QCOMPARE(m_platform->setting("Color", "GreenSet"), "10");
}

void ColorFinderWindowTest::jumpButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("expected");
    QTest::newRow("RedMax") << "RedMax" << 0 << 255;
    QTest::newRow("RedNom") << "RedNom" << 0 << 192;
    QTest::newRow("RedMin") << "RedMin" << 0 << 0;
    QTest::newRow("GreenMax") << "GreenMax" << 1 << 255;
    QTest::newRow("GreenMin") << "GreenMin" << 1 << 0;
    QTest::newRow("BlueNom") << "BlueNom" << 2 << 192;
    QTest::newRow("BlueMin") << "BlueMin" << 2 << 0;
}

void ColorFinderWindowTest::jumpButtons()
{
    QFETCH(QString, button);
    QFETCH(int, channel);
    QFETCH(int, expected);
    const QString key = kColorKeys[channel];
    store(key, "7");
    load();
    forms::TextBox *boxes[] = {ui().Text1, ui().Text2, ui().Text3};
    forms::UpDown *steppers[] = {ui().UpDown1, ui().UpDown2, ui().UpDown3};
    auto *b = m_form->window()->findChild<forms::CommandButton *>(button);
    QVERIFY(b);

    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(boxes[channel]->Text(), QString::number(expected));
    QCOMPARE(steppers[channel]->Value(), expected);
    QCOMPARE((m_form->BackColor() >> (8 * channel)) & 0xFF, quint32(expected));
    QCOMPARE(m_platform->setting("Color", key), QString::number(expected));

    // The same button again still rewrites and saves.
    boxes[channel]->setText(" " + QString::number(expected));
    const qsizetype writesBefore = m_platform->settingWrites.size();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(boxes[channel]->Text(), QString::number(expected));
    QCOMPARE(m_platform->settingWrites.size(), writesBefore + 12);
}

void ColorFinderWindowTest::previewReadsTheBoxes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint32>("red");
    QTest::newRow("above range") << "300" << 255u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("negative") << "-5" << 0u;
    QTest::newRow("huge") << "123456789012345678901234567890" << 255u;
    QTest::newRow("fraction") << "12.5" << 12u;
    QTest::newRow("words") << "red" << 0u;
}

void ColorFinderWindowTest::previewReadsTheBoxes()
{
    QFETCH(QString, typed);
    QFETCH(quint32, red);
    load();
    ui().Text1->clear();
    QTest::keyClicks(ui().Text1, typed);
    // Typing alone changes nothing; the next repaint reads the box.
    QCOMPARE(m_form->BackColor() & 0xFF, 192u);
    QTest::mouseClick(ui().GreenMin, Qt::LeftButton);
    QCOMPARE(m_form->BackColor(), red + 192u * 65536u);
    QCOMPARE(ui().Text1->Text(), typed);
    QCOMPARE(m_platform->setting("Color", "Red"), typed);
}

void ColorFinderWindowTest::copyInEachFormat_data()
{
    QTest::addColumn<QString>("format"); // the stored letter
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("clipboardLog");
    QTest::addColumn<QString>("name");
    const QStringList example = {"192", "128", "64"};
    QTest::newRow("rgb") << "A" << example << QStringList{"clear", "set:RGB(192,128,64)"} << "RGB";
    QTest::newRow("decimal") << "B" << example << QStringList{"clear", "set:4227264"} << "Decimal";
    QTest::newRow("hex") << "C" << example << QStringList{"clear", "set:&H004080C0&"} << "HEX";
    QTest::newRow("rgb keeps a leading blank") << "A" << QStringList{" 5", "0", "255"}
                                               << QStringList{"clear", "set:RGB( 5,0,255)"} << "RGB";
    QTest::newRow("hex of odd boxes") << "C" << QStringList{"300", "abc", "15"}
                                      << QStringList{"clear", "set:&H000F00FF&"} << "HEX";
    QTest::newRow("decimal of odd boxes") << "B" << QStringList{"-1", "", "1e9"}
                                          << QStringList{"clear", "set:16711680"} << "Decimal";
    QTest::newRow("no format checked") << "c" << example << QStringList{"clear"} << "";
}

void ColorFinderWindowTest::copyInEachFormat()
{
    QFETCH(QString, format);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, clipboardLog);
    QFETCH(QString, name);
    m_platform->settings.insert("Pelk Tulvane/Settings/Format", format);
    load();
    forms::TextBox *texts[] = {ui().Text1, ui().Text2, ui().Text3};
    for (int i = 0; i < 3; ++i) {
        texts[i]->clear();
        QTest::keyClicks(texts[i], boxes[i]);
    }

    QTest::mouseClick(ui().CommandCut, Qt::LeftButton);
    QCOMPARE(m_platform->clipboardLog, clipboardLog);
    QCOMPARE(m_platform->msgBoxes.size(), 1);
    const FakeBoxes::MsgBoxCall &box = m_platform->msgBoxes.first();
    QCOMPARE(box.prompt, "Your " + name
                             + " Color has been copyed to the clipboard.\r"
                               "Minimise this program and paste the Colors into your code.");
    QCOMPARE(box.buttons, 64);
    QCOMPARE(box.title, "Pelk RBG color finder");
}

void ColorFinderWindowTest::choosingAFormat()
{
    m_platform->settings.insert("Pelk Tulvane/Settings/Format", "B");
    load();
    const qsizetype writesBefore = m_platform->settingWrites.size();
    ui().mnuDecimal->trigger();
    QVERIFY(ui().mnuDecimal->Checked());
    QCOMPARE(m_platform->settingWrites.size(), writesBefore);

    ui().mnuHex->trigger();
    QVERIFY(ui().mnuHex->Checked());
    QVERIFY(!ui().mnuDecimal->Checked());
    QVERIFY(!ui().mnuRGB->Checked());
    QCOMPARE(m_platform->settingWrites.size(), writesBefore + 1);
    QCOMPARE(m_platform->setting("Settings", "Format"), "C");

    ui().mnuRGB->trigger();
    QCOMPARE(m_platform->setting("Settings", "Format"), "A");
    QVERIFY(ui().mnuRGB->Checked() && !ui().mnuHex->Checked());
}

void ColorFinderWindowTest::settingsThatCannotBeSavedAreReportedOnce()
{
    m_platform->saveSettingError = Error(errDiskFull, QStringLiteral("Disk full: /home/u/settings.ini"));
    load();
    ui().UpDown1->setValue(10);
    ui().UpDown2->setValue(20);
    ui().mnuHex->trigger();
    ui().mnuExit->trigger();

    QCOMPARE(m_platform->msgBoxes.size(), 1);
    const FakeBoxes::MsgBoxCall &box = m_platform->msgBoxes.first();
    QCOMPARE(box.prompt, QStringLiteral("The color finder could not save its settings; the color, step sizes and "
                                        "format chosen now will not be remembered.\rDisk full: /home/u/settings.ini"));
    QCOMPARE(box.buttons, int(mb::vbExclamation));
    QCOMPARE(box.title, QString());
    QVERIFY(m_platform->settings.isEmpty());
    // The window goes on as without the store.
    QCOMPARE(ui().Text1->Text(), "10");
    QVERIFY(ui().mnuHex->Checked());
}

void ColorFinderWindowTest::palette_data()
{
    QTest::addColumn<std::optional<quint32>>("chosen");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("pure red") << std::optional<quint32>(255) << QStringList{"255", "0", "0"};
    QTest::newRow("pure blue") << std::optional<quint32>(255 * 65536) << QStringList{"0", "0", "255"};
    QTest::newRow("192,128,64") << std::optional<quint32>(0x4080C0) << QStringList{"192", "128", "64"};
    QTest::newRow("black") << std::optional<quint32>(0) << QStringList{"0", "0", "0"};
    QTest::newRow("cancel") << std::optional<quint32>() << QStringList{"10", "20", "30"};
}

void ColorFinderWindowTest::palette()
{
    QFETCH(std::optional<quint32>, chosen);
    QFETCH(QStringList, boxes);
    store("Red", "10");
    store("Green", "20");
    store("Blue", "30");
    load();
    const QMap<QString, QString> settingsBefore = m_platform->settings;
    m_platform->colorDialogAnswers.enqueue(chosen);

    ui().mnuColorBar->trigger();
    QCOMPARE(m_platform->colorDialogs.size(), 1);
    QCOMPARE(m_platform->colorDialogs.first().flags, 2);
    QCOMPARE((QStringList{ui().Text1->Text(), ui().Text2->Text(), ui().Text3->Text()}), boxes);
    QCOMPARE((QList<int>{ui().UpDown1->Value(), ui().UpDown2->Value(), ui().UpDown3->Value()}),
             (QList<int>{boxes[0].toInt(), boxes[1].toInt(), boxes[2].toInt()}));
    if (chosen) {
        QCOMPARE(m_form->BackColor(), *chosen);
        QVERIFY(m_platform->msgBoxes.isEmpty());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_platform->setting("Color", kColorKeys[i]), boxes[i]);
    } else {
        QCOMPARE(m_form->BackColor(), quint32(10 + 20 * 256 + 30 * 65536));
        QCOMPARE(m_platform->msgBoxes.size(), 1);
        QCOMPARE(m_platform->msgBoxes.first().prompt, "Color transfer canceled by user.");
        QCOMPARE(m_platform->msgBoxes.first().buttons, 64);
        QCOMPARE(m_platform->msgBoxes.first().title, "");
        QCOMPARE(m_platform->settings, settingsBefore);
    }
}

void ColorFinderWindowTest::findCopySwitchAndReopen()
{
    m_form->Show();
    auto &u = ui();
    // Green 192 -> 128 and blue 192 -> 64 in steps of 8.
    clickArrow(u.UpDown5, true, 7);
    clickArrow(u.UpDown2, false, 8);
    clickArrow(u.UpDown6, true, 7);
    clickArrow(u.UpDown3, false, 16);
    QTest::mouseClick(u.CommandCut, Qt::LeftButton);
    QCOMPARE(m_platform->clipboard, "RGB(192,128,64)");
    u.mnuHex->trigger();
    QTest::mouseClick(u.CommandCut, Qt::LeftButton);
    QCOMPARE(m_platform->clipboard, "&H004080C0&");

    m_form->window()->close();
    QVERIFY(!m_form->IsLoaded());
    m_form->Show();
    QCOMPARE(ui().Text2->Text(), "128");
    QCOMPARE(ui().UpDown3->Value(), 64);
    QCOMPARE(ui().LabelGreen->Caption(), "8");
    QCOMPARE(ui().UpDown3->Increment(), 8);
    QVERIFY(ui().mnuHex->Checked());
    QCOMPARE(m_form->BackColor(), 0x4080C0u);
}

void ColorFinderWindowTest::exitHidesAndKeepsState()
{
    RecordingConnect connect(*m_form);
    m_form->Show();
    ui().Text1->setText("77");
    ui().mnuDecimal->trigger();
    const qsizetype writesBefore = m_platform->settingWrites.size();

    ui().mnuExit->trigger();
    QCOMPARE(connect.hides, 1);
    QVERIFY(!m_form->IsVisible());
    QVERIFY(m_form->IsLoaded());
    QCOMPARE(m_platform->settingWrites.size(), writesBefore + 12);
    QCOMPARE(m_platform->setting("Color", "Red"), "77");

    m_form->Show();
    QCOMPARE(ui().Text1->Text(), "77");
    QVERIFY(ui().mnuDecimal->Checked());
}

void ColorFinderWindowTest::closeBoxSavesAndHides()
{
    RecordingConnect connect(*m_form);
    m_form->Show();
    ui().Text3->setText("42");

    m_form->window()->close();
    QCOMPARE(connect.hides, 1);
    QVERIFY(!m_form->IsLoaded());
    QCOMPARE(m_platform->setting("Color", "Blue"), "42");
}

void ColorFinderWindowTest::minimiseAndRestoreRepaintAndSave()
{
    m_form->Show();
    ui().Text2->setText("5");
    m_form->setWindowState(1);
    QCOMPARE(m_platform->setting("Color", "Green"), "5");
    QCOMPARE((m_form->BackColor() >> 8) & 0xFF, 5u);
    ui().Text2->setText("6");
    m_form->setWindowState(0);
    QCOMPARE(m_platform->setting("Color", "Green"), "6");
}

void ColorFinderWindowTest::quickHelp()
{
    load();
    ui().mnuHelp->trigger();
    QCOMPARE(m_platform->msgBoxes.size(), 1);
    const FakeBoxes::MsgBoxCall &box = m_platform->msgBoxes.first();
    QCOMPARE(box.title, "Pelk Color Finder Quick Help");
    QCOMPARE(box.buttons, 0);
    const QStringList lines = box.prompt.split('\r');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.count(QString()), 3);
    QCOMPARE(lines[1], "     buttons or select the color palette under Options on");
    QCOMPARE(lines[3], ".");
    QCOMPARE(lines[9], "4.  Exit the program or minimize it.");
    QCOMPARE(lines[11], "4.  Paste the color into your code");
}

void ColorFinderWindowTest::helpNumbers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("topic");
    QTest::newRow("Copy") << "CommandCut" << 307;
    QTest::newRow("RedMax") << "RedMax" << 304;
    QTest::newRow("GreenMax") << "GreenMax" << 304;
    QTest::newRow("BlueMax") << "BlueMax" << 304;
    QTest::newRow("GreenNom") << "GreenNom" << 305;
    QTest::newRow("BlueMin") << "BlueMin" << 306;
    QTest::newRow("channel stepper") << "UpDown2" << 301;
    QTest::newRow("value box") << "Text3" << 302;
    QTest::newRow("step-size stepper") << "UpDown6" << 303;
    QTest::newRow("a label: the window's topic") << "Label2" << 300;
}

void ColorFinderWindowTest::helpNumbers()
{
    QFETCH(QString, control);
    QFETCH(int, topic);
    m_form->Show();
    QVERIFY(QTest::qWaitForWindowActive(m_form->window()));
    auto *widget = m_form->window()->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QString storedBefore = m_platform->setting("Color", "Red");

    // What's-this: the click shows the topic and does not act.
    ui().mnuWhatisthis->trigger();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, 3));
    QCOMPARE(m_platform->helpCalls.size(), 1);
    QCOMPARE(m_platform->helpCalls.last().command, help::HELP_CONTEXTPOPUP);
    QCOMPARE(m_platform->helpCalls.last().data.toInt(), topic);
    QCOMPARE(m_platform->helpCalls.last().helpFile, "/opt/pelktulvane/PelkTulvane.hlp");
    QCOMPARE(m_platform->clipboardLog, QStringList());
    QCOMPARE(m_platform->setting("Color", "Red"), storedBefore);

    // F1 opens the focused control's topic, or the window's.
    if (widget->focusPolicy() & Qt::TabFocus)
        widget->setFocus();
    else if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    QTest::keyClick(m_form->window(), Qt::Key_F1);
    QCOMPARE(m_platform->helpCalls.size(), 2);
    QCOMPARE(m_platform->helpCalls.last().command, help::HELP_CONTEXT);
    QCOMPARE(m_platform->helpCalls.last().data.toInt(), topic);
}

void ColorFinderWindowTest::tabOrderFollowsThePanel()
{
    load();
    QStringList order;
    QWidget *w = ui().CommandCut;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ui().CommandCut && order.size() < 40);
    const QStringList expected = {"CommandCut", "RedMax",  "RedNom",  "RedMin", "GreenMax", "GreenNom", "GreenMin",
                                  "BlueMax",    "BlueNom", "BlueMin", "UpDown1", "UpDown2", "UpDown3",  "Text1",
                                  "Text2",      "Text3",   "UpDown4", "UpDown5", "UpDown6"};
    QCOMPARE(order.mid(0, expected.size()), expected);
}

void ColorFinderWindowTest::aboutBox()
{
    m_form->Show();
    ui().MnuAbout->trigger();
    AboutBox &about = AboutBox::instance(AboutBox::Which::ColorFinder, m_platform->app, *m_platform);
    QVERIFY(about.IsVisible());
    QCOMPARE(about.Caption(), "Pelk About Color Finder");
    QVERIFY(about.ui().lblTitle->Caption().startsWith("Pelk Color finder\n"));
    QVERIFY(about.ui().lblDescription->isVisibleTo(about.window()));
    // Modeless: the color finder still works while it is open.
    QTest::mouseClick(ui().RedMin, Qt::LeftButton);
    QCOMPARE(ui().Text1->Text(), "0");
    about.Unload();
}

PELK_TEST_MAIN(ColorFinderWindowTest)
#include "tst_colorfinderwindow.moc"
