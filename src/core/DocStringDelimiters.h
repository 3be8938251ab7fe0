#pragma once

#include <string_view>

// The two delimiters a doc string opens and closes with; a doc string is
// closed only by the one it was opened with. The classifier, the table side
// and the Gherkin reader all go by these.
inline constexpr std::u16string_view DOC_STRING_DELIMITER = u"\"\"\"";
inline constexpr std::u16string_view DOC_STRING_BACKTICKS = u"```";
