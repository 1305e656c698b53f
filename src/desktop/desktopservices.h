// The services as users run them, on Qt: each small interface carried out
// by the room that does the work (the settings store, the boxes, the
// dialogs, the help viewer, picture decoding, the INI writer).
#pragma once

#include "platform/services.h"

namespace pelk {

class DesktopServices final : public Settings,
                              public Clipboard,
                              public Boxes,
                              public Dialogs,
                              public HelpSystem,
                              public Pictures,
                              public IniWriter {
public:
    // `programFolder` is where the module and the help file are.
    explicit DesktopServices(const QString &programFolder);

    const AppInfo &app() const { return m_app; }
    Services services() { return {m_app, *this, *this, *this, *this, *this, *this, *this}; }

    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) override;
    Status SaveSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &value) override;

    void ClipboardClear() override;
    void ClipboardSetText(const QString &text) override;

    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
               int context) override;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;

    Result<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                               QWidget *owner) override;
    Result<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) override;
    bool IsFolderWritable(const QString &folder) override;

    int show(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) override;

    PictureLoading LoadPicture(const QString &path, const QSize &shownSize) override;
    void LoadPictureAhead(const QStringList &paths, const QSize &shownSize) override;

    Status writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                    const QByteArray &fileName) override;

private:
    AppInfo m_app;
};

} // namespace pelk
