// Fuzzes the host's script reader: an accepted command means exactly what its line says.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "devhost/script_parser.h"
#include "fuzz/fuzz_support.h"

namespace {

std::vector<std::string> words(const char* text) {
    std::vector<std::string> found;
    std::string word;
    for (const char* p = text;; ++p) {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\0') {
            if (!word.empty()) found.push_back(word);
            word.clear();
            if (!*p) break;
        } else {
            word += *p;
        }
    }
    return found;
}

// The number a decimal word names, read independently of the parser: sign, digits, nothing else.
bool decimal(const std::string& word, long long& value) {
    size_t i = (word[0] == '+' || word[0] == '-') ? 1 : 0;
    if (i == word.size() || word.size() > 40) return false;
    value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') return false;
        if (value < 100000000000LL) value = value * 10 + (word[i] - '0');
    }
    if (word[0] == '-') value = -value;
    return true;
}

void checkCommand(const ScriptCommand& c) {
    FUZZ_CHECK(std::strlen(c.text) < sizeof c.text);
    std::vector<std::string> w = words(c.text);
    long long x = 0, y = 0;
    switch (c.op) {
        case kOpWait:
        case kOpRepeat:
            FUZZ_CHECK(w.size() == 2 && decimal(w[1], x) && x == c.a);
            break;
        case kOpMove:
            FUZZ_CHECK(w.size() == 3 && decimal(w[1], x) && decimal(w[2], y) && x == c.a && y == c.b);
            break;
        case kOpMenu:
            if (c.hasValue) {
                std::string text = c.text;
                std::string value = text.substr(text.rfind('=') + 1);
                std::vector<std::string> v = words(value.c_str());
                FUZZ_CHECK(v.size() == 1 && decimal(v[0], x) && x == c.b);
            }
            break;
        case kOpKeyDown:
        case kOpKeyUp:
            FUZZ_CHECK(w.size() == 3 && (w[2].rfind("0x", 0) == 0 || w[2].rfind("0X", 0) == 0 ||
                                         (decimal(w[2], x) && x == c.a)));
            break;
        case kOpCapture: {
            size_t length = std::strlen(c.file);
            FUZZ_CHECK(std::strstr(c.text, c.file) != nullptr && length > 4);
            break;
        }
        default:
            break;
    }
}

}  // namespace

// Input: a script file. Each line is also parsed alone.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string path = scratchFolder() + "/script.txt";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    static Script script;
    char error[800];
    if (scriptLoad(path.c_str(), script, error, sizeof error)) {
        FUZZ_CHECK(input.find('\0') == std::string::npos);
        for (int i = 0; i < script.count; ++i) checkCommand(script.commands[i]);
    }
    size_t newline = input.find('\n');
    std::string first = input.substr(0, newline);
    if (first.find('\0') == std::string::npos) {
        ScriptCommand command;
        if (scriptParseLine(first.c_str(), 1, command, error, sizeof error) == 1) checkCommand(command);
    }
    return 0;
}
