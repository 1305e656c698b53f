// Every window against its design tables, row by row: each control where its
// row puts it (15 twips to a pixel, in its container), with its caption,
// tooltip, accessible name, help number and the other properties of its
// row; the focus in the order of the tab indexes; each menu entry under its
// title, in order, with its caption and help context. The window is taken as
// it stands once its controls are made, before its load handler sets texts
// of its own; so the tables and the windows cannot drift apart.
#include "about/aboutbox.h"
#include "color_finder/frmaddin2.h"
#include "inputbox_wizard/frmaddin1.h"
#include "msgbox_wizard/frmaddin.h"
#include "picture_viewer/frmaddin3.h"
#include "platform/fakeservices.h"
#include "forms/filelists.h"
#include "forms/imagebox.h"
#include "forms/twips.h"
#include "testmain.h"

#include <QMenu>
#include <QMenuBar>
#include <QDebug>

#include <functional>

using namespace pelk;
using forms::Kind;
using forms::twips;

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The caption a control shows, a wrapped caption read as one line.
QString captionOf(const QObject *control)
{
    QString caption;
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        caption = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(control))
        caption = label->text();
    else if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        caption = frame->title();
    return caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString withoutAccessKey(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

const char *classOf(Kind kind)
{
    switch (kind) {
    case Kind::Frame: return "pelk::forms::Frame";
    case Kind::Label: return "pelk::forms::Label";
    case Kind::TextBox: return "pelk::forms::TextBox";
    case Kind::MultiLineTextBox: return "pelk::forms::MultiLineTextBox";
    case Kind::CommandButton: return "pelk::forms::CommandButton";
    case Kind::CheckBox: return "pelk::forms::CheckBox";
    case Kind::OptionButton: return "pelk::forms::OptionButton";
    case Kind::UpDown: return "pelk::forms::UpDown";
    case Kind::Line: return "pelk::forms::Line";
    case Kind::PictureBox: return "QLabel";
    case Kind::DriveListBox: return "pelk::forms::DriveListBox";
    case Kind::DirListBox: return "pelk::forms::DirListBox";
    case Kind::FileListBox: return "pelk::forms::FileListBox";
    case Kind::ImageBox: return "pelk::forms::ImageBox";
    case Kind::Timer: return "pelk::forms::Timer";
    }
    return "";
}

// The next control the Tab key goes to.
QWidget *nextStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty());
    return widget;
}

template <class T> QString shown(const T &value)
{
    QString out;
    QDebug(&out).nospace().noquote() << value;
    return out;
}

class Drift {
public:
    QStringList found;

    void expect(bool holds, const QString &name, const QString &what)
    {
        if (!holds)
            found << name + QLatin1String(": ") + what;
    }
    template <class T> void same(const T &actual, const T &expected, const QString &name, const char *what)
    {
        if (actual != expected)
            found << QStringLiteral("%1: %2 is %3, the table has %4")
                         .arg(name, QLatin1String(what), shown(actual), shown(expected));
    }

    void place(QWidget *widget, const forms::Control &row)
    {
        const QString name = text(row.name);
        const QRect expected = forms::twipsRect(row.left, row.top, row.width, row.height);
        if (row.kind == Kind::Line) {
            const QRect ends = QRect(QPoint(twips(row.left), twips(row.top)), QPoint(twips(row.width), twips(row.height)))
                                   .normalized();
            same(widget->pos(), ends.topLeft(), name, "from");
            expect(widget->width() >= ends.width() && widget->height() >= ends.height(), name, "shorter than its ends");
            return;
        }
        same(widget->pos(), expected.topLeft(), name, "at");
        auto *label = qobject_cast<forms::Label *>(widget);
        const bool fitted = (row.kind == Kind::OptionButton || row.kind == Kind::CheckBox) && *row.caption;
        if (label && row.other.autoSize) {
            same(widget->size(), label->sizeHint(), name, "not sized to its caption: size");
        } else if (label && !row.other.wordWrap) {
            // Never narrower than its caption.
            same(widget->width(), std::max(expected.width(), label->sizeHint().width()), name, "width");
            same(widget->height(), expected.height(), name, "height");
        } else if (label) {
            same(widget->width(), expected.width(), name, "width");
            expect(widget->height() >= expected.height(), name, "lower than its row");
        } else if (fitted) {
            // A caption may widen its control, never past its container.
            same(widget->height(), expected.height(), name, "height");
            expect(widget->width() >= expected.width(), name, "narrower than its row");
            expect(widget->geometry().right() < widget->parentWidget()->width(), name, "past its container");
        } else {
            same(widget->size(), expected.size(), name, "size");
        }
    }

    void properties(QWidget *widget, const forms::Control &row, forms::HelpNumber helpNumber)
    {
        const QString name = text(row.name);
        const forms::Other &other = row.other;
        same(captionOf(widget), text(row.caption), name, "caption");
        same(widget->toolTip(), text(row.tooltip), name, "tooltip");
        same(forms::helpContextID(widget), helpNumber == forms::HelpNumber::WhatsThis ? 0 : row.help, name,
             "F1 context");
        same(forms::whatsThisHelpID(widget), helpNumber == forms::HelpNumber::Context ? 0 : row.help, name,
             "what's-this topic");
        // Read by its own name, else by its caption, else by its tooltip.
        const QString spoken = widget->accessibleName().isEmpty() ? withoutAccessKey(captionOf(widget))
                                                                  : widget->accessibleName();
        const QString named = other.accessibleName ? text(other.accessibleName)
            : *row.caption                         ? withoutAccessKey(text(row.caption))
                                                   : text(row.tooltip);
        same(spoken, named, name, "accessible name");
        same(widget->accessibleDescription(), text(other.accessibleDescription), name, "description");
        if (auto *box = qobject_cast<forms::TextBox *>(widget))
            same(box->MaxLength(), other.maxLength, name, "maximum length");
        if (auto *box = qobject_cast<forms::MultiLineTextBox *>(widget))
            same(box->MaxLength(), other.maxLength, name, "maximum length");
        if (auto *upDown = qobject_cast<forms::UpDown *>(widget)) {
            same(upDown->Min(), other.min, name, "minimum");
            same(upDown->Max(), other.max, name, "maximum");
            same(upDown->Increment(), other.increment, name, "increment");
        }
        if (auto *option = qobject_cast<forms::OptionButton *>(widget)) {
            same(option->Value(), other.value, name, "selected");
            same(option->icon().isNull(), !other.picture, name, "without a picture");
        }
        if (auto *check = qobject_cast<forms::CheckBox *>(widget))
            same(check->Value(), other.value ? 1 : 0, name, "value");
        if (auto *label = qobject_cast<forms::Label *>(widget)) {
            same(label->wordWrap(), other.wordWrap, name, "wrapping");
            same(label->buddy() ? label->buddy()->objectName() : QString(), text(other.buddy), name, "buddy");
            if (other.color != Qt::transparent)
                same(label->palette().color(QPalette::WindowText), QColor(other.color), name, "text colour");
        }
        if (auto *image = qobject_cast<forms::ImageBox *>(widget))
            same(image->Stretch(), other.stretch, name, "stretching");
    }

    // The Tab key goes through the controls that take the focus in the
    // order of their tab indexes, and from the last back to the first.
    void tabOrder(forms::FormWindow *window, const forms::FormDesign &design)
    {
        std::vector<std::pair<int, QWidget *>> stops;
        for (const forms::Control &row : design.controls) {
            auto *widget = window->findChild<QWidget *>(text(row.name));
            if (row.tab >= 0 && widget && (widget->focusPolicy() & Qt::TabFocus))
                stops.emplace_back(row.tab, widget);
        }
        std::stable_sort(stops.begin(), stops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (size_t k = 0; k < stops.size(); ++k) {
            QWidget *next = stops[(k + 1) % stops.size()].second;
            if (nextStop(stops[k].second) != next)
                found << stops[k].second->objectName() + QLatin1String(": Tab goes to ")
                        + nextStop(stops[k].second)->objectName() + QLatin1String(", not to ") + next->objectName();
        }
    }

    void menus(forms::FormWindow *window, const forms::FormDesign &design)
    {
        QHash<QString, QStringList> entries; // by title, "" the menu bar
        for (const forms::MenuEntry &entry : design.menus) {
            const QString name = text(entry.name);
            entries[text(entry.under)] << name;
            auto *item = window->findChild<forms::MenuItem *>(name);
            if (!item) {
                found << name + QLatin1String(": no such menu entry");
                continue;
            }
            const bool separator = qstrcmp(entry.caption, "-") == 0;
            same(item->isSeparator(), separator, name, "a separator");
            same(item->text(), separator ? QString() : text(entry.caption), name, "caption");
            same(item->HelpContextID, entry.help, name, "help context");
            same(item->isVisible(), !entry.hidden, name, "shown");
        }
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            auto *title = window->findChild<forms::MenuItem *>(it.key());
            const QList<QAction *> actions =
                it.key().isEmpty() ? window->menuBar()->actions() : title && title->menu() ? title->menu()->actions()
                                                                                           : QList<QAction *>();
            QStringList shown;
            for (const QAction *action : actions)
                shown << action->objectName();
            same(shown.join(QLatin1Char(' ')), it.value().join(QLatin1Char(' ')),
                 it.key().isEmpty() ? QStringLiteral("menu bar") : it.key(), "holding");
        }
    }

    void window(forms::FormWindow *window, const forms::FormDesign &design)
    {
        if (*design.name)
            same(window->objectName(), text(design.name), QStringLiteral("window"), "name");
        same(window->windowTitle(), text(design.caption), QStringLiteral("window"), "caption");
        same(window->clientArea()->size(), QSize(twips(design.width), twips(design.height)), QStringLiteral("window"),
             "client area");
        for (const forms::Control &row : design.controls) {
            if (!*row.name)
                continue;
            const QString name = text(row.name);
            QObject *control = window->findChild<QObject *>(name);
            if (!control) {
                found << name + QLatin1String(": no such control");
                continue;
            }
            same(QString::fromLatin1(control->metaObject()->className()), QString::fromLatin1(classOf(row.kind)),
                 name, "kind");
            const QObject *container = control->parent();
            same(container ? container->objectName() : QString(), *row.in ? text(row.in) : QStringLiteral("clientArea"),
                 name, "in");
            if (auto *widget = qobject_cast<QWidget *>(control)) {
                place(widget, row);
                if (row.kind != Kind::Line)
                    properties(widget, row, design.helpNumber);
            } else if (auto *timer = qobject_cast<forms::Timer *>(control)) {
                same(timer->Interval(), row.other.interval, name, "interval");
            }
        }
        tabOrder(window, design);
        menus(window, design);
    }
};

// A window whose controls are held against its tables as soon as they are
// made.
template <class F> class Probed : public F {
public:
    using F::F;
    QStringList found;

protected:
    void createControls(forms::FormWindow *window) override
    {
        F::createControls(window);
        Drift drift;
        drift.window(window, this->formDesign());
        found = drift.found;
    }
};

template <class F> Probed<F> probed(FakeServices &platform)
{
    if constexpr (std::is_constructible_v<Probed<F>, const AppInfo &, HelpSystem &>)
        return Probed<F>(platform.app, platform);
    else
        return Probed<F>(platform.services());
}

template <class F> QStringList drift(FakeServices &platform)
{
    Probed<F> form = probed<F>(platform);
    form.Load();
    if (form.found.isEmpty() && form.formDesign().controls.empty())
        return {QStringLiteral("no controls in the table")};
    return form.found;
}

using Probe = std::function<QStringList(FakeServices &)>;

} // namespace

Q_DECLARE_METATYPE(Probe)

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAsTheirTables_data()
    {
        QTest::addColumn<Probe>("probe");
        QTest::newRow("frmAddIn") << Probe(drift<frmAddIn>);
        QTest::newRow("frmAddIn1") << Probe(drift<frmAddIn1>);
        QTest::newRow("frmAddIn2") << Probe(drift<frmAddIn2>);
        QTest::newRow("frmAddIn3") << Probe(drift<frmAddIn3>);
        QTest::newRow("frmAboutM") << Probe(drift<frmAboutM>);
        QTest::newRow("frmAboutI") << Probe(drift<frmAboutI>);
        QTest::newRow("frmAboutC") << Probe(drift<frmAboutC>);
    }

    void windowsAsTheirTables()
    {
        QFETCH(Probe, probe);
        FakeServices platform;
        const QStringList found = probe(platform);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

PELK_TEST_MAIN(TablesTest)
#include "tst_tables.moc"
