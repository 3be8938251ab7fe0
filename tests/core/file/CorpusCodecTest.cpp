#include "Bytes.h"
#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

namespace {

std::string ReadCorpusFile(const std::filesystem::path& path)
{
    std::string bytes;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes, error)) << path << ": " << error;
    return bytes;
}

// What the UTF-16 line reader makes of a text: every line, however it ended,
// ends with CR LF, the last one included.
std::u16string WithCrLf(const std::u16string& text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        if (text[i] == u'\n')
            result += u"\r\n";
        else
            result.push_back(text[i]);
    }
    if (!result.empty() && !result.ends_with(u"\r\n"))
        result += u"\r\n";
    return result;
}

TEST(Corpus, EveryFileDecodesCleanlyAndSavesByteIdentical)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadCorpusFile(path);
        const DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
        EXPECT_EQ(decoded.encoding, FeatureFileEncoding::Utf8);
        EXPECT_EQ(decoded.replacedSequences, 0u);
        EXPECT_EQ(EncodeFeatureFile(decoded.text), bytes);
    }
}

TEST(Corpus, EveryFileReadsTheSameInAnyUtf16Form)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        const std::u16string text = DecodeFeatureFile(ReadCorpusFile(path)).text;
        if (text.size() < 1)
            continue;
        const std::u16string expected = WithCrLf(text);
        const struct {
            const char* name;
            std::string mark;
            bool bigEndian;
        } forms[] = {
            { "little-endian with mark", Bytes({ 0xFF, 0xFE }), false },
            { "big-endian with mark", Bytes({ 0xFE, 0xFF }), true },
            { "little-endian", "", false },
            { "big-endian", "", true },
        };
        for (const auto& form : forms) {
            // Without a mark, only text that starts below U+0100 can be told apart.
            if (text[0] >= 0x100 && form.mark.empty())
                continue;
            SCOPED_TRACE(path.filename().string() + ", " + form.name);
            std::string bytes = form.mark;
            bytes.append(Utf16Bytes(text, form.bigEndian));
            const DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
            EXPECT_EQ(decoded.encoding,
                form.bigEndian ? FeatureFileEncoding::Utf16BigEndian
                               : FeatureFileEncoding::Utf16LittleEndian);
            EXPECT_EQ(decoded.replacedSequences, 0u);
            EXPECT_EQ(decoded.text, expected);
        }
    }
}

} // namespace
