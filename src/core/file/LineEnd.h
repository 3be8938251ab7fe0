#pragma once

#include <string>
#include <string_view>

// The line end a file's text is written back with: the file's own, taken to be
// its first line end (CR LF, LF or a lone CR), so that a save changes only the
// lines the user changed; CR LF for a text without one. The editor and the
// command line both write by this rule.
std::u16string_view FirstLineEnd(std::u16string_view text);

// The same for a text seen a piece at a time.
class FirstLineEndFinder {
public:
    void See(std::u16string_view piece);
    std::u16string_view LineEnd() const;

private:
    std::u16string_view m_found;
    bool m_crAtEnd = false;
};

// The UTF-8 form of `text`, each `lineBreak` unit in it written as `lineEnd`
// (the editor's text separates its lines by U+2029). A surrogate without its
// partner is written as U+FFFD, as by EncodeFeatureFile.
std::string EncodeWithLineEnds(std::u16string_view text, char16_t lineBreak, std::u16string_view lineEnd);
