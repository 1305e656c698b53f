#include "utf8text.h"

#include <QStringDecoder>

namespace pelk {

namespace {

// Stateless: a sequence cut off at the end counts as invalid too.
QStringDecoder exactDecoder()
{
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

} // namespace

QString utf8Text(QByteArrayView bytes)
{
    QStringDecoder decoder = exactDecoder();
    return decoder.decode(bytes);
}

std::optional<QString> validUtf8Text(QByteArrayView bytes)
{
    QStringDecoder decoder = exactDecoder();
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace pelk
