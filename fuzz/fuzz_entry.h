#pragma once

// The entry every fuzz target shares: its check gets the bytes, and a fault
// it reports stops the run so libFuzzer keeps the input that caused it.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline int runFuzzCheck(const uint8_t *data, size_t size, QString (*check)(const QByteArray &))
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString fault = check(bytes);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
