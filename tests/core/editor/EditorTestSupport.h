#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

// Lines joined by CR LF, as the editor gives its whole text out; no break
// after the last one.
inline std::u16string Crlf(std::initializer_list<std::u16string_view> lines)
{
    std::u16string text;
    bool first = true;
    for (std::u16string_view line : lines) {
        if (!first)
            text += u"\r\n";
        text += line;
        first = false;
    }
    return text;
}

// The tables of `text`, fully analysed against the current language.
inline LineAnalysis Analysed(const std::u16string& text)
{
    LineAnalysis analysis;
    analysis.AnalyseAll(TextLineSource(text));
    return analysis;
}

// The program starts with no language selected; tests that need that state
// set it back explicitly.
inline void ForgetLanguage()
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
}

// The corpus and benchmark files are valid UTF-8; the tests of the editor's
// rules need no more than a plain decoder for them.
inline std::u16string Utf8ToUtf16(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < bytes.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        i += extra + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(c));
        }
    }
    return text;
}

inline std::u16string ReadFeatureFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Utf8ToUtf16(bytes);
}
