#include "desktopservices.h"

#include "filedialogs.h"
#include "inputbox.h"
#include "messagebox.h"

#include "help/helpsystem.h"
#include "pictures/pictureloader.h"
#include "storage/inifile.h"
#include "storage/paths.h"
#include "storage/settingsstore.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

namespace pelk {

DesktopServices::DesktopServices(const QString &programFolder) : m_app(AppInfo::forProgramIn(programFolder)) {}

QString DesktopServices::GetSetting(const QString &appName, const QString &section, const QString &key,
                                    const QString &defaultValue)
{
    return settings::value(appName, section, key, defaultValue);
}

Status DesktopServices::SaveSetting(const QString &appName, const QString &section, const QString &key,
                                    const QString &value)
{
    return settings::setValue(appName, section, key, value);
}

void DesktopServices::ClipboardClear()
{
    QApplication::clipboard()->clear();
}

void DesktopServices::ClipboardSetText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

int DesktopServices::MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
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

QString DesktopServices::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return InputBoxDialog::ask(prompt, title.isEmpty() ? m_app.Title : title, defaultText,
                               QApplication::activeWindow());
}

Result<QString> DesktopServices::FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                            int flags, QWidget *owner)
{
    if (const std::optional<QString> chosen = showFileDialog(mode, fileName, filter, flags, owner))
        return *chosen;
    return Error(errDialogCancel);
}

Result<quint32> DesktopServices::ColorDialog(quint32 color, int flags, QWidget *owner)
{
    if (const std::optional<quint32> chosen = showColorDialog(color, flags, owner))
        return *chosen;
    return Error(errDialogCancel);
}

int DesktopServices::show(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data)
{
    return help::winHelp(owner, helpFile, command, data);
}

Status DesktopServices::writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                                 const QByteArray &fileName)
{
    const QString path = paths::resolveProfileFile(QString::fromLocal8Bit(fileName));
    // The system folder is ours to create on a first run; any other folder
    // must exist.
    const QFileInfo file(path);
    if (file.absolutePath() == QDir(paths::systemFolder()).absolutePath())
        QDir().mkpath(file.absolutePath());
    return ini::writeProfileString(path, section, key, value);
}

bool DesktopServices::IsFolderWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

PictureLoading DesktopServices::LoadPicture(const QString &path, const QSize &shownSize)
{
    return pictures::load(path, shownSize);
}

void DesktopServices::LoadPictureAhead(const QStringList &paths, const QSize &shownSize)
{
    pictures::loadAhead(paths, shownSize);
}

} // namespace pelk
