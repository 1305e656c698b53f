#include "hostruns.h"

#include "entryclick.h"
#include "hostwindow.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

namespace pelk::host {

QList<QAction *> addInEntries(HostWindow &host)
{
    QList<QAction *> entries;
    for (QAction *action : host.addInsMenu()->actions()) {
        for (const QString &progId : host.connections().connectedProgIds()) {
            if (host.connections().entriesOf(progId).contains(action))
                entries.append(action);
        }
    }
    return entries;
}

QString screenshotFileName(int number, const QString &caption)
{
    QString name = caption;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("%1-%2.png").arg(number).arg(name);
}

namespace {

bool save(QWidget *widget, const QString &folder, int number, const QString &caption, QTextStream &log)
{
    const QString path = QDir(folder).filePath(screenshotFileName(number, caption));
    if (!widget->grab().save(path, "PNG")) {
        log << "cannot save " << path << Qt::endl;
        return false;
    }
    log << path << Qt::endl;
    return true;
}

} // namespace

HostRunResult saveScreenshots(HostWindow &host, const QString &folder, QTextStream &log)
{
    if (!QDir().mkpath(folder)) {
        log << "cannot create " << folder << Qt::endl;
        return RunCannotSave;
    }
    if (!save(&host, folder, 0, host.windowTitle(), log))
        return RunCannotSave;

    const QList<QAction *> entries = addInEntries(host);
    if (entries.isEmpty()) {
        log << "no add-in entries in the Add-Ins menu" << Qt::endl;
        return RunNoEntries;
    }

    // The menu as the user sees it, opened below its title.
    QMenu *menu = host.addInsMenu();
    menu->popup(host.mapToGlobal(host.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    const bool menuSaved = save(menu, folder, 0, QStringLiteral("Add-Ins menu"), log);
    menu->hide();
    if (!menuSaved)
        return RunCannotSave;

    int number = 0;
    for (QAction *entry : entries) {
        ++number;
        const QString caption = entry->text();
        const EntryClick click = clickEntry(entry, &host);
        if (!click.window || (click.newlyShown && !click.painted)) {
            log << "entry \"" << caption << "\" showed no window" << Qt::endl;
            return RunNoWindow;
        }
        if (!save(click.window, folder, number, click.window->windowTitle(), log))
            return RunCannotSave;
    }
    return RunOk;
}

HostRunResult printBenchFigures(HostWindow &host, qint64 hostPaintedAtNs, QTextStream &out)
{
    const QList<QAction *> entries = addInEntries(host);
    out << "host-first-paint " << hostPaintedAtNs << " entries " << entries.size() << Qt::endl;
    if (entries.isEmpty())
        return RunNoEntries;
    int number = 0;
    for (QAction *entry : entries) {
        ++number;
        const EntryClick first = clickEntry(entry, &host);
        if (!first.window || !first.painted)
            return RunNoWindow;
        first.window->hide();
        const EntryClick second = clickEntry(entry, &host);
        if (!second.window || !second.painted)
            return RunNoWindow;
        out << "click " << number << ' ' << first.clickToPaintNs << ' ' << second.clickToPaintNs << ' '
            << entry->text() << Qt::endl;
    }
    return RunOk;
}

} // namespace pelk::host
