#include "Commands.h"

const char* UsageText()
{
    return R"(Usage: quillmark-cli COMMAND [OPTIONS] [ARGUMENT...]

Reads Gherkin feature files as the Quillmark editor does and prints what the
editor sees in them.

Commands:
  languages                  Every language the editor knows, one a line:
                             code, English name, native name (tab-separated).
                             Also: --i18n-languages
  keywords CODE              The keywords of one language in dictionary order,
                             one a line: keyword type, keyword (tab-separated).
                             Also: --i18n-keywords CODE
  classify [--language CODE] FILE
                             Every line of FILE judged on its own, one a line:
                             index from 0, line type number, line type name,
                             keyword (tab-separated).
  analyse [--language CODE] FILE
                             The same as the editor colours it, with description
                             text and doc strings recognised from the lines
                             around them; the first 1998 lines only.
  format [--check | --write] [--line-ends crlf|lf] [--language CODE] FILE...
                             Each FILE re-indented by the role of each line.
  unformat [--check | --write] [--line-ends crlf|lf] [--language CODE] FILE...
                             Each FILE with the indentation removed.
  align [--check | --write] [--line-ends crlf|lf] [--language CODE] FILE...
                             Each FILE with every table aligned as the editor's
                             Table command writes it back, and nothing else
                             changed: rows in descriptions and doc strings are
                             text, and a table whose rows Cucumber reads
                             otherwise, or whose rows may go on past line
                             1998, is left alone and named on stderr.
  check [--strict] [--language CODE] FILE...
                             Each FILE read as Cucumber reads it: one line for
                             each error Cucumber reports, "FILE:LINE:COLUMN:
                             error: MESSAGE", and each warning about what it
                             accepts but runs wrongly, "FILE:LINE:COLUMN:
                             warning: MESSAGE [name]", in line order.
  --help, -h, help           This text.
  --version                  The version of the tool, which is the editor's.

For format, unformat, align and check, a FILE may be a folder, which stands for every
*.feature file below it, or "-", standard input. The result is printed on
standard output as UTF-8, with the line ends of its input (the first line end
found; CR LF for a file without one). Lines past the first 1998, and a doc
string or table that runs on past them, are left as they are, with a note on
standard error.

Options:
  --language CODE            Read FILE in that language (see "languages") instead
                             of the one its "# language: fr" line names (the
                             first among the comment lines at its top);
                             without either, English. check knows the 80
                             languages of Cucumber's own keyword table.
  --check                    Print nothing; name each FILE that would change on
                             stderr and exit with 1 if there is one, 0 if not.
  --write                    Rewrite each FILE that would change in place (as
                             UTF-8, never half written); "-" is still printed.
  --line-ends crlf|lf        Write these line ends instead of the input's.
  --strict                   check: warnings count as errors.

FILE may be UTF-8 (with or without a byte-order mark) or UTF-16.

Exit status: 0 done; 1 --check found a file to change, or check found an
error (with --strict, an error or a warning); 2 bad arguments, an unknown
language code, or a file that cannot be read or written.
)";
}
