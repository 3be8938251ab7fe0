#include "GherkinDialect.h"

std::u16string_view StepKeywordTypeName(StepKeywordType type)
{
    switch (type) {
    case StepKeywordType::Unknown:
        return u"Unknown";
    case StepKeywordType::Context:
        return u"Context";
    case StepKeywordType::Action:
        return u"Action";
    case StepKeywordType::Outcome:
        return u"Outcome";
    case StepKeywordType::Conjunction:
        return u"Conjunction";
    }
    return u"";
}

const GherkinDialect* GherkinKeywordTable::Find(std::u16string_view code) const
{
    for (const GherkinDialect& dialect : m_dialects) {
        if (dialect.code == code)
            return &dialect;
    }
    return nullptr;
}
