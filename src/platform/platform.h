// Platform services: the only way the tools reach the desktop. The Qt
// implementation (QtPlatform) is the one users run; tests use the recording
// fake (FakePlatform), which scripts answers and records every call.
#pragma once

#include "error.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class QWidget;
template <typename T>
class QFuture;

namespace pelk {

// Read-only facts of the running application.
struct AppInfo {
    QString Title;    // "Pelk Tulvane": also the application name of every setting
    QString Path;     // the program's folder, without a trailing separator
    QString HelpFile; // "PelkTulvane.hlp"
    int Major = 1;
    int Minor = 0;
    int Revision = 0;

    // Path + separator + HelpFile: the path the help commands open.
    QString helpFilePath() const;
};

// Message box `buttons` values: one set, one icon, one default button, one
// modality, and the two flags, added together.
namespace mb {
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbDefaultButton4 = 768,
    vbApplicationModal = 0,
    vbSystemModal = 4096,
    vbMsgBoxHelpButton = 16384,
    vbMsgBoxSetForeground = 65536,
};
// Results.
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
} // namespace mb

// WinHelpA commands.
namespace help {
enum : unsigned {
    HELP_CONTEXT = 1,
    HELP_QUIT = 2,
    HELP_CONTENTS = 3,
    HELP_HELPONHELP = 4,
    HELP_CONTEXTPOPUP = 8,
    HELP_FINDER = 11,
    HELP_TAB = 15,
    HELP_KEY = 257,
    HELP_PARTIALKEY = 261,
};
} // namespace help

enum class FileDialogMode { Open, Save };

// A decoded picture. `image` is decoded no larger than it was asked for;
// `fullSize` is the picture's own size, so a larger view can ask again.
struct Picture {
    QString path;
    QImage image;
    QSize fullSize;
    // Set instead of `image` while the picture is still being decoded ahead
    // on a worker thread: it delivers the picture, or a null one when the
    // file proves unreadable. An image box shows it when it lands.
    std::shared_ptr<const QFuture<Picture>> arriving;
    bool isNull() const { return image.isNull(); }
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual const AppInfo &App() const = 0;

    // Settings store: string values under (application, section, key).
    // SaveSetting is on disk when it returns; it throws Error, with nothing
    // changed on disk, when the value cannot be kept.
    virtual QString GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultValue = QString()) = 0;
    virtual void SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value) = 0;

    // Clipboard.
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const QString &text) = 0;

    // Modal boxes. An empty title shows the application title. CR LF, CR and
    // LF in a prompt each start a new line. MsgBox returns mb::vbOK..vbNo;
    // InputBox returns the text typed, or an empty string on Cancel.
    virtual int MsgBox(const QString &prompt, int buttons = 0, const QString &title = QString(),
                       const QString &helpFile = QString(), int context = 0) = 0;
    virtual QString InputBox(const QString &prompt, const QString &title = QString(),
                             const QString &defaultText = QString()) = 0;

    // File and colour dialogs, modal. nullopt means the user cancelled.
    // `filter` is "description|pattern" pairs joined by "|".
    virtual std::optional<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                              int flags, QWidget *owner) = 0;
    virtual std::optional<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) = 0;

    // Opens the help viewer: `command` is one of help::*, `data` a context
    // number or a key. A missing help file is reported by the viewer itself.
    virtual int WinHelpA(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) = 0;

    // Writes one key of an INI file; a bare file name means the file in the
    // system folder. Throws Error, with the file as it was, when it could not
    // be written.
    virtual void WritePrivateProfileStringA(const QByteArray &section, const QByteArray &key,
                                            const QByteArray &value, const QByteArray &fileName) = 0;

    // Whether the user can create files in `folder` (an installed program's
    // folder usually is not theirs to write).
    virtual bool IsFolderWritable(const QString &folder) = 0;

    // Reads the picture at `path`, decoded no larger than needed to fill
    // `shownSize` (an empty size means full size). Throws Error when the file
    // is missing or is not a readable picture; never crashes or hangs. A
    // picture already being decoded ahead is returned at once as arriving,
    // so the caller never waits for a worker.
    virtual Picture LoadPicture(const QString &path, const QSize &shownSize = QSize()) = 0;
    // A hint that these pictures are likely to be asked for next, at this size.
    virtual void LoadPictureAhead(const QStringList &paths, const QSize &shownSize)
    {
        Q_UNUSED(paths);
        Q_UNUSED(shownSize);
    }
};

} // namespace pelk
