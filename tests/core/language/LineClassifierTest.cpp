// Judging single lines against the current language. Lines as they stand in
// feature files are in the golden files (tests/golden); these are the lines
// no file can hold.
#include "core/language/LineClassifier.h"

#include "LanguageState.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyLine, LinesNoFileHolds)
{
    const struct {
        const char16_t* language; // "" for before any language is selected
        const char16_t* line;
        LineType type;
        const char16_t* keyword;
    } cases[] = {
        { u"en", u"  \t\r", TEXT_LINE, u"" },
        { u"en", u"\rGiven x", TEXT_LINE, u"" }, // a carriage return is no blank
        { u"", u"Given x", TEXT_LINE, u"" }, // before any language only the markers are known
        { u"", u"* x", STEP_LINE, u"*" }, { u"", u"#include f", INCLUDE_LINE, u"#include" },
        { u"", u"\"\"\"", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
        { u"ta", u"மேலும் ", TEXT_LINE, u"" }, // trimming takes a bare keyword's trailing blank
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.language) + " " + testing::PrintToString(c.line));
        ForgetCurrentLanguage();
        if (*c.language) {
            ASSERT_TRUE(SetLanguage(c.language));
        }
        std::u16string keyword;
        EXPECT_EQ(ClassifyLine(c.line, keyword), c.type);
        EXPECT_EQ(keyword, c.keyword);
    }
}

} // namespace
