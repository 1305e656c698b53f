// The form lifecycle and the controls' documented behaviour.
#include "platform/fakeservices.h"
#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/form.h"
#include "forms/imagebox.h"
#include "forms/twips.h"
#include "testmain.h"

#include <QClipboard>

#include <QFuture>
#include <QMenuBar>
#include <QPromise>
#include <QSignalSpy>

using namespace pelk;
using namespace pelk::forms;

namespace {

// A form that counts its lifecycle events and may refuse to unload.
class ProbeForm : public Form {
public:
    explicit ProbeForm(FakeServices &services) : Form(services.app, services) {}
    struct Ui {
        TextBox *Text1;
        CommandButton *Command1;
        MenuItem *mnuItem;
    };
    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    int loads = 0;
    int unloads = 0;
    int resizes = 0;
    bool refuseUnload = false;
    int clicks = 0;
    int survivor = 0; // a member of the form object

protected:
    void createControls(FormWindow *window) override
    {
        window->setClientSize(3000, 1500);
        m_ui = std::make_unique<Ui>();
        m_ui->Text1 = new TextBox(window->clientArea());
        place(m_ui->Text1, 120, 120, 1500, 285);
        setHelpContextID(m_ui->Text1, 7);
        m_ui->Command1 = new CommandButton(QStringLiteral("&Go"), window->clientArea());
        place(m_ui->Command1, 120, 600, 1500, 375);
        setWhatsThisHelpID(m_ui->Command1, 42);
        connect(m_ui->Command1, &CommandButton::Click, this, [this] { ++clicks; });
        m_ui->mnuItem = new MenuItem(QStringLiteral("&Item"), window);
        window->menuBar()->addMenu(QStringLiteral("&Menu"))->addAction(m_ui->mnuItem);
    }
    void releaseControls() override { m_ui.reset(); }
    void Form_Load() override { ++loads; }
    void Form_Unload(bool &cancel) override
    {
        ++unloads;
        cancel = refuseUnload;
    }
    void Form_Resize() override { ++resizes; }

private:
    std::unique_ptr<Ui> m_ui;
};

// The controls' own properties go by names of their own: the Qt members of
// the old names are out of reach through the control, so a call meant for
// the control cannot silently reach its base class instead.
template <class T> concept setsLineEditMaxLength = requires(T &box) { box.setMaxLength(4); };
template <class T> concept readsLineEditMaxLength = requires(T &box) { box.maxLength(); };
template <class T> concept setsActionCheck = requires(T &item) { item.setChecked(true); };
template <class T> concept setsActionCheckable = requires(T &item) { item.setCheckable(true); };
template <class T> concept togglesAction = requires(T &item) { item.toggle(); };
template <class T> concept limitsLength = requires(T &box) { box.limitLength(4); };
template <class T> concept setsCheckMark = requires(T &item) { item.setCheckMark(true); };
static_assert(!setsLineEditMaxLength<TextBox> && !readsLineEditMaxLength<TextBox>);
static_assert(!setsActionCheck<MenuItem> && !setsActionCheckable<MenuItem> && !togglesAction<MenuItem>);
static_assert(limitsLength<TextBox> && !limitsLength<QLineEdit> && setsLineEditMaxLength<QLineEdit>);
static_assert(setsCheckMark<MenuItem> && !setsCheckMark<QAction> && setsActionCheck<QAction>);

// A design of a few controls and menus.
const Control kProbeControls[] = {
    {"Frame1", Kind::Frame, "&Frame", "", "", 120, 120, 2400, 1200, 0, 0},
    {"Command1", Kind::CommandButton, "&Go", "", "Frame1", 120, 240, 900, 375, 2, 42},
    {"Picture1", Kind::OptionButton, "", "Pictured", "Frame1", 1200, 240, 900, 375, 1, 0},
    {"Label1", Kind::Label, "&Name", "", "", 120, 1500, 600, 195, 3, 0, {.buddy = "Text1"}},
    {"Text1", Kind::TextBox, "", "A tip", "", 900, 1500, 1500, 285, 4, 0, {.accessibleName = "Name"}},
    {"Timer1", Kind::Timer, "", "", "", 0, 0, 0, 0, -1, 0, {.interval = 1}},
};
const MenuEntry kProbeMenus[] = {
    {"mnuFile", "&File", "", 7},
    {"mnuNew", "&New", "mnuFile"},
    {"bar1", "-", "mnuFile"},
    {"mnuHidden", "&Hidden", "mnuFile", 0, true},
    {"mnuCommand", "&?"},
};

FormDesign probeDesign(HelpNumber helpNumber = HelpNumber::Context)
{
    return {"frmProbe", "Probe", 3000, 2000, helpNumber, kProbeControls, kProbeMenus};
}

} // namespace

Q_DECLARE_METATYPE(pelk::forms::HelpNumber)
Q_DECLARE_METATYPE(pelk::forms::FormDesign)

// A form built from the probe design, with a handler for a click and one for
// the timer's event.
class TableForm : public Form {
    Q_OBJECT
public:
    TableForm(FakeServices &platform, const FormDesign &design) : Form(platform.app, platform), m_design(design) {}
    Controls controls;
    int clicks = 0;
    int ticks = 0;

protected:
    void createControls(FormWindow *window) override
    {
        controls = build(window, m_design);
        if (controls.object("Command1"))
            connect(controls.get<CommandButton>("Command1"), &CommandButton::Click, this, &TableForm::command1_Click);
        if (controls.object("Timer1"))
            connect(controls.get<Timer>("Timer1"), &Timer::Timer_, this, &TableForm::Timer1_Timer);
    }
    void releaseControls() override {}

private slots:
    void command1_Click() { ++clicks; }
    void Timer1_Timer()
    {
        ++ticks;
        controls.get<Timer>("Timer1")->setEnabled(false);
    }

private:
    FormDesign m_design;
};

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void touchingAControlLoadsOnce();
    void closeBoxUnloadsAndControlsStartAfresh();
    void cancelledUnloadKeepsTheForm();
    void hideKeepsEverything();
    void clientAreaInTwips_data();
    void clientAreaInTwips();
    void f1OpensTheFocusedControlsContext();
    void whatsThisShowsTopicInsteadOfActing();
    void upDownSteps_data();
    void upDownSteps();
    void upDownChangeOnlyOnRealChange();
    void menuCheckMarkBelongsToCode();
    void textSetThroughTheLineEditIsKeptWhole_data();
    void textSetThroughTheLineEditIsKeptWhole();
    void multiLineTextUsesCrLf_data();
    void multiLineTextUsesCrLf();
    void multiLineMaxLengthCountsCrLf();
    void pasteKeepsWhatFits_data();
    void pasteKeepsWhatFits();
    void multiLineLongTextByCodeCanShrink();
    void timerIntervalZeroRaisesNoTicks();
    void imageBoxTakesArrivingPictures();

    void builtAsTheDesign();
    void firstTabStopLeadsToTheSecond();
    void helpNumbers_data();
    void helpNumbers();
    void eventsReachTheirHandlers();
    void designFaultsAreThrown_data();
    void designFaultsAreThrown();
};

void FormsTest::touchingAControlLoadsOnce()
{
    FakeServices platform;
    ProbeForm form(platform);
    QVERIFY(!form.IsLoaded());
    form.ui().Text1->setText(QStringLiteral("x"));
    QVERIFY(form.IsLoaded());
    QVERIFY(!form.IsVisible());
    form.Show();
    form.Show();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.IsVisible());
    QCOMPARE(form.ui().Text1->Text(), QStringLiteral("x"));
}

void FormsTest::closeBoxUnloadsAndControlsStartAfresh()
{
    FakeServices platform;
    ProbeForm form(platform);
    form.Show();
    form.survivor = 5;
    form.ui().Text1->setText(QStringLiteral("typed"));
    QSignalSpy unloaded(&form, &Form::unloaded);
    form.window()->close();
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.IsLoaded());

    form.Show();
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.ui().Text1->Text(), QString());
    QCOMPARE(form.survivor, 5);
}

void FormsTest::cancelledUnloadKeepsTheForm()
{
    FakeServices platform;
    ProbeForm form(platform);
    form.Show();
    form.refuseUnload = true;
    form.window()->close();
    QVERIFY(form.IsLoaded());
    QVERIFY(form.IsVisible());
    form.refuseUnload = false;
    form.Unload();
    QVERIFY(!form.IsLoaded());
    QCOMPARE(form.unloads, 2);
}

void FormsTest::hideKeepsEverything()
{
    FakeServices platform;
    ProbeForm form(platform);
    form.Show();
    form.ui().Text1->setText(QStringLiteral("kept"));
    form.Hide();
    QVERIFY(form.IsLoaded());
    QVERIFY(!form.IsVisible());
    form.Show();
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.ui().Text1->Text(), QStringLiteral("kept"));

    // Hiding a form that is not loaded loads it, hidden.
    ProbeForm other(platform);
    other.Hide();
    QVERIFY(other.IsLoaded());
    QVERIFY(!other.IsVisible());
    QCOMPARE(other.loads, 1);
}

void FormsTest::clientAreaInTwips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("one pixel") << 15.0 << 1;
    QTest::newRow("rounds down below half") << 22.0 << 1;
    QTest::newRow("rounds half up") << 7.5 << 1;
    QTest::newRow("message box wizard width") << 7020.0 << 468;
    QTest::newRow("an inch") << 1440.0 << 96;
}

void FormsTest::clientAreaInTwips()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(forms::twips(twips), pixels);
    FakeServices platform;
    ProbeForm form(platform);
    form.window()->setClientSize(twips, twips);
    QCOMPARE(form.window()->clientArea()->size(), QSize(pixels, pixels));
}

void FormsTest::f1OpensTheFocusedControlsContext()
{
    FakeServices platform;
    ProbeForm form(platform);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    form.window()->activateWindow();
    form.ui().Text1->setFocus();
    QTest::keyClick(form.ui().Text1, Qt::Key_F1);
    QCOMPARE(platform.helpCalls.size(), 1);
    QCOMPARE(platform.helpCalls[0].command, help::HELP_CONTEXT);
    QCOMPARE(platform.helpCalls[0].data.toInt(), 7);
    QCOMPARE(platform.helpCalls[0].helpFile, platform.app.helpFilePath());
}

void FormsTest::whatsThisShowsTopicInsteadOfActing()
{
    FakeServices platform;
    ProbeForm form(platform);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    form.WhatsThisMode();
    QTest::mouseClick(form.ui().Command1, Qt::LeftButton);
    QCOMPARE(form.clicks, 0);
    QCOMPARE(platform.helpCalls.size(), 1);
    QCOMPARE(platform.helpCalls[0].command, help::HELP_CONTEXTPOPUP);
    QCOMPARE(platform.helpCalls[0].data.toInt(), 42);
    // The mode lasts for one click only.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(form.ui().Command1, Qt::LeftButton);
    QCOMPARE(form.clicks, 1);
    QCOMPARE(platform.helpCalls.size(), 1);
}

void FormsTest::upDownSteps_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("increment");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("presses"); // positive: up arrow, negative: down arrow
    QTest::addColumn<int>("expected");
    QTest::newRow("one step up") << 0 << 255 << 1 << 192 << 1 << 193;
    QTest::newRow("step 10 at 250 stops at the top") << 0 << 255 << 10 << 250 << 1 << 255;
    QTest::newRow("held at the top never wraps") << 0 << 255 << 10 << 250 << 5 << 255;
    QTest::newRow("step 10 at 5 stops at the bottom") << 0 << 255 << 10 << 5 << -1 << 0;
    QTest::newRow("held at the bottom never wraps") << 0 << 255 << 10 << 5 << -4 << 0;
    QTest::newRow("speed range") << 0 << 20 << 1 << 5 << 20 << 20;
    QTest::newRow("step size range") << 1 << 10 << 1 << 1 << -3 << 1;
}

void FormsTest::upDownSteps()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, increment);
    QFETCH(int, start);
    QFETCH(int, presses);
    QFETCH(int, expected);
    UpDown upDown(nullptr, min, max, increment);
    upDown.resize(16, 33);
    upDown.setValue(start);
    for (int k = 0; k < qAbs(presses); ++k) {
        // Click the upper or lower half as a user does.
        const QPoint at(8, presses > 0 ? 4 : 29);
        QTest::mouseClick(&upDown, Qt::LeftButton, {}, at);
    }
    QCOMPARE(upDown.Value(), expected);
}

void FormsTest::upDownChangeOnlyOnRealChange()
{
    UpDown upDown(nullptr, 0, 255, 1);
    QSignalSpy change(&upDown, &UpDown::Change);
    upDown.setValue(0);
    QCOMPARE(change.count(), 0);
    upDown.setValue(7);
    QCOMPARE(change.count(), 1);
    upDown.setValue(300);
    QCOMPARE(upDown.Value(), 255);
    QCOMPARE(change.count(), 2);
    upDown.up();
    QCOMPARE(change.count(), 2);
    upDown.setFocus();
    QTest::keyClick(&upDown, Qt::Key_Down);
    QCOMPARE(upDown.Value(), 254);
    QCOMPARE(change.count(), 3);
}

void FormsTest::menuCheckMarkBelongsToCode()
{
    MenuItem item(QStringLiteral("&Hex"), nullptr);
    QSignalSpy click(&item, &MenuItem::Click);
    item.setCheckMark(true);
    item.trigger();
    QCOMPARE(click.count(), 1);
    QVERIFY(item.Checked());
    QVERIFY(item.isChecked());
    item.setCheckMark(false);
    item.trigger();
    QVERIFY(!item.isChecked());
    QVERIFY(!item.isCheckable()); // an unchecked item shows no empty box
}

void FormsTest::textSetThroughTheLineEditIsKeptWhole_data()
{
    QTest::addColumn<bool>("throughBase");
    QTest::newRow("through the text box") << false;
    QTest::newRow("through its line edit") << true;
}

void FormsTest::textSetThroughTheLineEditIsKeptWhole()
{
    // Text set by code is kept whole however the box is reached; only what
    // the user types is held to MaxLength.
    QFETCH(bool, throughBase);
    QWidget window;
    TextBox box(&window);
    box.limitLength(4);
    QLineEdit *edit = &box;
    window.show();
    box.setFocus();
    if (throughBase)
        edit->setText(QStringLiteral("abcdef"));
    else
        box.setText(QStringLiteral("abcdef"));
    QCOMPARE(box.Text(), QStringLiteral("abcdef"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, QStringLiteral("xy"));
    QCOMPARE(box.Text(), QStringLiteral("abcde"));
    edit->clear();
    QTest::keyClicks(&box, QStringLiteral("123456"));
    QCOMPARE(box.Text(), QStringLiteral("1234"));
}

void FormsTest::multiLineTextUsesCrLf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("one line") << QStringLiteral("Hello") << QStringLiteral("Hello");
    QTest::newRow("two lines") << QStringLiteral("Hello\nWorld") << QStringLiteral("Hello\r\nWorld");
    QTest::newRow("trailing break") << QStringLiteral("abc\n") << QStringLiteral("abc\r\n");
    QTest::newRow("empty line between") << QStringLiteral("A\n\nB") << QStringLiteral("A\r\n\r\nB");
}

void FormsTest::multiLineTextUsesCrLf()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    MultiLineTextBox box(nullptr);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(&box, Qt::Key_Return);
        else
            QTest::keyClicks(&box, QString(c));
    }
    QCOMPARE(box.Text(), text);
    // Text set by code comes back exactly, lone CR and LF included.
    const QString odd = QStringLiteral("a\rb\nc\r\n");
    box.setText(odd);
    QCOMPARE(box.Text(), odd);
}

void FormsTest::multiLineMaxLengthCountsCrLf()
{
    MultiLineTextBox box(nullptr);
    box.limitLength(5);
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Return); // two characters: 4 in all
    QTest::keyClicks(&box, QStringLiteral("cd"));
    QCOMPARE(box.Text(), QStringLiteral("ab\r\nc"));
}

void FormsTest::pasteKeepsWhatFits_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectFrom"); // -1: the cursor at the end, nothing selected
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    const QString x2000(2000, QLatin1Char('x'));
    QTest::newRow("message: long paste after abc") << true << "abc" << -1 << x2000 << "abc" + QString(1021, 'x');
    QTest::newRow("title: long paste after abc") << false << "abc" << -1 << x2000 << "abc" + QString(1021, 'x');
    QTest::newRow("message: replaces the selection") << true << "abcdef" << 3 << x2000 << "abc" + QString(1021, 'x');
    QTest::newRow("message: a line break takes two") << true << QString(1020, 'a') << -1 << "b\nc\nd"
                                                      << QString(1020, 'a') + "b\r\nc";
    QTest::newRow("message: a line break is not split") << true << QString(1022, 'a') << -1 << "b\nc"
                                                        << QString(1022, 'a') + "b";
    QTest::newRow("message: pasted CR LF counts two") << true << QString(1019, 'a') << -1 << "b\r\nc\r\nd"
                                                      << QString(1019, 'a') + "b\r\nc";
    QTest::newRow("message: full, nothing goes in") << true << QString(1024, 'a') << -1 << "b" << QString(1024, 'a');
    QTest::newRow("message: short paste whole") << true << "abc" << -1 << "de\nf" << "abcde\r\nf";
}

void FormsTest::pasteKeepsWhatFits()
{
    QFETCH(bool, multiLine);
    QFETCH(QString, before);
    QFETCH(int, selectFrom);
    QFETCH(QString, pasted);
    QFETCH(QString, after);

    QWidget window;
    TextBox title(&window);
    title.limitLength(1024);
    MultiLineTextBox message(&window);
    message.limitLength(1024);
    QWidget *box = multiLine ? static_cast<QWidget *>(&message) : &title;
    window.show();
    box->setFocus();
    // Typed, as the user does; the end selected with Shift+Home is replaced.
    if (multiLine) {
        message.setPlainText(before);
        message.setText(message.Text()); // as if typed: the box holds CR LF
        message.moveCursor(QTextCursor::End);
        if (selectFrom >= 0) {
            QTextCursor cursor = message.textCursor();
            cursor.setPosition(selectFrom, QTextCursor::KeepAnchor);
            message.setTextCursor(cursor);
        }
    } else {
        title.setText(before);
        title.end(false);
    }
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(multiLine ? message.Text() : title.Text(), after);
}

void FormsTest::multiLineLongTextByCodeCanShrink()
{
    // A file's message longer than the limit loads whole; the user can then
    // delete from it, but not add to it.
    MultiLineTextBox box(nullptr);
    box.limitLength(4);
    box.setText(QStringLiteral("abcdef"));
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.Text(), QStringLiteral("abcde"));
    QTest::keyClicks(&box, QStringLiteral("x"));
    QCOMPARE(box.Text(), QStringLiteral("abcde"));
}

void FormsTest::timerIntervalZeroRaisesNoTicks()
{
    Timer timer(nullptr, 0);
    QSignalSpy ticks(&timer, &Timer::Timer_);
    timer.setEnabled(true);
    QVERIFY(!ticks.wait(150));
    timer.setInterval(20);
    QVERIFY(ticks.wait(500));
    timer.setEnabled(false);
    const int seen = ticks.count();
    QVERIFY(!ticks.wait(100));
    QCOMPARE(ticks.count(), seen);
}

namespace {

Picture pictureOf(const QString &path)
{
    Picture picture;
    picture.path = path;
    picture.image = QImage(4, 4, QImage::Format_RGB32);
    picture.image.fill(Qt::red);
    picture.fullSize = picture.image.size();
    return picture;
}

// A picture still being decoded; the promise delivers it.
PictureLoading arrivingFrom(QPromise<Picture> &promise, const QString &path)
{
    promise.start();
    return std::make_shared<PictureLoad>(path, promise.future());
}

// A picture read at once.
PictureLoading loaded(const QString &path)
{
    return std::make_shared<PictureLoad>(pictureOf(path));
}

void deliver(QPromise<Picture> &promise, const Picture &picture)
{
    promise.addResult(picture);
    promise.finish();
}

} // namespace

void FormsTest::imageBoxTakesArrivingPictures()
{
    ImageBox box(nullptr);
    QSignalSpy arrived(&box, &ImageBox::arrived);
    box.setPicture(loaded(QStringLiteral("a")));

    // Shown when it lands; the previous picture stays until then.
    QPromise<Picture> b;
    box.setPicture(arrivingFrom(b, QStringLiteral("b")));
    QVERIFY(box.isArriving());
    QCOMPARE(box.picture().path, QStringLiteral("a"));
    deliver(b, pictureOf(QStringLiteral("b")));
    QVERIFY(arrived.wait(1000));
    QCOMPARE(box.picture().path, QStringLiteral("b"));
    QVERIFY(!box.isArriving());

    // One that proves unreadable, or is abandoned, leaves the previous one.
    QPromise<Picture> unreadable;
    box.setPicture(arrivingFrom(unreadable, QStringLiteral("c")));
    deliver(unreadable, Picture());
    QVERIFY(arrived.wait(1000));
    {
        QPromise<Picture> abandoned;
        box.setPicture(arrivingFrom(abandoned, QStringLiteral("d")));
    }
    QVERIFY(arrived.wait(1000));
    QCOMPARE(box.picture().path, QStringLiteral("b"));

    // A later picture supersedes one still arriving, whichever lands first.
    QPromise<Picture> late, later;
    box.setPicture(arrivingFrom(late, QStringLiteral("e")));
    box.setPicture(arrivingFrom(later, QStringLiteral("f")));
    deliver(later, pictureOf(QStringLiteral("f")));
    QVERIFY(arrived.wait(1000));
    deliver(late, pictureOf(QStringLiteral("e")));
    QPromise<Picture> overtaken;
    box.setPicture(arrivingFrom(overtaken, QStringLiteral("g")));
    box.setPicture(loaded(QStringLiteral("h")));
    deliver(overtaken, pictureOf(QStringLiteral("g")));
    const int reported = arrived.count();
    QVERIFY(!arrived.wait(200));
    QCOMPARE(arrived.count(), reported);
    QCOMPARE(box.picture().path, QStringLiteral("h"));

    // One that has landed already is shown at once.
    QPromise<Picture> landed;
    const PictureLoading done = arrivingFrom(landed, QStringLiteral("i"));
    deliver(landed, pictureOf(QStringLiteral("i")));
    box.setPicture(done);
    QCOMPARE(box.picture().path, QStringLiteral("i"));
    QVERIFY(!box.isArriving());
}

void FormsTest::builtAsTheDesign()
{
    FakeServices platform;
    TableForm form(platform, probeDesign());
    form.Load();
    FormWindow *window = form.window();
    QCOMPARE(window->objectName(), QStringLiteral("frmProbe"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Probe"));
    QCOMPARE(window->clientArea()->size(), QSize(200, 133));
    const Controls &c = form.controls;
    // Inside its frame, in twips of the frame.
    auto *go = c.get<CommandButton>("Command1");
    QCOMPARE(go->parentWidget(), c.get<Frame>("Frame1"));
    QCOMPARE(go->geometry(), QRect(8, 16, 60, 25));
    // A captioned control is read by its caption, one without by its
    // tooltip, unless the row names it.
    QCOMPARE(go->accessibleName(), QString());
    QCOMPARE(c.get<OptionButton>("Picture1")->accessibleName(), QStringLiteral("Pictured"));
    QCOMPARE(c.get<TextBox>("Text1")->accessibleName(), QStringLiteral("Name"));
    QCOMPARE(c.get<TextBox>("Text1")->toolTip(), QStringLiteral("A tip"));
    QCOMPARE(c.get<Label>("Label1")->buddy(), c.get<TextBox>("Text1"));
    QCOMPARE(c.get<Timer>("Timer1")->Interval(), 1);
    // The tab indexes, through the controls that take the focus.
    const auto nextStop = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    QCOMPARE(nextStop(c.get<OptionButton>("Picture1")), go);
    QCOMPARE(nextStop(go), c.get<TextBox>("Text1"));
    QCOMPARE(nextStop(c.get<TextBox>("Text1")), c.get<OptionButton>("Picture1"));

    // Menus: the title opens its entries; a separator shows no caption.
    const QList<QAction *> titles = window->menuBar()->actions();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0], c.get<MenuItem>("mnuFile"));
    QCOMPARE(c.get<MenuItem>("mnuFile")->HelpContextID, 7);
    QCOMPARE(titles[1]->text(), QStringLiteral("&?"));
    QVERIFY(!titles[1]->menu());
    const QList<QAction *> entries = c.menu("mnuFile")->actions();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0]->text(), QStringLiteral("&New"));
    QVERIFY(entries[1]->isSeparator());
    QCOMPARE(entries[1]->text(), QString());
    QVERIFY(!entries[2]->isVisible());
}

void FormsTest::helpNumbers_data()
{
    QTest::addColumn<HelpNumber>("helpNumber");
    QTest::addColumn<int>("context");
    QTest::addColumn<int>("whatsThis");
    QTest::newRow("F1 context") << HelpNumber::Context << 42 << 0;
    QTest::newRow("what's-this topic") << HelpNumber::WhatsThis << 0 << 42;
    QTest::newRow("both") << HelpNumber::ContextAndWhatsThis << 42 << 42;
}

void FormsTest::helpNumbers()
{
    QFETCH(HelpNumber, helpNumber);
    QFETCH(int, context);
    QFETCH(int, whatsThis);
    FakeServices platform;
    TableForm form(platform, probeDesign(helpNumber));
    form.Load();
    auto *go = form.controls.get<CommandButton>("Command1");
    QCOMPARE(helpContextID(go), context);
    QCOMPARE(whatsThisHelpID(go), whatsThis);
}

void FormsTest::eventsReachTheirHandlers()
{
    FakeServices platform;
    TableForm form(platform, probeDesign());
    form.Show();
    QTest::mouseClick(form.controls.get<CommandButton>("Command1"), Qt::LeftButton);
    QCOMPARE(form.clicks, 1);
    QTRY_COMPARE(form.ticks, 1);
}

// Tab from the first stop goes to the second, also where a control that
// takes the focus without a tab index was made after the first.
void FormsTest::firstTabStopLeadsToTheSecond()
{
    static const Control rows[] = {
        {"Second", Kind::TextBox, "", "", "", 0, 0, 900, 285, 1, 0},
        {"First", Kind::TextBox, "", "", "", 0, 300, 900, 285, 0, 0},
        {"Loose", Kind::TextBox, "", "", "", 0, 600, 900, 285, -1, 0},
    };
    FakeServices platform;
    TableForm form(platform, {"frmTabs", "Tabs", 1500, 1000, HelpNumber::Context, rows, {}});
    form.Load();
    QCOMPARE(form.controls.get<TextBox>("First")->nextInFocusChain(), form.controls.get<TextBox>("Second"));
}

void FormsTest::designFaultsAreThrown_data()
{
    static const Control unknownFrame[] = {{"Text1", Kind::TextBox, "", "", "Frame9", 0, 0, 100, 100}};
    static const Control twice[] = {{"Text1", Kind::TextBox}, {"Text1", Kind::Label}};
    static const Control unknownBuddy[] = {{"Label1", Kind::Label, "&Name", "", "", 0, 0, 100, 100, -1, 0,
                                            {.buddy = "Text9"}}};
    static const MenuEntry unknownTitle[] = {{"mnuNew", "&New", "mnuFile"}, {"mnuFile", "&File"}};
    QTest::addColumn<FormDesign>("design");
    QTest::addColumn<QString>("named");
    const auto design = [](std::span<const Control> controls, std::span<const MenuEntry> menus = {}) {
        return FormDesign{"frmFaulty", "", 1500, 1500, HelpNumber::Context, controls, menus};
    };
    QTest::newRow("a frame it does not hold") << design(unknownFrame) << "no QWidget named Frame9";
    QTest::newRow("a name twice") << design(twice) << "Text1 is named twice";
    QTest::newRow("a buddy it does not hold") << design(unknownBuddy) << "no QWidget named Text9";
    QTest::newRow("an entry before its title") << design({}, unknownTitle)
                                               << "no pelk::forms::MenuItem named mnuFile";
}

void FormsTest::designFaultsAreThrown()
{
    QFETCH(FormDesign, design);
    QFETCH(QString, named);
    FakeServices platform;
    ProbeForm form(platform);
    try {
        build(form.window(), design);
        QFAIL("a faulty design was built");
    } catch (const DesignError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(named), error.what());
    }
}

PELK_TEST_MAIN(FormsTest)
#include "tst_forms.moc"
