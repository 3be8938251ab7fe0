// The parser held to Cucumber's own files: every token of every good file,
// the document tree of each, and every error of every bad file.

#include "GherkinJson.h"
#include "GherkinTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <sstream>
#include <utility>
#include <variant>
#include <vector>

namespace {

// A token as the .tokens files write it: "(4:5)StepLine:(Context)Given /text/".
std::u16string TokenLine(const GherkinToken& token)
{
    using T = GherkinTokenType;
    if (token.type == T::EndOfFile)
        return u"EOF";
    std::u16string line(1, u'(');
    for (const char c : std::to_string(token.location.line) + ':' + std::to_string(token.location.column))
        line += static_cast<char16_t>(c);
    line += u')';
    line += GherkinTokenName(token.type).substr(1);
    line += u':';
    switch (token.type) {
    case T::FeatureLine:
    case T::RuleLine:
    case T::BackgroundLine:
    case T::ScenarioLine:
    case T::ExamplesLine:
    case T::DocStringSeparator:
        ((line += u"()") += token.keyword);
        break;
    case T::StepLine:
        (((line += u'(') += StepKeywordTypeName(token.keywordType)) += u')') += token.keyword;
        break;
    default:
        break;
    }
    ((line += u'/') += token.text) += u'/';
    const auto item = [&line](const GherkinLocation& location, std::u16string_view text) {
        if (line.back() != u'/')
            line += u',';
        const std::string column = std::to_string(location.column);
        (line.append(column.begin(), column.end()) += u':') += text;
    };
    for (const GherkinTag& tag : token.tags)
        item(tag.location, tag.name);
    for (const GherkinTableCell& cell : token.cells)
        item(cell.location, cell.value);
    return line;
}

// A JSON string's text, from its opening quote on.
std::u16string JsonString(std::u16string_view json)
{
    std::u16string text;
    for (std::size_t i = 1; i < json.size() && json[i] != u'"'; ++i) {
        if (json[i] != u'\\') {
            text += json[i];
            continue;
        }
        const char16_t escaped = json[++i];
        switch (escaped) {
        case u'n':
            text += u'\n';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'u':
            text += static_cast<char16_t>(std::stoi(Utf16ToUtf8(json.substr(i + 1, 4)), nullptr, 16));
            i += 4;
            break;
        default:
            text += escaped;
        }
    }
    return text;
}

// The JSON without the blanks between its tokens, which some of the files have.
std::string Minified(const std::string& json)
{
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString && c == '\\') {
            out += json.substr(i++, 2);
            continue;
        }
        if (c == '"')
            inString = !inString;
        if (inString || (c != ' ' && c != '\n'))
            out += c;
    }
    return out;
}

class GoodFile : public ::testing::TestWithParam<std::string> {
protected:
    std::filesystem::path Path(const char* suffix = "") const
    {
        return GHERKIN_DATA / "good" / (GetParam() + suffix);
    }
};

TEST_P(GoodFile, ScannerGivesEveryLineItsToken)
{
    std::vector<GherkinToken> tokens;
    ParseGherkin(ReadText(Path()), CucumberKeywordTable(), English(), &tokens);
    std::u16string lines;
    for (const GherkinToken& token : tokens)
        (lines += TokenLine(token)) += u'\n';
    EXPECT_EQ(Utf16ToUtf8(lines), ReadBytes(Path(".tokens")));
}

TEST_P(GoodFile, TreeHoldsWhatCucumbersDoes)
{
    const GherkinParseResult parsed = ParseEnglish(ReadText(Path()));
    EXPECT_EQ(ErrorLines(parsed.errors), "");
    static const std::regex ids(R"("id":"\d+",|,"uri":"[^"]*")");
    const std::string expected = std::regex_replace(Minified(ReadBytes(Path(".ast.ndjson"))), ids, "");
    EXPECT_EQ(Utf16ToUtf8(GherkinJson::Of(parsed.document)), expected);
}

// A feature's title alone, with one child: how the parts a sink is handed
// are told apart (a title's description is still to come when it is handed over).
std::u16string TitleWith(GherkinFeature feature, std::optional<GherkinFeatureChild> child = {})
{
    feature.description.clear();
    feature.children.clear();
    if (child)
        feature.children.push_back(std::move(*child));
    GherkinDocument document;
    document.feature = std::move(feature);
    return GherkinJson::Of(document);
}

class PartsSeen final : public GherkinDocumentSink {
public:
    void FeatureStarted(const GherkinFeature& feature) override
    {
        m_feature = feature;
        parts.push_back(TitleWith(feature));
    }
    void RuleStarted(const GherkinRule& rule) override
    {
        GherkinRule title = rule;
        title.description.clear();
        parts.push_back(TitleWith(m_feature, std::move(title)));
    }
    void ScenarioRead(const GherkinScenario& scenario) override
    {
        parts.push_back(TitleWith(m_feature, scenario));
    }

    std::vector<std::u16string> parts;

private:
    GherkinFeature m_feature;
};

// A file read with a sink: it is handed the parts of the tree the parser
// builds without one, each complete, and the tree keeps none of them.
void ExpectPartsHandedOver(const std::u16string& text)
{
    const GherkinParseResult whole = ParseEnglish(text);
    std::vector<std::u16string> expected;
    if (whole.document.feature) {
        const GherkinFeature& feature = *whole.document.feature;
        expected.push_back(TitleWith(feature));
        for (const GherkinFeatureChild& child : feature.children) {
            if (const auto* scenario = std::get_if<GherkinScenario>(&child))
                expected.push_back(TitleWith(feature, *scenario));
            if (const auto* rule = std::get_if<GherkinRule>(&child)) {
                GherkinRule title = *rule;
                title.description.clear();
                title.children.clear();
                expected.push_back(TitleWith(feature, std::move(title)));
                for (const GherkinRuleChild& ruleChild : rule->children) {
                    if (const auto* scenario = std::get_if<GherkinScenario>(&ruleChild))
                        expected.push_back(TitleWith(feature, *scenario));
                }
            }
        }
    }
    PartsSeen sink;
    const GherkinParseResult parsed = ParseGherkin(text, CucumberKeywordTable(), English(), nullptr, &sink);
    EXPECT_EQ(ErrorLines(parsed.errors), ErrorLines(whole.errors));
    ASSERT_EQ(parsed.readToEnd, whole.readToEnd);
    if (!parsed.readToEnd)
        return;
    EXPECT_EQ(sink.parts, expected);
    EXPECT_TRUE(parsed.document.comments.empty());
    if (parsed.document.feature) {
        EXPECT_TRUE(parsed.document.feature->children.empty());
    }
}

TEST_P(GoodFile, SinkIsHandedTheTreesPartsAndTheTreeKeepsNone)
{
    ExpectPartsHandedOver(ReadText(Path()));
}

INSTANTIATE_TEST_SUITE_P(Cucumber, GoodFile, ::testing::ValuesIn(GherkinDataFiles("good")),
    [](const auto& info) { return std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_"); });

class BadFile : public ::testing::TestWithParam<std::string> { };

TEST_P(BadFile, ErrorsAreCucumbersInItsOrder)
{
    const std::filesystem::path path = GHERKIN_DATA / "bad" / GetParam();
    std::string expected;
    std::istringstream lines(ReadBytes(path.string() + ".errors.ndjson"));
    for (std::string line; std::getline(lines, line);) {
        std::u16string json;
        AppendUtf8AsUtf16(line, json);
        const std::size_t message = json.find(u"\"message\":");
        ASSERT_NE(message, std::u16string::npos) << line;
        expected += Utf16ToUtf8(JsonString(std::u16string_view(json).substr(message + 10))) + "\n";
    }
    EXPECT_EQ(ErrorLines(ParseEnglish(ReadText(path)).errors), expected);
}

TEST_P(BadFile, SinkIsHandedTheTreesPartsAndTheTreeKeepsNone)
{
    ExpectPartsHandedOver(ReadText(GHERKIN_DATA / "bad" / GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Cucumber, BadFile, ::testing::ValuesIn(GherkinDataFiles("bad")),
    [](const auto& info) { return std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_"); });

// Files written to show how Cucumber recovers; their errors as Cucumber's parser gave them.
class CraftedFile : public ::testing::TestWithParam<std::string> { };

TEST_P(CraftedFile, ErrorsAreCucumbersInItsOrder)
{
    const std::filesystem::path path = GHERKIN_DATA / "crafted" / GetParam();
    EXPECT_EQ(ErrorLines(ParseEnglish(ReadText(path)).errors), ReadBytes(path.string() + ".errors"));
}

INSTANTIATE_TEST_SUITE_P(Cucumber, CraftedFile, ::testing::ValuesIn(GherkinDataFiles("crafted")),
    [](const auto& info) { return std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_"); });

} // namespace
