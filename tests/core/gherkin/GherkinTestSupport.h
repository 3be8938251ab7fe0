#pragma once

#include "core/file/Utf8.h"
#include "core/gherkin/GherkinDialect.h"
#include "core/gherkin/GherkinParser.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Cucumber's good and bad files, beside what Cucumber makes of them.
inline const std::filesystem::path GHERKIN_DATA = QUILLMARK_SOURCE_DIR "/tests/golden/gherkin";

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

inline std::u16string ReadText(const std::filesystem::path& path)
{
    std::u16string text;
    AppendUtf8AsUtf16(ReadBytes(path), text);
    return text;
}

// The names of the feature files in good/ or bad/, sorted.
inline std::vector<std::string> GherkinDataFiles(const char* folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(GHERKIN_DATA / folder)) {
        if (entry.path().extension() == ".feature")
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline const GherkinDialect& English()
{
    return *CucumberKeywordTable().Find(u"en");
}

inline GherkinParseResult ParseEnglish(std::u16string_view text)
{
    return ParseGherkin(text, CucumberKeywordTable(), English());
}

// The errors as Cucumber prints them, one a line.
inline std::string ErrorLines(const std::vector<GherkinError>& errors)
{
    std::string lines;
    for (const GherkinError& error : errors)
        lines += Utf16ToUtf8(CucumberErrorText(error)) + "\n";
    return lines;
}
