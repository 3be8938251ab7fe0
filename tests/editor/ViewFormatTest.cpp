#include "ViewTestSupport.h"

#include "platform/Clipboard.h"
#include "support/Corpus.h"

#include <QFile>

namespace {

QString ReadCorpusFile(const std::filesystem::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

using ViewFormat = ViewTest;

TEST_F(ViewFormat, IsOneUndoableEditLeavesTheTextOnTheClipboardAndTheCaretAtItsLineStart)
{
    const QString text = Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s"),
        QStringLiteral("Given a"), QStringLiteral("| x |"), QString() });
    Show(text);
    view.control().SetSel(view.control().LineIndex(2) + 3, view.control().LineIndex(3) + 2);

    view.OnFormat();
    const QString formatted = view.WholeText();
    ASSERT_NE(formatted, text);
    EXPECT_EQ(GetClipboardText(), formatted);
    EXPECT_EQ(view.textCursor().selectionStart(), view.control().LineIndex(2));
    EXPECT_EQ(view.textCursor().selectionEnd(), view.control().LineIndex(2));
    EXPECT_TRUE(view.IsTextModified());
    EXPECT_EQ(PaintAt(view, 2, 2).colour, QColor(192, 0, 0)) << "the re-indented step keeps its colour";

    view.undo();
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_FALSE(view.IsTextModified());
    view.redo();
    EXPECT_EQ(view.WholeText(), formatted);
}

TEST_F(ViewFormat, CarriesLinesBeyondTheAnalysedOnesOverUnchanged)
{
    QStringList lines { QStringLiteral("Scenario: s") };
    for (int i = 1; i < 2100; ++i)
        lines << QStringLiteral("Given line %1").arg(i);
    Show(Crlf(lines));
    view.OnFormat();
    const QStringList after = view.WholeText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(after.size(), 2100);
    EXPECT_EQ(after[1997], QStringLiteral("  Given line 1997"));
    EXPECT_EQ(after[1998], QStringLiteral("Given line 1998"));
    EXPECT_EQ(after[2099], QStringLiteral("Given line 2099"));
}

TEST_F(ViewFormat, FormatAndUnformatAreFixedPointsOnRealFiles)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        Show(ReadCorpusFile(path));
        const QString shown = view.WholeText();
        const int lines = view.control().GetLineCount();

        view.OnFormat();
        const QString formatted = view.WholeText();
        view.OnFormat();
        EXPECT_EQ(view.WholeText(), formatted) << "Format of its own result";
        EXPECT_LE(std::abs(view.control().GetLineCount() - lines), 1) << "no line lost or added";

        view.OnUnformat();
        const QString unformatted = view.WholeText();
        view.OnUnformat();
        EXPECT_EQ(view.WholeText(), unformatted) << "Unformat of its own result";
        if (unformatted != formatted) {
            view.undo();
            EXPECT_EQ(view.WholeText(), formatted) << "one Undo takes back one command";
        }
        while (view.document()->isUndoAvailable())
            view.undo();
        EXPECT_EQ(view.WholeText(), shown);
    }
}

}  // namespace
