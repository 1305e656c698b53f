#include "metafile.h"

#include "storage/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <sys/resource.h>

namespace pelk::pictures {

namespace {
const QSize kMaxAnswer(8192, 8192);
}

QString metafileHelperPath()
{
    const QString name = QStringLiteral("pelk-metafile-helper");
    const QString binDir = qEnvironmentVariable("PELK_BIN_DIR");
    if (!binDir.isEmpty())
        return QDir(binDir).filePath(name);
    return paths::privateLibraryFile(paths::codeFolder(), name);
}

std::optional<MetafileImage> drawMetafile(const QByteArray &contents, const QSize &shownSize,
                                          const MetafileLimits &limits)
{
    const QSize asked = shownSize.isEmpty() ? QSize(0, 0) : shownSize.boundedTo(kMaxAnswer);
    QProcess helper;
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    const rlim_t addressSpace = rlim_t(limits.addressSpaceBytes);
    const rlim_t cpuSeconds = rlim_t(limits.timeoutMs / 1000 + 1);
    helper.setChildProcessModifier([addressSpace, cpuSeconds] {
        // Runs in the child between fork and exec: only async-signal-safe
        // calls here.
        const rlimit memory{addressSpace, addressSpace};
        setrlimit(RLIMIT_AS, &memory);
        const rlimit cpu{cpuSeconds, cpuSeconds};
        setrlimit(RLIMIT_CPU, &cpu);
        const rlimit core{0, 0};
        setrlimit(RLIMIT_CORE, &core);
    });
    helper.start(metafileHelperPath(), {QString::number(asked.width()), QString::number(asked.height())});
    if (!helper.waitForStarted(limits.timeoutMs))
        return std::nullopt;

    QElapsedTimer clock;
    clock.start();
    const auto remaining = [&] { return int(qMax<qint64>(0, limits.timeoutMs - clock.elapsed())); };
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 n = helper.write(contents.constData() + written, contents.size() - written);
        if (n < 0)
            break;
        written += n;
        while (helper.bytesToWrite() > 0 && helper.state() == QProcess::Running && remaining() > 0)
            helper.waitForBytesWritten(remaining());
        if (remaining() == 0 || helper.state() != QProcess::Running)
            break;
    }
    helper.closeWriteChannel();

    // Read the answer as it comes, so a helper that writes more than any
    // answer could hold is stopped early.
    const qint64 maxAnswer = kMetafileWireHeader + qint64(kMaxAnswer.width()) * kMaxAnswer.height() * 4;
    QByteArray answer;
    while (helper.state() == QProcess::Running && remaining() > 0) {
        helper.waitForReadyRead(qMin(remaining(), 100));
        answer += helper.readAllStandardOutput();
        if (answer.size() > maxAnswer)
            break;
    }
    if (helper.state() != QProcess::NotRunning) {
        helper.kill();
        helper.waitForFinished(1000);
        return std::nullopt;
    }
    answer += helper.readAllStandardOutput();
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
        return std::nullopt;
    return decodeMetafileImage(answer, asked.isEmpty() ? kMaxAnswer : asked);
}

} // namespace pelk::pictures
