#include "ViewTestSupport.h"

namespace {

using ViewColouring = ViewTest;

// The characters that tell each colouring rule apart: the keyword against the
// name behind it, the leading blanks, the end of a whole-line span.
TEST_F(ViewColouring, PaintsEachLineByItsRole)
{
    const QStringList sample = { "# language: en", "@smoke @fast", "Feature: Orders", "  Some description",
        "  Scenario: Pay", "    Given a card", "    | a | b |", "    \"\"\"", "    free text", "    \"\"\"",
        "  text after steps", "  #include \"x.csv\" ", "    * starred", "  Examples: e" };
    const struct {
        int line, column;
        QColor colour;
        bool italic = false;
    } cases[] = { { 0, 13, comment, true }, { 1, 11, tag }, { 2, 6, heading }, { 2, 7, black },
        { 3, 0, comment, true }, // a description from column 0
        { 4, 1, black }, { 4, 2, heading }, { 5, 4, step }, { 5, 10, black }, { 6, 12, table },
        { 7, 4, docString }, { 8, 0, docString }, { 10, 2, black }, { 11, 2, black }, { 12, 4, step } };
    Show(Crlf(sample));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << sample[c.line].toStdString() << " column " << c.column);
        EXPECT_EQ(PaintAt(c.line, c.column), std::pair(c.colour, c.italic));
    }
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
    const QStringList text
        = { "Scenario: s", "  Given a", "  ", "  text", "  When in", "  more", "  \"\"\"" };
    Show(Crlf(text), 2, 2);
    const auto below = [&] {
        std::vector<QColor> colours;
        for (int line = 3; line < text.size(); ++line)
            colours.push_back(ColourAt(line, 2));
        return colours;
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
