// The settings store as the tools see it: string values under
// (application, section, key).
#pragma once

#include "result.h"

#include <QString>

namespace pelk {

class Settings {
public:
    virtual ~Settings() = default;
    virtual QString GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultValue = QString()) = 0;
    // On disk when it returns; the error, with nothing changed on disk, when
    // the value cannot be kept.
    virtual Status SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value) = 0;
};

} // namespace pelk
