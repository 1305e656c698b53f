#include "qtplatform.h"

#include "paths.h"
#include "help/helpsystem.h"
#include "pictures/pictureloader.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

namespace pelk {

AppInfo QtPlatform::makeAppInfo(const QString &appPath)
{
    AppInfo app;
    app.Title = QStringLiteral("Pelk Tulvane");
    app.Path = QDir::cleanPath(appPath);
    app.HelpFile = QStringLiteral("PelkTulvane.hlp");
    app.Major = 1;
    app.Minor = 0;
    app.Revision = 0;
    return app;
}

QtPlatform::QtPlatform(const QString &appPath) : m_app(makeAppInfo(appPath)) {}

QString QtPlatform::GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultValue)
{
    QSettings settings(paths::settingsFile(appName), QSettings::IniFormat);
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void QtPlatform::SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value)
{
    QSettings settings(paths::settingsFile(appName), QSettings::IniFormat);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

void QtPlatform::ClipboardClear()
{
    QApplication::clipboard()->clear();
}

void QtPlatform::ClipboardSetText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

int QtPlatform::MsgBox(const QString &prompt, int buttons, const QString &title, const QString &, int)
{
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? m_app.Title : title, prompt);
    Q_UNUSED(buttons);
    box.exec();
    return mb::vbOK;
}

QString QtPlatform::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? m_app.Title : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

std::optional<QString> QtPlatform::FileDialog(FileDialogMode mode, const QString &fileName, const QString &, int,
                                              QWidget *owner)
{
    const QString chosen = mode == FileDialogMode::Open ? QFileDialog::getOpenFileName(owner, QString(), fileName)
                                                        : QFileDialog::getSaveFileName(owner, QString(), fileName);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<quint32> QtPlatform::ColorDialog(quint32 color, int, QWidget *owner)
{
    const QColor initial(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return quint32(chosen.red()) | quint32(chosen.green()) << 8 | quint32(chosen.blue()) << 16;
}

int QtPlatform::WinHelpA(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data)
{
    return help::winHelp(owner, helpFile, command, data);
}

bool QtPlatform::WritePrivateProfileStringA(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                                            const QByteArray &fileName)
{
    QSettings ini(paths::resolveProfileFile(QString::fromLatin1(fileName)), QSettings::IniFormat);
    ini.setValue(QString::fromLatin1(section + '/' + key), QString::fromLatin1(value));
    ini.sync();
    return ini.status() == QSettings::NoError;
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
