#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

// Lines joined by CR LF, as the editor gives its whole text out; no break after the last one.
inline std::u16string Crlf(const std::vector<std::u16string_view>& lines)
{
    std::u16string text;
    for (std::u16string_view line : lines)
        (text += line) += u"\r\n";
    return text.substr(0, text.size() - (text.empty() ? 0 : 2));
}

// The tables of `text`, analysed in `language` up to `limit` lines.
inline LineAnalysis Analysed(
    const std::u16string& text, int limit = MAX_ANALYSED_LINES, const Language& language = LanguageOf(u"en"))
{
    LineAnalysis analysis;
    analysis.maxAnalysedLines = limit;
    analysis.AnalyseAll(language, TextLineSource(text));
    return analysis;
}

// Tests that read Gherkin in English.
class English : public ::testing::Test {
protected:
    const Language english = LanguageOf(u"en");
};
