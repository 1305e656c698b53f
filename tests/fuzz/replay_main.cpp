// The main() of a fuzz target built without libFuzzer: runs every file it is
// given, or every file below a folder it is given, once through the target,
// so the corpus and the reproducers of past findings are tests.
#include "fuzzing.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (files.hasNext())
                inputs << files.next();
        } else {
            inputs << path;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const QString &input : std::as_const(inputs)) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qUtf8Printable(input));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qUtf8Printable(input));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("replayed %lld inputs\n", static_cast<long long>(inputs.size()));
    return inputs.isEmpty() ? 1 : 0;
}
