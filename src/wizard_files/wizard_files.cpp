#include "wizard_files.h"

#include "storage/atomicfile.h"
#include "storage/filereading.h"
#include "text/utf8text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace pelk::wizard_files {

namespace {

constexpr qint64 kMaxFileSize = 1024 * 1024;

const QString kReplaceQuestion = QStringLiteral("File already exist do you want to replace it ?.");

const QString kTooLarge = QStringLiteral("This file is too large to open as a message: it is over 1 MB.");

// What a failed read or write tells the user: the standard text of its
// cause (no such folder, no such file, no access), without the path.
Error userFileError(int number)
{
    return Error(number);
}

// The file's bytes. Only a plain file is read: a pipe named x.txt would hold
// the window until something wrote to it, a device might never end.
Result<QByteArray> readMessageFile(const QString &path)
{
    const files::ReadResult read = files::readRegularFile(path, kMaxFileSize);
    switch (read.status) {
    case files::ReadResult::Read: return read.bytes;
    case files::ReadResult::TooLarge: return Error(errPathFileAccess, kTooLarge);
    case files::ReadResult::NotAFile: return userFileError(errPathFileAccess);
    case files::ReadResult::Missing:
        return userFileError(read.folderMissing ? errPathNotFound : fileErrorNumber(read.systemError));
    case files::ReadResult::Failed: break;
    }
    return userFileError(fileErrorNumber(read.systemError));
}

} // namespace

QByteArray fileContent(const QString &message)
{
    return (message + QLatin1String("\r\n")).toUtf8();
}

Result<QString> messageFromFile(const QByteArray &bytes)
{
    if (bytes.size() > kMaxFileSize)
        return Error(errPathFileAccess, kTooLarge);
    if (bytes.contains('\0'))
        return Error(errPathFileAccess, QStringLiteral("This file is not a text file: it holds NUL characters."));

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

Result<QString> titleFromFileTitle(const QString &fileTitle)
{
    if (fileTitle.size() < 4)
        return Error(errInvalidProcedureCall);
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
    dialog.Filter = filter;
    // A cancel after Save asked for CancelError is reported like any failure.
    if (const Status shown = dialog.ShowOpen(); !shown) {
        services.boxes.MsgBox(shown.error().description(), mb::vbCritical);
        return;
    }
    if (dialog.FileName.isEmpty())
        return;
    const Result<QByteArray> bytes = readMessageFile(dialog.FileName);
    const Result<QString> message = bytes ? messageFromFile(*bytes) : Result<QString>(bytes.error());
    if (!message) {
        services.boxes.MsgBox(message.error().description(), mb::vbCritical);
        return;
    }
    // The message is kept even when the name is too short to give a title.
    fields.message->setText(*message);
    const Result<QString> title = titleFromFileTitle(dialog.FileTitle);
    if (!title) {
        services.boxes.MsgBox(title.error().description(), mb::vbCritical);
        return;
    }
    fields.title->setText(*title);
}

void Save(const Services &services, CommonDialog &dialog, const Fields &fields, const QString &filter,
          const std::function<void(int)> &overwriteAnswer)
{
    dialog.Filter = filter;
    const AppInfo &app = services.app;
    dialog.FileName = proposedFileName(app, fields.title->Text(), services.dialogs.IsFolderWritable(app.Path));
    dialog.CancelError = true;
    if (const Status chosen = dialog.ShowSave(); !chosen)
        return; // cancelled: nothing is written
    const QString path = savedFileName(dialog.FileName);

    // Asks before replacing anything that is there, readable or not.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isDir()) {
        const int answer = services.boxes.MsgBox(kReplaceQuestion, mb::vbQuestion + mb::vbYesNo);
        if (overwriteAnswer)
            overwriteAnswer(answer);
        if (answer == mb::vbNo)
            return;
    }

    // Written beside the target and renamed over it, so a failure leaves an
    // existing file as it was.
    if (const Status written = files::writeFileAtomically(path, fileContent(fields.message->Text())); !written)
        services.boxes.MsgBox(userFileError(written.error().number()).description(), mb::vbExclamation,
                              services.app.Title);
}

} // namespace pelk::wizard_files
