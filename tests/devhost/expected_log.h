// Expected host log lines for runs of vantrel.exe with the devhost test plugin.
#pragma once

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

constexpr char kHostSettingsMissing[] = "settings \"host.rc\" missing";

std::string inQuotes(const std::string& text);
void append(Lines& to, const Lines& more);

// Full path of a test plugin DLL beside the test program.
std::string plugin(const char* name);

// From loading the test plugin up to the moment its beginPlugin decides to succeed or fail.
Lines pluginStart(const std::string& path);
// What pluginInfo(0) to pluginInfo(6) answered, as logged after beginPlugin returned.
Lines pluginInfoLines(const std::string& path);
// The same, followed by its successful start and its identity.
Lines pluginStarted(const std::string& path);
// endPlugin and the test plugin's cleanup, to the unload.
Lines pluginEnd(const std::string& path);

// A broadcast delivered to the test plugin alone.
Lines broadcastTo(const std::string& text);
// A script's "broadcast TEXT" line as it runs, and the broadcast it sends.
Lines scriptBroadcast(int line, const std::string& text);
