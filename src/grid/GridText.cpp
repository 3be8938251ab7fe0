#include "grid/GridText.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char16_t FIRST_PRINTABLE_ASCII = 0x20;
constexpr char16_t LAST_PRINTABLE_ASCII = 0x7E;

} // namespace

void GridTextArena::Renew()
{
    m_chars = QString(ROOM, Qt::Uninitialized);
    m_room = reinterpret_cast<char16_t*>(m_chars.data());
    m_used = 0;
}

bool GridText::SameUnits(const char16_t* a, const char16_t* b, qsizetype size)
{
#if defined(__SSE2__)
    // As CopyUnits reads them.
    if (size >= 4) {
        const auto load
            = [](const char16_t* units) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(units)); };
        __m128i same = _mm_set1_epi8(-1);
        if (size >= 8) {
            for (qsizetype i = 0; i + 8 < size; i += 8)
                same = _mm_and_si128(same, _mm_cmpeq_epi16(load(a + i), load(b + i)));
            same = _mm_and_si128(same, _mm_cmpeq_epi16(load(a + size - 8), load(b + size - 8)));
        } else {
            const auto four = [](const char16_t* units, qsizetype size) {
                return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(units)),
                    _mm_loadl_epi64(reinterpret_cast<const __m128i*>(units + size - 4)));
            };
            same = _mm_cmpeq_epi16(four(a, size), four(b, size));
        }
        return _mm_movemask_epi8(same) == 0xFFFF;
    }
#endif
    for (qsizetype i = 0; i < size; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

bool GridTextArena::CopyUnits(char16_t* to, const char16_t* from, qsizetype size)
{
#if defined(__SSE2__)
    // Eight units at a time (four for a text shorter than eight), the last
    // ones overlapping those before them. As signed numbers, units from U+8000
    // on are below the first printable character.
    if (size >= 4) {
        const __m128i first = _mm_set1_epi16(FIRST_PRINTABLE_ASCII);
        const __m128i last = _mm_set1_epi16(LAST_PRINTABLE_ASCII);
        __m128i outside = _mm_setzero_si128();
        const auto check = [&](__m128i units) {
            outside = _mm_or_si128(
                outside, _mm_or_si128(_mm_cmplt_epi16(units, first), _mm_cmpgt_epi16(units, last)));
        };
        if (size >= 8) {
            for (qsizetype i = 0; i + 8 < size; i += 8) {
                const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), units);
                check(units);
            }
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size - 8));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size - 8), units);
            check(units);
        } else {
            const __m128i head = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
            const __m128i tail = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + size - 4));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to), head);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to + size - 4), tail);
            check(_mm_unpacklo_epi64(head, tail));
        }
        return _mm_movemask_epi8(outside) == 0;
    }
#endif
    bool printable = true;
    for (qsizetype i = 0; i < size; ++i) {
        to[i] = from[i];
        printable &= from[i] >= FIRST_PRINTABLE_ASCII && from[i] <= LAST_PRINTABLE_ASCII;
    }
    return printable;
}
