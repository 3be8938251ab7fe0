#pragma once

#include "Arguments.h"

// Exit statuses of the tool.
inline constexpr int STATUS_OK = 0;
inline constexpr int STATUS_NOT_IN_FORM = 1; // --check of format, unformat or align found a file to change
inline constexpr int STATUS_REJECTED = 1; // check found what Cucumber rejects (or, --strict, a warning)
inline constexpr int STATUS_FAILURE = 2; // bad arguments, unknown language, unreadable file

// Each command prints its result on stdout and its problems on stderr, and
// returns the exit status.
int RunLanguages();
int RunKeywords(const CliArguments& arguments);
int RunClassify(const CliArguments& arguments);
int RunAnalyse(const CliArguments& arguments);
// format, unformat and align: every file named, and every feature file in the
// folders named. The status is the worst of all the files'.
int RunRewrite(const CliArguments& arguments);
// check: every file named, and every feature file in the folders named, read
// as Cucumber reads them; each error and warning printed as compilers print theirs.
int RunCheck(const CliArguments& arguments);

// The usage text, every command with its options.
const char* UsageText();
