#pragma once

// Cucumber trims, splits and indents lines by what JavaScript counts as white
// space (its \s and trim()): the ASCII blanks and line breaks, the form feed
// and the vertical tab, the no-break spaces, the Unicode space separators and
// the byte-order mark. The classifier trims only the blank and the tab; this
// wider set is for where the editor must read a line as Cucumber does.
constexpr bool IsCucumberSpace(char16_t c)
{
    if (c <= 0x20)
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    if (c < 0xA0)
        return false;
    return c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029
        || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}
