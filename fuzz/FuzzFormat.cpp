#include "core/editor/DocStringIndent.h"
#include "core/editor/Format.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

enum class Rebuild { Format, Unformat };

// The whole text after Format or Unformat, run on freshly analysed tables as
// the command does right after an edit; docStringColumn starts anew each time,
// as in the command-line tool.
std::u16string Rebuilt(const Language& language, const std::u16string& wholeText, Rebuild rebuild)
{
    const TextLineSource source(wholeText);
    LineAnalysis analysis;
    analysis.AnalyseAll(language, source);
    int docStringColumn = 0;
    return rebuild == Rebuild::Format ? FormatWholeText(language, source, analysis, docStringColumn)
                                      : UnformatWholeText(language, source, analysis, docStringColumn);
}

// White space goes (the indentation, the line breaks, and what Cucumber
// takes for the indentation of a doc string's lines); the rest is the content
// that no rebuild may drop, add or reorder.
std::u16string Content(std::u16string_view text)
{
    std::u16string content;
    for (char16_t c : text)
        if (!IsCucumberSpace(c))
            content.push_back(c);
    return content;
}

} // namespace

// A feature file's bytes, read and given its language as the editor opens it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TextLineSource source(DecodeFeatureFile(bytes).text);
    const std::u16string text = source.wholeText();
    Language language = LanguageOf(u"en");
    ApplyDocumentLanguage(
        language, source.lineCount(), [&source](int line) { return source.lineText(line); });

    const std::u16string formatted = Rebuilt(language, text, Rebuild::Format);
    const std::u16string unformatted = Rebuilt(language, text, Rebuild::Unformat);
    if (Rebuilt(language, formatted, Rebuild::Format) != formatted)
        std::abort();
    if (Rebuilt(language, formatted, Rebuild::Unformat) != unformatted)
        std::abort();
    const std::u16string content = Content(text);
    if (Content(formatted) != content || Content(unformatted) != content)
        std::abort();
    return 0;
}
