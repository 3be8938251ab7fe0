#include "core/table/CellValue.h"
#include "core/table/TableRow.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// Cells as a file holds them, their values as Cucumber reads them (the cells
// of Gherkin's own escaped_pipes example among them), and the text written
// back for the value: the same as the file's unless the file escaped a
// backslash that needed no escape.
TEST(CellValue, ReadsTheEscapesAndWritesTheValueBackSoThatItReadsTheSame)
{
    const std::tuple<std::u16string, std::u16string, std::u16string> cases[] = {
        { u"a \\| b", u"a | b", u"a \\| b" },
        { u"x\\|y", u"x|y", u"x\\|y" },
        { u"line1\\nline2", u"line1\nline2", u"line1\\nline2" },
        { u"\\|\u00e6\\\\n", u"|\u00e6\\n", u"\\|\u00e6\\\\n" },
        { u"\\o\\no\\", u"\\o\no\\", u"\\o\\no\\" },
        { u"\\\\\\|a\\\\\\\\n", u"\\|a\\\\n", u"\\\\\\|a\\\\\\\\n" },
        { u"\u00f8\\\\\\n\u00f8\\\\", u"\u00f8\\\n\u00f8\\", u"\u00f8\\\\\\n\u00f8\\" },
        { u"C:\\path", u"C:\\path", u"C:\\path" },
        { u"back\\\\slash", u"back\\slash", u"back\\slash" },
    };
    for (const auto& [written, value, writtenBack] : cases) {
        EXPECT_EQ(CellValue(written), value);
        EXPECT_EQ(WrittenCell(value), writtenBack);
        EXPECT_EQ(CellValue(WrittenCell(value)), value);
    }
    // Any line break of a value is one escape; the written cell stays in its cell.
    EXPECT_EQ(WrittenCell(u"a\r\nb\rc"), u"a\\nb\\nc");
    EXPECT_EQ(LinesToCellMatrix({ u"| " + WrittenCell(u"x|y\\") + u"  | z |" }),
        (CellMatrix { { u"x\\|y\\", u"z" } }));
}

} // namespace
