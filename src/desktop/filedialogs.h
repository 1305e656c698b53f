// The file and colour dialogs behind CommonDialog: Qt's own widget dialogs,
// so they look and work the same on every desktop.
#pragma once

#include "platform/dialogs.h"

#include <memory>
#include <optional>

class QColorDialog;
class QFileDialog;

namespace pelk {

// Flags the dialogs honour.
namespace dialogflags {
enum : int {
    ColorInitial = 0x1,      // the colour dialog starts at the given colour
    OverwritePrompt = 0x2,   // Save asks before replacing an existing file
};
} // namespace dialogflags

// A file dialog set up for `mode`: the filter's name filters, the folder and
// name proposed by `fileName`.
std::unique_ptr<QFileDialog> makeFileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                            int flags, QWidget *owner);
// Shows it modally; the chosen file's full path, or nullopt on Cancel.
std::optional<QString> showFileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                                      QWidget *owner);

// A colour dialog; `color` is red + 256 * green + 65536 * blue.
std::unique_ptr<QColorDialog> makeColorDialog(quint32 color, int flags, QWidget *owner);
std::optional<quint32> showColorDialog(quint32 color, int flags, QWidget *owner);

} // namespace pelk
