#include "FeatureDocument.h"

#include "Output.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace {

bool ReadStandardInput(std::string& bytes, std::string& error)
{
    char chunk[1 << 16];
    errno = 0;
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    if (!std::ferror(stdin))
        return true;
    error = std::generic_category().message(errno != 0 ? errno : EIO);
    return false;
}

} // namespace

std::string DisplayName(const std::string& file)
{
    return file == "-" ? "standard input" : file;
}

std::optional<DecodedFeatureFile> ReadFeatureInput(const std::string& file)
{
    DecodedFeatureFile decoded;
    std::string reason;
    bool read = false;
    if (file == "-") {
        std::string bytes;
        read = ReadStandardInput(bytes, reason);
        decoded = DecodeFeatureFile(bytes);
    } else {
        read = ReadFeatureFile(file, decoded, reason);
    }
    // Positions in the text are ints, as the editor control's are.
    if (read && decoded.text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        read = false;
        reason = std::make_error_code(std::errc::file_too_large).message();
    }
    if (!read) {
        ReportProblem("cannot read " + DisplayName(file) + ": " + reason);
        return std::nullopt;
    }
    if (decoded.replacedSequences > 0) {
        const std::size_t count = decoded.replacedSequences;
        ReportProblem("warning: " + DisplayName(file) + ": " + std::to_string(count)
            + " invalid byte sequence" + (count == 1 ? "" : "s") + " could not be decoded");
    }
    if (decoded.unrecognisedEncoding)
        ReportProblem("warning: " + DisplayName(file)
            + ": neither UTF-8 nor UTF-16 text (it holds zero bytes); read as UTF-8");
    return decoded;
}

std::optional<FeatureDocument> OpenFeatureDocument(
    const std::string& file, const std::optional<std::string>& languageCode)
{
    // The editor's language setting defaults to English; the tool has no setting.
    Language language = LanguageOf(u"en");
    if (languageCode && !SetLanguage(language, FromUtf8(*languageCode))) {
        ReportProblem(
            "unknown language code '" + *languageCode + "' (quillmark-cli languages lists the codes)");
        return std::nullopt;
    }

    std::optional<DecodedFeatureFile> decoded = ReadFeatureInput(file);
    if (!decoded)
        return std::nullopt;
    FeatureDocument document { TextLineSource(std::move(decoded->text)), std::move(language),
        decoded->replacedSequences, decoded->unrecognisedEncoding };
    if (!languageCode) {
        // As on opening a document; a directive naming no language leaves the
        // language as it was.
        const TextLineSource& source = document.source;
        const auto problem = ApplyDocumentLanguage(
            document.language, source.lineCount(), [&source](int line) { return source.lineText(line); });
        if (problem)
            ReportAt(DisplayName(file), problem->line, ToUtf8(problem->message));
    }
    return document;
}
