// The recording platform for tests: scripts the answers of boxes and dialogs
// and records every call with all its arguments, so a test can assert the
// exact prompt, buttons, title, help file and context of every box.
#pragma once

#include "platform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace pelk {

class FakePlatform : public Platform {
public:
    struct MsgBoxCall {
        QString prompt;
        int buttons = 0;
        QString title;
        QString helpFile;
        int context = 0;
    };
    struct InputBoxCall {
        QString prompt;
        QString title;
        QString defaultText;
    };
    struct FileDialogCall {
        FileDialogMode mode;
        QString fileName;
        QString filter;
        int flags = 0;
    };
    struct ColorDialogCall {
        quint32 color = 0;
        int flags = 0;
    };
    struct HelpCall {
        QString helpFile;
        unsigned command = 0;
        QVariant data;
    };
    struct ProfileWrite {
        QByteArray section, key, value, fileName;
    };
    struct SettingWrite {
        QString appName, section, key, value;
    };

    FakePlatform();

    AppInfo app;
    const AppInfo &App() const override { return app; }

    // Settings: an in-memory store, keyed "app/section/key", and every write.
    // With saveSettingError set, SaveSetting throws it and keeps nothing.
    QMap<QString, QString> settings;
    QList<SettingWrite> settingWrites;
    std::optional<Error> saveSettingError;
    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) override;
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &value) override;
    // Reads back what the store holds, or a null string.
    QString setting(const QString &section, const QString &key) const;

    // Clipboard: its text, and every operation ("clear" or "set:<text>").
    QString clipboard;
    QStringList clipboardLog;
    void ClipboardClear() override;
    void ClipboardSetText(const QString &text) override;

    // Boxes: answers are taken from the queues; an empty queue answers the
    // first button of the set (MsgBox) or the default text (InputBox).
    QList<MsgBoxCall> msgBoxes;
    QQueue<int> msgBoxAnswers;
    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
               int context) override;
    QList<InputBoxCall> inputBoxes;
    QQueue<QString> inputBoxAnswers;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;

    // Dialogs: an answer of nullopt is a cancel; an empty queue cancels.
    QList<FileDialogCall> fileDialogs;
    QQueue<std::optional<QString>> fileDialogAnswers;
    std::optional<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                                      QWidget *owner) override;
    QList<ColorDialogCall> colorDialogs;
    QQueue<std::optional<quint32>> colorDialogAnswers;
    std::optional<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) override;

    QList<HelpCall> helpCalls;
    int WinHelpA(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) override;

    // Every call is recorded; with profileWriteError set, it then throws it.
    QList<ProfileWrite> profileWrites;
    std::optional<Error> profileWriteError;
    void WritePrivateProfileStringA(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                                    const QByteArray &fileName) override;

    // Whether folders can be written: the program's folder included, though
    // the fake's one does not exist.
    bool foldersWritable = true;
    QStringList writableChecks;
    bool IsFolderWritable(const QString &folder) override;

    // Pictures: by default decoded by `pictureLoader` (set it to the real
    // decoder in tests that need real formats); every request is recorded.
    QStringList pictureLoads;
    QList<QSize> pictureSizes;
    std::function<Picture(const QString &, const QSize &)> pictureLoader;
    Picture LoadPicture(const QString &path, const QSize &shownSize) override;
};

} // namespace pelk
