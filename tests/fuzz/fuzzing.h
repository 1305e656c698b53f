// What every fuzz target shares: a property check that stops the run with
// the input kept, and an input read as fields. A target is a libFuzzer
// entry point (LLVMFuzzerTestOneInput); built without libFuzzer it replays
// the files it is given (replay_main.cpp).
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pelk::fuzz {

[[noreturn]] inline void propertyFailed(const char *property, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n%s\n", file, line, property, qUtf8Printable(detail));
    std::abort();
}

// The input as `count` fields split at the unit separator (0x1F), the last
// taking the rest, separators included; missing fields are empty. Seeds stay
// readable text.
inline QByteArrayList fields(const uint8_t *data, size_t size, int count)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArrayList parts;
    qsizetype from = 0;
    while (parts.size() < count - 1) {
        const qsizetype at = input.indexOf('\x1F', from);
        if (at < 0)
            break;
        parts << input.mid(from, at - from);
        from = at + 1;
    }
    parts << input.mid(from);
    while (parts.size() < count)
        parts << QByteArray();
    return parts;
}

} // namespace pelk::fuzz

#define FUZZ_CHECK(property, detail)                                                                                   \
    do {                                                                                                               \
        if (!(property))                                                                                               \
            ::pelk::fuzz::propertyFailed(#property, __FILE__, __LINE__, (detail));                                     \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
