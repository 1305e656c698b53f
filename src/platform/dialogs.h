// The modal file and colour dialogs.
#pragma once

#include "result.h"

#include <QString>

class QWidget;

namespace pelk {

enum class FileDialogMode { Open, Save };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen file's full path, or errDialogCancel when the user
    // cancelled. `filter` is "description|pattern" pairs joined by "|".
    virtual Result<QString> FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                              int flags, QWidget *owner) = 0;
    // `color` and the answer are red + 256 * green + 65536 * blue;
    // errDialogCancel when the user cancelled.
    virtual Result<quint32> ColorDialog(quint32 color, int flags, QWidget *owner) = 0;
    // Whether the user can create files in `folder`, so a Save dialog can
    // propose it (an installed program's folder usually is not theirs).
    virtual bool IsFolderWritable(const QString &folder) = 0;
};

} // namespace pelk
