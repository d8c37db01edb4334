// Tests of the rc file format: reading values and atomically rewriting them, byte for byte.
#include "rc/rc_file.h"
#include "tests/rc/temp_dir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>

namespace {

// Names parameterised cases after their `what`, so a failure says which row broke.
struct {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
} const caseName;

std::string readString(const std::string& path, const char* key, bool* found = nullptr) {
    char out[256];
    bool got = rcReadString(path.c_str(), key, "<default>", out, sizeof out);
    if (found) *found = got;
    return out;
}

// ---- reading strings ----

struct ReadCase {
    const char* what;
    const char* file;
    const char* key;
    const char* value;  // nullptr: the key is not found
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class RcRead : public testing::TestWithParam<ReadCase> {};

TEST_P(RcRead, FindsTheValue) {
    const ReadCase& c = GetParam();
    TempDir tmp;
    tmp.put("a.rc", c.file);
    bool found = false;
    std::string value = readString(tmp.path("a.rc"), c.key, &found);
    EXPECT_EQ(found, c.value != nullptr);
    EXPECT_EQ(value, c.value ? c.value : "<default>");
}

const ReadCase kReadCases[] = {
    {"hash comment", "x: 1\n# a: 1\na: 2\n", "a:", "2"},
    {"bang comment after blanks", " \t! a: 1\na: 2\n", "a:", "2"},
    {"only commented out", "#a: 1\n!a: 2\n", "a:", nullptr},
    {"hash line holds no key", "# a: 1\n", "# a:", nullptr},
    {"bang line holds no key", "  !a: 1\n", "!a:", nullptr},
    {"blank lines", "\n\n \t \r\na: 1", "a:", "1"},
    {"key letter case", "Trazzle.Plugin.X: v\n", "trazzle.plugin.x:", "v"},
    {"first match wins", "a: 1\nA: 2\na: 3\n", "a:", "1"},
    {"surrounding blanks and CR", "a: \t v  w \t \r\nb: 2\r\n", "a:", "v  w"},
    {"CRLF file", "a: 1\r\nb: 2\r\n", "b:", "2"},
    {"blanks before key", "  \ta: 1\n", "a:", "1"},
    {"no blank after colon", "a:1\n", "a:", "1"},
    {"empty value", "a:\nb: 2\n", "a:", ""},
    {"quotes and backslashes", "cmd: \"C:\\Tools\\a b.exe\" -x\n", "cmd:",
     "\"C:\\Tools\\a b.exe\" -x"},
    {"hash inside value", "a: red # not a comment\n", "a:", "red # not a comment"},
    {"no final newline", "a: 1\nb: 2", "b:", "2"},
    {"missing key", "a: 1\n", "b:", nullptr},
    {"empty file", "", "a:", nullptr},
    {"longer key not matched", "sizes: 3\n", "size", nullptr},
    {"longer key skipped", "sizes: 3\nsize 4\n", "size", "4"},
    {"key then tab", "size\t7\n", "size", "7"},
    {"key at end of line", "size\r\n", "size", ""},
    {"colon after plain key", "size: 3\n", "size", nullptr},
    {"key longer than line", "a\n", "abc:", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Table, RcRead, testing::ValuesIn(kReadCases), caseName);

TEST(RcReadFile, MissingFileOrDirectoryGivesDefaults) {
    TempDir tmp;
    for (const std::string& path : {tmp.path("none.rc"), tmp.dir.string()}) {
        SCOPED_TRACE(path);
        bool found = true;
        EXPECT_EQ(readString(path, "a:", &found), "<default>");
        EXPECT_FALSE(found);
        EXPECT_TRUE(rcReadBool(path.c_str(), "a:", true));
        EXPECT_FALSE(rcReadBool(path.c_str(), "a:", false));
        EXPECT_EQ(rcReadInt(path.c_str(), "a:", -55), -55);
    }
}

TEST(RcReadFile, NullArgumentsGiveDefault) {
    TempDir tmp;
    tmp.put("a.rc", "a: 1\n");
    std::string path = tmp.path("a.rc");
    char out[8] = "xxxxxxx";
    EXPECT_FALSE(rcReadString(nullptr, "a:", "d", out, sizeof out));
    EXPECT_STREQ(out, "d");
    EXPECT_FALSE(rcReadString(path.c_str(), nullptr, "d", out, sizeof out));
    EXPECT_STREQ(out, "d");
    EXPECT_FALSE(rcReadString(path.c_str(), "b:", nullptr, out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_TRUE(rcReadString(path.c_str(), "a:", "d", nullptr, 0));
    EXPECT_EQ(rcReadInt(nullptr, "a:", 9), 9);
    EXPECT_EQ(rcReadInt(path.c_str(), nullptr, 9), 9);
    EXPECT_TRUE(rcReadBool(nullptr, "a:", true));
}

TEST(RcReadFile, LinesOfAnyLength) {
    TempDir tmp;
    std::string longValue(100 * 1024, 'v');
    tmp.put("a.rc", "# " + std::string(100 * 1024, 'c') + "\nlong: " + longValue +
                        "\nwanted: yes");
    std::string path = tmp.path("a.rc");
    EXPECT_EQ(readString(path, "wanted:"), "yes");

    std::string out(longValue.size() + 10, '#');
    EXPECT_TRUE(rcReadString(path.c_str(), "long:", "", &out[0], out.size()));
    EXPECT_EQ(std::string(out.c_str()), longValue);
}

// ---- cutting to the caller's buffer ----

TEST(RcReadBuffer, CutsValueAndDefaultWithoutOverrun) {
    TempDir tmp;
    tmp.put("a.rc", "a: abcdef\n");
    std::string path = tmp.path("a.rc");
    // What the first outSize bytes hold afterwards; the bytes past them must stay '#'.
    const struct {
        size_t outSize;
        const char* expected;
    } sizes[] = {{0, ""}, {1, ""}, {4, "abc"}, {6, "abcde"}, {7, "abcdef"}, {9, "abcdef\0##"}};
    for (const auto& c : sizes) {
        // The default has the value's text, so the found and the missing key cut alike.
        for (const char* key : {"a:", "missing:"}) {
            SCOPED_TRACE(std::string(key) + " into " + std::to_string(c.outSize));
            char buffer[16];
            std::memset(buffer, '#', sizeof buffer);
            bool found = rcReadString(path.c_str(), key, "abcdef", buffer, c.outSize);
            EXPECT_EQ(found, std::strcmp(key, "a:") == 0);
            EXPECT_EQ(std::string(buffer, sizeof buffer),
                      std::string(c.expected, c.outSize) + std::string(16 - c.outSize, '#'));
        }
    }
}

// ---- booleans and integers ----

TEST(RcReadTyped, BoolSpellingsElseDefault) {
    const struct {
        const char* text;
        int expected;  // 0 or 1, or -1 for the caller's default
    } cases[] = {
        {"true", 1},  {"TRUE", 1},  {"True", 1},   {"yes", 1},   {"YeS", 1},   {"on", 1},
        {"ON", 1},    {"1", 1},     {"false", 0},  {"FALSE", 0}, {"no", 0},    {"No", 0},
        {"off", 0},   {"oFF", 0},   {"0", 0},      {"", -1},     {"tru", -1},  {"truex", -1},
        {"y", -1},    {"2", -1},    {"01", -1},    {"true false", -1},         {"\"true\"", -1},
    };
    TempDir tmp;
    std::string path = tmp.path("a.rc");
    for (const auto& c : cases) {
        tmp.put("a.rc", std::string("flag:  ") + c.text + " \r\n");
        for (bool fallback : {false, true}) {
            bool expected = c.expected < 0 ? fallback : c.expected == 1;
            EXPECT_EQ(rcReadBool(path.c_str(), "flag:", fallback), expected)
                << '"' << c.text << "\" with default " << fallback;
        }
    }
}

TEST(RcReadTyped, DecimalIntElseDefault) {
    const struct {
        const char* text;
        bool valid;
        int32_t expected;
    } cases[] = {
        {"0", true, 0}, {"42", true, 42}, {"+42", true, 42}, {"-42", true, -42},
        {"-0", true, 0}, {"007", true, 7}, {"00000000000000000000012", true, 12},
        {"2147483647", true, INT32_MAX}, {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"-2147483649", false, 0}, {"4294967338", false, 0},
        {"99999999999999999999999", false, 0}, {"", false, 0}, {"+", false, 0},
        {"-", false, 0}, {"12abc", false, 0}, {"abc", false, 0}, {"1 2", false, 0},
        {"0x10", false, 0}, {"1.5", false, 0}, {"--1", false, 0}, {"+-1", false, 0},
        {"- 1", false, 0},
    };
    TempDir tmp;
    std::string path = tmp.path("a.rc");
    for (const auto& c : cases) {
        tmp.put("a.rc", std::string("n: ") + c.text + "\n");
        // Two defaults, so a number that happens to equal one of them cannot pass by accident.
        for (int32_t fallback : {-777, 31337}) {
            EXPECT_EQ(rcReadInt(path.c_str(), "n:", fallback), c.valid ? c.expected : fallback)
                << '"' << c.text << "\" with default " << fallback;
        }
    }
}

// ---- writing ----

struct WriteCase {
    const char* what;
    const char* before;  // nullptr: no file yet
    const char* key;
    const char* value;
    const char* after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.what; }

class RcWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(RcWrite, RewritesWholeFile) {
    const WriteCase& c = GetParam();
    TempDir tmp;
    if (c.before) tmp.put("a.rc", c.before);
    std::string path = tmp.path("a.rc");
    ASSERT_TRUE(rcWriteString(path.c_str(), c.key, c.value));
    EXPECT_EQ(tmp.get("a.rc"), c.after);
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"a.rc", "a.rc.lock"})) << "a temporary file was left";
    EXPECT_EQ(readString(path, c.key), c.value);
}

const WriteCase kWriteCases[] = {
    {"replace keeps other bytes",
     "# a: c\n! a: c\r\nx: 1\n\n  A:\t old value \t\r\nb: 2\na: dup\n", "a:", "new",
     "# a: c\n! a: c\r\nx: 1\n\n  A:\t new\r\nb: 2\na: dup\n"},
    {"replace last line without newline", "x: 1\na:  old", "a:", "longer value",
     "x: 1\na:  longer value"},
    {"replace empty value", "a:\nb: 2\n", "a:", "v", "a: v\nb: 2\n"},
    {"replace empty value at end", "a:", "a:", "v", "a: v"},
    {"replace blanks only", "a:   \r\n", "a:", "v", "a:   v\r\n"},
    {"replace without blank", "a:old\n", "a:", "v", "a:v\n"},
    {"replace plain key", "sizes: 3\nsize 4\n", "size", "5", "sizes: 3\nsize 5\n"},
    {"replace plain key alone", "size\n", "size", "5", "size 5\n"},
    {"value kept as it stands", "cmd: x\n", "cmd:", "\"C:\\a b\\c.exe\" # 1",
     "cmd: \"C:\\a b\\c.exe\" # 1\n"},
    {"append LF", "x: 1\n", "a:", "v", "x: 1\na: v\n"},
    {"append after missing newline", "x: 1", "a:", "v", "x: 1\na: v\n"},
    {"append CRLF", "x: 1\r\ny: 2\r\n", "a:", "v", "x: 1\r\ny: 2\r\na: v\r\n"},
    {"append CRLF after missing newline", "x: 1\r\ny: 2", "a:", "v", "x: 1\r\ny: 2\r\na: v\r\n"},
    {"first line decides ending", "x: 1\ny: 2\r\n", "a:", "v", "x: 1\ny: 2\r\na: v\n"},
    {"append past comment", "# a: 1\n", "a:", "v", "# a: 1\na: v\n"},
    {"append past longer key", "sizes: 3\n", "size", "5", "sizes: 3\nsize 5\n"},
    {"append to empty file", "", "a:", "v", "a: v\n"},
    {"create file", nullptr, "trazzle.plugin.x:", "v", "trazzle.plugin.x: v\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, RcWrite, testing::ValuesIn(kWriteCases), caseName);

TEST(RcWriteTyped, BoolAndIntText) {
    TempDir tmp;
    std::string path = tmp.path("a.rc");
    ASSERT_TRUE(rcWriteBool(path.c_str(), "on:", true));
    ASSERT_TRUE(rcWriteBool(path.c_str(), "off:", false));
    ASSERT_TRUE(rcWriteInt(path.c_str(), "low:", INT32_MIN));
    ASSERT_TRUE(rcWriteInt(path.c_str(), "high:", INT32_MAX));
    ASSERT_TRUE(rcWriteInt(path.c_str(), "zero:", 0));
    EXPECT_EQ(tmp.get("a.rc"),
              "on: true\noff: false\nlow: -2147483648\nhigh: 2147483647\nzero: 0\n");
    ASSERT_TRUE(rcWriteBool(path.c_str(), "ON:", false));
    ASSERT_TRUE(rcWriteInt(path.c_str(), "zero:", -5));
    EXPECT_EQ(tmp.get("a.rc"),
              "on: false\noff: false\nlow: -2147483648\nhigh: 2147483647\nzero: -5\n");
}

TEST(RcWriteTyped, ReplaceAfterLongLine) {
    TempDir tmp;
    std::string head = "# " + std::string(100 * 1024, 'c') + "\r\nbig: " +
                       std::string(100 * 1024, 'v') + "\r\n";
    tmp.put("a.rc", head + "n: 1\r\ntail: x");
    ASSERT_TRUE(rcWriteInt(tmp.path("a.rc").c_str(), "n:", 2));
    EXPECT_EQ(tmp.get("a.rc"), head + "n: 2\r\ntail: x");
}

// ---- refused and failed writes ----

TEST(RcWriteRefused, LeavesFileAloneAndCreatesNothing) {
    const struct {
        const char* key;
        const char* value;
    } cases[] = {{"a:", "1\nb: 2"}, {"a:", "1\rb: 2"}, {"a:\nb:", "1"}, {"", "1"},
                 {nullptr, "1"},     {"a:", nullptr},    {"# a:", "1"},    {"!a:", "1"},
                 {" a:", "1"},       {"size ", "1"},     {"a:\t", "1"}};
    TempDir tmp;
    const std::string before = "# settings\r\na: 1\r\n";
    tmp.put("a.rc", before);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.key) + " " + testing::PrintToString(c.value));
        EXPECT_FALSE(rcWriteString(tmp.path("a.rc").c_str(), c.key, c.value));
        EXPECT_EQ(tmp.get("a.rc"), before);
        EXPECT_FALSE(rcWriteString(tmp.path("new.rc").c_str(), c.key, c.value));
        EXPECT_EQ(tmp.names(), std::set<std::string>{"a.rc"});
    }
    EXPECT_FALSE(rcWriteString(nullptr, "a:", "1"));
    EXPECT_FALSE(rcWriteBool(nullptr, "a:", true));
    EXPECT_FALSE(rcWriteInt(nullptr, "a:", 1));
}

TEST(RcWriteRefused, MissingFolderCreatesNothing) {
    TempDir tmp;
    EXPECT_FALSE(rcWriteString(tmp.path("missing/a.rc").c_str(), "a:", "1"));
    EXPECT_TRUE(tmp.names().empty());
}

TEST(RcWriteRefused, DirectoryIsLeftAlone) {
    TempDir tmp;
    fs::create_directory(tmp.dir / "d");
    tmp.put("d/inside.rc", "a: 1\n");
    EXPECT_FALSE(rcWriteString(tmp.path("d").c_str(), "a:", "2"));
    EXPECT_TRUE(fs::is_directory(tmp.dir / "d"));
    EXPECT_EQ(tmp.names(), std::set<std::string>{"d"}) << "a temporary file was left";
    EXPECT_EQ(tmp.get("d/inside.rc"), "a: 1\n");
}

}  // namespace
