#include "EditorTestSupport.h"

#include "core/editor/Format.h"
#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using FormatTest = English;

// Format, or else Unformat, of a text analysed as it stands up to `limit` lines.
std::u16string Rebuilt(const std::u16string& text, bool format, int limit = MAX_ANALYSED_LINES)
{
    int docStringColumn = 0;
    const TextLineSource source(text);
    const Language english = LanguageOf(u"en");
    return format ? FormatWholeText(english, source, Analysed(text, limit), docStringColumn)
                  : UnformatWholeText(english, source, Analysed(text, limit), docStringColumn);
}

// What FormatRelayableLines, or else UnformatRelayableLines, hands over for
// `text`, its pieces joined; every piece ends where a line does.
std::u16string Relayable(const std::u16string& text, bool format, std::u16string_view lineBreak)
{
    int docStringColumn = 0;
    std::u16string joined;
    const auto put = [&](std::u16string_view lines) {
        EXPECT_TRUE(lines.ends_with(lineBreak));
        joined += lines;
    };
    const LineAnalysis analysis = Analysed(text);
    if (format)
        FormatRelayableLines(analysis, lineBreak, docStringColumn, put);
    else
        UnformatRelayableLines(analysis, lineBreak, docStringColumn, put);
    return joined;
}

// A text of the editor's CR LF breaks with every break written as `lineBreak`.
std::u16string WithLineBreaks(const std::u16string& text, std::u16string_view lineBreak)
{
    std::u16string written;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(u"\r\n", at);
        written += std::u16string_view(text).substr(at, end - at);
        if (end == std::u16string::npos)
            return written;
        written += lineBreak;
        at = end + 2;
    }
}

// The text without blanks, tabs and line breaks: what Format and Unformat must never change.
std::u16string Ink(std::u16string text)
{
    std::erase_if(text, [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
    return text;
}

// Lines past the analysed ones are written back exactly as they stood.
TEST_F(FormatTest, LinesPastTheLimitAreCarriedOverWithoutLosingOrDoublingALineBreak)
{
    // Past the final break; an empty line; a last line without break; several lines.
    for (const std::u16string rest : { u"", u"\r\n", u"x", u"\t Given c\r\n\r\n   trailing without break" }) {
        SCOPED_TRACE(rest.size());
        const std::u16string text = u"\tGiven a\r\n Given b\r\n" + rest;
        EXPECT_EQ(Rebuilt(text, true, 2), u"  Given a\r\n  Given b\r\n" + rest);
        EXPECT_EQ(Rebuilt(text, false, 2), u"Given a\r\nGiven b\r\n" + rest);
    }
}

// Re-laid, half of such a block would no longer be what Cucumber reads.
TEST_F(FormatTest, ABlockRunningPastTheLimitIsCarriedOverWithAllAfterIt)
{
    const std::u16string docString = Crlf({ u"Given a", u" \"\"\"", u"   x", u" \"\"\"", u"Given b" });
    const std::u16string table = Crlf({ u"Given a", u" | a |", u" | b |", u"Given c" });
    const std::tuple<const char*, std::u16string, int, std::u16string> cases[] = {
        { "a doc string open at the limit", docString, 3, u"  Given a\r\n" + docString.substr(9) },
        { "closed at the limit", docString, 4,
            Crlf({ u"  Given a", u"    \"\"\"", u"      x", u"    \"\"\"", u"Given b" }) },
        { "a table whose next row is past the limit", table, 2, u"  Given a\r\n" + table.substr(9) },
        { "a table that ends at the limit", table, 3,
            Crlf({ u"  Given a", u"    | a |", u"    | b |", u"Given c" }) },
    };
    for (const auto& [name, text, limit, formatted] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Rebuilt(text, true, limit), formatted);
    }
}

// Cucumber cuts as much white space from a content line as the opening
// delimiter is indented, no-break spaces and tabs included; the cut follows.
TEST_F(FormatTest, ADocStringLineKeepsTheContentCucumberReads)
{
    const std::u16string text = Crlf({ u"Given a", u"      \"\"\"", u"\u00a0\u00a0\u00a0a", u"  \t  b",
        u"\t\t\t\t\t\t\tc", u"", u"      \"\"\"" });
    EXPECT_EQ(Rebuilt(text, true),
        Crlf({ u"  Given a", u"    \"\"\"", u"    a", u"    b", u"    \tc", u"    ", u"    \"\"\"", u"" }));
}

TEST_F(FormatTest, TablesThatNoLongerDescribeTheTextAreRenewedFirst)
{
    const std::u16string now = Crlf({ u"Scenario: s", u"Given a", u"When b", u"" });
    int column = 0;
    EXPECT_EQ(FormatWholeText(english, TextLineSource(now), Analysed(u"Scenario: s\r\nGiven a"), column),
        Crlf({ u"Scenario: s", u"  Given a", u"  When b", u"" }));
}

// Lines are rebuilt into pieces of a bounded size, and handed over when the
// next line may not fit: lines of every length around a piece's size, and
// longer than one, come out whole.
TEST_F(FormatTest, LinesOfAnyLengthAreHandedOverWholeInPieces)
{
    std::u16string text, formatted;
    for (const std::size_t length :
        { 1, 7, 8, 9, 16, 17, 5000, 16370, 16383, 16384, 16385, 40000, 3, 20000, 2 }) {
        const std::u16string line = u"Given " + std::u16string(length, u'x');
        text += u"\t" + line + u"\r\n";
        formatted += u"  " + line + u"\n";
    }
    EXPECT_EQ(Relayable(text, true, u"\n"), formatted);
}

// A line as a source gives it may hold carriage returns anywhere, one, two
// or none together; each is left out and the line break is written anew.
TEST_F(FormatTest, CarriageReturnsWithinALineAreLeftOut)
{
    struct LinesAsGiven final : LineSource {
        std::vector<std::u16string> lines;
        int lineCount() const override { return static_cast<int>(lines.size()); }
        std::u16string lineText(int line) const override { return lines[static_cast<std::size_t>(line)]; }
        int lineStart(int line) const override { return line; }
    } source;
    std::u16string formatted;
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::u16string ink = u"Given " + std::u16string(length, u'x');
        for (std::size_t at = 6; at <= ink.size(); ++at) {
            for (const std::u16string_view returns : { u"\r", u"\r\r" }) {
                source.lines.push_back(ink.substr(0, at) + std::u16string(returns) + ink.substr(at) + u"\r");
                formatted += u"  " + ink + u"\r\n";
            }
        }
    }
    LineAnalysis analysis;
    analysis.AnalyseAll(english, source);
    int docStringColumn = 0;
    EXPECT_EQ(FormatWholeText(english, source, analysis, docStringColumn), formatted);
}

// Format and Unformat of a real file are fixed points of each other and keep its ink.
void ExpectFixedPoints(const std::filesystem::path& file)
{
    SCOPED_TRACE(file.filename().string());
    DecodedFeatureFile decoded;
    std::string error;
    ASSERT_TRUE(ReadFeatureFile(file.string(), decoded, error)) << error;
    const std::u16string formatted = Rebuilt(decoded.text, true), unformatted = Rebuilt(decoded.text, false);
    EXPECT_EQ(Rebuilt(formatted, true), formatted);
    EXPECT_EQ(Rebuilt(unformatted, false), unformatted);
    EXPECT_EQ(Rebuilt(formatted, false), unformatted);
    EXPECT_EQ(Ink(formatted), Ink(decoded.text));
    EXPECT_EQ(Ink(unformatted), Ink(decoded.text));

    // Rebuilt from a fresh analysis for the command-line tool, with its own
    // line break, the file's lines come out the same.
    EXPECT_EQ(Relayable(decoded.text, true, u"\n"), WithLineBreaks(formatted, u"\n"));
    EXPECT_EQ(Relayable(decoded.text, false, u"\r\n"), unformatted);
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverTheLargeSample)
{
    ExpectFixedPoints(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature");
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverTheCorpus)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << CorpusMissing();
    for (const auto& file : files)
        ExpectFixedPoints(file);
}

} // namespace
