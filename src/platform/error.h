// The one error type of the platform services: a number and a description,
// thrown by every failing operation (a dialog's cancel included).
#pragma once

#include <QString>

#include <stdexcept>

namespace pelk {

// Error numbers the tools tell apart.
enum ErrorNumber {
    errInvalidProcedureCall = 5,
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errTypeMismatch = 13,
    errBadFileNameOrNumber = 52,
    errFileNotFound = 53,
    errDiskFull = 61,
    errDeviceUnavailable = 68,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errObjectNotSet = 91,
    errInvalidPicture = 481,
    errDialogCancel = 32755,
};

class Error : public std::runtime_error {
public:
    Error(int number, const QString &description);
    // An error with the platform's standard description of that number.
    explicit Error(int number);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }

    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
};

// A file operation on `path` that failed with the system's error code
// `systemError` (errno): the number tells apart what a user can mend (no
// such file or folder, no access, a full disk), the description names the
// file after the standard text.
Error fileError(int systemError, const QString &path);
// The number alone.
int fileErrorNumber(int systemError);

} // namespace pelk
