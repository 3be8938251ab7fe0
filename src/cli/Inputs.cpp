#include "Inputs.h"

#include "Output.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool LiesInside(const fs::path& path, const fs::path& folder)
{
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first == folder.end();
}

// A link named "*.feature" is followed only to a file inside one of the folders
// given, so that --write never rewrites a file elsewhere that a link points at.
bool LinksInside(const fs::directory_entry& link, const std::vector<fs::path>& folders)
{
    std::error_code failure;
    const fs::path target = fs::canonical(link.path(), failure);
    return !failure && fs::is_regular_file(target, failure)
        && std::ranges::any_of(folders, [&](const fs::path& folder) { return LiesInside(target, folder); });
}

// Links to folders are not followed. A folder that cannot be read is reported by
// name and left out; the walk goes on with the rest, in sorted order, so that
// what it reports comes in the same order every time.
void AppendFeatureFilesBelow(const fs::path& top, const std::vector<fs::path>& folders,
    std::vector<std::string>& files, bool& complete)
{
    std::vector<std::string> found;
    std::vector<fs::path> waiting { top };
    while (!waiting.empty()) {
        const fs::path folder = std::move(waiting.back());
        waiting.pop_back();
        // Entries of one folder sort as their names do, and names compare
        // far more cheaply than paths.
        std::vector<std::pair<std::string, fs::directory_entry>> entries;
        std::error_code failure;
        for (fs::directory_iterator entry(folder, failure), end; !failure && entry != end;
             entry.increment(failure))
            entries.emplace_back(entry->path().filename().native(), *entry);
        if (failure) {
            ReportProblem("cannot read " + folder.string() + ": " + failure.message());
            complete = false;
            continue;
        }
        std::ranges::sort(entries, {}, &std::pair<std::string, fs::directory_entry>::first);
        const std::size_t deeper = waiting.size();
        for (const auto& [name, entry] : entries) {
            std::error_code typeError;
            const fs::file_status own = entry.symlink_status(typeError);
            if (fs::is_directory(own)) {
                waiting.push_back(entry.path());
            } else if (entry.path().extension() != ".feature") {
                continue;
            } else if (fs::is_regular_file(own)) {
                found.push_back(entry.path().string());
            } else if (fs::is_symlink(own) && entry.is_regular_file(typeError)) {
                if (LinksInside(entry, folders))
                    found.push_back(entry.path().string());
                else
                    ReportProblem("skipping " + entry.path().string()
                        + ": it links to a file outside the folders given");
            }
        }
        // The first subfolder is taken next.
        std::reverse(waiting.begin() + static_cast<std::ptrdiff_t>(deeper), waiting.end());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
}

} // namespace

std::vector<std::string> CollectInputs(const std::vector<std::string>& operands, bool& complete)
{
    const auto isFolder = [](const std::string& operand) {
        std::error_code failure;
        return operand != "-" && fs::is_directory(operand, failure);
    };
    std::vector<fs::path> folders;
    for (const std::string& operand : operands) {
        std::error_code failure;
        fs::path folder = isFolder(operand) ? fs::canonical(operand, failure) : fs::path();
        if (!folder.empty())
            folders.push_back(std::move(folder));
    }
    std::vector<std::string> files;
    for (const std::string& operand : operands) {
        if (isFolder(operand))
            AppendFeatureFilesBelow(operand, folders, files, complete);
        else
            files.push_back(operand);
    }
    return files;
}
