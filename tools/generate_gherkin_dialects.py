#!/usr/bin/env python3
"""Writes src/core/gherkin/GherkinDialects.cpp from data/cucumber/gherkin-languages.json.

The Gherkin checker reads keywords exactly as Cucumber's table gives them,
languages in the table's order, title keywords in the table's order, and
step keywords with the blank that must follow them where the table has one.
The step keywords of a language are written once each, longest first, since
a line takes the longest one it starts with; a keyword that the table lists
for more than one kind of step ("* ") is of the Unknown kind.

Run it from anywhere after changing the JSON file, and commit the result:
the build does not run Python.

    python3 tools/generate_gherkin_dialects.py [--check] [json] [output]

With --check it writes nothing and fails when the committed file differs
from what it would write; the test suite runs it that way.
"""

import pathlib
import sys

from generated_source import literal, write_or_check

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEFAULT_JSON = ROOT / "data" / "cucumber" / "gherkin-languages.json"
DEFAULT_OUTPUT = ROOT / "src" / "core" / "gherkin" / "GherkinDialects.cpp"

TITLE_KEYS = ["feature", "background", "rule", "scenario", "scenarioOutline", "examples"]
STEP_KINDS = [("given", "Context"), ("when", "Action"), ("then", "Outcome"), ("and", "Conjunction"),
              ("but", "Conjunction")]


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2


def step_keywords(code, record):
    kinds = {}
    order = []
    for key, kind in STEP_KINDS:
        for word in record[key]:
            if not word:
                sys.exit(f"{code}: empty {key} keyword")
            if word not in kinds:
                kinds[word] = set()
                order.append(word)
            kinds[word].add(kind)
    # Stable: keywords of equal length keep the table's order.
    order.sort(key=lambda word: -utf16_length(word))
    return [(word, next(iter(kinds[word])) if len(kinds[word]) == 1 else "Unknown") for word in order]


def identifier(code):
    return "".join(ch if ch.isalnum() else "_" for ch in code)


def generate(languages):
    lines = [
        "// This file is generated. Do not edit! Generator: tools/generate_gherkin_dialects.py,",
        "// from data/cucumber/gherkin-languages.json.",
        "// clang-format off",
        "",
        '#include "GherkinDialect.h"',
        "",
        "#include <string_view>",
        "",
        "namespace {",
        "",
        "using namespace std::string_view_literals;",
        "",
    ]
    for code, record in languages.items():
        name = identifier(code)
        for key in TITLE_KEYS:
            words = record[key]
            if not words or any(not word or ":" in word for word in words):
                sys.exit(f"{code}: {key} keywords must be given, without a colon")
            items = ", ".join(literal(word) + "sv" for word in words)
            lines.append(f"constexpr std::u16string_view {name}_{key}[] = {{{items}}};")
        lines.append(f"constexpr GherkinStepKeyword {name}_steps[] = {{")
        for word, kind in step_keywords(code, record):
            lines.append(f"    {{{literal(word)}sv, StepKeywordType::{kind}}},")
        lines.append("};")
        lines.append("")
    lines.append("constexpr GherkinDialect dialects[] = {")
    for code, record in languages.items():
        name = identifier(code)
        spans = ", ".join(f"{name}_{key}" for key in TITLE_KEYS + ["steps"])
        lines.append(f"    {{{literal(code)}sv, {literal(record['name'])}sv, {literal(record['native'])}sv,")
        lines.append(f"     {spans}}},")
    lines.append("};")
    lines.append("")
    lines.append("constexpr GherkinKeywordTable table { dialects };")
    lines.append("")
    lines.append("} // namespace")
    lines.append("")
    lines.append("const GherkinKeywordTable& CucumberKeywordTable()")
    lines.append("{")
    lines.append("    return table;")
    lines.append("}")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    write_or_check(lambda source, languages: generate(languages), DEFAULT_JSON, DEFAULT_OUTPUT)
