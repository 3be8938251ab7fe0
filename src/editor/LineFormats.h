#pragma once

#include "core/editor/LineColours.h"

#include <QFont>
#include <QTextCharFormat>

// The seven character formats of the editor, told apart by colour (and italics
// for comments). They carry no font: the view's one fixed-pitch font applies to
// the whole text, so a new size takes effect everywhere at once. None sets
// bold, underline or a background.
struct LineFormats {
    QTextCharFormat defaultFormat; // black: text, names after keywords, include lines
    QTextCharFormat
        headingFormat; // 128, 0, 0: Feature, Rule, Scenario, Background, Scenario Outline keywords
    QTextCharFormat stepFormat; // 192, 0, 0: step and Examples keywords
    QTextCharFormat tagFormat; // 128, 128, 0: tag lines
    QTextCharFormat tableFormat; // 64, 64, 64: table rows
    QTextCharFormat docStringFormat; // 0, 128, 128: doc strings and their delimiters
    QTextCharFormat commentFormat; // 128, 0, 128, italic: comments and description text
};

// "Courier New" when the system has it, otherwise the system's fixed-pitch font.
QFont EditorFont(int points);

LineFormats MakeLineFormats();

// The format of one of the editor's colours.
const QTextCharFormat& FormatOf(const LineFormats& formats, LineColour colour);
