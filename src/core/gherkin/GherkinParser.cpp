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
        const GherkinDialect& dialect, std::vector<GherkinToken>* tokens)
        : table_(table)
        , dialect_(&dialect)
        , tokens_(tokens)
        , lines_(lines)
    {
    }

    GherkinParseResult Run()
    {
        for (std::size_t index = 0; index < lines_.size() && !stopped_; ++index)
            ReadLine(index);
        if (!stopped_)
            ReadEndOfFile();
        result_.readToEnd = !stopped_;
        return std::move(result_);
    }

private:
    bool InBackground() const { return background_ != nullptr; }

    void ReadLine(std::size_t index)
    {
        const GherkinLine line(lines_[index], static_cast<int>(index) + 1);
        for (const T type : Expected(state_, InBackground())) {
            if (type != T::EndOfFile && Match(type, line, index))
                return;
            if (stopped_)
                return;
        }
        Unexpected(line);
    }

    void ReadEndOfFile()
    {
        const int line = static_cast<int>(lines_.size()) + 1;
        const std::span<const T> expected = Expected(state_, InBackground());
        if (std::find(expected.begin(), expected.end(), T::EndOfFile) == expected.end()) {
            std::u16string message = u"unexpected end of file, expected: ";
            AppendExpected(message, expected);
            AddError({ { line, 0 }, 0, std::move(message) });
            return;
        }
        if (tokens_) {
            GherkinToken end;
            end.type = T::EndOfFile;
            end.location = { line, 0 };
            tokens_->push_back(std::move(end));
        }
        LeaveState(T::EndOfFile);
        state_ = State::Finished;
    }

    // Whether the line is of that kind; if it is, the parser takes it.
    bool Match(T type, const GherkinLine& line, std::size_t index)
    {
        const GherkinDialect& d = *dialect_;
        switch (type) {
        case T::Empty:
            return MatchEmpty(line, token_) && Take(type, index);
        case T::Comment:
            return MatchComment(line, token_) && Take(type, index);
        case T::Other:
            if (IsDocStringState(state_))
                MatchDocStringLine(line, docStringIndent_, docStringDelimiter_, token_);
            else
                MatchOther(line, token_);
            return Take(type, index);
        case T::Language: {
            const GherkinDialect* named = nullptr;
            switch (MatchLanguage(line, table_, token_, named)) {
            case LanguageMatch::NotLanguage:
                return false;
            case LanguageMatch::Unsupported:
                AddError({ { line.number, line.column() }, CodePointCount(line.trimmed),
                    u"Language not supported: " + token_.text });
                return false;
            case LanguageMatch::Matched:
                dialect_ = named;
                return Take(type, index);
            }
            return false;
        }
        case T::TagLine: {
            GherkinLocation bad;
            int badLength = 0;
            switch (MatchTagLine(line, token_, bad, badLength)) {
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
            return MatchTitleLine(line, d.feature, type, token_) && Take(type, index);
        case T::RuleLine:
            return MatchTitleLine(line, d.rule, type, token_) && Take(type, index);
        case T::BackgroundLine:
            return MatchTitleLine(line, d.background, type, token_) && Take(type, index);
        case T::ScenarioLine:
            return (MatchTitleLine(line, d.scenario, type, token_)
                       || MatchTitleLine(line, d.scenarioOutline, type, token_))
                && Take(type, index);
        case T::ExamplesLine:
            return MatchTitleLine(line, d.examples, type, token_) && Take(type, index);
        case T::StepLine:
            return MatchStepLine(line, d, token_) && Take(type, index);
        case T::DocStringSeparator:
            return MatchDocStringSeparator(
                       line, IsDocStringState(state_) ? docStringDelimiter_ : std::u16string_view(), token_)
                && Take(type, index);
        case T::TableRow:
            return MatchTableRow(line, token_) && Take(type, index);
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
        for (std::size_t next = index + 1; next < lines_.size(); ++next) {
            const GherkinLine line(lines_[next], static_cast<int>(next) + 1);
            if (line.trimmed.empty() || line.trimmed.starts_with(u'#'))
                continue;
            if (target == T::ExamplesLine && MatchTitleLine(line, dialect_->examples, target, probe))
                return true;
            if (target == T::ScenarioLine
                && (MatchTitleLine(line, dialect_->scenario, target, probe)
                    || MatchTitleLine(line, dialect_->scenarioOutline, target, probe)))
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
        if (tokens_)
            tokens_->push_back(token_);
        LeaveState(type);
        if (stopped_)
            return true;
        switch (type) {
        case T::Language:
            state_ = State::AfterLanguage;
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
            result_.document.comments.push_back({ token_.location, std::move(token_.text) });
            state_ = DescriptionOf(state_);
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
        if (IsTableState(state_) && type != T::TableRow)
            FinishTable();
    }

    void TakeTags(std::size_t index)
    {
        std::move(token_.tags.begin(), token_.tags.end(), std::back_inserter(pendingTags_));
        switch (state_) {
        case State::Start:
        case State::AfterLanguage:
        case State::FeatureTags:
            state_ = State::FeatureTags;
            return;
        case State::RuleTags:
        case State::ScenarioTags:
        case State::ExamplesTags:
            return;
        default:
            break;
        }
        if (scenario_ && LooksAhead(index, T::ExamplesLine)) {
            state_ = State::ExamplesTags;
        } else if (LooksAhead(index, T::ScenarioLine)) {
            state_ = State::ScenarioTags;
        } else {
            state_ = State::RuleTags;
        }
    }

    std::vector<GherkinTag> TakePendingTags() { return std::exchange(pendingTags_, {}); }

    void StartFeature()
    {
        GherkinFeature& feature = result_.document.feature.emplace();
        feature.location = token_.location;
        feature.tags = TakePendingTags();
        feature.language = dialect_->code;
        feature.keyword = token_.keyword;
        feature.name = std::move(token_.text);
        StartDescription(feature.description);
        state_ = State::FeatureHeader;
    }

    void CloseSection()
    {
        background_ = nullptr;
        scenario_ = nullptr;
        step_ = nullptr;
        examples_ = nullptr;
    }

    void StartRule()
    {
        CloseSection();
        auto& children = result_.document.feature->children;
        rule_ = &std::get<GherkinRule>(children.emplace_back(std::in_place_type<GherkinRule>));
        rule_->location = token_.location;
        rule_->tags = TakePendingTags();
        rule_->keyword = token_.keyword;
        rule_->name = std::move(token_.text);
        StartDescription(rule_->description);
        state_ = State::RuleHeader;
    }

    // The children of the rule being read, or of the feature.
    template <typename Child> Child& AddChild()
    {
        CloseSection();
        if (rule_)
            return std::get<Child>(rule_->children.emplace_back(std::in_place_type<Child>));
        return std::get<Child>(result_.document.feature->children.emplace_back(std::in_place_type<Child>));
    }

    void StartBackground()
    {
        background_ = &AddChild<GherkinBackground>();
        background_->location = token_.location;
        background_->keyword = token_.keyword;
        background_->name = std::move(token_.text);
        StartDescription(background_->description);
        state_ = State::BackgroundHeader;
    }

    void StartScenario()
    {
        scenario_ = &AddChild<GherkinScenario>();
        scenario_->location = token_.location;
        scenario_->tags = TakePendingTags();
        scenario_->keyword = token_.keyword;
        const auto& outlines = dialect_->scenarioOutline;
        scenario_->outlineKeyword
            = std::find(outlines.begin(), outlines.end(), token_.keyword) != outlines.end();
        scenario_->name = std::move(token_.text);
        StartDescription(scenario_->description);
        state_ = State::ScenarioHeader;
    }

    void StartExamples()
    {
        step_ = nullptr;
        examples_ = &scenario_->examples.emplace_back();
        examples_->location = token_.location;
        examples_->tags = TakePendingTags();
        examples_->keyword = token_.keyword;
        examples_->name = std::move(token_.text);
        StartDescription(examples_->description);
        state_ = State::ExamplesHeader;
    }

    void StartStep()
    {
        auto& steps = background_ ? background_->steps : scenario_->steps;
        step_ = &steps.emplace_back();
        step_->location = token_.location;
        step_->keyword = token_.keyword;
        step_->keywordType = token_.keywordType;
        step_->text = std::move(token_.text);
        state_ = State::Step;
    }

    void TakeDocStringSeparator()
    {
        switch (state_) {
        case State::StepDocString:
            state_ = State::StepAfterDocString;
            return;
        case State::StepTableDocString:
            state_ = State::StepTableAfterDocString;
            return;
        default:
            break;
        }
        GherkinDocString& docString = step_->docString.emplace();
        docString.location = token_.location;
        docString.delimiter = token_.keyword;
        docString.mediaType = std::move(token_.text);
        docStringDelimiter_ = token_.keyword;
        docStringIndent_ = token_.location.column - 1;
        docStringLines_ = 0;
        state_ = state_ == State::Step ? State::StepDocString : State::StepTableDocString;
    }

    void TakeTableRow()
    {
        GherkinTableRow row { token_.location, std::move(token_.cells) };
        const int cellCount = static_cast<int>(row.cells.size());
        switch (state_) {
        case State::Step:
        case State::StepAfterDocString:
            step_->dataTable.emplace().location = token_.location;
            StartTable(cellCount);
            state_ = state_ == State::Step ? State::StepTable : State::StepDocStringTable;
            step_->dataTable->rows.push_back(std::move(row));
            return;
        case State::ExamplesHeader:
        case State::ExamplesDescription:
            StartTable(cellCount);
            state_ = State::ExamplesTable;
            examples_->tableHeader = std::move(row);
            return;
        default:
            break;
        }
        if (cellCount != tableCellCount_ && !tableMismatch_) {
            tableMismatch_ = row.location;
            tableMismatchLength_ = CodePointCount(GherkinLine(lines_[row.location.line - 1], 0).trimmed);
        }
        if (state_ == State::ExamplesTable)
            examples_->tableBody.push_back(std::move(row));
        else
            step_->dataTable->rows.push_back(std::move(row));
    }

    void StartTable(int cellCount)
    {
        tableCellCount_ = cellCount;
        tableMismatch_.reset();
    }

    // Cucumber counts a table's cells when the table is over, and names the first row that differs.
    void FinishTable()
    {
        if (tableMismatch_)
            AddError({ *tableMismatch_, tableMismatchLength_, u"inconsistent cell count within the table" });
        tableMismatch_.reset();
    }

    void TakeOther()
    {
        if (IsDocStringState(state_)) {
            std::u16string& content = step_->docString->content;
            if (docStringLines_++ > 0)
                content += u'\n';
            content += token_.text;
            return;
        }
        AddDescriptionLine(token_.text);
        state_ = DescriptionOf(state_);
    }

    void StartDescription(std::u16string& description)
    {
        description_ = &description;
        descriptionLines_ = 0;
        descriptionKept_ = 0;
    }

    void AddDescriptionLine(std::u16string_view line)
    {
        if (descriptionLines_++ > 0)
            *description_ += u'\n';
        *description_ += line;
        if (!TrimGherkin(line).empty())
            descriptionKept_ = description_->size();
    }

    // A description ends at its last line that is not blank.
    void FinishDescription()
    {
        if (description_)
            description_->resize(descriptionKept_);
        description_ = nullptr;
    }

    void Unexpected(const GherkinLine& line)
    {
        std::u16string message = u"expected: ";
        AppendExpected(message, Expected(state_, InBackground()));
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
        result_.errors.push_back(std::move(error));
        if (result_.errors.size() >= MOST_ERRORS)
            stopped_ = true;
    }

    const GherkinKeywordTable& table_;
    const GherkinDialect* dialect_;
    std::vector<GherkinToken>* tokens_;
    std::span<const std::u16string_view> lines_;
    GherkinParseResult result_;
    GherkinToken token_;
    State state_ = State::Start;
    bool stopped_ = false;

    // The open elements; every one but the last of each list is complete.
    std::vector<GherkinTag> pendingTags_;
    GherkinRule* rule_ = nullptr;
    GherkinBackground* background_ = nullptr;
    GherkinScenario* scenario_ = nullptr;
    GherkinStep* step_ = nullptr;
    GherkinExamples* examples_ = nullptr;

    std::u16string* description_ = nullptr;
    int descriptionLines_ = 0;
    std::size_t descriptionKept_ = 0;

    std::u16string_view docStringDelimiter_;
    int docStringIndent_ = 0;
    int docStringLines_ = 0;

    int tableCellCount_ = 0;
    std::optional<GherkinLocation> tableMismatch_;
    int tableMismatchLength_ = 0;
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
    const GherkinDialect& defaultDialect, std::vector<GherkinToken>* tokens)
{
    return ParseGherkinLines(GherkinLines(text), table, defaultDialect, tokens);
}

GherkinParseResult ParseGherkinLines(std::span<const std::u16string_view> lines,
    const GherkinKeywordTable& table, const GherkinDialect& defaultDialect, std::vector<GherkinToken>* tokens)
{
    return Parser(lines, table, defaultDialect, tokens).Run();
}
