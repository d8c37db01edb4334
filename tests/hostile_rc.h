// An rc file with what an editor, a paste or a hostile file can put into one: a byte order mark, control characters, a zero byte, huge lines.
#pragma once

#include <string>

inline std::string hostileRcText() {
    return "\xEF\xBB\xBFtrazzle.plugin.gesture0: br\n"
           "trazzle.plugin.gesture1: tr\n"
           "trazzle.plugin.command1: \x1b]0;owned\x07\xff.exe\n" +
           std::string("trazzle.plugin.gesture2: br\0 tr\n", 32) +
           "trazzle.plugin.command2: " + std::string(100000, 'c') + "\n" +
           "trazzle.plugin." + std::string(100000, 'k') + ": \x1b[2J\n"
           "trazle.plugin.gesture3: tr\n";
}
