#include "platform/eml/ExtractAddresses.h"

#include <cstddef>
#include <cstdint>

// The first byte picks the limit, the rest is the header text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int limit = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString result = Eml::ExtractAddresses(limit, text, [](const QString &) {});
    if (text.contains(QLatin1Char('<')) && result.size() > limit)
        __builtin_trap();
    return 0;
}
