// Runs trazzle.dll inside vantrel.exe with an rc file and a script, and picks lines out of the host log.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/devhost/devhost_support.h"

using Lines = std::vector<std::string>;

struct PluginSession {
    std::string folder;  // the test's folder: trazzle.dll, trazzle.rc, the script and the log
    std::string dll;     // full path of the plugin copy the host loads
    HostRun run;
    Lines log;
};

struct SessionOptions {
    bool loadTwice = false;        // the host loads the same plugin a second time
    const char* alsoLoad = nullptr;  // another plugin of the bin folder, copied and loaded after it
    const char* givenAs = nullptr;   // the name the host is given for trazzle.dll, if not its full path
    unsigned long limitMs = 60000;   // a host still running then is stopped
    bool rcReadOnly = false;         // trazzle.rc given the read-only attribute
    // More files (name relative to the folder, text), too many or too deep for `files`; their
    // folders are made as needed.
    std::vector<std::pair<std::string, std::string>> moreFiles;
};

// Copies trazzle.dll into a fresh folder beside `rcText` as trazzle.rc (none when null) and
// `files` (name, text pairs), runs the script with --no-launch and painting calls left out; the
// test fails unless the script ran to its end.
PluginSession runPlugin(const char* rcText, const std::string& script,
                        std::initializer_list<std::pair<const char*, std::string>> files = {},
                        const SessionOptions& options = SessionOptions());

// The log lines whose first word is one of `words`, in order.
Lines only(const Lines& log, std::initializer_list<const char*> words);

// The lines after the line `from` (exactly) up to, not including, the next "script " line.
Lines after(const Lines& log, const std::string& from);

// The lines from the script's first line up to its end: what the script caused.
Lines scriptPart(const Lines& log);

// The quoted path text the host logs.
std::string q(const std::string& text);
