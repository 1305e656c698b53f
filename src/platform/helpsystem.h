// The help viewer as the tools see it.
#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace pelk {

// Help commands.
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

class HelpSystem {
public:
    virtual ~HelpSystem() = default;
    // Opens the help viewer: `command` is one of help::*, `data` a context
    // number or a key. A missing help file is reported by the viewer itself.
    // 1 when the request was shown, else 0.
    virtual int show(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data) = 0;
};

} // namespace pelk
