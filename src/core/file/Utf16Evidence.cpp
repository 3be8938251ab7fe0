#include "Utf16Evidence.h"

#include "core/Surrogates.h"

Utf16Evidence WeighUtf16(std::string_view bytes, ByteOrder order)
{
    Utf16Evidence evidence;
    if (bytes.empty() || bytes.size() % 2 != 0)
        return evidence;
    const std::size_t unitCount = bytes.size() / 2;
    const auto unitAt = [&bytes, order](std::size_t i) { return Utf16UnitAt(bytes, i, order); };

    for (std::size_t i = 0; i < unitCount; ++i) {
        const char16_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < unitCount && IsLowSurrogate(unitAt(i + 1))) {
            ++evidence.characters;
            ++i;
            continue;
        }
        if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
            return evidence;
        if (unit == 0)
            continue;
        ++evidence.characters;
        if (unit <= 0xFF)
            ++evidence.highByteZero;
        else if ((unit & 0xFF) == 0)
            ++evidence.lowByteZero;
        evidence.lineFeed = evidence.lineFeed || unit == u'\n';
    }
    const char16_t first = unitAt(0);
    evidence.startsWithHighByteZero = first != 0 && first <= 0xFF;
    evidence.wellFormed = true;
    return evidence;
}
