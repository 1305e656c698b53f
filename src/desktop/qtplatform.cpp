#include "qtplatform.h"

#include "filedialogs.h"
#include "help/helpsystem.h"
#include "storage/inifile.h"
#include "inputbox.h"
#include "messagebox.h"
#include "storage/paths.h"
#include "pictures/pictureloader.h"
#include "storage/settingsstore.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

namespace pelk {

AppInfo QtPlatform::makeAppInfo(const QString &appPath)
{
    AppInfo app;
    app.Title = QStringLiteral("Pelk Tulvane");
    app.Path = QDir::cleanPath(appPath);
    app.HelpFile = QStringLiteral("PelkTulvane.hlp");
    app.Major = PELK_VERSION_MAJOR;
    app.Minor = PELK_VERSION_MINOR;
    app.Revision = PELK_VERSION_PATCH;
    return app;
}

QtPlatform::QtPlatform(const QString &appPath) : m_app(makeAppInfo(appPath)) {}

QString QtPlatform::GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultValue)
{
    return settings::value(appName, section, key, defaultValue);
}

void QtPlatform::SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value)
{
    settings::setValue(appName, section, key, value);
}

void QtPlatform::ClipboardClear()
{
    QApplication::clipboard()->clear();
}

void QtPlatform::ClipboardSetText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

int QtPlatform::MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
                       int context)
{
    const QString helpPath = msgBoxHelpFile(m_app, helpFile);
    // A box given no help file shows a Help button that does nothing.
    MessageBoxDialog::HelpOpener openHelp;
    if (!helpPath.isEmpty())
        openHelp = [helpPath, context](QWidget *owner) {
            // Context 0 names no topic: the contents stand in for it.
            if (context != 0)
                help::winHelp(owner, helpPath, help::HELP_CONTEXT, context);
            else
                help::winHelp(owner, helpPath, help::HELP_CONTENTS, 0);
        };
    return MessageBoxDialog::ask(prompt, buttons, title.isEmpty() ? m_app.Title : title, openHelp,
                                 QApplication::activeWindow());
}

QString QtPlatform::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return InputBoxDialog::ask(prompt, title.isEmpty() ? m_app.Title : title, defaultText,
                               QApplication::activeWindow());
}

std::optional<QString> QtPlatform::FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                              int flags, QWidget *owner)
{
    return showFileDialog(mode, fileName, filter, flags, owner);
}

std::optional<quint32> QtPlatform::ColorDialog(quint32 color, int flags, QWidget *owner)
{
    return showColorDialog(color, flags, owner);
}

int QtPlatform::WinHelpA(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data)
{
    return help::winHelp(owner, helpFile, command, data);
}

void QtPlatform::WritePrivateProfileStringA(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                                            const QByteArray &fileName)
{
    const QString path = paths::resolveProfileFile(QString::fromLocal8Bit(fileName));
    // The system folder is ours to create on a first run; any other folder
    // must exist.
    const QFileInfo file(path);
    if (file.absolutePath() == QDir(paths::systemFolder()).absolutePath())
        QDir().mkpath(file.absolutePath());
    ini::writeProfileString(path, section, key, value);
}

bool QtPlatform::IsFolderWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

Picture QtPlatform::LoadPicture(const QString &path, const QSize &shownSize)
{
    return pictures::load(path, shownSize);
}

void QtPlatform::LoadPictureAhead(const QStringList &paths, const QSize &shownSize)
{
    pictures::loadAhead(paths, shownSize);
}

} // namespace pelk
