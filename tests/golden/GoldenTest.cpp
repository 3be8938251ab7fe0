// Every feature file of features/ against what quillmark-cli prints of it:
// NAME.analyse always, NAME.format, NAME.unformat and NAME.align where they exist.
#include "cli/CliRunner.h"

namespace {

using Golden = CliTest;

// QUILLMARK_UPDATE_GOLDEN=1 writes what is printed as the new expectation.
TEST_F(Golden, EveryFileIsPrintedAsItsExpectationsSay)
{
    const bool update = std::getenv("QUILLMARK_UPDATE_GOLDEN") != nullptr;
    int compared = 0;
    for (const auto& entry :
        std::filesystem::directory_iterator(QUILLMARK_SOURCE_DIR "/tests/golden/features")) {
        if (entry.path().extension() != ".feature")
            continue;
        for (const std::string command : { "analyse", "format", "unformat", "align" }) {
            const auto expectation = std::filesystem::path(entry.path()).replace_extension(command);
            if (command != "analyse" && !std::filesystem::exists(expectation))
                continue;
            SCOPED_TRACE(expectation.filename().string());
            const std::string printed = Run({ command, entry.path().string() }).out;
            if (update)
                std::ofstream(expectation, std::ios::binary) << printed;
            ++compared;
            // Read takes an absolute path as it stands; gtest shows a failure as the lines that differ.
            EXPECT_EQ(printed, Read(expectation.string()));
        }
    }
    EXPECT_GT(compared, 0);
}

} // namespace
