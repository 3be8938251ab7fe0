#include "Utf8.h"

#include "core/Surrogates.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Appends one code point as one or two units at `out`; returns the end.
char16_t* PutCodePoint(char32_t value, char16_t* out)
{
    if (value < 0x10000) {
        *out++ = static_cast<char16_t>(value);
    } else {
        *out++ = HighSurrogateOf(value);
        *out++ = LowSurrogateOf(value);
    }
    return out;
}

// Feature files are mostly ASCII: where it is only measured or checked, the
// length of a run of it is found four words of eight bytes, or of four
// units, at a time.
constexpr std::uint64_t ASCII_BYTES_MASK = 0x8080808080808080u;
constexpr std::uint64_t ASCII_UNITS_MASK = 0xFF80FF80FF80FF80u;

template <typename Unit, std::uint64_t mask> std::size_t AsciiRun(const Unit* in, const Unit* end)
{
    constexpr std::ptrdiff_t perWord = sizeof(std::uint64_t) / sizeof(Unit);
    const Unit* at = in;
    for (std::uint64_t words[4]; end - at >= 4 * perWord; at += 4 * perWord) {
        std::memcpy(words, at, sizeof words);
        if (((words[0] | words[1] | words[2] | words[3]) & mask) != 0)
            break;
    }
    for (std::uint64_t word; end - at >= perWord; at += perWord) {
        std::memcpy(&word, at, sizeof word);
        if ((word & mask) != 0)
            break;
    }
    while (at < end && *at < 0x80)
        ++at;
    return static_cast<std::size_t>(at - in);
}

// Copies the run of ASCII at `in` to `out`, bytes widened to units or units
// narrowed to bytes, and returns its length. Where the processor allows it,
// sixteen at a time are looked at and copied at once; `out` has room for the
// whole of `in`.
template <typename From, typename To> std::size_t CopyAsciiRun(const From* in, const From* end, To* out)
{
    const From* at = in;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    if constexpr (sizeof(From) == 1 && sizeof(To) == 2) {
        for (; end - at >= 16; at += 16, out += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            if (_mm_movemask_epi8(bytes) != 0)
                break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
        }
    } else if constexpr (sizeof(From) == 2 && sizeof(To) == 1) {
        const __m128i aboveAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
        for (; end - at >= 16; at += 16, out += 16) {
            const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 8));
            const __m128i above = _mm_and_si128(_mm_or_si128(first, second), aboveAscii);
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, zero)) != 0xFFFF)
                break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(first, second));
        }
    }
#endif
    for (; at < end && *at < 0x80; ++at, ++out)
        *out = static_cast<To>(*at);
    return static_cast<std::size_t>(at - in);
}

// Bytes are decoded a slice at a time into a buffer of their own, and the
// text grows by each slice's units: growing it first and writing the units
// into it would have it fill the new room with zeros first.
constexpr std::size_t SLICE_BYTES = 512;

// AppendUtf8AsUtf16 of at most SLICE_BYTES bytes that end where a sequence
// ends, or at the end of all the bytes.
std::size_t AppendSlice(std::string_view bytes, std::u16string& text)
{
    // A character never takes fewer bytes than units, so this is room enough.
    char16_t units[SLICE_BYTES];
    char16_t* out = units;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    std::size_t replaced = 0;
    while (in < end) {
        const std::size_t run = CopyAsciiRun(in, end, out);
        in += run;
        out += run;
        if (in == end)
            break;
        const unsigned char lead = *in;
        const LeadInfo info = InfoForLead(lead);
        if (info.length == 0) {
            *out++ = REPLACEMENT_CHARACTER;
            ++replaced;
            ++in;
            continue;
        }
        char32_t value = lead & (0xFF >> (info.length + 1));
        std::ptrdiff_t taken = 1;
        bool complete = true;
        for (; taken < info.length; ++taken) {
            if (taken >= end - in) {
                complete = false;
                break;
            }
            const unsigned char next = in[taken];
            const bool fits
                = taken == 1 ? (next >= info.secondLow && next <= info.secondHigh) : IsContinuation(next);
            if (!fits) {
                complete = false;
                break;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (complete) {
            out = PutCodePoint(value, out);
        } else {
            *out++ = REPLACEMENT_CHARACTER;
            ++replaced;
        }
        in += taken;
    }
    text.append(units, static_cast<std::size_t>(out - units));
    return replaced;
}

} // namespace

std::size_t AppendUtf8AsUtf16(std::string_view bytes, std::u16string& text)
{
    text.reserve(text.size() + bytes.size());
    std::size_t replaced = 0;
    while (!bytes.empty()) {
        std::size_t length = std::min(bytes.size(), SLICE_BYTES);
        if (length < bytes.size())
            length -= OpenUtf8Sequence(bytes.substr(0, length));
        replaced += AppendSlice(bytes.substr(0, length), text);
        bytes.remove_prefix(length);
    }
    return replaced;
}

bool IsWellFormedUtf8(std::string_view bytes)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        in += AsciiRun<unsigned char, ASCII_BYTES_MASK>(in, end);
        if (in == end)
            break;
        const LeadInfo info = InfoForLead(*in);
        if (info.length == 0 || end - in < info.length || in[1] < info.secondLow || in[1] > info.secondHigh)
            return false;
        for (int taken = 2; taken < info.length; ++taken) {
            if (!IsContinuation(in[taken]))
                return false;
        }
        in += info.length;
    }
    return true;
}

std::size_t OpenUtf8Sequence(std::string_view bytes)
{
    // A sequence is at most four bytes long, so only one of the last three
    // can start a sequence that the bytes end before it is complete.
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if (IsContinuation(byte))
            continue;
        const LeadInfo info = InfoForLead(byte);
        if (static_cast<std::size_t>(info.length) <= back)
            return 0;
        // Bytes after the lead that cannot continue it have cut it already.
        if (back >= 2) {
            const auto second = static_cast<unsigned char>(bytes[size - back + 1]);
            if (second < info.secondLow || second > info.secondHigh)
                return 0;
        }
        return back;
    }
    return 0;
}

std::size_t Utf8Length(std::u16string_view text)
{
    const char16_t* in = text.data();
    const char16_t* const end = in + text.size();
    std::size_t length = 0;
    while (in < end) {
        const std::size_t run = AsciiRun<char16_t, ASCII_UNITS_MASK>(in, end);
        in += run;
        length += run;
        if (in == end)
            break;
        const char32_t unit = *in++;
        if (unit < 0x800) {
            length += 2;
        } else if (IsHighSurrogate(unit) && in < end && IsLowSurrogate(*in)) {
            length += 4;
            ++in;
        } else {
            length += 3; // a lone surrogate too, written as U+FFFD
        }
    }
    return length;
}

char* EncodeUtf8(std::u16string_view text, char* out)
{
    const char16_t* in = text.data();
    const char16_t* const end = in + text.size();
    while (in < end) {
        const std::size_t run = CopyAsciiRun(in, end, out);
        in += run;
        out += run;
        if (in == end)
            break;
        char32_t value = *in++;
        if (IsSurrogate(value)) {
            if (IsHighSurrogate(value) && in < end && IsLowSurrogate(*in))
                value = CombineSurrogates(value, *in++);
            else
                value = REPLACEMENT_CHARACTER;
        }
        out = PutUtf8(value, out);
    }
    return out;
}

void AppendUtf16AsUtf8(std::u16string_view text, std::string& bytes)
{
    const std::size_t oldSize = bytes.size();
    bytes.resize(oldSize + Utf8Length(text));
    EncodeUtf8(text, bytes.data() + oldSize);
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string bytes;
    AppendUtf16AsUtf8(text, bytes);
    return bytes;
}
