// Writing one key of an INI file, as registration does.
#pragma once

#include "result.h"

#include <QByteArray>

namespace pelk {

class IniWriter {
public:
    virtual ~IniWriter() = default;
    // Sets one key; a bare file name means the file in the system folder.
    // The error, with the file as it was, when it could not be written.
    virtual Status writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                          const QByteArray &fileName) = 0;
};

} // namespace pelk
