// The clipboard the tools copy their texts to.
#pragma once

#include <QString>

namespace pelk {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const QString &text) = 0;
};

} // namespace pelk
