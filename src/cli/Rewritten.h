#pragma once

#include "Arguments.h"
#include "FeatureDocument.h"
#include "Output.h"
#include "core/editor/LineAnalysis.h"

#include <string_view>

// Puts what format, unformat or align makes of a document, every line break
// written as `lineEnd`: the editor's command over the analysed lines, then
// the lines past them as they stand. `analysis` describes the document
// (AnalyseAll over DocumentLines), made from it just now. Only the analysed
// lines are ever rebuilt, and they go out a piece at a time; the rest goes
// out in place, in one piece when its line breaks are `lineEnd` already, and
// as the file's own bytes when the document has them.
void PutRewritten(CliCommand command, const FeatureDocument& document, const LineAnalysis& analysis,
    std::u16string_view lineEnd, TextSink& sink);
