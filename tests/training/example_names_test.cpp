// Tests of example file names: those Windows would open as another file or a device are named with the reason, and the temporaries new examples are written under are told apart.
#include <gtest/gtest.h>

#include <string>

#include "training/example_names.h"

namespace {

TEST(ExampleNames, ANameWindowsWouldChangeIsNamedWithTheReason) {
    const char* const names[] = {
        "stroke-001.txt", "my stroke.txt", "console.txt", "COM10", "nul-ish", ".hidden",
        "stroke-001.txt.", "stroke-001.txt ", "a.. .", "CON", "con.txt", "Nul .log", "aux.tar.gz", "com1",
        "LPT9.txt", "CONIN$", "COM\xC2\xB9", "x.txt:stream", "a?b", "tab\there",
    };
    std::string out;
    for (const char* name : names) out += std::string(name) + " -> " + nameWindowsChanges(name) + "\n";
    EXPECT_EQ(out,
              "stroke-001.txt -> \n"
              "my stroke.txt -> \n"
              "console.txt -> \n"
              "COM10 -> \n"
              "nul-ish -> \n"
              ".hidden -> \n"
              "stroke-001.txt. -> Windows drops its trailing dot and would open \"stroke-001.txt\"\n"
              "stroke-001.txt  -> Windows drops its trailing blank and would open \"stroke-001.txt\"\n"
              "a.. . -> Windows drops its trailing dot and would open \"a\"\n"
              "CON -> Windows takes it for the device CON\n"
              "con.txt -> Windows takes it for the device CON\n"
              "Nul .log -> Windows takes it for the device NUL\n"
              "aux.tar.gz -> Windows takes it for the device AUX\n"
              "com1 -> Windows takes it for the device com1\n"
              "LPT9.txt -> Windows takes it for the device LPT9\n"
              "CONIN$ -> Windows takes it for the device CONIN$\n"
              "COM\xC2\xB9 -> Windows takes it for the device COM\xC2\xB9\n"
              "x.txt:stream -> the colon makes it a stream of the file \"x.txt\"\n"
              "a?b -> Windows does not allow the character '?' in a name\n"
              "tab\there -> Windows does not allow the character of code 9 in a name\n");
}

TEST(ExampleNames, OnlyTheTemporariesNewExamplesAreWrittenUnderAreTakenForThem) {
    for (unsigned long long bits : {0ull, 1ull, 0xFFFFFFFFFFFFFFFFull, 0x123456789ABCDEFull}) {
        char name[kStrokeTempNameSize];
        strokeTempName(bits, name);
        EXPECT_TRUE(isStrokeTempName(name)) << name;
        EXPECT_EQ(std::string(name).size(), 23u) << name;
    }
    for (const char* name : {"stroke-001.txt", "stroke.tmp-", "stroke.tmp-abcdefghijk", "stroke.tmp-abcdefghijklm",
                             "stroke.tmp-ABCDEFGHIJKL", "stroke.tmp-abcdefghijk.", "trazzle.rc.tmp-abcdefghijkl"})
        EXPECT_FALSE(isStrokeTempName(name)) << name;
}

}  // namespace
