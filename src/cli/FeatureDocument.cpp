#include "FeatureDocument.h"

#include "Output.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <string>
#include <utility>

std::optional<FeatureDocument> OpenFeatureDocument(const CliArguments& arguments)
{
    // The editor's language setting defaults to English; the tool has no setting.
    SetLanguage(u"en");
    if (arguments.languageCode && !SetLanguage(FromUtf8(*arguments.languageCode))) {
        ReportProblem("unknown language code '" + *arguments.languageCode
            + "' (quillmark-cli languages lists the codes)");
        return std::nullopt;
    }

    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(arguments.file, bytes, reason)) {
        ReportProblem("cannot read " + arguments.file + ": " + reason);
        return std::nullopt;
    }
    DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
    if (decoded.replacedSequences > 0) {
        const std::size_t count = decoded.replacedSequences;
        ReportProblem("warning: " + arguments.file + ": " + std::to_string(count) + " invalid byte sequence"
            + (count == 1 ? "" : "s") + " could not be decoded");
    }
    if (decoded.unrecognisedEncoding)
        ReportProblem("warning: " + arguments.file
            + ": neither UTF-8 nor UTF-16 text (it holds zero bytes); read as UTF-8");

    TextLineSource source(decoded.text);
    FeatureDocument document { std::move(decoded.text), std::move(source) };
    if (!arguments.languageCode) {
        // As on opening a document: only a first line that ends with a line
        // break is looked at, and a directive naming no language leaves the
        // language as it was.
        if (const auto firstLine = DirectiveLineOf(document.source.wholeText())) {
            if (const auto unknown = ApplyLanguageDirective(*firstLine))
                ReportProblem("Cannot set language to " + ToUtf8(*unknown));
        }
    }
    return document;
}
