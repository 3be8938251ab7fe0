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

// The UTF-8 form of `text`. A surrogate without its partner is written as
// U+FFFD, since it has no UTF-8 form.
std::string Utf16ToUtf8(std::u16string_view text);
