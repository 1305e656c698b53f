#include "error.h"

#include <cerrno>

namespace pelk {

Error::Error(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

Error::Error(int number) : Error(number, standardDescription(number)) {}

QString Error::standardDescription(int number)
{
    switch (number) {
    case errInvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case errOverflow: return QStringLiteral("Overflow");
    case errSubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case errTypeMismatch: return QStringLiteral("Type mismatch");
    case errBadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case errFileNotFound: return QStringLiteral("File not found");
    case errDiskFull: return QStringLiteral("Disk full");
    case errDeviceUnavailable: return QStringLiteral("Device unavailable");
    case errPermissionDenied: return QStringLiteral("Permission denied");
    case errPathFileAccess: return QStringLiteral("Path/File access error");
    case errPathNotFound: return QStringLiteral("Path not found");
    case errObjectNotSet: return QStringLiteral("Object variable or With block variable not set");
    case errInvalidPicture: return QStringLiteral("Invalid picture");
    case errDialogCancel: return QStringLiteral("Cancel was selected.");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

int fileErrorNumber(int systemError)
{
    switch (systemError) {
    case ENOENT: return errFileNotFound;
    case ENOTDIR: return errPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return errPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return errDiskFull;
    default: return errPathFileAccess;
    }
}

Error fileError(int systemError, const QString &path)
{
    const int number = fileErrorNumber(systemError);
    return Error(number, Error::standardDescription(number) + QLatin1String(": ") + path);
}

} // namespace pelk
