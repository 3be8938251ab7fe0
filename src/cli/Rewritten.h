#pragma once

#include "Arguments.h"
#include "Output.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"

#include <string_view>

// Puts what format, unformat or align makes of a text, every line break
// written as `lineEnd`: the editor's command over the analysed lines, then
// the lines past them as they stand. `analysis` describes `source`
// (AnalyseAll in `language`). Only the analysed lines are ever rebuilt as a text of their
// own; the rest goes out in place, in one piece when its line breaks are
// `lineEnd` already.
void PutRewritten(CliCommand command, const Language& language, const TextLineSource& source,
    const LineAnalysis& analysis, std::u16string_view lineEnd, TextSink& sink);
