#include "wizard_files.h"

#include "storage/filereading.h"
#include "text/utf8text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace pelk::wizard_files {

namespace {

constexpr qint64 kMaxFileSize = 1024 * 1024;

const QString kReplaceQuestion = QStringLiteral("File already exist do you want to replace it ?.");

// The platform's error for a file that could not be opened, read or written,
// told apart as the user needs it: no such folder, no such file, no access.
Error fileError(const QString &path, bool writing)
{
    const QFileInfo file(path);
    if (!file.absoluteDir().exists())
        return Error(errPathNotFound);
    if (!writing && !file.exists())
        return Error(errFileNotFound);
    if (file.exists() && !(writing ? file.isWritable() : file.isReadable()))
        return Error(errPermissionDenied);
    if (writing && !file.exists() && !QFileInfo(file.absolutePath()).isWritable())
        return Error(errPermissionDenied);
    return Error(errPathFileAccess);
}

// The file's bytes, or nullopt for one larger than a message file may hold.
// Only a plain file is read: a pipe named x.txt would hold the window until
// something wrote to it, a device might never end.
std::optional<QByteArray> readMessageFile(const QString &path)
{
    const files::ReadResult read = files::readRegularFile(path, kMaxFileSize);
    switch (read.status) {
    case files::ReadResult::Read: return read.bytes;
    case files::ReadResult::TooLarge: return std::nullopt;
    case files::ReadResult::NotAFile: throw Error(errPathFileAccess);
    default: throw fileError(path, false);
    }
}

const QString kTooLarge = QStringLiteral("This file is too large to open as a message: it is over 1 MB.");

void writeMessageFile(const QString &path, const QString &message)
{
    // Written beside the target and renamed over it, so a failure leaves an
    // existing file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(path, true);
    const QByteArray bytes = fileContent(message);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw fileError(path, true);
}

} // namespace

QByteArray fileContent(const QString &message)
{
    return (message + QLatin1String("\r\n")).toUtf8();
}

std::optional<QString> messageFromFile(const QByteArray &bytes, QString *error)
{
    QString problem;
    if (bytes.size() > kMaxFileSize)
        problem = kTooLarge;
    else if (bytes.contains('\0'))
        problem = QStringLiteral("This file is not a text file: it holds NUL characters.");
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }

    QString message;
    if (std::optional<QString> utf8 = validUtf8Text(bytes)) {
        message = std::move(*utf8);
    } else {
        // Not UTF-8: an 8-bit file of the old code page, where every byte is
        // a character.
        QStringDecoder ansi("windows-1252");
        message = ansi.decode(bytes);
    }
    if (message.endsWith(QLatin1String("\r\n")))
        message.chop(2);
    else if (message.endsWith(QLatin1Char('\n')))
        message.chop(1);
    return message;
}

QString titleFromFileTitle(const QString &fileTitle)
{
    if (fileTitle.size() < 4)
        throw Error(errInvalidProcedureCall);
    const QString title = fileTitle.left(fileTitle.size() - 4);
    return title == QLatin1String("Untitled") ? QString() : title;
}

QString proposedFileName(const AppInfo &app, const QString &title, bool programFolderWritable)
{
    QString folder = app.Path;
    if (!programFolderWritable) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
    }
    return folder + QLatin1Char('/') + (title.isEmpty() ? QStringLiteral("Untitled") : title);
}

QString savedFileName(const QString &chosen)
{
    if (!QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + (chosen.endsWith(QLatin1Char('.')) ? QStringLiteral("txt") : QStringLiteral(".txt"));
}

void Open(const Services &services, CommonDialog &dialog, const Fields &fields, const QString &filter)
{
    try {
        dialog.Filter = filter;
        dialog.ShowOpen();
        if (dialog.FileName.isEmpty())
            return;
        QString problem = kTooLarge;
        const std::optional<QByteArray> bytes = readMessageFile(dialog.FileName);
        const std::optional<QString> message = bytes ? messageFromFile(*bytes, &problem) : std::nullopt;
        if (!message) {
            services.boxes.MsgBox(problem, mb::vbCritical);
            return;
        }
        fields.message->setText(*message);
        fields.title->setText(titleFromFileTitle(dialog.FileTitle));
    } catch (const Error &error) {
        services.boxes.MsgBox(error.description(), mb::vbCritical);
    }
}

void Save(const Services &services, CommonDialog &dialog, const Fields &fields, const QString &filter,
          const std::function<void(int)> &overwriteAnswer)
{
    dialog.Filter = filter;
    const AppInfo &app = services.app;
    dialog.FileName = proposedFileName(app, fields.title->Text(), services.dialogs.IsFolderWritable(app.Path));
    QString path;
    try {
        dialog.CancelError = true;
        dialog.ShowSave();
        path = savedFileName(dialog.FileName);
    } catch (const Error &) {
        return; // cancelled: nothing is written
    }

    // Asks before replacing anything that is there, readable or not.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isDir()) {
        const int answer = services.boxes.MsgBox(kReplaceQuestion, mb::vbQuestion + mb::vbYesNo);
        if (overwriteAnswer)
            overwriteAnswer(answer);
        if (answer == mb::vbNo)
            return;
    }

    try {
        writeMessageFile(path, fields.message->Text());
    } catch (const Error &error) {
        services.boxes.MsgBox(error.description(), mb::vbExclamation, services.app.Title);
    }
}

} // namespace pelk::wizard_files
