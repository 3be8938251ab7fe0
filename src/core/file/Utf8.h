#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 <-> UTF-16 by hand, so that bad input is handled the same way on every
// platform and no locale is ever consulted.

// Appends the UTF-16 form of `bytes` to `text`. Each ill-formed sequence becomes
// one U+FFFD, following the "maximal subpart" practice: a sequence is cut at the
// first byte that cannot continue it, and that byte starts the next attempt.
// Overlong forms, surrogates and values above U+10FFFF are ill-formed. Zero
// bytes are ordinary characters. Returns the number of replacements made.
std::size_t AppendUtf8AsUtf16(std::string_view bytes, std::u16string& text);

// Whether `bytes` is well-formed UTF-8 throughout, so that AppendUtf8AsUtf16
// would make no replacement in it.
bool IsWellFormedUtf8(std::string_view bytes);

// How many bytes of `bytes` at its end begin a sequence that is not complete
// yet but that the bytes after them could complete (0 to 3). Text read piece
// by piece keeps these for the next piece: decoding the pieces so cut gives
// what decoding all the bytes at once gives.
std::size_t OpenUtf8Sequence(std::string_view bytes);

// The UTF-8 form of `text`. A surrogate without its partner is written as
// U+FFFD, since it has no UTF-8 form.
std::string Utf16ToUtf8(std::u16string_view text);
void AppendUtf16AsUtf8(std::u16string_view text, std::string& bytes);

// The same in two steps, for output written piece by piece: the number of
// bytes of the UTF-8 form, and that form written at `out`, which has room
// for them; returns the end of what it wrote. Three bytes per unit are
// always room enough. A piece should not end between the two halves of a
// surrogate pair, which would each become U+FFFD.
std::size_t Utf8Length(std::u16string_view text);
char* EncodeUtf8(std::u16string_view text, char* out);
