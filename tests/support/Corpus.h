#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

// The folder of real-world feature files beside the project, when present.
inline std::vector<std::filesystem::path> CorpusFiles()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    const std::filesystem::path dir(QUILLMARK_CORPUS_DIR);
    if (!std::filesystem::is_directory(dir, error))
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
        if (entry.path().extension() == ".feature")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}
