#include "ViewTestSupport.h"

namespace {

using ViewColouring = ViewTest;

// The characters that tell each colouring rule apart: the keyword against the
// name behind it, the leading blanks, the end of a whole-line span.
TEST_F(ViewColouring, PaintsEachLineByItsRole)
{
    const QStringList sample = { "# language: en", "@smoke @fast", "Feature: Orders", "  Some description",
        "  Scenario: Pay", "    Given a card", "    | a | b |", "    \"\"\"", "    free text", "    \"\"\"",
        "  text after steps" };
    // A line, a column, the colour and slant painted there.
    const std::tuple<int, int, QColor, bool> cases[] = { { 0, 13, comment, true }, { 1, 11, tag, false },
        { 2, 6, heading, false }, { 2, 7, black, false }, { 3, 0, comment, true }, { 4, 1, black, false },
        { 4, 2, heading, false }, { 5, 4, step, false }, { 6, 12, table, false }, { 7, 4, docString, false },
        { 8, 0, docString, false }, { 10, 2, black, false } };
    Show(Crlf(sample));
    for (const auto& [line, column, colour, italic] : cases)
        EXPECT_EQ(PaintAt(line, column), std::pair(colour, italic))
            << sample[line].toStdString() << " at " << column;
}

TEST_F(ViewColouring, EveryKeystrokeRecoloursAtOnceWhatItChanged)
{
    Show(Crlf({ "Scenario: s Given a", "  | x |" }), 0, 12);
    Press(Qt::Key_Return, Qt::ShiftModifier); // a line break like Enter
    EXPECT_EQ(Lines(), (QStringList { "Scenario: s ", "Given a", "  | x |" }));
    EXPECT_EQ(ColourAt(1, 0), step);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(ColourAt(0, 0), heading);
    EXPECT_EQ(ColourAt(1, 2), table);
}

// As far down as the change of context reaches, a step inside included, and
// back when taken back.
TEST_F(ViewColouring, TypingADelimiterRecoloursTheLinesBelowAndBackAgain)
{
    Show(Crlf({ "Scenario: s", "  Given a", "  ", "  text", "  When in", "  more", "  \"\"\"" }), 2, 2);
    const auto below = [this] {
        return std::vector { ColourAt(3, 2), ColourAt(4, 2), ColourAt(5, 2), ColourAt(6, 2) };
    };
    const std::vector before = { black, step, black, docString };
    ASSERT_EQ(below(), before);
    QTest::keyClicks(&view, QStringLiteral("\"\"\""));
    EXPECT_EQ(below(), (std::vector { docString, step, docString, docString }));
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Backspace);
    EXPECT_EQ(below(), before);
}

} // namespace
