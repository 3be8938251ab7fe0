#pragma once

#include "core/editor/EditorTestSupport.h"
#include "core/file/FeatureFileCodec.h"
#include "core/table/BlockText.h"
#include "core/table/WhiteSpace.h"

#include <filesystem>
#include <functional>
#include <string>

// The text as the control holds it, every line break one CR.
inline std::u16string ControlText(const std::u16string& wholeText)
{
    const TextLineSource source(wholeText);
    std::u16string control;
    for (int line = 0; line < source.lineCount(); ++line)
        control += source.lineText(line);
    return control;
}

// The whole text after a command found `block` with `find` at `line` and OK
// wrote back `edit` of its lines, as WriteBlockBack pastes it over the range.
inline std::u16string AfterOk(const std::u16string& wholeText, int line,
    const std::function<BlockLocation(const LineAnalysis&, int)>& find,
    const std::function<LineList(const BlockLocation&)>& edit)
{
    const BlockLocation block = find(Analysed(wholeText), line);
    if (block.lines.empty())
        return wholeText;
    std::u16string pasted;
    for (char16_t c : BuildBlockText(edit(block), block))
        if (c != u'\n')
            pasted += c;
    std::u16string control = ControlText(wholeText);
    control.replace(
        static_cast<std::size_t>(block.start), static_cast<std::size_t>(block.end - block.start), pasted);
    return TextLineSource(control).wholeText();
}

// The row ends with a "|" that no backslash escapes.
inline bool EndsWithSeparator(const std::u16string& row)
{
    const std::u16string_view trimmed = TrimWhiteSpace(row);
    std::size_t backslashes = 0;
    while (backslashes + 1 < trimmed.size() && trimmed[trimmed.size() - 2 - backslashes] == u'\\')
        ++backslashes;
    return !trimmed.empty() && trimmed.back() == u'|' && backslashes % 2 == 0;
}

// A file of the corpus as the editor shows it.
inline std::u16string CorpusText(const std::filesystem::path& file)
{
    DecodedFeatureFile decoded;
    std::string error;
    EXPECT_TRUE(ReadFeatureFile(file.string(), decoded, error)) << error;
    return decoded.text;
}
