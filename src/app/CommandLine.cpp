#include "CommandLine.h"

#include "platform/AppInfo.h"

#include <cstdio>
#include <cstring>

namespace {

const char usage[] = R"(Usage: quillmark2 [FILE]

Opens FILE, a Gherkin feature file, in the Quillmark editor; without FILE, a
new document. A FILE that does not exist yet is created by the first Save.

The editor needs a graphical session. On a machine without one, run it under
xvfb-run, or with QT_QPA_PLATFORM=offscreen to start it with no window shown.

Options:
  --help, -h    This text.
  --version     The editor's version.
Qt's own options (-platform NAME, -style NAME, ...) work as Qt defines them.

The settings and the recent files are kept in
$XDG_CONFIG_HOME/Quillmark/Quillmark.conf (~/.config when it is not set);
copies of unsaved work, for after a crash, in
$XDG_DATA_HOME/Quillmark/Quillmark/recovery (~/.local/share when it is not set).
)";

} // namespace

std::optional<int> AnswerWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quillmark2 %s\n", qPrintable(AppInfo::fileVersion));
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
    }
    return std::nullopt;
}

QString FileToOpen(const QStringList& arguments)
{
    for (const QString& ignored : arguments.mid(2))
        std::fprintf(stderr, "quillmark2: only one file can be opened at a time; %s is not opened\n",
            qPrintable(ignored));
    return arguments.value(1);
}
