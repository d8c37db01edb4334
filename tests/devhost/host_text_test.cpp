// Tests of the host's text handling: log escapes, the script language and the command line.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "devhost/log_format.h"
#include "devhost/options.h"
#include "devhost/script_parser.h"
#include "tests/devhost/devhost_support.h"

namespace {

TEST(LogFormat, TextsAreQuotedWithUnambiguousEscapes) {
    const struct {
        const char* text;
        const char* logged;
    } cases[] = {
        {"C:\\Tools\\edit.exe", "\"C:\\Tools\\edit.exe\""},
        {"", "\"\""},
        {"say \"hi\"", "\"say %22hi%22\""},
        {"100%", "\"100%25\""},
        {"%22", "\"%2522\""},
        {"a\tb\r\nc\x7f", "\"a%09b%0D%0Ac%7F\""},
        {"caf\xe9", "\"caf\xe9\""},
        {nullptr, "null"},
    };
    for (const auto& c : cases) {
        char out[64] = "";
        appendLogText(out, sizeof out, c.text);
        EXPECT_STREQ(c.logged, out);
    }
}

TEST(LogFormat, ATextTooLongIsCutWithoutHalfAnEscapeAndStillClosed) {
    char out[8] = "";
    appendLogText(out, sizeof out, "abcdefgh");
    EXPECT_STREQ("\"abcde\"", out);
    char escaped[8] = "";
    appendLogText(escaped, sizeof escaped, "abc\"d");
    EXPECT_STREQ("\"abc\"", escaped);
    char windowName[16] = "";
    appendLogWindow(windowName, sizeof windowName, nullptr);
    EXPECT_STREQ("0", windowName);
}

struct GoodLine {
    const char* text;
    ScriptOp op;
    int a, b;
    bool hasValue;
    const char* argument;
    const char* file;
};

TEST(ScriptParser, CommandsAndTheirArguments) {
    const GoodLine cases[] = {
        {"key down 91", kOpKeyDown, 91, 0, false, "", ""},
        {"  key up 0x5B  ", kOpKeyUp, 91, 0, false, "", ""},
        {"button down left", kOpButtonDown, MOUSEEVENTF_LEFTDOWN, 0, false, "", ""},
        {"button up right", kOpButtonUp, MOUSEEVENTF_RIGHTUP, 0, false, "", ""},
        {"move 0 767", kOpMove, 0, 767, false, "", ""},
        {"move\t100\t200", kOpMove, 100, 200, false, "", ""},
        {"wait 250", kOpWait, 250, 0, false, "", ""},
        {"await status \"Trainer -> learned", kOpAwait, kAwaitDefaultMs, 0, false, "status \"Trainer -> learned", ""},
        {"await 60000  script-end", kOpAwait, 60000, 0, false, "script-end", ""},
        {"await-text A/B slot 5:  6 examples ", kOpAwaitText, kAwaitDefaultMs, 0, false, "A/B", "slot 5:  6 examples"},
        {"await-text 500 A 7", kOpAwaitText, 500, 0, false, "A", "7"},
        {"wheel -240", kOpWheel, -240, 0, false, "", ""},
        {"broadcast @trazzleInternal  AlwaysOnTop", kOpBroadcast, 0, 0, false,
         "@trazzleInternal  AlwaysOnTop", ""},
        {"broadcast match br%20%09%25%7e", kOpBroadcast, 0, 0, false, "match br \t%~", ""},
        {"window trazzle", kOpWindow, 0, 0, false, "trazzle", ""},
        {"text TrazzleTrainer/TrazzleStatus", kOpText, 0, 0, false, "TrazzleTrainer/TrazzleStatus", ""},
        {"focus", kOpFocus, 0, 0, false, "", ""},
        {"focus VantrelHost", kOpFocus, 0, 0, false, "VantrelHost", ""},
        {"repeat 100000", kOpRepeat, 100000, 0, false, "", ""},
        {"end", kOpEnd, 0, 0, false, "", ""},
        {"dialog", kOpDialog, 0, 0, false, "", ""},
        {"restart", kOpRestart, 0, 0, false, "", ""},
        {"memory", kOpMemory, 0, 0, false, "", ""},
        {"reconfigure", kOpReconfigure, 0, 0, false, "", ""},
        {"menu Always On Top", kOpMenu, 0, 0, false, "Always On Top", ""},
        {"menu Alpha Value = 128", kOpMenu, 0, 128, true, "Alpha Value", ""},
        {"menu Alpha Value =-5", kOpMenu, 0, -5, true, "Alpha Value", ""},
        {"menu a=b", kOpMenu, 0, 0, false, "a=b", ""},
        {"capture trazzle C:\\shots\\tool square.bmp", kOpCapture, 0, 0, false, "trazzle",
         "C:\\shots\\tool square.bmp"},
        {"quit", kOpQuit, 0, 0, false, "", ""},
    };
    for (const GoodLine& c : cases) {
        ScriptCommand command;
        char error[200] = "";
        ASSERT_EQ(1, scriptParseLine(c.text, 7, command, error, sizeof error)) << c.text << ": " << error;
        EXPECT_EQ(c.op, command.op) << c.text;
        EXPECT_EQ(7, command.line);
        EXPECT_EQ(c.a, command.a) << c.text;
        if (c.op == kOpMove || c.op == kOpMenu) {
            EXPECT_EQ(c.b, command.b) << c.text;
        }
        EXPECT_EQ(c.hasValue, command.hasValue) << c.text;
        EXPECT_STREQ(c.argument, command.argument) << c.text;
        EXPECT_STREQ(c.file, command.file) << c.text;
    }
}

TEST(ScriptParser, BlankAndCommentLinesAreSkipped) {
    for (const char* text : {"", "   ", "\t\r", "# a comment", "   # indented comment"}) {
        ScriptCommand command;
        char error[200] = "";
        EXPECT_EQ(0, scriptParseLine(text, 1, command, error, sizeof error)) << "[" << text << "]";
    }
}

TEST(ScriptParser, MalformedLinesAreRefusedWithTheirReason) {
    // Wine's screen is 1024 by 768.
    const char* kMoveError = "\"move\" needs a point on the screen: x from 0 to 1023, y from 0 to 767";
    const char* kWheelError = "\"wheel\" needs a turn from -120000 to 120000, not 0 (120 a notch)";
    const char* kAwaitError = "\"await\" needs the beginning of a log line, after a limit of 1 to 600000 milliseconds "
                              "if one is given";
    const char* kAwaitTextError = "\"await-text\" needs a window and the text it is to show (at most 259 "
                                  "characters), after a limit of 1 to 600000 milliseconds if one is given";
    const char* kEscapeError = "\"broadcast\" text has a bad escape: % needs two hex digits (%25 for % itself)";
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"jump 3", "unknown command \"jump\""},
        {"Move 1 2", "unknown command \"Move\""},
        {"key down", "\"key\" needs down or up and a virtual-key code from 1 to 254"},
        {"key press 91", "\"key\" needs down or up and a virtual-key code from 1 to 254"},
        {"key down 255", "\"key\" needs down or up and a virtual-key code from 1 to 254"},
        {"key down 91 92", "\"key\" needs down or up and a virtual-key code from 1 to 254"},
        {"button down back", "\"button\" needs down or up and left, right or middle"},
        {"move 10", kMoveError},
        {"move -1 5", kMoveError},
        {"move 1x 5", kMoveError},
        {"move 1024 5", kMoveError},
        {"move 5 768", kMoveError},
        {"wait", "\"wait\" needs milliseconds from 0 to 600000"},
        {"wait 600001", "\"wait\" needs milliseconds from 0 to 600000"},
        {"await", kAwaitError},
        {"await 500", kAwaitError},
        {"await 0 status", kAwaitError},
        {"await-text A", kAwaitTextError},
        {"await-text 0 A b", kAwaitTextError},
        {"wheel 0", kWheelError},
        {"wheel 120001", kWheelError},
        {"wheel 1 2", kWheelError},
        {"broadcast", "\"broadcast\" needs a text"},
        {"broadcast    ", "\"broadcast\" needs a text"},
        {"broadcast 100%", kEscapeError},
        {"broadcast %2", kEscapeError},
        {"broadcast %zz", kEscapeError},
        {"broadcast a%00", "\"broadcast\" text cannot hold %00"},
        {"broadcast-file", "\"broadcast-file\" needs a file"},
        {"window", "\"window\" needs a window class"},
        {"window a b", "\"window\" needs a window class"},
        {"text", "\"text\" needs a window class"},
        {"focus a b", "\"focus\" takes at most a window class"},
        {"repeat 0", "\"repeat\" needs a count from 1 to 100000"},
        {"repeat 100001", "\"repeat\" needs a count from 1 to 100000"},
        {"end 2", "\"end\" takes nothing more"},
        {"dialog OK", "\"dialog\" takes nothing more"},
        {"reconfigure now", "\"reconfigure\" takes nothing more"},
        {"quit 0", "\"quit\" takes nothing more"},
        {"menu", "\"menu\" needs the title of an item"},
        {"menu Alpha Value = lots", "\"menu TITLE = VALUE\" needs a title and a whole number"},
        {"menu = 5", "\"menu TITLE = VALUE\" needs a title and a whole number"},
        {"capture trazzle", "\"capture\" needs a window class and a .bmp file"},
        {"capture trazzle shot.png", "\"capture\" needs a window class and a .bmp file"},
    };
    // Values that do not fit their buffers, or numbers with more after them, used to be cut
    // into something else; white space other than blanks used to start a number.
    const std::string zeros(40, '0');
    const std::string cut[][2] = {
        {"wait " + zeros + "1000", "\"wait\" needs milliseconds from 0 to 600000"},
        {"menu A = " + zeros + "128", "\"menu TITLE = VALUE\" needs a title and a whole number"},
        {"move " + zeros + "7junk 5", kMoveError},
        {"repeat " + zeros + "2", "\"repeat\" needs a count from 1 to 100000"},
        {"key down 0x" + zeros + "5B", "\"key\" needs down or up and a virtual-key code from 1 to 254"},
        {"wait \f5", "\"wait\" needs milliseconds from 0 to 600000"},
        {"wait \v5", "\"wait\" needs milliseconds from 0 to 600000"},
        {"menu A = \f5", "\"menu TITLE = VALUE\" needs a title and a whole number"},
        {"capture trazzle " + std::string(255, 'a') + ".bmpZ", "\"capture\" needs a window class and a .bmp file"},
        {"copy a " + std::string(300, 'b'), "\"copy\" needs a source and a target file"},
        {"broadcast-file " + std::string(300, 'b'), "\"broadcast-file\" needs a file name of up to 259 characters"},
        {"broadcast " + std::string(600, 'x'), "line longer than 511 characters"},
    };
    for (const auto& c : cut) {
        ScriptCommand command;
        char error[200] = "";
        EXPECT_EQ(-1, scriptParseLine(c[0].c_str(), 1, command, error, sizeof error)) << c[0];
        EXPECT_EQ(c[1], error) << c[0];
    }
    for (const auto& c : cases) {
        ScriptCommand command;
        char error[200] = "";
        EXPECT_EQ(-1, scriptParseLine(c.text, 1, command, error, sizeof error)) << c.text;
        EXPECT_STREQ(c.error, error) << c.text;
    }
}

TEST(ScriptParser, AWholeFileIsReadWithLineNumbersAndTheFirstBadLineNamed) {
    std::string folder = testFolder();
    static Script script;
    char error[600] = "";
    writeFile(folder + "good.txt", "# start\r\nmove 1 2\r\n\r\nquit");
    ASSERT_TRUE(scriptLoad((folder + "good.txt").c_str(), script, error, sizeof error)) << error;
    ASSERT_EQ(2, script.count);
    EXPECT_EQ(2, script.commands[0].line);
    EXPECT_STREQ("move 1 2", script.commands[0].text);
    EXPECT_EQ(4, script.commands[1].line);
    EXPECT_EQ(kOpQuit, script.commands[1].op);

    writeFile(folder + "bad.txt", "move 1 2\nwait 5\nkey down 91 now\njump\n");
    EXPECT_FALSE(scriptLoad((folder + "bad.txt").c_str(), script, error, sizeof error));
    EXPECT_EQ(folder + "bad.txt:3: \"key\" needs down or up and a virtual-key code from 1 to 254",
              std::string(error));

    // 511 characters is the limit the message names, with either line ending; a zero byte is
    // named with its line, also on a last line without a line break.
    const std::string longest = "broadcast " + std::string(501, 'x');
    const struct {
        std::string text;
        const char* error;
    } lines[] = {
        {"move 1 2\n" + longest + "x\n", ":2: line longer than 511 characters"},
        {"move 1 2\r\n" + longest + "x\r\n", ":2: line longer than 511 characters"},
        {"move 1 2\n" + longest + "\r\n" + longest + "\nquit", ""},
        {std::string("move 1 2\nwa\0it 5\n", 17), ":2: line holds a zero byte"},
        {std::string("move 1 2\nquit\0 junk", 19), ":2: line holds a zero byte"},
    };
    for (const auto& c : lines) {
        writeFile(folder + "long.txt", c.text);
        bool loaded = scriptLoad((folder + "long.txt").c_str(), script, error, sizeof error);
        EXPECT_EQ(!*c.error, loaded) << error;
        if (*c.error) {
            EXPECT_EQ(folder + "long.txt" + c.error, std::string(error));
        }
    }

    const struct {
        const char* text;
        const char* error;
    } badLoops[] = {
        {"repeat 2\nmove 1 2\nend\nend\n", ":4: \"end\" without \"repeat\""},
        {"repeat 2\nrepeat 3\nend\n", ":1: \"repeat\" without \"end\""},
        {"repeat 2\nrepeat 2\nrepeat 2\nrepeat 2\nrepeat 2\nrepeat 2\nrepeat 2\nrepeat 2\nrepeat 2\n",
         ":9: \"repeat\" nested more than 8 deep"},
    };
    for (const auto& c : badLoops) {
        writeFile(folder + "loop.txt", c.text);
        EXPECT_FALSE(scriptLoad((folder + "loop.txt").c_str(), script, error, sizeof error));
        EXPECT_EQ(folder + "loop.txt" + c.error, std::string(error));
    }

    EXPECT_FALSE(scriptLoad((folder + "none.txt").c_str(), script, error, sizeof error));
    EXPECT_EQ(0u, std::string(error).find(folder + "none.txt: cannot read the script: "));
}

TEST(Options, OptionsAndPluginsAreTakenInOrder) {
    char arg0[] = "vantrel.exe", a1[] = "--log", a2[] = "out.log", a3[] = "--no-launch",
         a4[] = "one.dll", a5[] = "--log-omit", a6[] = "MakeStyleGradient", a7[] = "--",
         a8[] = "--two.dll";
    char* argv[] = {arg0, a1, a2, a3, a4, a5, a6, a7, a8};
    HostOptions options;
    char error[200] = "";
    ASSERT_TRUE(parseOptions(9, argv, options, error, sizeof error)) << error;
    EXPECT_STREQ("out.log", options.logPath);
    EXPECT_TRUE(options.noLaunch);
    EXPECT_EQ(nullptr, options.scriptPath);
    ASSERT_EQ(1, options.omittedCount);
    EXPECT_STREQ("MakeStyleGradient", options.omitted[0]);
    ASSERT_EQ(2, options.pluginCount);
    EXPECT_STREQ("one.dll", options.plugins[0]);
    EXPECT_STREQ("--two.dll", options.plugins[1]);
}

TEST(Options, BadCommandLinesAreRefusedWithOneClearReason) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--fast"}, "unknown option \"--fast\""},
        {{"-x", "a.dll"}, "unknown option \"-x\""},
        {{"a.dll", "--script"}, "option --script needs a value"},
        {{"--log", "a", "--log", "b"}, "option --log given twice"},
        {{"--rc"}, "option --rc needs a value"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> storage = {"vantrel.exe"};
        storage.insert(storage.end(), c.args.begin(), c.args.end());
        std::vector<char*> argv;
        for (std::string& arg : storage) argv.push_back(&arg[0]);
        HostOptions options;
        char error[200] = "";
        EXPECT_FALSE(parseOptions(static_cast<int>(argv.size()), argv.data(), options, error, sizeof error));
        EXPECT_STREQ(c.error, error);
    }
}

}  // namespace
