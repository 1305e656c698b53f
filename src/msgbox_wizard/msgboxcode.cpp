#include "msgboxcode.h"

#include "text/numberreading.h"
#include "text/sourcetext.h"

#include <cmath>

namespace pelk::msgbox_code {

namespace {

const QChar kCR = QLatin1Char('\r');

// A number as the generated code writes it: whole numbers without a point,
// others with up to 15 significant digits and an upper-case exponent.
QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::floor(value) == value && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15).toUpper();
}

} // namespace

bool isTooLong(const QString &message)
{
    return message.size() > kMaxMessageLength;
}

QString buttonSetName(int buttonSet)
{
    static const char *const names[] = {"vbOKOnly",      "vbOKCancel", "vbAbortRetryIgnore",
                                         "vbYesNoCancel", "vbYesNo",    "vbRetryCancel"};
    return buttonSet >= 0 && buttonSet < 6 ? QLatin1String(names[buttonSet]) : QString();
}

QString defaultButtonName(int position)
{
    return QStringLiteral("vbDefaultButton%1").arg(position + 1);
}

QString responseComment(int buttonSet)
{
    switch (buttonSet) {
    case 1: return QStringLiteral("Responce 1 = vbOk,  2= vbCancel ");
    case 2: return QStringLiteral("Responce  3 = vbAbort, 4 = vbRetry, 5=vbIgnore");
    case 3: return QStringLiteral("Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel");
    case 4: return QStringLiteral("Responce 6 = vbYes, 7 = vbNo");
    case 5: return QStringLiteral("Responce 4 = vbRetry, 2 = Cancel");
    default: return QString();
    }
}

QString msgBoxCode(const QString &message, const QString &buttonsArgument, const QString &title, int buttonSet)
{
    QString code = buttonSet == 0 ? QStringLiteral("MsgBox   ") : QStringLiteral("MsgBoxResult = MsgBox  ( ");
    code += messageLiteral(message);
    code += QLatin1Char(',') + buttonsArgument;
    if (!title.isEmpty())
        code += QLatin1Char(',') + stringLiteral(title);
    return code;
}

QString contextText(const QString &text)
{
    return numberText(leadingNumber(text));
}

QString copyEnding(bool helpButton, bool codeHasTitle, const QString &contextText, int buttonSet)
{
    QString ending;
    if (helpButton)
        ending += (codeHasTitle ? QStringLiteral(",") : QStringLiteral(",,")) + QStringLiteral("App.HelpFile,")
            + contextText;
    if (buttonSet != 0)
        ending += QLatin1Char(')') + kCR + QStringLiteral("Rem ") + responseComment(buttonSet);
    return ending;
}

} // namespace pelk::msgbox_code
