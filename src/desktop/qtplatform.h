// The platform services as users run them, on Qt.
#pragma once

#include "platform/platform.h"

namespace pelk {

class QtPlatform : public Platform {
public:
    // `appPath` is the program's folder (where the module and the help file are).
    explicit QtPlatform(const QString &appPath);

    const AppInfo &App() const override { return m_app; }

    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) override;
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &value) override;

    void ClipboardClear() override;
    void ClipboardSetText(const QString &text) override;

    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
               int context) override;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;

    std::optional<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                                      QWidget *owner) override;
    std::optional<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) override;

    int WinHelpA(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) override;

    void WritePrivateProfileStringA(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                                    const QByteArray &fileName) override;
    bool IsFolderWritable(const QString &folder) override;

    Picture LoadPicture(const QString &path, const QSize &shownSize) override;
    void LoadPictureAhead(const QStringList &paths, const QSize &shownSize) override;

    // The application information every part of the add-in reads.
    static AppInfo makeAppInfo(const QString &appPath);

private:
    AppInfo m_app;
};

} // namespace pelk
