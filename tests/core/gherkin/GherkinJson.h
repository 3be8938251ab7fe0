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
        json.out_ += u"{\"gherkinDocument\":{\"comments\":[";
        for (const GherkinComment& comment : document.comments) {
            json.Separate();
            json.out_ += u"{";
            json.Location(comment.location);
            json.Field(u"text", comment.text, false);
            json.out_ += u"}";
        }
        json.out_ += u"]";
        if (document.feature)
            json.Feature(*document.feature);
        json.out_ += u"}}";
        return json.out_;
    }

private:
    void Separate()
    {
        if (out_.back() != u'[' && out_.back() != u'{')
            out_ += u',';
    }

    void Key(std::u16string_view key)
    {
        Separate();
        (((out_ += u'"') += key) += u'"') += u':';
    }

    void String(std::u16string_view text)
    {
        out_ += u'"';
        for (const char16_t c : text) {
            switch (c) {
            case u'"':
                out_ += u"\\\"";
                break;
            case u'\\':
                out_ += u"\\\\";
                break;
            case u'\n':
                out_ += u"\\n";
                break;
            case u'\r':
                out_ += u"\\r";
                break;
            case u'\t':
                out_ += u"\\t";
                break;
            default:
                if (c < 0x20) {
                    static constexpr char16_t HEX[] = u"0123456789abcdef";
                    ((out_ += u"\\u00") += HEX[c >> 4]) += HEX[c & 15];
                } else {
                    out_ += c;
                }
            }
        }
        out_ += u'"';
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
        out_ += u"{\"column\":" + Number(location.column) + u",\"line\":" + Number(location.line) + u"}";
    }

    static std::u16string Number(int value)
    {
        const std::string digits = std::to_string(value);
        return { digits.begin(), digits.end() };
    }

    void Tags(const std::vector<GherkinTag>& tags)
    {
        Key(u"tags");
        out_ += u"[";
        for (const GherkinTag& tag : tags) {
            Separate();
            out_ += u"{";
            Location(tag.location);
            Field(u"name", tag.name, false);
            out_ += u"}";
        }
        out_ += u"]";
    }

    void Row(const GherkinTableRow& row)
    {
        out_ += u"{";
        Key(u"cells");
        out_ += u"[";
        for (const GherkinTableCell& cell : row.cells) {
            Separate();
            out_ += u"{";
            Location(cell.location);
            Field(u"value", cell.value, false);
            out_ += u"}";
        }
        out_ += u"]";
        Location(row.location);
        out_ += u"}";
    }

    void Rows(std::u16string_view key, const std::vector<GherkinTableRow>& rows)
    {
        Key(key);
        out_ += u"[";
        for (const GherkinTableRow& row : rows) {
            Separate();
            Row(row);
        }
        out_ += u"]";
    }

    void Steps(const std::vector<GherkinStep>& steps)
    {
        Key(u"steps");
        out_ += u"[";
        for (const GherkinStep& step : steps) {
            Separate();
            out_ += u"{";
            if (step.dataTable) {
                Key(u"dataTable");
                out_ += u"{";
                Location(step.dataTable->location);
                Rows(u"rows", step.dataTable->rows);
                out_ += u"}";
            }
            if (step.docString) {
                Key(u"docString");
                out_ += u"{";
                Field(u"content", step.docString->content, false);
                Field(u"delimiter", step.docString->delimiter, false);
                Location(step.docString->location);
                Field(u"mediaType", step.docString->mediaType, true);
                out_ += u"}";
            }
            Field(u"keyword", step.keyword, false);
            Field(u"keywordType", StepKeywordTypeName(step.keywordType), false);
            Location(step.location);
            Field(u"text", step.text, false);
            out_ += u"}";
        }
        out_ += u"]";
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
        out_ += u"{";
        Heading(background.description, background.keyword, background.location, background.name);
        Steps(background.steps);
        out_ += u"}";
    }

    void Scenario(const GherkinScenario& scenario)
    {
        Key(u"scenario");
        out_ += u"{";
        Field(u"description", scenario.description, false);
        Key(u"examples");
        out_ += u"[";
        for (const GherkinExamples& examples : scenario.examples) {
            Separate();
            out_ += u"{";
            Heading(examples.description, examples.keyword, examples.location, examples.name);
            Rows(u"tableBody", examples.tableBody);
            if (examples.tableHeader) {
                Key(u"tableHeader");
                Row(*examples.tableHeader);
            }
            Tags(examples.tags);
            out_ += u"}";
        }
        out_ += u"]";
        Field(u"keyword", scenario.keyword, false);
        Location(scenario.location);
        Field(u"name", scenario.name, false);
        Steps(scenario.steps);
        Tags(scenario.tags);
        out_ += u"}";
    }

    template <typename Child> void Children(const std::vector<Child>& children)
    {
        Key(u"children");
        out_ += u"[";
        for (const Child& child : children) {
            Separate();
            out_ += u"{";
            std::visit([this](const auto& element) { Element(element); }, child);
            out_ += u"}";
        }
        out_ += u"]";
    }

    void Element(const GherkinBackground& background) { Background(background); }
    void Element(const GherkinScenario& scenario) { Scenario(scenario); }
    void Element(const GherkinRule& rule)
    {
        Key(u"rule");
        out_ += u"{";
        Children(rule.children);
        Heading(rule.description, rule.keyword, rule.location, rule.name);
        Tags(rule.tags);
        out_ += u"}";
    }

    void Feature(const GherkinFeature& feature)
    {
        Key(u"feature");
        out_ += u"{";
        Children(feature.children);
        Field(u"description", feature.description, false);
        Field(u"keyword", feature.keyword, false);
        Field(u"language", feature.language, false);
        Location(feature.location);
        Field(u"name", feature.name, false);
        Tags(feature.tags);
        out_ += u"}";
    }

    std::u16string out_;
};
