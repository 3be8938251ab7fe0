#include "GherkinParser.h"

#include "GherkinLineScanner.h"
#include "GherkinText.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace {

using T = GherkinTokenType;

// Where the parser stands in the grammar (data/cucumber/gherkin.berp): after
// which kind of line, inside which element. A header state is the one right
// after a title line, where blank lines are still skipped; its description
// state follows the first line of description text or comment.
enum class State {
    Start,
    AfterLanguage,
    FeatureTags,
    FeatureHeader,
    FeatureDescription,
    RuleTags,
    RuleHeader,
    RuleDescription,
    BackgroundHeader,
    BackgroundDescription,
    ScenarioTags,
    ScenarioHeader,
    ScenarioDescription,
    Step, // after a step line
    StepTable, // in the step's data table
    StepDocString, // in the step's doc string
    StepAfterDocString,
    StepDocStringTable, // in a data table that follows the doc string
    StepTableDocString, // in a doc string that follows the data table
    StepTableAfterDocString,
    ExamplesTags,
    ExamplesHeader,
    ExamplesDescription,
    ExamplesTable,
    Finished,
};

// What each state expects, in the order the parser tries the kinds, which is
// the order Cucumber's messages list them in. Other takes any line, so it comes last.
constexpr T START[] = { T::EndOfFile, T::Language, T::TagLine, T::FeatureLine, T::Comment, T::Empty };
constexpr T FEATURE_TAGS[] = { T::TagLine, T::FeatureLine, T::Comment, T::Empty };
constexpr T FEATURE_HEADER[] = { T::EndOfFile, T::Empty, T::Comment, T::BackgroundLine, T::TagLine,
    T::ScenarioLine, T::RuleLine, T::Other };
constexpr T FEATURE_DESCRIPTION[]
    = { T::EndOfFile, T::Comment, T::BackgroundLine, T::TagLine, T::ScenarioLine, T::RuleLine, T::Other };
constexpr T RULE_TAGS[] = { T::TagLine, T::RuleLine, T::Comment, T::Empty };
constexpr T BACKGROUND_HEADER[]
    = { T::EndOfFile, T::Empty, T::Comment, T::StepLine, T::TagLine, T::ScenarioLine, T::RuleLine, T::Other };
constexpr T BACKGROUND_DESCRIPTION[]
    = { T::EndOfFile, T::Comment, T::StepLine, T::TagLine, T::ScenarioLine, T::RuleLine, T::Other };
constexpr T SCENARIO_TAGS[] = { T::TagLine, T::ScenarioLine, T::Comment, T::Empty };
constexpr T SCENARIO_HEADER[] = { T::EndOfFile, T::Empty, T::Comment, T::StepLine, T::TagLine,
    T::ExamplesLine, T::ScenarioLine, T::RuleLine, T::Other };
constexpr T SCENARIO_DESCRIPTION[] = { T::EndOfFile, T::Comment, T::StepLine, T::TagLine, T::ExamplesLine,
    T::ScenarioLine, T::RuleLine, T::Other };
constexpr T DOC_STRING[] = { T::DocStringSeparator, T::Other };
constexpr T EXAMPLES_TAGS[] = { T::TagLine, T::ExamplesLine, T::Comment, T::Empty };
constexpr T EXAMPLES_HEADER[] = { T::EndOfFile, T::Empty, T::Comment, T::TableRow, T::TagLine,
    T::ExamplesLine, T::ScenarioLine, T::RuleLine, T::Other };
constexpr T EXAMPLES_DESCRIPTION[] = { T::EndOfFile, T::Comment, T::TableRow, T::TagLine, T::ExamplesLine,
    T::ScenarioLine, T::RuleLine, T::Other };
constexpr T EXAMPLES_TABLE[] = { T::EndOfFile, T::TableRow, T::TagLine, T::ExamplesLine, T::ScenarioLine,
    T::RuleLine, T::Comment, T::Empty };
// A step of a scenario may be followed by Examples, one of a background not.
constexpr T STEP_IN_SCENARIO[] = { T::EndOfFile, T::TableRow, T::DocStringSeparator, T::StepLine, T::TagLine,
    T::ExamplesLine, T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };
constexpr T STEP_IN_BACKGROUND[] = { T::EndOfFile, T::TableRow, T::DocStringSeparator, T::StepLine,
    T::TagLine, T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };
constexpr T AFTER_DOC_STRING_IN_SCENARIO[] = { T::EndOfFile, T::TableRow, T::StepLine, T::TagLine,
    T::ExamplesLine, T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };
constexpr T AFTER_DOC_STRING_IN_BACKGROUND[] = { T::EndOfFile, T::TableRow, T::StepLine, T::TagLine,
    T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };
constexpr T STEP_DONE_IN_SCENARIO[] = { T::EndOfFile, T::StepLine, T::TagLine, T::ExamplesLine,
    T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };
constexpr T STEP_DONE_IN_BACKGROUND[]
    = { T::EndOfFile, T::StepLine, T::TagLine, T::ScenarioLine, T::RuleLine, T::Comment, T::Empty };

std::span<const T> Expected(State state, bool inBackground)
{
    switch (state) {
    case State::Start:
        return START;
    case State::AfterLanguage:
    case State::FeatureTags:
        return FEATURE_TAGS;
    case State::FeatureHeader:
    case State::RuleHeader:
        return FEATURE_HEADER;
    case State::FeatureDescription:
    case State::RuleDescription:
        return FEATURE_DESCRIPTION;
    case State::RuleTags:
        return RULE_TAGS;
    case State::BackgroundHeader:
        return BACKGROUND_HEADER;
    case State::BackgroundDescription:
        return BACKGROUND_DESCRIPTION;
    case State::ScenarioTags:
        return SCENARIO_TAGS;
    case State::ScenarioHeader:
        return SCENARIO_HEADER;
    case State::ScenarioDescription:
        return SCENARIO_DESCRIPTION;
    case State::Step:
    case State::StepTable:
        return inBackground ? std::span<const T>(STEP_IN_BACKGROUND) : std::span<const T>(STEP_IN_SCENARIO);
    case State::StepDocString:
    case State::StepTableDocString:
        return DOC_STRING;
    case State::StepAfterDocString:
    case State::StepDocStringTable:
        return inBackground ? std::span<const T>(AFTER_DOC_STRING_IN_BACKGROUND)
                            : std::span<const T>(AFTER_DOC_STRING_IN_SCENARIO);
    case State::StepTableAfterDocString:
        return inBackground ? std::span<const T>(STEP_DONE_IN_BACKGROUND)
                            : std::span<const T>(STEP_DONE_IN_SCENARIO);
    case State::ExamplesTags:
        return EXAMPLES_TAGS;
    case State::ExamplesHeader:
        return EXAMPLES_HEADER;
    case State::ExamplesDescription:
        return EXAMPLES_DESCRIPTION;
    case State::ExamplesTable:
        return EXAMPLES_TABLE;
    case State::Finished:
        break;
    }
    return {};
}

bool IsTableState(State state)
{
    return state == State::StepTable || state == State::StepDocStringTable || state == State::ExamplesTable;
}

bool IsDocStringState(State state)
{
    return state == State::StepDocString || state == State::StepTableDocString;
}

// The description state that a header state goes on to.
State DescriptionOf(State state)
{
    switch (state) {
    case State::FeatureHeader:
        return State::FeatureDescription;
    case State::RuleHeader:
        return State::RuleDescription;
    case State::BackgroundHeader:
        return State::BackgroundDescription;
    case State::ScenarioHeader:
        return State::ScenarioDescription;
    case State::ExamplesHeader:
        return State::ExamplesDescription;
    default:
        return state;
    }
}

// Cucumber gives up on a file at its eleventh error.
constexpr std::size_t MOST_ERRORS = 11;

class Parser {
public:
    Parser(std::span<const std::u16string_view> lines, const GherkinKeywordTable& table,
        const GherkinDialect& dialect, std::vector<GherkinToken>* tokens, GherkinDocumentSink* sink)
        : m_table(table)
        , m_dialect(&dialect)
        , m_tokens(tokens)
        , m_sink(sink)
        , m_lines(lines)
    {
    }

    GherkinParseResult Run()
    {
        for (std::size_t index = 0; index < m_lines.size() && !m_stopped; ++index)
            ReadLine(index);
        if (!m_stopped)
            ReadEndOfFile();
        m_result.readToEnd = !m_stopped;
        return std::move(m_result);
    }

private:
    bool InBackground() const { return m_background != nullptr; }

    void ReadLine(std::size_t index)
    {
        const GherkinLine line(m_lines[index], static_cast<int>(index) + 1);
        for (const T type : Expected(m_state, InBackground())) {
            if (type != T::EndOfFile && Match(type, line, index))
                return;
            if (m_stopped)
                return;
        }
        Unexpected(line);
    }

    void ReadEndOfFile()
    {
        const int line = static_cast<int>(m_lines.size()) + 1;
        const std::span<const T> expected = Expected(m_state, InBackground());
        if (std::find(expected.begin(), expected.end(), T::EndOfFile) == expected.end()) {
            std::u16string message = u"unexpected end of file, expected: ";
            AppendExpected(message, expected);
            AddError({ { line, 0 }, 0, std::move(message) });
        } else {
            if (m_tokens) {
                GherkinToken end;
                end.type = T::EndOfFile;
                end.location = { line, 0 };
                m_tokens->push_back(std::move(end));
            }
            LeaveState(T::EndOfFile);
            m_state = State::Finished;
        }
        // The last part is as the tree keeps it, the end of the file expected or not.
        HandOverRule();
    }

    // Whether the line is of that kind; if it is, the parser takes it.
    bool Match(T type, const GherkinLine& line, std::size_t index)
    {
        const GherkinDialect& d = *m_dialect;
        switch (type) {
        case T::Empty:
            return MatchEmpty(line, m_token) && Take(type, index);
        case T::Comment:
            return MatchComment(line, m_token) && Take(type, index);
        case T::Other:
            if (IsDocStringState(m_state))
                MatchDocStringLine(line, m_docStringIndent, m_docStringDelimiter, m_token);
            else
                MatchOther(line, m_token);
            return Take(type, index);
        case T::Language: {
            const GherkinDialect* named = nullptr;
            switch (MatchLanguage(line, m_table, m_token, named)) {
            case LanguageMatch::NotLanguage:
                return false;
            case LanguageMatch::Unsupported:
                AddError({ { line.number, line.column() }, CodePointCount(line.trimmed),
                    u"Language not supported: " + m_token.text });
                return false;
            case LanguageMatch::Matched:
                m_dialect = named;
                return Take(type, index);
            }
            return false;
        }
        case T::TagLine: {
            GherkinLocation bad;
            int badLength = 0;
            switch (MatchTagLine(line, m_token, bad, badLength)) {
            case TagMatch::NotTags:
                return false;
            case TagMatch::Whitespace:
                AddError({ bad, badLength, u"A tag may not contain whitespace" });
                return false;
            case TagMatch::Matched:
                return Take(type, index);
            }
            return false;
        }
        case T::FeatureLine:
            return MatchTitleLine(line, d.feature, type, m_token) && Take(type, index);
        case T::RuleLine:
            return MatchTitleLine(line, d.rule, type, m_token) && Take(type, index);
        case T::BackgroundLine:
            return MatchTitleLine(line, d.background, type, m_token) && Take(type, index);
        case T::ScenarioLine:
            return (MatchTitleLine(line, d.scenario, type, m_token)
                       || MatchTitleLine(line, d.scenarioOutline, type, m_token))
                && Take(type, index);
        case T::ExamplesLine:
            return MatchTitleLine(line, d.examples, type, m_token) && Take(type, index);
        case T::StepLine:
            return MatchStepLine(line, d, m_token) && Take(type, index);
        case T::DocStringSeparator:
            return MatchDocStringSeparator(line,
                       IsDocStringState(m_state) ? m_docStringDelimiter : std::u16string_view(), m_token)
                && Take(type, index);
        case T::TableRow:
            return MatchTableRow(line, m_token) && Take(type, index);
        case T::EndOfFile:
            break;
        }
        return false;
    }

    // Whether the lines after `index` hold, past blank lines, comments and
    // tags, a line of kind `target` next. This is how a tag line between two
    // sections tells whose tags it holds. Nothing is reported from here.
    bool LooksAhead(std::size_t index, T target)
    {
        GherkinToken probe;
        for (std::size_t next = index + 1; next < m_lines.size(); ++next) {
            const GherkinLine line(m_lines[next], static_cast<int>(next) + 1);
            if (line.trimmed.empty() || line.trimmed.starts_with(u'#'))
                continue;
            if (target == T::ExamplesLine && MatchTitleLine(line, m_dialect->examples, target, probe))
                return true;
            if (target == T::ScenarioLine
                && (MatchTitleLine(line, m_dialect->scenario, target, probe)
                    || MatchTitleLine(line, m_dialect->scenarioOutline, target, probe)))
                return true;
            GherkinLocation bad;
            int badLength = 0;
            if (MatchTagLine(line, probe, bad, badLength) != TagMatch::Matched)
                return false;
        }
        return false;
    }

    // The parser takes the matched token: it closes what the token ends and
    // builds what the token starts.
    bool Take(T type, std::size_t index)
    {
        if (m_tokens)
            m_tokens->push_back(m_token);
        LeaveState(type);
        if (m_stopped)
            return true;
        switch (type) {
        case T::Language:
            m_state = State::AfterLanguage;
            break;
        case T::TagLine:
            TakeTags(index);
            break;
        case T::FeatureLine:
            StartFeature();
            break;
        case T::RuleLine:
            StartRule();
            break;
        case T::BackgroundLine:
            StartBackground();
            break;
        case T::ScenarioLine:
            StartScenario();
            break;
        case T::ExamplesLine:
            StartExamples();
            break;
        case T::StepLine:
            StartStep();
            break;
        case T::DocStringSeparator:
            TakeDocStringSeparator();
            break;
        case T::TableRow:
            TakeTableRow();
            break;
        case T::Comment:
            if (!m_sink)
                m_result.document.comments.push_back({ m_token.location, std::move(m_token.text) });
            m_state = DescriptionOf(m_state);
            break;
        case T::Other:
            TakeOther();
            break;
        case T::Empty:
        case T::EndOfFile:
            break;
        }
        return true;
    }

    // What a token closes before it is taken: the description it ends, the
    // table it ends (whose rows are counted then).
    void LeaveState(T type)
    {
        if (type == T::Other || type == T::Comment || type == T::Empty)
            return;
        FinishDescription();
        if (IsTableState(m_state) && type != T::TableRow)
            FinishTable();
    }

    void TakeTags(std::size_t index)
    {
        std::move(m_token.tags.begin(), m_token.tags.end(), std::back_inserter(m_pendingTags));
        switch (m_state) {
        case State::Start:
        case State::AfterLanguage:
        case State::FeatureTags:
            m_state = State::FeatureTags;
            return;
        case State::RuleTags:
        case State::ScenarioTags:
        case State::ExamplesTags:
            return;
        default:
            break;
        }
        if (m_scenario && LooksAhead(index, T::ExamplesLine)) {
            m_state = State::ExamplesTags;
        } else if (LooksAhead(index, T::ScenarioLine)) {
            m_state = State::ScenarioTags;
        } else {
            m_state = State::RuleTags;
        }
    }

    std::vector<GherkinTag> TakePendingTags() { return std::exchange(m_pendingTags, {}); }

    void StartFeature()
    {
        GherkinFeature& feature = m_result.document.feature.emplace();
        feature.tags = TakePendingTags();
        feature.language = m_dialect->code;
        TakeHeading(feature);
        m_state = State::FeatureHeader;
        if (m_sink)
            m_sink->FeatureStarted(feature);
    }

    void CloseSection()
    {
        m_background = nullptr;
        m_scenario = nullptr;
        m_step = nullptr;
        m_examples = nullptr;
    }

    // With a sink, the background or scenario just read goes to it and out
    // of the tree, so that the tree holds one at a time.
    void HandOverSection()
    {
        if (!m_sink || !m_result.document.feature)
            return;
        if (m_rule)
            HandOverLast(m_rule->children);
        else
            HandOverLast(m_result.document.feature->children);
    }

    template <typename Children> void HandOverLast(Children& children)
    {
        if (children.empty())
            return;
        if (const auto* scenario = std::get_if<GherkinScenario>(&children.back()))
            m_sink->ScenarioRead(*scenario);
        children.pop_back();
    }

    // The same when the rule ends, which went to the sink when it started.
    void HandOverRule()
    {
        HandOverSection();
        if (m_sink && m_rule) {
            m_result.document.feature->children.pop_back();
            m_rule = nullptr;
        }
    }

    // A heading's place, keyword and name from the line just read, and the
    // description that may follow it.
    template <typename Heading> void TakeHeading(Heading& heading)
    {
        heading.location = m_token.location;
        heading.keyword = m_token.keyword;
        heading.name = std::move(m_token.text);
        StartDescription(heading.description);
    }

    void StartRule()
    {
        CloseSection();
        HandOverRule();
        auto& children = m_result.document.feature->children;
        m_rule = &std::get<GherkinRule>(children.emplace_back(std::in_place_type<GherkinRule>));
        m_rule->tags = TakePendingTags();
        TakeHeading(*m_rule);
        m_state = State::RuleHeader;
        if (m_sink)
            m_sink->RuleStarted(*m_rule);
    }

    // The children of the rule being read, or of the feature.
    template <typename Child> Child& AddChild()
    {
        CloseSection();
        HandOverSection();
        if (m_rule)
            return std::get<Child>(m_rule->children.emplace_back(std::in_place_type<Child>));
        return std::get<Child>(m_result.document.feature->children.emplace_back(std::in_place_type<Child>));
    }

    void StartBackground()
    {
        m_background = &AddChild<GherkinBackground>();
        TakeHeading(*m_background);
        m_state = State::BackgroundHeader;
    }

    void StartScenario()
    {
        m_scenario = &AddChild<GherkinScenario>();
        m_scenario->tags = TakePendingTags();
        const auto& outlines = m_dialect->scenarioOutline;
        m_scenario->outlineKeyword
            = std::find(outlines.begin(), outlines.end(), m_token.keyword) != outlines.end();
        TakeHeading(*m_scenario);
        m_state = State::ScenarioHeader;
    }

    void StartExamples()
    {
        m_step = nullptr;
        m_examples = &m_scenario->examples.emplace_back();
        m_examples->tags = TakePendingTags();
        TakeHeading(*m_examples);
        m_state = State::ExamplesHeader;
    }

    void StartStep()
    {
        auto& steps = m_background ? m_background->steps : m_scenario->steps;
        m_step = &steps.emplace_back();
        m_step->location = m_token.location;
        m_step->keyword = m_token.keyword;
        m_step->keywordType = m_token.keywordType;
        m_step->text = std::move(m_token.text);
        m_state = State::Step;
    }

    void TakeDocStringSeparator()
    {
        switch (m_state) {
        case State::StepDocString:
            m_state = State::StepAfterDocString;
            return;
        case State::StepTableDocString:
            m_state = State::StepTableAfterDocString;
            return;
        default:
            break;
        }
        GherkinDocString& docString = m_step->docString.emplace();
        docString.location = m_token.location;
        docString.delimiter = m_token.keyword;
        docString.mediaType = std::move(m_token.text);
        m_docStringDelimiter = m_token.keyword;
        m_docStringIndent = m_token.location.column - 1;
        m_docStringLines = 0;
        m_state = m_state == State::Step ? State::StepDocString : State::StepTableDocString;
    }

    void TakeTableRow()
    {
        GherkinTableRow row { m_token.location, std::move(m_token.cells) };
        const int cellCount = static_cast<int>(row.cells.size());
        switch (m_state) {
        case State::Step:
        case State::StepAfterDocString:
            m_step->dataTable.emplace().location = m_token.location;
            StartTable(cellCount);
            m_state = m_state == State::Step ? State::StepTable : State::StepDocStringTable;
            m_step->dataTable->rows.push_back(std::move(row));
            return;
        case State::ExamplesHeader:
        case State::ExamplesDescription:
            StartTable(cellCount);
            m_state = State::ExamplesTable;
            m_examples->tableHeader = std::move(row);
            return;
        default:
            break;
        }
        if (cellCount != m_tableCellCount && !m_tableMismatch) {
            m_tableMismatch = row.location;
            m_tableMismatchLength = CodePointCount(GherkinLine(m_lines[row.location.line - 1], 0).trimmed);
        }
        if (m_state == State::ExamplesTable)
            m_examples->tableBody.push_back(std::move(row));
        else
            m_step->dataTable->rows.push_back(std::move(row));
    }

    void StartTable(int cellCount)
    {
        m_tableCellCount = cellCount;
        m_tableMismatch.reset();
    }

    // Cucumber counts a table's cells when the table is over, and names the first row that differs.
    void FinishTable()
    {
        if (m_tableMismatch)
            AddError(
                { *m_tableMismatch, m_tableMismatchLength, u"inconsistent cell count within the table" });
        m_tableMismatch.reset();
    }

    void TakeOther()
    {
        if (IsDocStringState(m_state)) {
            std::u16string& content = m_step->docString->content;
            if (m_docStringLines++ > 0)
                content += u'\n';
            content += m_token.text;
            return;
        }
        AddDescriptionLine(m_token.text);
        m_state = DescriptionOf(m_state);
    }

    void StartDescription(std::u16string& description)
    {
        m_description = &description;
        m_descriptionLines = 0;
        m_descriptionKept = 0;
    }

    void AddDescriptionLine(std::u16string_view line)
    {
        if (m_descriptionLines++ > 0)
            *m_description += u'\n';
        *m_description += line;
        if (!TrimGherkin(line).empty())
            m_descriptionKept = m_description->size();
    }

    // A description ends at its last line that is not blank.
    void FinishDescription()
    {
        if (m_description)
            m_description->resize(m_descriptionKept);
        m_description = nullptr;
    }

    void Unexpected(const GherkinLine& line)
    {
        std::u16string message = u"expected: ";
        AppendExpected(message, Expected(m_state, InBackground()));
        message += u", got '";
        message += line.trimmed;
        message += u'\'';
        AddError({ { line.number, line.column() }, CodePointCount(line.trimmed), std::move(message) });
    }

    static void AppendExpected(std::u16string& message, std::span<const T> expected)
    {
        bool first = true;
        for (const T type : expected) {
            if (!first)
                message += u", ";
            message += GherkinTokenName(type);
            first = false;
        }
    }

    void AddError(GherkinError error)
    {
        m_result.errors.push_back(std::move(error));
        if (m_result.errors.size() >= MOST_ERRORS)
            m_stopped = true;
    }

    const GherkinKeywordTable& m_table;
    const GherkinDialect* m_dialect;
    std::vector<GherkinToken>* m_tokens;
    GherkinDocumentSink* m_sink;
    std::span<const std::u16string_view> m_lines;
    GherkinParseResult m_result;
    GherkinToken m_token;
    State m_state = State::Start;
    bool m_stopped = false;

    // The open elements; every one but the last of each list is complete.
    std::vector<GherkinTag> m_pendingTags;
    GherkinRule* m_rule = nullptr;
    GherkinBackground* m_background = nullptr;
    GherkinScenario* m_scenario = nullptr;
    GherkinStep* m_step = nullptr;
    GherkinExamples* m_examples = nullptr;

    std::u16string* m_description = nullptr;
    int m_descriptionLines = 0;
    std::size_t m_descriptionKept = 0;

    std::u16string_view m_docStringDelimiter;
    int m_docStringIndent = 0;
    int m_docStringLines = 0;

    int m_tableCellCount = 0;
    std::optional<GherkinLocation> m_tableMismatch;
    int m_tableMismatchLength = 0;
};

} // namespace

std::u16string_view GherkinTokenName(GherkinTokenType type)
{
    switch (type) {
    case T::EndOfFile:
        return u"#EOF";
    case T::Language:
        return u"#Language";
    case T::TagLine:
        return u"#TagLine";
    case T::FeatureLine:
        return u"#FeatureLine";
    case T::RuleLine:
        return u"#RuleLine";
    case T::BackgroundLine:
        return u"#BackgroundLine";
    case T::ScenarioLine:
        return u"#ScenarioLine";
    case T::ExamplesLine:
        return u"#ExamplesLine";
    case T::StepLine:
        return u"#StepLine";
    case T::DocStringSeparator:
        return u"#DocStringSeparator";
    case T::TableRow:
        return u"#TableRow";
    case T::Comment:
        return u"#Comment";
    case T::Empty:
        return u"#Empty";
    case T::Other:
        return u"#Other";
    }
    return u"";
}

std::u16string CucumberErrorText(const GherkinError& error)
{
    const auto append = [](std::u16string& text, int number) {
        const std::string digits = std::to_string(number);
        text.append(digits.begin(), digits.end());
    };
    std::u16string text(1, u'(');
    append(text, error.location.line);
    text += u':';
    append(text, error.location.column);
    text += u"): ";
    return text += error.message;
}

GherkinParseResult ParseGherkin(std::u16string_view text, const GherkinKeywordTable& table,
    const GherkinDialect& defaultDialect, std::vector<GherkinToken>* tokens, GherkinDocumentSink* sink)
{
    return ParseGherkinLines(GherkinLines(text), table, defaultDialect, tokens, sink);
}

GherkinParseResult ParseGherkinLines(std::span<const std::u16string_view> lines,
    const GherkinKeywordTable& table, const GherkinDialect& defaultDialect, std::vector<GherkinToken>* tokens,
    GherkinDocumentSink* sink)
{
    return Parser(lines, table, defaultDialect, tokens, sink).Run();
}
