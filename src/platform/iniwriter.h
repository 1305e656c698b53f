// Writing one key of an INI file, as registration does.
#pragma once

#include "error.h"

#include <QByteArray>

namespace pelk {

class IniWriter {
public:
    virtual ~IniWriter() = default;
    // Sets one key; a bare file name means the file in the system folder.
    // Throws Error, with the file as it was, when it could not be written.
    virtual void writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                          const QByteArray &fileName) = 0;
};

} // namespace pelk
