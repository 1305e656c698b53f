// Wizard text files: a message saved and opened again is the same text,
// letter for letter; a file's bytes opened, saved and opened again give the
// same message; File, Open on a real file shows what the file holds or
// refuses it with a box, never anything else. Input: the bytes, read both
// as a typed message (UTF-8) and as a file.
#include "fuzzing.h"
#include "wizard_files/wizard_files.h"
#include "platform/fakeservices.h"
#include "text/utf8text.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace pelk;

namespace {

QString show(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 || c.unicode() > 0x7E ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                                        : QString(c);
    return out;
}

struct Window {
    QWidget parent;
    forms::TextBox *title = new forms::TextBox(&parent);
    forms::MultiLineTextBox *message = new forms::MultiLineTextBox(&parent);
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Typed, saved, opened.
    const QString typed = utf8Text(bytes);
    if (!typed.contains(QChar(0))) {
        const Result<QString> opened = wizard_files::messageFromFile(wizard_files::fileContent(typed));
        FUZZ_CHECK(opened && *opened == typed,
                   show(typed) + " -> " + (opened ? show(*opened) : opened.error().description()));
    }

    // A file opened, saved, opened.
    const Result<QString> fromFile = wizard_files::messageFromFile(bytes);
    FUZZ_CHECK(fromFile || !fromFile.error().description().isEmpty(), QStringLiteral("a refusal without a reason"));
    if (fromFile) {
        const Result<QString> again = wizard_files::messageFromFile(wizard_files::fileContent(*fromFile));
        FUZZ_CHECK(again && *again == *fromFile, show(*fromFile));
    }

    // File, Open on the bytes as a file named as a user names one.
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Greeting.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    FakeServices platform;
    CommonDialog dialog(platform);
    Window window;
    window.title->setText(QStringLiteral("before"));
    window.message->setText(QStringLiteral("before"));
    platform.fileDialogAnswers.enqueue(path);
    wizard_files::Open(platform.services(), dialog, {window.title, window.message},
                       QStringLiteral("Text Files *.txt|*.txt"));
    if (fromFile) {
        FUZZ_CHECK(platform.msgBoxes.isEmpty(), platform.msgBoxes.value(0).prompt);
        FUZZ_CHECK(window.message->Text() == *fromFile, show(window.message->Text()));
        FUZZ_CHECK(window.title->Text() == QStringLiteral("Greeting"), window.title->Text());
    } else {
        const QString problem = fromFile.error().description();
        FUZZ_CHECK(platform.msgBoxes.size() == 1 && platform.msgBoxes[0].prompt == problem, problem);
        FUZZ_CHECK(window.message->Text() == QStringLiteral("before"), show(window.message->Text()));
    }
    return 0;
}
