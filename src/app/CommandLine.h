#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the editor's command line asks for beyond a file to open.

// --help and --version are answered on standard output before any window
// exists, so that they work without a display. Returns the exit status when
// one of them was given, nothing otherwise.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]);

// The file to open from the arguments left once Qt has taken its own
// (program name first), or an empty string for a new document. The editor
// holds one document, so every further file is named on stderr as not opened.
QString FileToOpen(const QStringList& arguments);
