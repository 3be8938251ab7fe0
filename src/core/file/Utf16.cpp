#include "Utf16.h"

#include "core/Surrogates.h"

std::size_t AppendUtf16Bytes(std::string_view bytes, ByteOrder order, std::u16string& text)
{
    const std::size_t unitCount = bytes.size() / 2;
    const auto unitAt = [&bytes, order](std::size_t i) { return Utf16UnitAt(bytes, i, order); };

    std::size_t replaced = 0;
    text.reserve(text.size() + unitCount + 1);
    for (std::size_t i = 0; i < unitCount; ++i) {
        const char16_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < unitCount && IsLowSurrogate(unitAt(i + 1))) {
            text.push_back(unit);
            text.push_back(unitAt(i + 1));
            ++i;
        } else if (IsSurrogate(unit)) {
            text.push_back(REPLACEMENT_CHARACTER);
            ++replaced;
        } else {
            text.push_back(unit);
        }
    }
    if (bytes.size() % 2 != 0) {
        text.push_back(REPLACEMENT_CHARACTER);
        ++replaced;
    }
    return replaced;
}
