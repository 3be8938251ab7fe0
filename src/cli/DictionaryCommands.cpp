#include "Commands.h"
#include "Output.h"
#include "core/language/KeywordDictionary.h"

int RunLanguages()
{
    std::u16string table;
    for (const LanguageKeywords& language : languageTable)
        table += language.code + u'\t' + language.englishName + u'\t' + language.nativeName + u'\n';
    WriteUtf8(stdout, table);
    return STATUS_OK;
}

int RunKeywords(const CliArguments& arguments)
{
    const int index = FindLanguage(FromUtf8(*arguments.languageCode));
    if (index < 0) {
        ReportProblem("unknown language code '" + *arguments.languageCode
            + "' (quillmark-cli languages lists the codes)");
        return STATUS_FAILURE;
    }
    // The record as the dictionary holds it, not the copy a Language reads,
    // which is re-ordered longest keyword first.
    std::u16string table;
    for (const KeywordEntry& entry : languageTable[index].keywords) {
        if (entry.type == XXXXXXXXX)
            continue;
        table += wordTypeNames[entry.type] + u'\t' + entry.keyword + u'\n';
    }
    WriteUtf8(stdout, table);
    return STATUS_OK;
}
