// Every feature file of features/ against its expectations: NAME.analyse,
// NAME.format, NAME.unformat and NAME.align as quillmark-cli prints them, and
// NAME.colours, the colour each analysed line is painted in. One test per
// file, named after it.
#include "cli/CliRunner.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/LineColours.h"
#include "core/editor/TextLineSource.h"
#include "core/file/FeatureFileCodec.h"
#include "core/file/Utf8.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path features = QUILLMARK_SOURCE_DIR "/tests/golden/features";

std::vector<std::string> FeatureNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(features))
        if (entry.path().extension() == ".feature")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Per analysed line: its number, its type, its colour, and its text with the
// coloured span between ⟦ and ⟧.
std::string Colours(const std::filesystem::path& file)
{
    DecodedFeatureFile decoded;
    std::string error;
    if (!ReadFeatureFile(file.string(), decoded, error))
        return "cannot read: " + error;
    const TextLineSource source(std::move(decoded.text));
    // The language as the editor opens the file with English as its setting.
    Language language = LanguageOf(u"en");
    ApplyDocumentLanguage(
        language, source.lineCount(), [&source](int line) { return source.lineText(line); });
    LineAnalysis analysis;
    analysis.AnalyseAll(language, source);
    std::string colours;
    for (int line = 0; line < analysis.analysedLineCount; ++line) {
        const std::u16string_view text = source.lineContent(line);
        const ColourSpan span = ColourSpanOf(analysis.lineType[line], analysis.keywordPosition[line],
            static_cast<int>(analysis.lineKeyword[line].size()), static_cast<int>(text.size()));
        colours += std::to_string(line) + '\t' + LineTypeName(analysis.lineType[line]) + '\t'
            + LineColourName(span.colour) + '\t' + Utf16ToUtf8(text.substr(0, span.start));
        if (span.colour != LineColour::Default)
            colours += "⟦" + Utf16ToUtf8(text.substr(span.start, span.end - span.start)) + "⟧";
        colours += Utf16ToUtf8(text.substr(span.end)) + '\n';
    }
    return colours;
}

class Golden : public CliTest, public testing::WithParamInterface<std::string> { };

// QUILLMARK_UPDATE_GOLDEN=1 writes what is printed as the new expectation.
TEST_P(Golden, IsPrintedAsItsExpectationsSay)
{
    const bool update = std::getenv("QUILLMARK_UPDATE_GOLDEN") != nullptr;
    const std::filesystem::path feature = features / (GetParam() + ".feature");
    for (const std::string command : { "analyse", "format", "unformat", "align", "colours" }) {
        const auto expectation = std::filesystem::path(feature).replace_extension(command);
        SCOPED_TRACE(expectation.filename().string());
        const std::string printed
            = command == "colours" ? Colours(feature) : Run({ command, feature.string() }).out;
        if (update)
            std::ofstream(expectation, std::ios::binary) << printed;
        ASSERT_TRUE(std::filesystem::exists(expectation)) << "every feature file has all its expectations";
        // Read takes an absolute path as it stands; gtest shows a failure as the lines that differ.
        EXPECT_EQ(printed, Read(expectation.string()));
    }
}

// A test's name takes letters, digits and underscores.
INSTANTIATE_TEST_SUITE_P(
    Features, Golden, testing::ValuesIn(FeatureNames()), [](const testing::TestParamInfo<std::string>& info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
