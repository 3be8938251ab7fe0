#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

#include <string>

// The folder of real-world feature files beside the project; none when it is
// missing, and a test over them then skips with CorpusMissing() as its reason.
inline std::vector<std::filesystem::path> CorpusFiles()
{
    std::vector<std::filesystem::path> files;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLMARK_CORPUS_DIR, missing))
        if (entry.path().extension() == ".feature")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

inline std::string CorpusMissing()
{
    return "no feature files in " QUILLMARK_CORPUS_DIR " (QUILLMARK_CORPUS_DIR)";
}
