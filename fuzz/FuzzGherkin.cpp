#include "core/file/FeatureFileCodec.h"
#include "core/gherkin/GherkinCheck.h"
#include "core/gherkin/GherkinLineScanner.h"
#include "core/gherkin/GherkinParser.h"
#include "core/gherkin/GherkinText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::u16string> Messages(const std::vector<GherkinError>& errors)
{
    std::vector<std::u16string> messages;
    for (const GherkinError& error : errors)
        messages.push_back(CucumberErrorText(error));
    return messages;
}

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

// A feature file's bytes, read as Cucumber reads them in English.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::u16string text = DecodeFeatureFile(bytes).text;
    text.erase(std::remove(text.begin(), text.end(), u'\r'), text.end());
    const GherkinKeywordTable& table = CucumberKeywordTable();
    const GherkinDialect& english = *table.Find(u"en");

    std::vector<GherkinToken> tokens;
    const GherkinParseResult parsed = ParseGherkin(text, table, english, &tokens);
    const std::vector<std::u16string_view> lines = GherkinLines(text);
    const int endLine = static_cast<int>(lines.size()) + 1;

    // Cucumber gives up at its eleventh error, and only then.
    Require(parsed.errors.size() <= 11 && (parsed.readToEnd || parsed.errors.size() == 11));
    std::size_t skipped = 0;
    for (const GherkinError& error : parsed.errors) {
        const GherkinLocation& at = error.location;
        Require(at.line >= 1 && at.line <= endLine && (at.column == 0) == (at.line == endLine));
        if (at.column > 0)
            Require(error.length >= 1 && at.column + error.length - 1 <= CodePointCount(lines[at.line - 1]));
        skipped += error.message.starts_with(u"expected: ") ? 1 : 0;
    }
    // Read to its end, every line was taken as a token or left out with an error.
    if (parsed.readToEnd) {
        const bool endTaken = !tokens.empty() && tokens.back().type == GherkinTokenType::EndOfFile;
        Require(endTaken == (parsed.errors.empty() || parsed.errors.back().location.column != 0));
        Require(tokens.size() - (endTaken ? 1 : 0) + skipped == lines.size());
    }

    // Line ends of CR LF read as line feeds do.
    std::u16string crlf;
    for (const char16_t c : text)
        crlf += c == u'\n' ? std::u16string_view(u"\r\n") : std::u16string_view(&c, 1);
    Require(Messages(ParseGherkin(crlf, table, english).errors) == Messages(parsed.errors));

    // What a check finds is in line order.
    const std::vector<GherkinProblem> problems = CheckGherkin(text, table, english);
    Require(std::is_sorted(problems.begin(), problems.end(), [](const auto& a, const auto& b) {
        return a.location.line != b.location.line ? a.location.line < b.location.line
                                                  : a.location.column < b.location.column;
    }));
    return 0;
}
