// Helpers for the host tests: folders, files, log lines and running vantrel.exe.
#pragma once

#include <string>
#include <vector>

// The folder of the running test program, with its trailing backslash; vantrel.exe and the
// test plugins are built there.
std::string binFolder();

// An empty folder of the current test's own (created anew), with its trailing backslash.
std::string testFolder();

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Lines without their line breaks; a last line without a break counts too.
std::vector<std::string> splitLines(const std::string& text);

// The lines joined with "\n" after each, for comparisons whose failures show as text.
std::string joinLines(const std::vector<std::string>& lines);

struct HostRun {
    int exitCode;       // -1 when the host had to be stopped
    std::string out;    // standard output
    std::string err;    // standard error
    std::string log;    // the --log file, when the arguments named "log.txt"
};

// Runs vantrel.exe from the bin folder with `arguments` in `folder` (its working directory),
// collecting both output streams. A host still running after `limitMs` (a minute unless a long
// run asks for more) is stopped, so a hang
// fails the test instead of the whole suite.
HostRun runHost(const std::string& folder, const std::string& arguments, unsigned long limitMs = 60000);

// The system's text for an error code, as FormatMessageA gives it, without the line break.
std::string systemErrorText(unsigned long code);
