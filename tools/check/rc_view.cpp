// trazzle-check: the rc file as the plugin sees it: its lines, the keys the plugin reads, its slots.
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "devhost/rc_file.h"
#include "host/settings_loader.h"
#include "tools/check/check_internal.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Records each key the plugin's loader asks for and answers it from the file through the
// host's rc code, so the key list and the values are never restated here.
int32_t recordInt(void* context, const char* key, int32_t defaultValue) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 'i', defaultValue, false});
    return rcReadInt(rc.path, key, defaultValue);
}

bool recordBool(void* context, const char* key, bool defaultValue) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 'b', 0, defaultValue});
    return rcReadBool(rc.path, key, defaultValue);
}

void recordString(void* context, const char* key, const char* defaultValue, char* out,
                  size_t outSize) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 's', 0, false});
    rcReadString(rc.path, key, defaultValue, out, outSize);
}

}  // namespace

std::string textf(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string lowered(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

bool loadRcFile(const char* path, RcFile& rc, std::string& problem) {
    rc.path = path;
    rc.lines.clear();
    rc.keys.clear();
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        problem = std::strerror(errno);
        return false;
    }
    std::string text;
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        problem = "read error (is it a folder?)";
        return false;
    }

    // The host's split: lines end in "\n", blanks around key and value do not count, lines
    // starting with '#' or '!' are comments.
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t newline = text.find('\n', start);
        size_t end = newline == std::string::npos ? text.size() : newline;
        size_t k = start;
        while (k < end && isBlank(text[k])) ++k;
        size_t e = end;
        while (e > k && isBlank(text[e - 1])) --e;
        if (k < e && text[k] != '#' && text[k] != '!') {
            std::string body = text.substr(k, e - k);
            size_t colon = body.find(':');
            size_t keyEnd = colon != std::string::npos ? colon + 1 : body.find_first_of(" \t");
            if (keyEnd == std::string::npos) keyEnd = body.size();
            size_t v = keyEnd;
            while (v < body.size() && isBlank(body[v])) ++v;
            rc.lines.push_back({number, body.substr(0, keyEnd), body.substr(v)});
        }
        if (newline == std::string::npos) break;
        start = newline + 1;
    }

    SettingsReader reader = {recordInt, recordBool, recordString, &rc};
    PluginSettings settings;
    // The screen size only matters to the position check, which the checker leaves alone.
    readPluginSettings(reader, INT32_MAX, INT32_MAX, settings);
    readGestureSlots(reader, rc.table);
    return true;
}

int lineOfKey(const RcFile& rc, const std::string& key) {
    std::string wanted = lowered(key);
    for (const RcLine& line : rc.lines)
        if (lowered(line.key) == wanted) return line.number;
    return 0;
}
