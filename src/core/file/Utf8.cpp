#include "Utf8.h"

#include "core/Surrogates.h"

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The range the second byte of a sequence must fall in; it is narrower than a
// plain continuation byte for the lead bytes that could otherwise start an
// overlong form (E0, F0), a surrogate (ED) or a value above U+10FFFF (F4).
struct LeadInfo {
    int length; // 0: this byte can never start a sequence
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadInfo InfoForLead(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return { 2, 0x80, 0xBF };
    if (lead == 0xE0)
        return { 3, 0xA0, 0xBF };
    if (lead == 0xED)
        return { 3, 0x80, 0x9F };
    if (lead >= 0xE1 && lead <= 0xEF)
        return { 3, 0x80, 0xBF };
    if (lead == 0xF0)
        return { 4, 0x90, 0xBF };
    if (lead == 0xF4)
        return { 4, 0x80, 0x8F };
    if (lead >= 0xF1 && lead <= 0xF3)
        return { 4, 0x80, 0xBF };
    return { 0, 0, 0 };
}

void AppendCodePoint(char32_t value, std::u16string& text)
{
    if (value < 0x10000) {
        text.push_back(static_cast<char16_t>(value));
    } else {
        text.push_back(HighSurrogateOf(value));
        text.push_back(LowSurrogateOf(value));
    }
}

} // namespace

std::size_t AppendUtf8AsUtf16(std::string_view bytes, std::u16string& text)
{
    std::size_t replaced = 0;
    const std::size_t size = bytes.size();
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    text.reserve(text.size() + size);

    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        const LeadInfo info = InfoForLead(lead);
        if (info.length == 0) {
            text.push_back(REPLACEMENT_CHARACTER);
            ++replaced;
            ++i;
            continue;
        }
        char32_t value = lead & (0xFF >> (info.length + 1));
        std::size_t taken = 1;
        bool complete = true;
        for (; taken < static_cast<std::size_t>(info.length); ++taken) {
            if (i + taken >= size) {
                complete = false;
                break;
            }
            const unsigned char next = at(i + taken);
            const bool fits
                = taken == 1 ? (next >= info.secondLow && next <= info.secondHigh) : IsContinuation(next);
            if (!fits) {
                complete = false;
                break;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (complete) {
            AppendCodePoint(value, text);
        } else {
            text.push_back(REPLACEMENT_CHARACTER);
            ++replaced;
        }
        i += taken;
    }
    return replaced;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 2);
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        char32_t value = text[i];
        if (value < 0x80) {
            bytes.push_back(static_cast<char>(value));
            continue;
        }
        if (IsSurrogate(value)) {
            if (IsHighSurrogate(value) && i + 1 < size && IsLowSurrogate(text[i + 1])) {
                value = CombineSurrogates(value, text[++i]);
            } else {
                value = REPLACEMENT_CHARACTER;
            }
        }
        if (value < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (value >> 6)));
        } else if (value < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (value >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (value >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        }
        bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    }
    return bytes;
}
