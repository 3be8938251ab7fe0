"""What the generators of the committed keyword tables share: the C++
literal a keyword is written as, and the command line that writes the
generated file or checks that the committed one is up to date."""

import json
import pathlib
import sys
import unicodedata


def literal(text):
    """A u"" literal; invisible characters are escaped so that a reader sees them."""
    out = []
    for ch in text:
        category = unicodedata.category(ch)
        if ch in '"\\':
            out.append("\\" + ch)
        elif category == "Cc":
            out.append(f"\\{ord(ch):03o}")
        elif category in ("Cf", "Zs") and ch != " ":
            out.append(f"\\u{ord(ch):04X}" if ord(ch) <= 0xFFFF else f"\\U{ord(ch):08X}")
        else:
            out.append(ch)
    return 'u"' + "".join(out) + '"'


def write_or_check(generate, default_json, default_output):
    """[--check] [json] [output]: `generate(source, languages)` gives the text
    of the output from the languages of the JSON file; --check writes nothing
    and fails when the committed output differs from it."""
    arguments = sys.argv[1:]
    check = "--check" in arguments
    arguments = [a for a in arguments if a != "--check"]
    source = pathlib.Path(arguments[0]) if len(arguments) > 0 else default_json
    target = pathlib.Path(arguments[1]) if len(arguments) > 1 else default_output
    languages = json.loads(source.read_text(encoding="utf-8"))
    text = generate(source, languages)
    if check:
        current = target.read_text(encoding="utf-8") if target.exists() else ""
        if current != text:
            sys.exit(f"{target} is out of date: run tools/{pathlib.Path(sys.argv[0]).name}")
        return
    target.write_text(text, encoding="utf-8", newline="\n")
