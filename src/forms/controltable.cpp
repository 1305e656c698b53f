#include "controltable.h"

#include "controls.h"
#include "filelists.h"
#include "form.h"
#include "imagebox.h"
#include "twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <algorithm>

namespace pelk::forms {

namespace {

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

[[noreturn]] void fault(const QString &message)
{
    throw DesignError(message.toStdString());
}

QObject *create(const Control &row, QWidget *parent)
{
    const QString caption = text(row.caption);
    const Other &other = row.other;
    switch (row.kind) {
    case Kind::Frame:
        return new Frame(caption, parent);
    case Kind::Label:
        return new Label(caption, parent);
    case Kind::TextBox:
        return new TextBox(parent);
    case Kind::MultiLineTextBox:
        return new MultiLineTextBox(parent);
    case Kind::CommandButton:
        return new CommandButton(caption, parent);
    case Kind::CheckBox:
        return new CheckBox(caption, parent);
    case Kind::OptionButton:
        return new OptionButton(caption, parent);
    case Kind::UpDown:
        return new UpDown(parent, other.min, other.max, other.increment);
    case Kind::Line: {
        const QColor color =
            other.colorRole != QPalette::NoRole ? parent->palette().color(other.colorRole) : QColor(other.color);
        return new Line(parent, row.left, row.top, row.width, row.height, color, other.lineWidth);
    }
    case Kind::PictureBox: {
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    case Kind::DriveListBox:
        return new DriveListBox(parent);
    case Kind::DirListBox:
        return new DirListBox(parent);
    case Kind::FileListBox:
        return new FileListBox(parent);
    case Kind::ImageBox:
        return new ImageBox(parent);
    case Kind::Timer:
        return new Timer(parent, other.interval);
    }
    fault(QStringLiteral("%1: no such kind of control").arg(text(row.name)));
}

// The properties of a row beyond its name and place.
void setUp(QWidget *widget, const Control &row, HelpNumber helpNumber)
{
    const Other &other = row.other;
    if (*row.tooltip)
        widget->setToolTip(text(row.tooltip));
    if (row.help) {
        if (helpNumber != HelpNumber::WhatsThis)
            setHelpContextID(widget, row.help);
        if (helpNumber != HelpNumber::Context)
            setWhatsThisHelpID(widget, row.help);
    }
    if (other.accessibleDescription)
        widget->setAccessibleDescription(text(other.accessibleDescription));
    if (auto *box = qobject_cast<TextBox *>(widget))
        box->limitLength(other.maxLength);
    else if (auto *box = qobject_cast<MultiLineTextBox *>(widget))
        box->limitLength(other.maxLength);
    else if (auto *label = qobject_cast<Label *>(widget)) {
        label->setWordWrap(other.wordWrap);
        if (other.color != Qt::transparent) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, other.color);
            label->setPalette(palette);
        }
        label->setAutoSize(other.autoSize);
    } else if (auto *option = qobject_cast<OptionButton *>(widget)) {
        if (other.picture) {
            option->setIcon(option->style()->standardIcon(*other.picture, nullptr, option));
            option->setIconSize(QSize(32, 32));
        }
        option->setValue(other.value);
    } else if (auto *check = qobject_cast<CheckBox *>(widget)) {
        check->setValue(other.value ? 1 : 0);
    } else if (auto *image = qobject_cast<ImageBox *>(widget)) {
        image->setStretch(other.stretch);
    }
}

// Focus follows the tab indexes, through the controls that take it.
void setTabOrder(const FormDesign &design, const Controls &controls)
{
    std::vector<std::pair<int, QWidget *>> stops;
    for (const Control &row : design.controls) {
        auto *widget = qobject_cast<QWidget *>(controls.object(row.name));
        if (row.tab >= 0 && widget && widget->focusPolicy() != Qt::NoFocus)
            stops.emplace_back(row.tab, widget);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t k = 1; k < stops.size(); ++k)
        QWidget::setTabOrder(stops[k - 1].second, stops[k].second);
}

} // namespace

QMenu *Controls::menu(const char *title) const
{
    QMenu *opened = get<MenuItem>(title)->menu();
    if (!opened)
        fail(title, "menu title");
    return opened;
}

QList<QObject *> Controls::group(const char *name) const
{
    const auto found = m_groups.constFind(QLatin1String(name));
    if (found == m_groups.cend())
        fail(name, "group");
    return *found;
}

void Controls::fail(const char *name, const char *kind) const
{
    fault(QStringLiteral("%1: no %2 named %3").arg(m_window, QLatin1String(kind), text(name)));
}

void Controls::add(const char *name, QObject *object)
{
    if (!*name)
        return;
    if (m_byName.contains(text(name)))
        fault(QStringLiteral("%1: %2 is named twice").arg(m_window, text(name)));
    m_byName.insert(text(name), object);
}

void Controls::buildMenus(FormWindow *window, std::span<const MenuEntry> menus)
{
    QSet<QString> titles;
    for (const MenuEntry &entry : menus)
        titles.insert(text(entry.under));
    QMenuBar *bar = window->menuBar();
    for (const MenuEntry &entry : menus) {
        QMenu *in = *entry.under ? menu(entry.under) : nullptr;
        // A separator shows no caption: the style would draw it beside the line.
        const bool separator = entry.caption == QLatin1String("-");
        auto *item = new MenuItem(separator ? QString() : text(entry.caption), in ? static_cast<QObject *>(in) : bar);
        item->setObjectName(text(entry.name));
        add(entry.name, item);
        item->setSeparator(separator);
        item->HelpContextID = entry.help;
        if (titles.contains(text(entry.name)))
            item->setMenu(new QMenu(window));
        if (in)
            in->addAction(item);
        else
            bar->addAction(item);
        if (entry.hidden)
            item->setVisible(false);
    }
}

Controls build(FormWindow *window, const FormDesign &design)
{
    Controls built;
    built.m_window = text(design.name);
    window->setObjectName(built.m_window);
    window->setWindowTitle(text(design.caption));
    window->setClientSize(design.width, design.height);
    QWidget *client = window->clientArea();
    for (const Control &row : design.controls) {
        QWidget *parent = *row.in ? built.get<QWidget>(row.in) : client;
        QObject *object = create(row, parent);
        built.add(row.name, object);
        if (row.other.group)
            built.m_groups[text(row.other.group)].append(object);
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || row.kind == Kind::Line) {
            object->setObjectName(text(row.name));
            continue;
        }
        // A control with a caption is read by it; one without, by its tooltip.
        const char *spoken = row.other.accessibleName ? row.other.accessibleName : *row.caption ? "" : row.tooltip;
        name(widget, text(row.name), text(spoken));
        place(widget, row.left, row.top, row.width, row.height);
        setUp(widget, row, design.helpNumber);
    }
    for (const Control &row : design.controls) {
        if (row.other.buddy)
            built.get<Label>(row.name)->setBuddy(built.get<QWidget>(row.other.buddy));
    }
    setTabOrder(design, built);
    // A window without menus has no menu bar.
    if (!design.menus.empty())
        built.buildMenus(window, design.menus);
    return built;
}

} // namespace pelk::forms
