#include "app/Printing.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("    Given step number %1 of a long scenario").arg(i);
    return lines.join('\n');
}

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    if (!pdf.startsWith("%PDF"))
        return -1;
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class PrintToPdfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QFont font(QStringLiteral("Courier New"), 10);
        font.setStyleHint(QFont::Monospace);
        m_view.setFont(font);
    }

    QTemporaryDir m_folder;
    QPlainTextEdit m_view;
};

TEST_F(PrintToPdfTest, WritesEveryPageOfTheText)
{
    m_view.setPlainText(Lines(5));
    const QString shortPdf = m_folder.filePath("short.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, shortPdf));
    EXPECT_GT(QFile(shortPdf).size(), 0);
    EXPECT_EQ(PdfPages(shortPdf), 1);

    m_view.setPlainText(Lines(300));
    const QString longPdf = m_folder.filePath("long.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, longPdf));
    // 300 lines of 10-point text cannot fit on fewer than four pages.
    EXPECT_GE(PdfPages(longPdf), 4);
}

TEST_F(PrintToPdfTest, LeavesTheEditorAsItWas)
{
    m_view.setPlainText(Lines(50));
    QTextCursor cursor = m_view.textCursor();
    cursor.setPosition(20);
    m_view.setTextCursor(cursor);
    const bool modified = m_view.document()->isModified();
    ASSERT_TRUE(PrintToPdf(&m_view, m_folder.filePath("view.pdf")));
    EXPECT_EQ(m_view.textCursor().position(), 20);
    EXPECT_EQ(m_view.document()->isModified(), modified);
    EXPECT_EQ(m_view.toPlainText(), Lines(50));
}

TEST_F(PrintToPdfTest, UnwritablePlaceIsReportedAsFailure)
{
    m_view.setPlainText(Lines(3));
    EXPECT_FALSE(PrintToPdf(&m_view, m_folder.filePath("no/such/folder/out.pdf")));
    EXPECT_FALSE(PrintToPdf(nullptr, m_folder.filePath("none.pdf")));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("none.pdf")));
}

TEST(PrintController, KeepsHalfInchMarginsOnEverySide)
{
    PrintController controller;
    const QMarginsF margins = controller.printer().pageLayout().margins(QPageLayout::Inch);
    EXPECT_DOUBLE_EQ(margins.left(), 0.5);
    EXPECT_DOUBLE_EQ(margins.top(), 0.5);
    EXPECT_DOUBLE_EQ(margins.right(), 0.5);
    EXPECT_DOUBLE_EQ(margins.bottom(), 0.5);
}

}  // namespace
