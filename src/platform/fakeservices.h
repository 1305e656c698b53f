// The recording fakes of the services, for tests: each scripts its answers
// and records every call with all its arguments, so a test can assert the
// exact prompt, buttons, title, help file and context of every box.
// FakeServices holds them all, for a test that drives a whole window.
#pragma once

#include "error.h"
#include "services.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace pelk {

// An in-memory store, keyed "app/section/key", and every write. With
// saveSettingError set, SaveSetting answers it and keeps nothing.
class FakeSettings : public Settings {
public:
    struct SettingWrite {
        QString appName, section, key, value;
    };
    QMap<QString, QString> settings;
    QList<SettingWrite> settingWrites;
    std::optional<Error> saveSettingError;
    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) override;
    Status SaveSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &value) override;
    // Reads back what the store holds for the application, or a null string.
    QString setting(const QString &section, const QString &key) const;
};

// The clipboard's text, and every operation ("clear" or "set:<text>").
class FakeClipboard : public Clipboard {
public:
    QString clipboard;
    QStringList clipboardLog;
    void ClipboardClear() override;
    void ClipboardSetText(const QString &text) override;
};

// Answers are taken from the queues; an empty queue answers the first button
// of the set (MsgBox) or the default text (InputBox).
class FakeBoxes : public Boxes {
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
    QList<MsgBoxCall> msgBoxes;
    QQueue<int> msgBoxAnswers;
    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
               int context) override;
    QList<InputBoxCall> inputBoxes;
    QQueue<QString> inputBoxAnswers;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
};

// An answer of nullopt is a cancel; an empty queue cancels. Folders are
// writable (the program's folder included, though the fake's one does not
// exist) unless foldersWritable is cleared.
class FakeDialogs : public Dialogs {
public:
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
    QList<FileDialogCall> fileDialogs;
    QQueue<std::optional<QString>> fileDialogAnswers;
    Result<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                               QWidget *owner) override;
    QList<ColorDialogCall> colorDialogs;
    QQueue<std::optional<quint32>> colorDialogAnswers;
    Result<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) override;
    bool foldersWritable = true;
    QStringList writableChecks;
    bool IsFolderWritable(const QString &folder) override;
};

class FakeHelp : public HelpSystem {
public:
    struct HelpCall {
        QString helpFile;
        unsigned command = 0;
        QVariant data;
    };
    QList<HelpCall> helpCalls;
    int show(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) override;
};

// Every call is recorded; with profileWriteError set, it then answers it.
class FakeIniWriter : public IniWriter {
public:
    struct ProfileWrite {
        QByteArray section, key, value, fileName;
    };
    QList<ProfileWrite> profileWrites;
    std::optional<Error> profileWriteError;
    Status writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                    const QByteArray &fileName) override;
};

// Pictures decoded by `pictureLoader` (set it to the real decoder in tests
// that need real formats), else by QImage; every request is recorded.
class FakePictures : public Pictures {
public:
    QStringList pictureLoads;
    QList<QSize> pictureSizes;
    std::function<PictureLoading(const QString &, const QSize &)> pictureLoader;
    PictureLoading LoadPicture(const QString &path, const QSize &shownSize) override;
    void LoadPictureAhead(const QStringList &, const QSize &) override {}
};

class FakeServices : public FakeSettings,
                     public FakeClipboard,
                     public FakeBoxes,
                     public FakeDialogs,
                     public FakeHelp,
                     public FakeIniWriter,
                     public FakePictures {
public:
    FakeServices();
    AppInfo app;
    Services services() { return {app, *this, *this, *this, *this, *this, *this, *this}; }
    operator Services() { return services(); }
};

} // namespace pelk
