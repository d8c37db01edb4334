// Runs trazzle.dll inside vantrel.exe with an rc file and a script, and picks lines out of the host log.
#include "tests/plugin/plugin_session.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

PluginSession runPlugin(const char* rcText, const std::string& script,
                        std::initializer_list<std::pair<const char*, std::string>> files,
                        const SessionOptions& options) {
    PluginSession session;
    session.folder = testFolder();
    session.dll = session.folder + "trazzle.dll";
    EXPECT_TRUE(CopyFileA((binFolder() + "trazzle.dll").c_str(), session.dll.c_str(), FALSE));
    if (rcText) writeFile(session.folder + "trazzle.rc", rcText);
    for (const auto& file : files) writeFile(session.folder + file.first, file.second);
    for (const auto& file : options.moreFiles) {
        for (size_t slash = file.first.find('\\'); slash != std::string::npos; slash = file.first.find('\\', slash + 1))
            CreateDirectoryA((session.folder + file.first.substr(0, slash)).c_str(), nullptr);
        writeFile(session.folder + file.first, file.second);
    }
    if (options.rcReadOnly) EXPECT_TRUE(SetFileAttributesA((session.folder + "trazzle.rc").c_str(), FILE_ATTRIBUTE_READONLY));
    writeFile(session.folder + "s.txt", script);
    std::string plugins = q(options.givenAs ? options.givenAs : session.dll);
    if (options.loadTwice) plugins += " " + q(session.dll);
    if (options.alsoLoad) {
        std::string copy = session.folder + options.alsoLoad;
        EXPECT_TRUE(CopyFileA((binFolder() + options.alsoLoad).c_str(), copy.c_str(), FALSE));
        plugins += " " + q(copy);
    }
    session.run = runHost(session.folder,
                          "--no-launch --rc host.rc --log log.txt --log-omit MakeStyleGradient --script s.txt " + plugins,
                          options.limitMs);
    session.log = splitLines(session.run.log);
    // A script that stopped short (an await that timed out, a refused line) would leave the
    // lines a test compares merely missing; say where it stopped.
    bool ended = false;
    std::string stopped = "no script-end and no script-error in the log";
    for (const std::string& line : session.log) {
        ended = ended || line == "script-end";
        if (line.compare(0, 13, "script-error ") == 0) stopped = line;
    }
    EXPECT_TRUE(ended) << stopped;
    return session;
}

Lines only(const Lines& log, std::initializer_list<const char*> words) {
    Lines picked;
    for (const std::string& line : log)
        for (const char* word : words)
            if (line.compare(0, std::strlen(word), word) == 0 && line.size() > std::strlen(word) &&
                line[std::strlen(word)] == ' ')
                picked.push_back(line);
    return picked;
}

Lines after(const Lines& log, const std::string& from) {
    Lines picked;
    bool inside = false;
    for (const std::string& line : log) {
        if (inside && line.compare(0, 7, "script ") == 0) break;
        if (inside) picked.push_back(line);
        if (line == from) inside = true;
    }
    return picked;
}

Lines scriptPart(const Lines& log) {
    Lines picked;
    bool inside = false;
    for (const std::string& line : log) {
        if (line == "script-end") break;
        inside = inside || line.compare(0, 9, "script 1 ") == 0;
        if (inside) picked.push_back(line);
    }
    return picked;
}

std::string q(const std::string& text) { return "\"" + text + "\""; }
