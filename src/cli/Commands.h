#pragma once

#include "Arguments.h"

// Exit statuses of the tool.
inline constexpr int STATUS_OK = 0;
inline constexpr int STATUS_NOT_IN_FORM = 1; // format --check / unformat --check
inline constexpr int STATUS_FAILURE = 2; // bad arguments, unknown language, unreadable file

// Each command prints its result on stdout and its problems on stderr, and
// returns the exit status.
int RunLanguages();
int RunKeywords(const CliArguments& arguments);
int RunClassify(const CliArguments& arguments);
int RunAnalyse(const CliArguments& arguments);
int RunFormat(const CliArguments& arguments);

// The usage text, every command with its options.
const char* UsageText();
