#include "msgboxstyle.h"

#include "appinfo.h"
#include "boxes.h"

namespace pelk {

namespace {

const MsgBoxButton okButton{QStringLiteral("OK"), mb::vbOK};
const MsgBoxButton cancelButton{QStringLiteral("Cancel"), mb::vbCancel};
const MsgBoxButton abortButton{QStringLiteral("&Abort"), mb::vbAbort};
const MsgBoxButton retryButton{QStringLiteral("&Retry"), mb::vbRetry};
const MsgBoxButton ignoreButton{QStringLiteral("&Ignore"), mb::vbIgnore};
const MsgBoxButton yesButton{QStringLiteral("&Yes"), mb::vbYes};
const MsgBoxButton noButton{QStringLiteral("&No"), mb::vbNo};
const MsgBoxButton helpButton{QStringLiteral("Help"), 0};

QList<MsgBoxButton> buttonSet(int set)
{
    switch (set) {
    case mb::vbOKCancel: return {okButton, cancelButton};
    case mb::vbAbortRetryIgnore: return {abortButton, retryButton, ignoreButton};
    case mb::vbYesNoCancel: return {yesButton, noButton, cancelButton};
    case mb::vbYesNo: return {yesButton, noButton};
    case mb::vbRetryCancel: return {retryButton, cancelButton};
    default: return {okButton};
    }
}

MsgBoxIcon icon(int value)
{
    switch (value) {
    case mb::vbCritical: return MsgBoxIcon::Critical;
    case mb::vbQuestion: return MsgBoxIcon::Question;
    case mb::vbExclamation: return MsgBoxIcon::Exclamation;
    case mb::vbInformation: return MsgBoxIcon::Information;
    default: return MsgBoxIcon::None;
    }
}

} // namespace

MsgBoxStyle msgBoxStyle(int buttons)
{
    MsgBoxStyle style;
    style.buttons = buttonSet(buttons & 0x7);
    if (style.buttons.contains(cancelButton))
        style.escapeResult = mb::vbCancel;
    else if (style.buttons.size() == 1)
        style.escapeResult = mb::vbOK;
    if (buttons & mb::vbMsgBoxHelpButton)
        style.buttons.append(helpButton);

    const int defaultPosition = (buttons & 0xF00) >> 8;
    style.defaultIndex = defaultPosition < style.buttons.size() ? defaultPosition : 0;

    style.icon = icon(buttons & 0xF0);
    style.systemModal = (buttons & mb::vbSystemModal) != 0;
    style.foreground = (buttons & mb::vbMsgBoxSetForeground) != 0;
    return style;
}

QString msgBoxHelpFile(const AppInfo &app, const QString &helpFile)
{
    if (helpFile.isEmpty())
        return QString();
    if (helpFile.contains(QLatin1Char('/')) || helpFile.contains(QLatin1Char('\\')))
        return helpFile;
    return app.Path + QLatin1Char('/') + helpFile;
}

} // namespace pelk
