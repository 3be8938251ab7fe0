#pragma once

#include "core/gherkin/GherkinDocument.h"

#include <string>
#include <string_view>
#include <variant>

// The document tree in the form of Cucumber's .ast.ndjson files, keys sorted
// as they are there, without the ids (which need not match) and the file's
// name. Written by the tests only, to hold the tree to those files.
class GherkinJson {
public:
    static std::u16string Of(const GherkinDocument& document)
    {
        GherkinJson json;
        json.m_out += u"{\"gherkinDocument\":{\"comments\":[";
        for (const GherkinComment& comment : document.comments) {
            json.Separate();
            json.m_out += u"{";
            json.Location(comment.location);
            json.Field(u"text", comment.text, false);
            json.m_out += u"}";
        }
        json.m_out += u"]";
        if (document.feature)
            json.Feature(*document.feature);
        json.m_out += u"}}";
        return json.m_out;
    }

private:
    void Separate()
    {
        if (m_out.back() != u'[' && m_out.back() != u'{')
            m_out += u',';
    }

    void Key(std::u16string_view key)
    {
        Separate();
        (((m_out += u'"') += key) += u'"') += u':';
    }

    void String(std::u16string_view text)
    {
        m_out += u'"';
        for (const char16_t c : text) {
            switch (c) {
            case u'"':
                m_out += u"\\\"";
                break;
            case u'\\':
                m_out += u"\\\\";
                break;
            case u'\n':
                m_out += u"\\n";
                break;
            case u'\r':
                m_out += u"\\r";
                break;
            case u'\t':
                m_out += u"\\t";
                break;
            default:
                if (c < 0x20) {
                    static constexpr char16_t HEX[] = u"0123456789abcdef";
                    ((m_out += u"\\u00") += HEX[c >> 4]) += HEX[c & 15];
                } else {
                    m_out += c;
                }
            }
        }
        m_out += u'"';
    }

    void Field(std::u16string_view key, std::u16string_view value, bool omitEmpty)
    {
        if (omitEmpty && value.empty())
            return;
        Key(key);
        String(value);
    }

    void Location(const GherkinLocation& location)
    {
        Key(u"location");
        m_out += u"{\"column\":" + Number(location.column) + u",\"line\":" + Number(location.line) + u"}";
    }

    static std::u16string Number(int value)
    {
        const std::string digits = std::to_string(value);
        return { digits.begin(), digits.end() };
    }

    void Tags(const std::vector<GherkinTag>& tags)
    {
        Key(u"tags");
        m_out += u"[";
        for (const GherkinTag& tag : tags) {
            Separate();
            m_out += u"{";
            Location(tag.location);
            Field(u"name", tag.name, false);
            m_out += u"}";
        }
        m_out += u"]";
    }

    void Row(const GherkinTableRow& row)
    {
        m_out += u"{";
        Key(u"cells");
        m_out += u"[";
        for (const GherkinTableCell& cell : row.cells) {
            Separate();
            m_out += u"{";
            Location(cell.location);
            Field(u"value", cell.value, false);
            m_out += u"}";
        }
        m_out += u"]";
        Location(row.location);
        m_out += u"}";
    }

    void Rows(std::u16string_view key, const std::vector<GherkinTableRow>& rows)
    {
        Key(key);
        m_out += u"[";
        for (const GherkinTableRow& row : rows) {
            Separate();
            Row(row);
        }
        m_out += u"]";
    }

    void Steps(const std::vector<GherkinStep>& steps)
    {
        Key(u"steps");
        m_out += u"[";
        for (const GherkinStep& step : steps) {
            Separate();
            m_out += u"{";
            if (step.dataTable) {
                Key(u"dataTable");
                m_out += u"{";
                Location(step.dataTable->location);
                Rows(u"rows", step.dataTable->rows);
                m_out += u"}";
            }
            if (step.docString) {
                Key(u"docString");
                m_out += u"{";
                Field(u"content", step.docString->content, false);
                Field(u"delimiter", step.docString->delimiter, false);
                Location(step.docString->location);
                Field(u"mediaType", step.docString->mediaType, true);
                m_out += u"}";
            }
            Field(u"keyword", step.keyword, false);
            Field(u"keywordType", StepKeywordTypeName(step.keywordType), false);
            Location(step.location);
            Field(u"text", step.text, false);
            m_out += u"}";
        }
        m_out += u"]";
    }

    // The fields every element has before and after its own.
    void Heading(std::u16string_view description, std::u16string_view keyword,
        const GherkinLocation& location, std::u16string_view name)
    {
        Field(u"description", description, false);
        Field(u"keyword", keyword, false);
        Location(location);
        Field(u"name", name, false);
    }

    void Background(const GherkinBackground& background)
    {
        Key(u"background");
        m_out += u"{";
        Heading(background.description, background.keyword, background.location, background.name);
        Steps(background.steps);
        m_out += u"}";
    }

    void Scenario(const GherkinScenario& scenario)
    {
        Key(u"scenario");
        m_out += u"{";
        Field(u"description", scenario.description, false);
        Key(u"examples");
        m_out += u"[";
        for (const GherkinExamples& examples : scenario.examples) {
            Separate();
            m_out += u"{";
            Heading(examples.description, examples.keyword, examples.location, examples.name);
            Rows(u"tableBody", examples.tableBody);
            if (examples.tableHeader) {
                Key(u"tableHeader");
                Row(*examples.tableHeader);
            }
            Tags(examples.tags);
            m_out += u"}";
        }
        m_out += u"]";
        Field(u"keyword", scenario.keyword, false);
        Location(scenario.location);
        Field(u"name", scenario.name, false);
        Steps(scenario.steps);
        Tags(scenario.tags);
        m_out += u"}";
    }

    template <typename Child> void Children(const std::vector<Child>& children)
    {
        Key(u"children");
        m_out += u"[";
        for (const Child& child : children) {
            Separate();
            m_out += u"{";
            std::visit([this](const auto& element) { Element(element); }, child);
            m_out += u"}";
        }
        m_out += u"]";
    }

    void Element(const GherkinBackground& background) { Background(background); }
    void Element(const GherkinScenario& scenario) { Scenario(scenario); }
    void Element(const GherkinRule& rule)
    {
        Key(u"rule");
        m_out += u"{";
        Children(rule.children);
        Heading(rule.description, rule.keyword, rule.location, rule.name);
        Tags(rule.tags);
        m_out += u"}";
    }

    void Feature(const GherkinFeature& feature)
    {
        Key(u"feature");
        m_out += u"{";
        Children(feature.children);
        Field(u"description", feature.description, false);
        Field(u"keyword", feature.keyword, false);
        Field(u"language", feature.language, false);
        Location(feature.location);
        Field(u"name", feature.name, false);
        Tags(feature.tags);
        m_out += u"}";
    }

    std::u16string m_out;
};
