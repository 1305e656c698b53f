#include "commandbars.h"

#include <QAction>
#include <QMenu>

namespace pelk::host {

QString currentFailure()
{
    try {
        throw;
    } catch (const hostsdk::HostError &error) {
        return error.description();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("an error that is not a standard exception");
    }
}

namespace {

hostsdk::HostError entryGone()
{
    return hostsdk::HostError(-2147467259, QStringLiteral("The menu entry no longer exists."));
}

// The click source of one entry: forwards the entry's trigger to every
// advised sink. A sink that throws is reported and does not stop the others.
class MenuCommandBarEvents final : public hostsdk::CommandBarEvents,
                                   public std::enable_shared_from_this<MenuCommandBarEvents> {
public:
    MenuCommandBarEvents(std::shared_ptr<MenuCommandBarControl> control, FailureReporter report)
        : m_control(std::move(control)), m_report(std::move(report))
    {
    }
    ~MenuCommandBarEvents() override { QObject::disconnect(m_connection); }

    // Starts listening to the entry. The source stays alive while it raises
    // a click, even when a sink lets go of it meanwhile.
    void attach()
    {
        if (QAction *action = m_control->action()) {
            m_connection = QObject::connect(action, &QAction::triggered, action,
                                            [weak = weak_from_this()] {
                                                if (auto self = weak.lock())
                                                    self->raiseClick();
                                            });
        }
    }

    void Advise(hostsdk::CommandBarEventsSink *sink) override
    {
        if (sink && !m_sinks.contains(sink))
            m_sinks.append(sink);
    }
    void Unadvise(hostsdk::CommandBarEventsSink *sink) override { m_sinks.removeAll(sink); }

private:
    void raiseClick()
    {
        bool handled = false;
        bool cancelDefault = false;
        const QList<hostsdk::CommandBarEventsSink *> sinks = m_sinks; // a sink may unadvise while called
        for (hostsdk::CommandBarEventsSink *sink : sinks) {
            if (!m_sinks.contains(sink))
                continue;
            try {
                sink->Click(m_control, handled, cancelDefault);
            } catch (...) {
                if (m_report)
                    m_report(m_control->action() ? m_control->action()->text() : QString(), currentFailure());
            }
        }
    }

    std::shared_ptr<MenuCommandBarControl> m_control;
    FailureReporter m_report;
    QList<hostsdk::CommandBarEventsSink *> m_sinks;
    QMetaObject::Connection m_connection;
};

} // namespace

// --- MenuCommandBar -----------------------------------------------------------

MenuCommandBar::MenuCommandBar(const QString &name, QMenu *menu) : m_name(name), m_menu(menu) {}

hostsdk::CommandBarControlPtr MenuCommandBar::Add(int type)
{
    if (!m_menu)
        throw hostsdk::HostError(-2147467259, QStringLiteral("The command bar no longer exists."));
    if (type != 1)
        throw hostsdk::HostError(5, QStringLiteral("Invalid procedure call or argument"));
    QAction *action = m_menu->addAction(QString());
    return std::make_shared<MenuCommandBarControl>(m_menu, action);
}

int MenuCommandBar::Count() const
{
    if (!m_menu)
        return 0;
    int count = 0;
    for (const QAction *action : m_menu->actions())
        count += action->isSeparator() ? 0 : 1;
    return count;
}

// --- MenuCommandBarControl ----------------------------------------------------

MenuCommandBarControl::MenuCommandBarControl(QMenu *menu, QAction *action) : m_menu(menu), m_action(action) {}

MenuCommandBarControl::~MenuCommandBarControl() = default;

QAction &MenuCommandBarControl::require() const
{
    if (!m_action || !m_menu)
        throw entryGone();
    return *m_action;
}

QString MenuCommandBarControl::Caption() const
{
    return require().text();
}

void MenuCommandBarControl::setCaption(const QString &caption)
{
    require().setText(caption);
}

bool MenuCommandBarControl::BeginGroup() const
{
    require();
    return m_separator != nullptr;
}

void MenuCommandBarControl::setBeginGroup(bool beginGroup)
{
    QAction &action = require();
    if (beginGroup && !m_separator)
        m_separator = m_menu->insertSeparator(&action);
    else if (!beginGroup && m_separator)
        delete m_separator.data();
}

void MenuCommandBarControl::Delete()
{
    QAction &action = require();
    delete m_separator.data();
    delete &action;
}

// --- HostEvents, HostIde --------------------------------------------------------

hostsdk::CommandBarEventsPtr HostEvents::CommandBarEvents(const hostsdk::CommandBarControlPtr &control)
{
    auto entry = std::dynamic_pointer_cast<MenuCommandBarControl>(control);
    if (!entry)
        throw hostsdk::HostError(5, QStringLiteral("Invalid procedure call or argument"));
    if (!entry->action())
        throw entryGone();
    auto source = std::make_shared<MenuCommandBarEvents>(std::move(entry), m_report);
    source->attach();
    return source;
}

HostIde::HostIde(FailureReporter report) : m_events(std::move(report)) {}

void HostIde::addCommandBar(const QString &name, QMenu *menu)
{
    m_bars.append(std::make_shared<MenuCommandBar>(name, menu));
}

hostsdk::CommandBarPtr HostIde::Item(const QString &name)
{
    for (const auto &bar : m_bars) {
        if (bar->Name().compare(name, Qt::CaseInsensitive) == 0)
            return bar;
    }
    return nullptr;
}

QList<QAction *> HostIde::commandBarActions() const
{
    QList<QAction *> actions;
    for (const auto &bar : m_bars) {
        if (QMenu *menu = bar->menu())
            actions += menu->actions();
    }
    return actions;
}

} // namespace pelk::host
