#include "EditorTestSupport.h"

#include "core/editor/Format.h"
#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <string>
#include <vector>

namespace {

using FormatTest = English;

// Format, or else Unformat, of a text analysed as it stands up to `limit` lines.
std::u16string Rebuilt(const std::u16string& text, bool format, int limit = MAX_ANALYSED_LINES)
{
    int docStringColumn = 0;
    const TextLineSource source(text);
    return format ? FormatWholeText(source, Analysed(text, limit), docStringColumn)
                  : UnformatWholeText(source, Analysed(text, limit), docStringColumn);
}

// The text without blanks, tabs and line breaks: what Format and Unformat must never change.
std::u16string Ink(std::u16string text)
{
    std::erase_if(text, [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
    return text;
}

// Lines of each role are in the golden files, the doc-string column from one command
// to the next in the view's tests; here, lines past the limit and whole real files.
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

TEST_F(FormatTest, TablesThatNoLongerDescribeTheTextAreRenewedFirst)
{
    const std::u16string now = Crlf({ u"Scenario: s", u"Given a", u"When b", u"" });
    int column = 0;
    EXPECT_EQ(FormatWholeText(TextLineSource(now), Analysed(u"Scenario: s\r\nGiven a"), column),
        Crlf({ u"Scenario: s", u"  Given a", u"  When b", u"" }));
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverRealFiles)
{
    // The corpus beside the project, when present, and the large sample.
    std::vector<std::filesystem::path> files = CorpusFiles();
    files.emplace_back(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature");
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        DecodedFeatureFile decoded;
        std::string error;
        ASSERT_TRUE(ReadFeatureFile(file.string(), decoded, error)) << error;
        const std::u16string formatted = Rebuilt(decoded.text, true),
                             unformatted = Rebuilt(decoded.text, false);
        EXPECT_EQ(Rebuilt(formatted, true), formatted);
        EXPECT_EQ(Rebuilt(unformatted, false), unformatted);
        EXPECT_EQ(Rebuilt(formatted, false), unformatted);
        EXPECT_EQ(Ink(formatted), Ink(decoded.text));
        EXPECT_EQ(Ink(unformatted), Ink(decoded.text));
    }
}

} // namespace
