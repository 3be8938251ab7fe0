#!/usr/bin/env python3
"""Writes src/core/language/KeywordTable.cpp from data/gherkin-languages.json.

The editor's dictionary is the published Gherkin keyword table with a few
changes of form:
  * the "* " entries are left out; the classifier knows the "*" marker itself;
  * step keywords lose the one trailing blank the table appends to them;
  * English keeps only 13 keywords, and the English and German "scenario"
    groups are reversed, as the editor's dictionary has always held them:
    the order of keywords of equal length decides which one the templates
    write ("Scenario" in English, "Beispiel" in German).

Run it from anywhere after changing the JSON file, and commit the result:
the build does not run Python.

    python3 tools/generate_keyword_table.py [--check] [json] [output]

With --check it writes nothing and fails when the committed file differs
from what it would write; the test suite runs it that way.
"""

import pathlib
import sys

from generated_source import literal, write_or_check

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEFAULT_JSON = ROOT / "data" / "gherkin-languages.json"
DEFAULT_OUTPUT = ROOT / "src" / "core" / "language" / "KeywordTable.cpp"

KEYWORD_SLOTS = 50

# JSON key -> WordType name, in the order the record groups its entries.
TYPE_OF_KEY = [
    ("and", "AND"),
    ("background", "BACKGROUND"),
    ("but", "BUT"),
    ("examples", "EXAMPLES"),
    ("feature", "FEATURE"),
    ("given", "GIVEN"),
    ("rule", "RULE"),
    ("scenario", "SCENARIO"),
    ("scenarioOutline", "SCENARIOOUTLINE"),
    ("then", "THEN"),
    ("when", "WHEN"),
]
STEP_KEYS = {"and", "but", "given", "then", "when"}

# Keywords of the JSON that the editor's English does not know.
DROPPED = {("en", "feature", "Business Need"), ("en", "scenarioOutline", "Scenario Template"),
           ("en", "examples", "Scenarios")}
# Groups whose order is the reverse of the JSON's.
REVERSED = {("en", "scenario"), ("de", "scenario")}


def keywords_of(code, record):
    entries = []
    for key, type_name in TYPE_OF_KEY:
        group = []
        for word in record[key]:
            if word == "* " or (code, key, word) in DROPPED:
                continue
            if key in STEP_KEYS and word.endswith(" "):
                word = word[:-1]
            if not word:
                sys.exit(f"{code}: empty {key} keyword")
            group.append(word)
        if (code, key) in REVERSED:
            group.reverse()
        if not group:
            sys.exit(f"{code}: no {key} keyword")
        entries.extend((type_name, word) for word in group)
    if len(entries) > KEYWORD_SLOTS:
        sys.exit(f"{code}: {len(entries)} keywords do not fit {KEYWORD_SLOTS} slots")
    return entries


def generate(languages):
    lines = [
        "// This file is generated. Do not edit! Generator: tools/generate_keyword_table.py,",
        "// from data/gherkin-languages.json.",
        "// clang-format off",
        "",
        '#include "KeywordDictionary.h"',
        "",
        "// Both tables live in this one file so that languageList is built after",
        "// languageTable whatever order the linker gives the program's files.",
        "const std::array<LanguageKeywords, LANGUAGE_COUNT> languageTable = {{",
    ]
    for code, record in languages.items():
        lines.append(f"    {{{literal(code)}, {literal(record['name'])}, {literal(record['native'])},")
        lines.append("     {{")
        for type_name, word in keywords_of(code, record):
            lines.append(f"         {{{type_name}, {literal(word)}}},")
        lines.append("     }}},")
    lines.append("}};")
    lines.append("")
    lines.append("const std::array<LanguageListEntry, LANGUAGE_COUNT> languageList = {{")
    for code, record in languages.items():
        lines.append(f"    {{{literal(code)}, {literal(record['name'])}}},")
    lines.append("}};")
    return "\n".join(lines) + "\n"


def checked_generate(source, languages):
    if len(languages) != 76:
        sys.exit(f"{source}: {len(languages)} languages, the editor offers 76")
    return generate(languages)


if __name__ == "__main__":
    write_or_check(checked_generate, DEFAULT_JSON, DEFAULT_OUTPUT)
