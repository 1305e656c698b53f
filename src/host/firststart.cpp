#include "firststart.h"

#include "addinlist.h"

#include "platform/error.h"
#include "storage/paths.h"
#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace pelk::host {

namespace {

const QString kHostSettings = QStringLiteral("Pelk Host");

QStringList listedAddIns()
{
    return addInProgIds(readFileBytes(paths::resolveProfileFile(QStringLiteral("vbaddin.ini"))));
}

bool runRegistration(const QString &program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, QStringList());
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

QStringList registerBundledAddIns(Settings &settings, const QString &hostFolder, const QStringList &programs)
{
    const QString folder = QDir::cleanPath(QFileInfo(hostFolder).absoluteFilePath());
    const QString key = QString::fromLatin1(kRegisteredFromKey);
    if (settings.GetSetting(kHostSettings, QStringLiteral("Settings"), key, QString()) == folder)
        return {};

    const QStringList before = listedAddIns();
    bool ran = false;
    for (const QString &name : programs) {
        const QString program = QDir(folder).filePath(name);
        if (!QFileInfo(program).isExecutable())
            continue;
        ran = true;
        if (!runRegistration(program))
            std::fprintf(stderr, "pelkhost: %s did not register its add-in; the add-in manager will not list it.\n",
                         qPrintable(program));
    }
    if (!ran)
        return {};

    QStringList added;
    for (const QString &progId : listedAddIns()) {
        if (!before.contains(progId, Qt::CaseInsensitive))
            added.append(progId);
    }
    // Not kept: the next start registers again, which does no harm.
    (void)settings.SaveSetting(kHostSettings, QStringLiteral("Settings"), key, folder);
    return added;
}

} // namespace pelk::host
