#include "CliRunner.h"
#include "support/SavePromises.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>

namespace {

namespace fs = std::filesystem;

using RewriteCommands = CliTest;

// The output keeps the input's first line end, or takes the one asked for;
// --check says a file would change exactly when that output is not the file's
// text as it stands, line ends included.
TEST_F(RewriteCommands, LineEndsOfTheInputOrAsAskedAndCheckedWithThem)
{
    const std::tuple<std::string, std::string, std::vector<std::string>, std::string> cases[] = {
        { "align", "* s\r\n|a|\r\n|b|\n", {}, "* s\r\n| a  |\r\n| b  |\r\n" },
        { "align", "* s\r|a|\r|b|", {}, "* s\r| a  |\r| b  |" },
        { "align", "* s\n|a|", {}, "* s\n| a  |" },
        { "align", "* s\n| a  |  ", {}, "* s\n| a  |" }, // an output that is the start of the text
        { "align", "* s\r\n|a|\r\n|b|\r\n", { "--line-ends", "lf" }, "* s\n| a  |\n| b  |\n" },
        { "align", "* s\n| a  |\n", { "--line-ends=crlf" }, "* s\r\n| a  |\r\n" },
        { "format", "Feature: Pay\r\n  Given a card\r\n", {}, "Feature: Pay\r\n  Given a card\r\n" },
        { "format", "Feature: Pay\n  Given a card\r\n", {}, "Feature: Pay\n  Given a card\n" },
        { "format", "Feature: Pay\r\n  Given a card", {}, "Feature: Pay\r\n  Given a card\r\n" },
        { "unformat", "Feature: Pay\r\nGiven a card\r\n", {}, "Feature: Pay\r\nGiven a card\r\n" },
    };
    for (const auto& [command, text, options, out] : cases) {
        SCOPED_TRACE(command + " " + text);
        std::vector<std::string> args { command, Write("t.feature", text) };
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(Run(args).out, out);
        args.insert(args.begin() + 1, "--check");
        const CliResult check = Run(args);
        EXPECT_EQ(check.status, out == text ? 0 : 1);
        EXPECT_EQ(check.out, "");
        EXPECT_EQ(check.err, out == text ? "" : "quillmark-cli: t.feature would change\n");
    }
}

// A table Cucumber reads otherwise than the grid stays as it is and is named
// on stderr, the way compilers name a line; the command still succeeds.
TEST_F(RewriteCommands, AlignNamesTheTablesItLeavesAsTheyAre)
{
    Write("t.feature", "* s\n  | a | b\n* t\n  |a|\n  |b|c|\n* u\n  |x|\n");
    const CliResult result = Run({ "align", "t.feature" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "* s\n  | a | b\n* t\n  |a|\n  |b|c|\n* u\n  | x  |\n");
    EXPECT_EQ(result.err,
        "t.feature:2: table left as it is: Cucumber ignores what follows the last \"|\" of this row; end the "
        "row "
        "with \"|\" to make that a cell\n"
        "t.feature:5: table left as it is: this row has 2 cells and the table's first row 1 cell, which "
        "Cucumber "
        "reports as an error\n");
}

// Folders are searched for feature files; --check names each file that would
// change, and --write rewrites exactly those, keeping permissions and links;
// standard input, "-", is still printed.
TEST_F(RewriteCommands, CheckAndWriteOverFilesAndFoldersAndStandardInput)
{
    Write("tree/b/two.feature", "* s\n|b|\n");
    Write("tree/a/one.feature", "* s\n| a  |\n");
    Write("tree/a/not-a-feature.txt", "* s\n|c|\n");
    Write("tree/three.feature", "* s\r\n|d|\r\n");
    Write("loose.txt", "* s\n|e|\n");
    Write("in.txt", "* s\n|f|\n");
    fs::create_symlink("tree/three.feature", m_folder / "link.feature");
    fs::permissions(m_folder / "tree/three.feature", fs::perms(0640));
    struct stat before { };
    ASSERT_EQ(::stat((m_folder / "tree/a/one.feature").c_str(), &before), 0);

    const CliResult check = Run({ "align", "--check", "tree", "loose.txt", "-" }, "", "< in.txt");
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err,
        "quillmark-cli: tree/b/two.feature would change\n"
        "quillmark-cli: tree/three.feature would change\n"
        "quillmark-cli: loose.txt would change\n"
        "quillmark-cli: standard input would change\n");

    const CliResult write
        = Run({ "align", "--write", "link.feature", "tree", "loose.txt", "-" }, "", "< in.txt");
    EXPECT_EQ(write.status, 0);
    EXPECT_EQ(write.out, "* s\n| f  |\n");
    EXPECT_EQ(write.err, "");
    EXPECT_EQ(Read("tree/b/two.feature"), "* s\n| b  |\n");
    EXPECT_EQ(Read("tree/three.feature"), "* s\r\n| d  |\r\n");
    EXPECT_EQ(Read("loose.txt"), "* s\n| e  |\n");
    EXPECT_EQ(Read("tree/a/not-a-feature.txt"), "* s\n|c|\n");
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.feature"));
    EXPECT_EQ(fs::status(m_folder / "tree/three.feature").permissions(), fs::perms(0640));
    struct stat after { };
    ASSERT_EQ(::stat((m_folder / "tree/a/one.feature").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "a file already in form is not written";
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(Run({ "align", "--check", "tree", "loose.txt" }).status, 0);
    EXPECT_FALSE(std::ranges::any_of(fs::recursive_directory_iterator(m_folder), [](const auto& entry) {
        return entry.path().filename().string().starts_with(".");
    })) << "no temporary file stays behind";
}

// In a folder, --write follows a link only to a file inside the folders given,
// and a folder it cannot read is named and passed by.
TEST_F(RewriteCommands, WriteStaysInsideTheFoldersGiven)
{
    Write("outside/script.feature", "* s\n|a|bb|\n");
    Write("other/target.txt", "* s\n|a|bb|\n"); // reached only through the link
    Write("tree/own.feature", "* s\n|a|bb|\n");
    Write("tree/locked/hidden.feature", "* s\n|a|bb|\n");
    Write("tree/z/deep.feature", "* s\n|a|bb|\n");
    fs::create_symlink("../outside/script.feature", m_folder / "tree/escape.feature");
    fs::create_symlink("../other/target.txt", m_folder / "tree/other.feature");
    fs::permissions(m_folder / "tree/locked", fs::perms::none);
    // Root reads every folder unless it gives up the right to.
    const std::string asUser
        = ::geteuid() == 0 ? "setpriv --bounding-set=-dac_override,-dac_read_search " : "";

    const CliResult result = Run({ "align", "--write", "tree", "other" }, asUser);
    fs::permissions(m_folder / "tree/locked", fs::perms::owner_all);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(Lines(result.err),
        (std::vector<std::string> {
            "quillmark-cli: skipping tree/escape.feature: it links to a file outside the folders given",
            "quillmark-cli: cannot read tree/locked: Permission denied" }));
    EXPECT_EQ(Read("outside/script.feature"), "* s\n|a|bb|\n") << "nothing outside is written";
    for (const char* name : { "other/target.txt", "tree/own.feature", "tree/z/deep.feature" })
        EXPECT_EQ(Read(name), "* s\n| a  | bb  |\n") << name;
    EXPECT_EQ(Read("tree/locked/hidden.feature"), "* s\n|a|bb|\n");
    EXPECT_TRUE(fs::is_symlink(m_folder / "tree/other.feature"));

    EXPECT_EQ(Run({ "align", "--write", "tree/escape.feature" }).status, 0) << "named, a link is followed";
    EXPECT_EQ(Read("outside/script.feature"), "* s\n| a  | bb  |\n");
}

// What a killed --write left beside a file goes with the next --write of that
// file, whether or not the file changes; a temporary that a running write holds,
// and a file that only looks like one of ours, stay.
TEST_F(RewriteCommands, WriteRemovesTheTemporaryFilesOfAKilledWrite)
{
    Write("in/form.feature", "| a  |\n");
    const std::string prefix = "in/.form.feature.";
    for (const char* name : { "quillmark-Ab12Cd", "quillmark-held00", "quillmark-Ab12C", "Ab12Cd" })
        Write(prefix + name, "|a|\n");
    const int held = ::open((m_folder / (prefix + "quillmark-held00")).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_EQ(Run({ "align", "--check", "in" }).status, 0);
    EXPECT_TRUE(fs::exists(m_folder / (prefix + "quillmark-Ab12Cd"))) << "--check writes nothing";
    EXPECT_EQ(Run({ "align", "--write", "in" }).status, 0);
    ::close(held);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(m_folder / "in"))
        left.push_back(entry.path().filename().string());
    std::ranges::sort(left);
    EXPECT_EQ(left,
        (std::vector<std::string> { ".form.feature.Ab12Cd", ".form.feature.quillmark-Ab12C",
            ".form.feature.quillmark-held00", "form.feature" }));
}

// What is no regular file is refused, neither waited for, nor read without end,
// nor replaced by a regular file.
TEST_F(RewriteCommands, WhatIsNoRegularFileIsRefused)
{
    ASSERT_EQ(::mkfifo((m_folder / "pipe.feature").c_str(), 0644), 0);
    // So that a reading would end: a time limit on the open of a FIFO that
    // nothing writes to, and bounded memory for a device without end. (A
    // writer started beside the tool could reach the name only after the
    // test has removed the FIFO, and leave a file behind in its folder.)
    const std::tuple<std::string, std::string, std::string> cases[] = {
        { "pipe.feature", "timeout 10 ", "it is a FIFO, not a regular file" },
        { "/dev/zero", "ulimit -v 1000000; ", "it is a device, not a regular file" },
    };
    for (const auto& [file, guard, reason] : cases) {
        SCOPED_TRACE(file);
        const CliResult result = Run({ "align", "--write", file }, guard);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "quillmark-cli: cannot read " + file + ": " + reason + "\n");
    }
    EXPECT_TRUE(fs::is_fifo(m_folder / "pipe.feature"));
}

// A file that cannot be read, whose damaged bytes a rewrite would lose, that
// is no text, or that is read-only, is reported and left as it was; the other
// files are still done, and the status says it failed.
TEST_F(RewriteCommands, ProblemsWithOneFileLeaveTheOthersDone)
{
    Write("damaged.feature", "* s\n|caf\xE9|\n");
    Write("zeros.feature", std::string("* s\n|a\0|\n", 9));
    Write("read-only.feature", "* s\n|a|\n");
    fs::permissions(m_folder / "read-only.feature", fs::perms(0444));
    Write("good.feature", "* s\n|a|\n");
    // Root writes over any file's permissions unless it gives up the right to.
    const std::string asUser = ::geteuid() == 0 ? "setpriv --bounding-set=-dac_override " : "";
    const CliResult result = Run({ "align", "--write", "absent.feature", "damaged.feature", "zeros.feature",
                                     "read-only.feature", "good.feature" },
        asUser);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(Lines(result.err),
        (std::vector<std::string> { "quillmark-cli: cannot read absent.feature: No such file or directory",
            "quillmark-cli: warning: damaged.feature: 1 invalid byte sequence could not be decoded",
            "quillmark-cli: damaged.feature not rewritten: bytes that could not be decoded would be lost",
            "quillmark-cli: warning: zeros.feature: neither UTF-8 nor UTF-16 text (it holds zero bytes); "
            "read as UTF-8",
            "quillmark-cli: zeros.feature not rewritten: it is neither UTF-8 nor UTF-16 text",
            "quillmark-cli: cannot write read-only.feature: Permission denied" }));
    EXPECT_EQ(Read("damaged.feature"), "* s\n|caf\xE9|\n");
    EXPECT_EQ(Read("zeros.feature"), std::string("* s\n|a\0|\n", 9));
    EXPECT_EQ(Read("read-only.feature"), "* s\n|a|\n");
    EXPECT_EQ(fs::status(m_folder / "read-only.feature").permissions(), fs::perms(0444));
    EXPECT_EQ(Read("good.feature"), "* s\n| a  |\n");
}

// Lines past the analysed ones are left as they were, and so is a doc string
// that runs on past them, from its first line; each command says so, naming
// the file.
TEST_F(RewriteCommands, LinesLeftAsTheyWereAtTheLimitAreNamed)
{
    std::string head = "Feature: f\n";
    for (int line = 1; line < 1996; ++line)
        head += "Given s\n";
    const std::string tail = " \"\"\"\n   x\n \"\"\"\n    Then t\n";
    Write("long.feature", head + tail);
    for (const std::string command : { "format", "unformat", "align" }) {
        SCOPED_TRACE(command);
        const CliResult result = Run({ command, "long.feature" });
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.out.ends_with("s\n" + tail)) << result.out.substr(result.out.size() - 40);
        EXPECT_EQ(result.err,
            "quillmark-cli: note: long.feature has 2001 lines; only the first 1998 are analysed, so lines "
            "1997 to 2001 were left as they were\n");
    }
    // A table that the analysed lines end in, rows of which may follow behind a comment.
    Write("rows.feature", head + "  |a|\n  |bb|\n  # c\n  |c|\n");
    const CliResult align = Run({ "align", "rows.feature" });
    EXPECT_EQ(align.out, head + "  |a|\n  |bb|\n  # c\n  |c|\n");
    EXPECT_EQ(align.err,
        "quillmark-cli: note: rows.feature has 2001 lines; only the first 1998 are analysed, so lines 1999 "
        "to 2001 were left as they were\n"
        "rows.feature:1997: table left as it is: its rows may go on past line 1998, the last line Quillmark "
        "analyses\n");
}

// Past the analysed lines the file's own bytes go out, checked but not
// decoded: their line breaks counted and written as asked, a byte that is
// not UTF-8 replaced as anywhere else, and the language directive still
// found below blank or comment lines that run on past the limit.
TEST_F(RewriteCommands, LinesPastTheLimitAsTheFileHasThem)
{
    const auto firstLines = [](const std::string& lineEnd) {
        std::string lines = "Feature: f" + lineEnd;
        for (int line = 1; line < 1999; ++line)
            lines += "  Given s" + lineEnd;
        return lines;
    };
    const std::string head = firstLines("\r\n");
    const std::string blankLines(2000, '\n');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> options;
        std::string out;
        // --check compares with the text as read.
        int check;
        std::string err;
    };
    const std::string note
        = "quillmark-cli: note: long.feature has 2002 lines; only the first 1998 are analysed, "
          "so lines 1999 to 2002 were left as they were\n";
    const std::vector<Case> cases = {
        { "kept", head + "  caf\xC3\xA9\r\n\r\nx", {}, head + "  caf\xC3\xA9\r\n\r\nx", 0, note },
        { "mixed", head + "a\rb\nc", {}, head + "a\r\nb\r\nc", 1, note },
        { "asked", head + "a\r\nb\r\n", { "--line-ends", "lf" }, firstLines("\n") + "a\nb\n", 1, note },
        { "not UTF-8", head + "a\xFF\r\nb\r\n", {}, head + "a\xEF\xBF\xBD\r\nb\r\n", 0,
            "quillmark-cli: warning: long.feature: 1 invalid byte sequence could not be decoded\n" + note },
        { "directive", blankLines + "# language: xx\n", {}, blankLines + "# language: xx\n", 0,
            "long.feature:2001: Cannot set language to xx\n"
            "quillmark-cli: note: long.feature has 2002 lines; only the first 1998 are analysed, so lines "
            "1999 to 2002 were left as they were\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("long.feature", c.bytes);
        std::vector<std::string> args { "format" };
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back("long.feature");
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.out == c.out) << result.out.substr(result.out.size() - 40);
        EXPECT_EQ(result.err, c.err);
        args.insert(args.begin() + 1, "--check");
        EXPECT_EQ(Run(args).status, c.check);
    }
}

// The new text goes to the file as it is made: a write that fails part way
// (here at a limit on the size of files) leaves the old file as it was and
// no temporary file behind, and says why.
TEST_F(RewriteCommands, WriteThatFailsPartWayLeavesTheFile)
{
    // Within the analysed lines, where align changes every row.
    std::string text = "Feature: f\n  * s\n";
    while (text.size() < 200000)
        text += "|a|" + std::string(110, 'b') + "|\n";
    Write("big.feature", text);
    const CliResult result = Run({ "align", "--write", "big.feature" }, "trap '' XFSZ; ulimit -f 64; ");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "quillmark-cli: cannot write big.feature: File too large\n");
    EXPECT_EQ(Read("big.feature"), text);
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".big")) << entry.path();
}

// --write saves as the editor does, with the same promises.
TEST_F(RewriteCommands, WriteKeepsThePromisesOfEverySave)
{
    ExpectSavePromises(
        [&](const std::string& path) {
            return Run({ "align", "--write", path }).status == 0;
        },
        "* s\n|a|\n", "* s\n| a  |\n");
}

} // namespace
