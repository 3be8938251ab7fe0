#include "core/file/FeatureFileCodec.h"
#include "core/file/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Whatever the bytes, the text is saved as valid UTF-8 that reads back as the
// same text, and UTF-8 that was read without a fault saves byte-identical.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
    const std::string saved = EncodeFeatureFile(decoded.text);

    std::u16string asUtf8;
    if (AppendUtf8AsUtf16(saved, asUtf8) != 0 || asUtf8 != decoded.text)
        std::abort();

    if (decoded.encoding == FeatureFileEncoding::Utf8 && decoded.replacedSequences == 0 && saved != bytes)
        std::abort();

    // A saved text is read back as UTF-8 unless it holds U+0000: its zero
    // bytes may then look like UTF-16, as a file's own zero bytes may.
    if (decoded.text.find(u'\0') == std::u16string::npos) {
        const DecodedFeatureFile reread = DecodeFeatureFile(saved);
        if (reread.text != decoded.text || reread.encoding != FeatureFileEncoding::Utf8
            || reread.replacedSequences != 0 || reread.unrecognisedEncoding)
            std::abort();
    }

    // Only bytes with zeros that read as no UTF-16 are flagged.
    if (decoded.unrecognisedEncoding
        && (decoded.encoding != FeatureFileEncoding::Utf8 || bytes.find('\0') == std::string_view::npos))
        std::abort();
    return 0;
}
