#include "EditorTestSupport.h"

#include "core/editor/PopupRules.h"

namespace {

using PopupRulesTest = English;

TEST_F(PopupRulesTest, ItemsFollowTheLineAndTheLineBelow)
{
    const std::u16string text = Crlf({
        u"Feature: Pop-up", // 0
        u"  Scenario Outline: Cases", // 1
        u"    Given a table", // 2
        u"      | a | b |", // 3
        u"    When a string", // 4
        u"      \"\"\"", // 5
        u"      text", // 6
        u"      \"\"\"", // 7
        u"    Then nothing follows", // 8
        u"  Examples:", // 9
        u"\t  #include \"data.csv\"", // 10
        u"#Include \"other.csv\"", // 11
        u"    And the last line", // 12
    });
    const LineAnalysis a = Analysed(text);
    const struct {
        int line;
        bool table, string, include;
    } cases[] = {
        { 0, false, false, false }, // a heading
        { 2, true, false, false }, // a step before a table
        { 3, true, false, false }, // a table row
        { 4, false, true, false }, // a step before a doc string
        { 5, false, true, false }, // its delimiter
        { 6, false, true, false }, // its text
        { 8, true, true, false }, // a step before a step
        { 9, true, false, false }, // Examples
        { 10, false, false, true }, // an include line, blanks and tabs before it
        { 11, false, false, false }, // other case: a comment
        { 12, true, true, false }, // a step with no line below
        { 13, false, false, false }, // no such line, as any beyond the analysed ones
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line);
        EXPECT_EQ(CanEditTable(a, c.line), c.table);
        EXPECT_EQ(CanEditString(a, c.line), c.string);
        EXPECT_EQ(CanEditIncludeFile(a, c.line), c.include);
    }
}

} // namespace
