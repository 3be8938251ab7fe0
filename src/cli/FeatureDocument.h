#pragma once

#include "Arguments.h"
#include "core/editor/TextLineSource.h"

#include <optional>
#include <string>

struct FeatureDocument {
    std::u16string text; // as decoded from the file, line ends as they stand
    TextLineSource source; // the lines of the editor's control
};

// Opens the file of a file command as the editor opens a document: reads it
// through the codec, splits it into the control's lines, and selects the
// language (the --language code, else the file's "# language:" line, else
// English). Problems are reported on stderr; returns nothing when the command
// cannot go on.
std::optional<FeatureDocument> OpenFeatureDocument(const CliArguments& arguments);
