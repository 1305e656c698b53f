// The settings store's reader and writer: what the store writes it reads
// back the same; saving one value through the real store, over whatever
// file was there, changes that entry only and the value comes back letter
// for letter. Input: section, key, value and the store's file, separated by
// 0x1F.
#include "fuzzing.h"
#include "storage/paths.h"
#include "storage/settingsstore.h"
#include "text/utf8text.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

using namespace pelk;

namespace {

const QString kApp = QStringLiteral("Pelk Tulvane");

QString show(const settings::Entries &entries)
{
    QString text;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        text += it.key() + QLatin1String(" = ") + it.value().toHtmlEscaped() + QLatin1Char('\n');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A per-user folder of the run's own, on tmpfs where there is one.
    static QTemporaryDir home(QFileInfo::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm/pelk-fuzz-XXXXXX")
                                                                        : QDir::tempPath() + "/pelk-fuzz-XXXXXX");
    qputenv("PELKTULVANE_HOME", home.path().toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList in = fuzz::fields(data, size, 4);
    const QString section = utf8Text(in[0]), key = utf8Text(in[1]), value = utf8Text(in[2]);
    const QByteArray &file = in[3];

    const settings::Entries entries = settings::parseSettings(file);
    FUZZ_CHECK(settings::parseSettings(settings::formatSettings(entries)) == entries, show(entries));
    if (section.isEmpty() || key.isEmpty())
        return 0;

    settings::Entries expected = entries;
    expected.insert(settings::entryPath(entries, section, key), value);

    const QString path = paths::settingsFile(kApp);
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile store(path);
        if (!store.open(QIODevice::WriteOnly | QIODevice::Truncate) || store.write(file) != file.size())
            std::abort();
    }
    const Status saved = settings::setValue(kApp, section, key, value);
    FUZZ_CHECK(saved.ok(), saved.ok() ? QString() : saved.error().description());
    QFile store(path);
    if (!store.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray written = store.readAll();
    const settings::Entries reread = settings::parseSettings(written);
    FUZZ_CHECK(reread == expected, show(expected) + "--- read back:\n" + show(reread));
    FUZZ_CHECK(settings::value(kApp, section, key, QStringLiteral("<none>")) == value, value);
    return 0;
}
