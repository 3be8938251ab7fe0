#pragma once

#include "core/editor/TextLineSource.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"

#include <cstddef>
#include <optional>
#include <string>

struct FeatureDocument {
    // The lines of the editor's control, over the text as decoded from the
    // file, line ends as they stand.
    TextLineSource source;
    // The language the file is read in, its own: each file of a run chooses
    // afresh.
    Language language;
    // Byte sequences that could not be decoded: writing the text back would lose them.
    std::size_t replacedSequences = 0;
    // Zero bytes that make no UTF-16 text: the text is a last-resort UTF-8 reading.
    bool unrecognisedEncoding = false;
};

// The name a file goes by in messages: "standard input" for "-".
std::string DisplayName(const std::string& file);

// Reads a file ("-": standard input) through the codec. Problems are reported
// on stderr, warnings about its bytes too; returns nothing when it cannot be read.
std::optional<DecodedFeatureFile> ReadFeatureInput(const std::string& file);

// Opens a file ("-": standard input) as the editor opens a document: reads it
// through the codec, splits it into the control's lines, and selects its
// language (`languageCode`, else the file's "# language:" line, else
// English). Problems are reported on stderr; returns nothing when the command
// cannot go on with this file.
std::optional<FeatureDocument> OpenFeatureDocument(
    const std::string& file, const std::optional<std::string>& languageCode);
