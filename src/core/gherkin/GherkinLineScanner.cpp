#include "GherkinLineScanner.h"

#include "GherkinText.h"
#include "core/DocStringDelimiters.h"

#include <algorithm>
#include <string>

namespace {

void Begin(GherkinToken& token, GherkinTokenType type, const GherkinLine& line, int column)
{
    token.type = type;
    token.location = { line.number, column };
    token.keyword = {};
    token.keywordType = StepKeywordType::Unknown;
    token.text.clear();
    token.tags.clear();
    token.cells.clear();
}

bool IsLanguageCodeCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'-' || c == u'_';
}

std::size_t SkipSpace(std::u16string_view text, std::size_t at)
{
    while (at < text.size() && IsCucumberSpace(text[at]))
        ++at;
    return at;
}

// Where a comment that follows a blank starts, or the end of the text.
std::size_t TagCommentStart(std::u16string_view text)
{
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == u'#' && IsCucumberSpace(text[i - 1]))
            return i - 1;
    }
    return text.size();
}

// The characters of `text` up to `end`, counted on from `column` at `start`.
int ColumnAt(std::u16string_view text, std::size_t start, std::size_t end, int column)
{
    return column + CodePointCount(text.substr(start, end - start));
}

// A cell's text with its escapes read: "\|", "\\" and "\n"; any other
// backslash stands for itself. Blanks typed at its end are no part of it, a
// line break written "\n" is.
void ReadEscapedCell(std::u16string_view text, std::u16string& value)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const char16_t next = text[i + 1];
            if (next == u'n' || next == u'\\' || next == u'|') {
                value += next == u'n' ? u'\n' : next;
                kept = value.size();
                ++i;
                continue;
            }
        }
        value += c;
        if (!IsCucumberSpace(c))
            kept = value.size();
    }
    value.resize(kept);
}

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to)
{
    for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::vector<std::u16string_view> GherkinLines(std::u16string_view text)
{
    std::vector<std::u16string_view> lines;
    // Counted first: a guess that fell short would hold the vector's old
    // array beside one twice its size while it grows, near three times the
    // lines of a large text at once.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')) + 1);
    const auto add = [&lines, &text](std::size_t start, std::size_t end) {
        if (end > start && text[end - 1] == u'\r')
            --end;
        lines.push_back(text.substr(start, end - start));
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            add(start, i);
            start = i + 1;
        }
    }
    if (!TrimGherkin(text.substr(start)).empty())
        add(start, text.size());
    return lines;
}

GherkinLine::GherkinLine(std::u16string_view lineText, int lineNumber)
    : text(lineText)
    , number(lineNumber)
{
    const std::u16string_view rest = TrimGherkinStart(text);
    indent = static_cast<int>(text.size() - rest.size());
    trimmed = TrimGherkinEnd(rest);
}

bool MatchEmpty(const GherkinLine& line, GherkinToken& token)
{
    if (!line.trimmed.empty())
        return false;
    Begin(token, GherkinTokenType::Empty, line, 1);
    return true;
}

bool MatchComment(const GherkinLine& line, GherkinToken& token)
{
    if (!line.trimmed.starts_with(u'#'))
        return false;
    Begin(token, GherkinTokenType::Comment, line, 1);
    token.text.assign(line.text);
    return true;
}

LanguageMatch MatchLanguage(const GherkinLine& line, const GherkinKeywordTable& table, GherkinToken& token,
    const GherkinDialect*& dialect)
{
    static constexpr std::u16string_view LANGUAGE = u"language";
    const std::u16string_view text = line.trimmed;
    if (!text.starts_with(u'#'))
        return LanguageMatch::NotLanguage;
    std::size_t at = SkipSpace(text, 1);
    if (text.substr(at, LANGUAGE.size()) != LANGUAGE)
        return LanguageMatch::NotLanguage;
    at = SkipSpace(text, at + LANGUAGE.size());
    if (at >= text.size() || text[at] != u':')
        return LanguageMatch::NotLanguage;
    const std::size_t codeStart = SkipSpace(text, at + 1);
    std::size_t codeEnd = codeStart;
    while (codeEnd < text.size() && IsLanguageCodeCharacter(text[codeEnd]))
        ++codeEnd;
    // The line is trimmed, so the code must end it.
    if (codeEnd == codeStart || codeEnd != text.size())
        return LanguageMatch::NotLanguage;
    Begin(token, GherkinTokenType::Language, line, line.column());
    const std::u16string_view code = text.substr(codeStart, codeEnd - codeStart);
    token.text.assign(code);
    dialect = table.Find(code);
    return dialect ? LanguageMatch::Matched : LanguageMatch::Unsupported;
}

TagMatch MatchTagLine(const GherkinLine& line, GherkinToken& token, GherkinLocation& bad, int& badLength)
{
    if (!line.trimmed.starts_with(u'@'))
        return TagMatch::NotTags;
    const std::u16string_view text
        = line.text.substr(0, line.indent + TagCommentStart(line.text.substr(line.indent)));
    Begin(token, GherkinTokenType::TagLine, line, line.column());
    std::size_t at = static_cast<std::size_t>(line.indent);
    int column = line.column();
    while (at < text.size()) {
        // `at` is on an "@"; the tag runs to the next one.
        std::size_t next = text.find(u'@', at + 1);
        if (next == std::u16string_view::npos)
            next = text.size();
        const std::u16string_view name = TrimGherkinEnd(text.substr(at + 1, next - at - 1));
        if (!name.empty()) {
            for (const char16_t c : name) {
                if (IsCucumberSpace(c)) {
                    bad = { line.number, column };
                    badLength = 1 + CodePointCount(name);
                    return TagMatch::Whitespace;
                }
            }
            std::u16string tag(1, u'@');
            tag += name;
            token.tags.push_back({ { line.number, column }, std::move(tag) });
        }
        column = ColumnAt(text, at, next, column);
        at = next;
    }
    return TagMatch::Matched;
}

bool MatchTitleLine(const GherkinLine& line, std::span<const std::u16string_view> keywords,
    GherkinTokenType type, GherkinToken& token)
{
    const std::u16string_view text = line.text.substr(line.indent);
    for (const std::u16string_view keyword : keywords) {
        if (text.size() > keyword.size() && text[keyword.size()] == u':' && text.starts_with(keyword)) {
            Begin(token, type, line, line.column());
            token.keyword = keyword;
            token.text.assign(TrimGherkin(text.substr(keyword.size() + 1)));
            return true;
        }
    }
    return false;
}

bool MatchStepLine(const GherkinLine& line, const GherkinDialect& dialect, GherkinToken& token)
{
    // Keywords that want a blank after them carry it, so a line keeps its
    // trailing blanks while it is matched: "Given " alone is a step.
    const std::u16string_view text = line.text.substr(line.indent);
    for (const GherkinStepKeyword& step : dialect.steps) {
        if (text.starts_with(step.keyword)) {
            Begin(token, GherkinTokenType::StepLine, line, line.column());
            token.keyword = step.keyword;
            token.keywordType = step.type;
            token.text.assign(TrimGherkin(text.substr(step.keyword.size())));
            return true;
        }
    }
    return false;
}

bool MatchDocStringSeparator(const GherkinLine& line, std::u16string_view openDelimiter, GherkinToken& token)
{
    const std::u16string_view text = line.trimmed;
    std::u16string_view delimiter;
    if (openDelimiter.empty()) {
        if (text.starts_with(DOC_STRING_DELIMITER))
            delimiter = DOC_STRING_DELIMITER;
        else if (text.starts_with(DOC_STRING_BACKTICKS))
            delimiter = DOC_STRING_BACKTICKS;
        else
            return false;
    } else if (text.starts_with(openDelimiter)) {
        delimiter = openDelimiter;
    } else {
        return false;
    }
    Begin(token, GherkinTokenType::DocStringSeparator, line, line.column());
    token.keyword = delimiter;
    token.text.assign(TrimGherkin(text.substr(delimiter.size())));
    return true;
}

bool MatchTableRow(const GherkinLine& line, GherkinToken& token)
{
    if (!line.trimmed.starts_with(u'|'))
        return false;
    Begin(token, GherkinTokenType::TableRow, line, line.column());
    const std::u16string_view text = line.trimmed;
    // Text after the last bar is no cell.
    std::size_t start = 1;
    int column = line.column() + 1;
    for (;;) {
        std::size_t end = start;
        bool escaped = false;
        while (end < text.size() && text[end] != u'|') {
            if (text[end] == u'\\') {
                escaped = true;
                ++end;
            }
            ++end;
        }
        if (end >= text.size())
            return true;
        const std::u16string_view raw = text.substr(start, end - start);
        GherkinTableCell& cell = token.cells.emplace_back();
        const std::u16string_view value = TrimGherkinStart(raw);
        cell.location = { line.number, column + static_cast<int>(raw.size() - value.size()) };
        if (escaped)
            ReadEscapedCell(value, cell.value);
        else
            cell.value.assign(TrimGherkinEnd(value));
        column += CodePointCount(raw) + 1;
        start = end + 1;
    }
}

void MatchOther(const GherkinLine& line, GherkinToken& token)
{
    Begin(token, GherkinTokenType::Other, line, 1);
    token.text.assign(line.text);
}

void MatchDocStringLine(
    const GherkinLine& line, int indent, std::u16string_view delimiter, GherkinToken& token)
{
    Begin(token, GherkinTokenType::Other, line, 1);
    std::size_t start = 0;
    while (start < line.text.size() && start < static_cast<std::size_t>(indent)
        && IsCucumberSpace(line.text[start]))
        ++start;
    token.text.assign(line.text.substr(start));
    if (token.text.find(u'\\') == std::u16string::npos)
        return;
    if (delimiter == DOC_STRING_DELIMITER)
        ReplaceAll(token.text, u"\\\"\\\"\\\"", DOC_STRING_DELIMITER);
    else
        ReplaceAll(token.text, u"\\`\\`\\`", DOC_STRING_BACKTICKS);
}
