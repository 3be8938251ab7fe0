#include "Commands.h"

const char* UsageText()
{
    return R"(Usage: quillmark-cli COMMAND [OPTIONS] [ARGUMENT]

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
  format [--check] [--language CODE] FILE
                             FILE re-indented by the role of each line, printed
                             as UTF-8 with CR LF line ends.
  unformat [--check] [--language CODE] FILE
                             FILE with the indentation removed, printed the same way.
  --help, -h, help           This text.

Options:
  --language CODE            Read FILE in that language (see "languages") instead
                             of the one its first line names ("# language: fr");
                             without either, English.
  --check                    Print nothing; exit with 1 when FILE is not already
                             formatted (or unformatted), 0 when it is.

FILE may be UTF-8 (with or without a byte-order mark) or UTF-16.

Exit status: 0 done; 1 --check found a file to change; 2 bad arguments, an
unknown language code or a file that cannot be read.
)";
}
