#include "Inputs.h"

#include "Output.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

void AppendFeatureFilesBelow(const std::string& folder, std::vector<std::string>& files, bool& complete)
{
    std::vector<std::string> found;
    std::error_code failure;
    for (fs::recursive_directory_iterator entry(folder, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        std::error_code typeError;
        if (entry->path().extension() == ".feature" && entry->is_regular_file(typeError))
            found.push_back(entry->path().string());
    }
    // The walk cannot go on past a folder it cannot read; what it found stays.
    if (failure) {
        ReportProblem("cannot read " + folder + ": " + failure.message());
        complete = false;
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
}

} // namespace

std::vector<std::string> CollectInputs(const std::vector<std::string>& operands, bool& complete)
{
    std::vector<std::string> files;
    for (const std::string& operand : operands) {
        std::error_code failure;
        if (operand != "-" && fs::is_directory(operand, failure))
            AppendFeatureFilesBelow(operand, files, complete);
        else
            files.push_back(operand);
    }
    return files;
}
