// Expected host log lines for runs of vantrel.exe with the devhost test plugin.
#include "tests/devhost/expected_log.h"

#include "tests/devhost/devhost_support.h"

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

void append(Lines& to, const Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

std::string plugin(const char* name) { return binFolder() + name; }

Lines pluginStart(const std::string& path) {
    return {"plugin-load " + inQuotes(path),
            "beginPlugin " + inQuotes(path),
            "GetVTWnd -> [VantrelHost]",
            "register [devhostTestPlugin] 10103 10901",
            "MakeSticky [devhostTestPlugin]",
            "sticky-set [devhostTestPlugin]",
            "SetTransparency [devhostTestPlugin] 255 -> 255"};
}

Lines pluginInfoLines(const std::string& path) {
    Lines lines;
    const char* info[] = {"devhost test plugin 1.0", "testplugin", "1.0", "trazzle developers",
                          "2026-12-07", "https://example.org/trazzle", "trazzle@example.org"};
    for (int i = 0; i < 7; ++i)
        lines.push_back("pluginInfo " + inQuotes(path) + " " + std::to_string(i) + " " + inQuotes(info[i]));
    return lines;
}

Lines pluginStarted(const std::string& path) {
    Lines lines = pluginStart(path);
    append(lines, {"status \"testplugin started\"", "beginPlugin " + inQuotes(path) + " -> 0"});
    append(lines, pluginInfoLines(path));
    return lines;
}

Lines pluginEnd(const std::string& path) {
    return {"endPlugin " + inQuotes(path),
            "RemoveSticky [devhostTestPlugin]",
            "sticky-set",
            "unregister [devhostTestPlugin] 10103 10901",
            "plugin-unload " + inQuotes(path)};
}

Lines broadcastTo(const std::string& text) {
    return {"broadcast " + inQuotes(text), "deliver [devhostTestPlugin] HOST_BROADCAST " + inQuotes(text)};
}

Lines scriptBroadcast(int line, const std::string& text) {
    Lines lines = {"script " + std::to_string(line) + " \"broadcast " + text + "\""};
    append(lines, broadcastTo(text));
    return lines;
}
