// trazzle-trainer.dll beside trazzle.dll in vantrel.exe: strokes drawn on the canvas, recorded, learned, applied and then launched with the hotkey.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/plugin/bmp_picture.h"
#include "tests/plugin/plugin_session.h"
#include "tests/tool_run.h"
#include "tools/replay/replay.h"

namespace {

// The trainer at (100, 60) puts its canvas at (419, 90) on the screen.
constexpr char kPlaced[] = "trazzle.trainer.x: 100\ntrazzle.trainer.y:   60\n";

SessionOptions withTrainer() {
    SessionOptions options;
    options.alsoLoad = "trazzle-trainer.dll";
    return options;
}

// A V (|br|) or a W (|br tr br|) on the canvas, pressed at (x, y), in steps of 10 pixels.
std::string canvasStroke(int x, int y, bool w) {
    static const int kV[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {5, 1}, {6, 0}};
    static const int kW[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {5, 1}, {6, 0}, {7, 1}, {8, 2}, {9, 3}, {10, 2}, {11, 1}};
    std::string script = "move " + std::to_string(x) + " " + std::to_string(y) + "\nbutton down left\n";
    int steps = w ? 11 : 6;
    for (int i = 0; i < steps; ++i) {
        const int* step = w ? kW[i] : kV[i];
        script += "move " + std::to_string(x + 10 * step[0]) + " " + std::to_string(y + 10 * step[1]) + "\n";
    }
    return script + "button up left\n";
}

// Waits until the host has shown this status: the trainer does its work after the input, in its
// window procedures.
std::string awaitStatus(const std::string& text) { return "await status \"" + text + "\"\n"; }

// Waits until the strip shows the selected slot's examples: they are read on a thread of their
// own, and a click on a thumbnail before then would find none, or the ones before a change.
std::string awaitStrip(const std::string& shows) {
    return "await-text TrazzleTrainer/TrazzleExamples slot " + shows + "\n";
}

// Waits until the trainer's own status line reads "Trainer -> TEXT": what it says of a stroke
// trazzle kept, which the host's label never shows.
std::string awaitStatusLine(const std::string& text) {
    return "await-text TrazzleTrainer/TrazzleStatus Trainer -> " + text + "\n";
}

// A peak (|tr|) on the canvas, pressed at (x, y): a V upside down.
std::string canvasPeak(int x, int y) {
    std::string script = "move " + std::to_string(x) + " " + std::to_string(y) + "\nbutton down left\n";
    for (int i = 1; i <= 6; ++i)
        script += "move " + std::to_string(x + 10 * i) + " " + std::to_string(y - 10 * (i <= 3 ? i : 6 - i)) + "\n";
    return script + "button up left\n";
}

// A canvas stroke drawn with trazzle's hotkey held instead.
std::string heldDown(std::string stroke) {
    stroke.replace(stroke.find("button down left"), 16, "key down 91");
    stroke.replace(stroke.find("button up left"), 14, "key up 91");
    return stroke;
}

// The same shapes drawn with trazzle's hotkey held.
std::string hotkeyStroke(int x, int y, bool w) {
    std::string stroke = canvasStroke(x, y, w);
    stroke.replace(stroke.find("button down left"), 16, "key down 91");
    stroke.replace(stroke.find("button up left"), 14, "key up 91");
    return stroke;
}

// Stroke files as the trainer stores them: a V gives |br|, a W |br tr br|.
const char kV[] = "0 0\n20 20\n40 0\n";
const char kW[] = "0 0\n20 20\n40 0\n60 20\n80 0\n";

std::string example(int slot, int number) {
    char name[48];
    std::snprintf(name, sizeof name, "trazzle-examples\\%d\\stroke-%03d.txt", slot, number);
    return name;
}

std::string replay(const std::string& strokeFile) {
    ToolOutcome outcome = runTool(runReplay, "trazzle-replay", {strokeFile});
    return outcome.status == 0 ? outcome.out : "exit " + std::to_string(outcome.status) + ": " + outcome.err;
}

TEST(Trainer, RecordsLearnsAndAppliesSoTrazzleLaunchesTheNewTextsAndTheCanvasLaunchesNothing) {
    const std::string rc = std::string("# my gestures\ntrazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n") + kPlaced +
                           "trazzle.plugin.gesture0:\ttr\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n"
                           "trazzle.plugin.command1: C:\\Tools\\other.exe\n! kept as it is\n"
                           "trazzle.plugin.transparency.alpha: 200\n";
    // Suggest: the texts neither holding nor held in the slots' |br| and |br tr|.
    const char kSuggested[] = "Trainer -> 12 texts no slot uses: |tl| |bl| |rd| |ru| |ld| |lu| |tr tl| |tr rd| |tr lu| "
                              "|tl tr| |tl bl| |tl ru|";
    // The V is held in the W: a W drawn short would launch it.
    const char kClash[] = "Trainer -> slots 0 and 1 share texts: 0 of slot 1's 2 examples would launch slot 0, 2 of slot 0's "
                          "2 would launch slot 1; draw another shape for slot 1";
    // Apply is pressed while Learn runs: it is done when Learn ends. Meanwhile trazzle stores
    // an alpha through the host, which may put it in the file after the trainer's write.
    std::string script = "window TrazzleTrainer/TrazzleCanvas\n"
                         "broadcast @trazzleTrainer Select 0\nbroadcast @trazzleTrainer Record On\n" +
                         canvasStroke(450, 150, false) + awaitStatus("Trainer -> recorded trazzle-examples/0/stroke-001.txt") +
                         "capture TrazzleTrainer/TrazzleCanvas canvas.bmp\n" + canvasStroke(600, 200, false) +
                         "broadcast @TRAZZLETRAINER   select 1\nbroadcast @trazzleTrainer Record On\n" +
                         canvasStroke(450, 250, true) +
                         canvasStroke(430, 200, true) + awaitStatus(kClash) + "broadcast @trazzleTrainer Record Off\n" +
                         canvasStroke(450, 250, true) +
                         "broadcast @trazzleTrainer Learn\nbroadcast @trazzleTrainer Apply\n"
                         "broadcast @trazzleInternal TransparencyAlpha 128\n" +
                         awaitStatus("Trainer -> applied: 2 slots changed") + "broadcast @trazzleTrainer Suggest\n" +
                         awaitStatus(kSuggested) + hotkeyStroke(300, 600, false) +
                         hotkeyStroke(300, 600, true);
    PluginSession s = runPlugin(rc.c_str(), script, {}, withTrainer());

    EXPECT_EQ("window [TrazzleTrainer/TrazzleCanvas] visible=1 x=419 y=90 cx=320 cy=320 topmost=0 "
              "exstyle=0x00000000 alpha=none",
              after(s.log, "script 1 \"window TrazzleTrainer/TrazzleCanvas\"").at(0));
    Lines expected = {
        "status \"Trainer -> recording examples of slot 0\"",
        "status \"Trainer -> |br| nothing: it holds no slot's text\"",
        "status \"Trainer -> recorded trazzle-examples/0/stroke-001.txt\"",
        "status \"Trainer -> |br| nothing: it holds no slot's text\"",
        "status \"Trainer -> recorded trazzle-examples/0/stroke-002.txt\"",
        "status \"Trainer -> recording off: slot 1 selected; Record records its examples\"",
        "status \"Trainer -> recording examples of slot 1\"",
        "status \"Trainer -> |br tr br| nothing: it holds slot 0's |tr|, but 1 of its 3 tokens are under the three tenths a text needs\"",
        "status \"Trainer -> recorded trazzle-examples/1/stroke-001.txt\"",
        "status \"Trainer -> |br tr br| nothing: it holds slot 0's |tr|, but 1 of its 3 tokens are under the three tenths a text needs\"",
        "status \"Trainer -> recorded trazzle-examples/1/stroke-002.txt\"",
        std::string("status \"") + kClash + "\"",
        "status \"Trainer -> recording off\"",
        "status \"Trainer -> |br tr br| nothing: it holds slot 0's |tr|, but 1 of its 3 tokens are under the three tenths a text needs\"",
        "status \"Trainer -> learning...\"",
        // Two examples a slot are too few for texts learned without one of them to hold.
        "status \"Trainer -> learned: 0 right, 0 wrong, 4 nothing\"",
        "status \"Trainer -> applied: 2 slots changed\"",
        std::string("status \"") + kSuggested + "\"",
        "status \"Trazzle -> |br|\"",
        "status \"Trazzle Command -> edit.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"edit.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
        "status \"Trazzle -> |br tr br|\"",
        "status \"Trazzle Command -> other.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"other.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "VTExecute"})));

    // Stored as drawn, the press first, in canvas coordinates; each replays to the text shown.
    EXPECT_EQ("# drawn on the trainer's canvas for slot 0; the first point is the press\n"
              "31 60\n41 70\n51 80\n61 90\n71 80\n81 70\n91 60\n",
              readFile(s.folder + "trazzle-examples\\0\\stroke-001.txt"));
    EXPECT_EQ("gesture: br\n", replay(s.folder + "trazzle-examples\\0\\stroke-002.txt"));
    EXPECT_EQ("gesture: br tr br\n", replay(s.folder + "trazzle-examples\\1\\stroke-002.txt"));

    // Only the learned texts and the alpha changed, neither lost to the other's write: the
    // replaced lines keep their keys and blanks, the new ones go beside the slot lines, every
    // other byte stays.
    EXPECT_EQ(std::string("# my gestures\ntrazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n") + kPlaced +
                  "trazzle.plugin.gesture0:\tbr\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n"
                  // no variant for Ws drawn without their first leg: none of the examples is one
                  "trazzle.plugin.command1: C:\\Tools\\other.exe\ntrazzle.plugin.gesture1: br tr\n"
                  "! kept as it is\ntrazzle.plugin.transparency.alpha: 128\n",
              readFile(s.folder + "trazzle.rc"));

    // The canvas shows the first V as the pad would: trail, corner dot, label, caption.
    Picture canvas = readPicture(s.folder + "canvas.bmp");
    ASSERT_EQ(320, canvas.width);
    EXPECT_EQ(kWhite, canvas.at(46, 75));   // the trail from (41, 70) to (51, 80)
    EXPECT_EQ(kCorner, canvas.at(61, 94));  // the dot, below where the trail meets it
    EXPECT_GT(canvas.count(kWhite, 81, 90, 110, 107), 10);  // "br", 20 pixels right of the corner
    EXPECT_EQ(0, canvas.count(kWhite, 64, 93, 81, 110));    // nothing between dot and label
    EXPECT_GT(canvas.count(kWhite, 110, 4, 210, 20), 30);   // the caption, one inset below the top
    EXPECT_EQ(0, canvas.count(kWhite, 150, 150, 320, 320) + canvas.count(kCorner, 150, 150, 320, 320));
    // Recording: the canvas framed red, three pixels wide.
    const Rgb kRecording = {0xFF, 0x40, 0x40};
    EXPECT_EQ(3 * 300, canvas.count(kRecording, 0, 10, 3, 310));
    EXPECT_EQ(0, canvas.count(kRecording, 3, 3, 317, 317));
}

// With no place stored, the trainer opens below the host's window (the system's choice), at its
// left edge, so that the host's status label stays in view.
TEST(Trainer, OpensBelowTheHostClosingHidesShowBringsItBackAndRecordingNeedsASlot) {
    std::string script =
        "window VantrelHost\nbroadcast @trazzleTrainer Record On\nclose TrazzleTrainer\nwindow TrazzleTrainer\n"
        "broadcast @trazzleTrainer Show\nwindow TrazzleTrainer\nbroadcast @trazzleTrainer Hide\n"
        "window TrazzleTrainer\n";
    PluginSession s = runPlugin("", script, {}, withTrainer());
    Lines logged = only(scriptPart(s.log), {"status", "window"});
    ASSERT_FALSE(logged.empty());
    int hostX = 0, hostY = 0, hostHeight = 0;
    ASSERT_EQ(3, std::sscanf(logged[0].c_str(), "window [VantrelHost] visible=1 x=%d y=%d cx=460 cy=%d", &hostX, &hostY,
                             &hostHeight))
        << logged[0];
    auto trainerAt = [&](int visible) {
        return "window [TrazzleTrainer] visible=" + std::to_string(visible) + " x=" + std::to_string(hostX) +
               " y=" + std::to_string(hostY + hostHeight) + " cx=906 cy=617 topmost=0 exstyle=0x00000100 alpha=none";
    };
    Lines expected = {logged[0], "status \"Trainer -> select a slot to record its examples\"", trainerAt(0),
                      trainerAt(1), trainerAt(0)};
    EXPECT_EQ(joinLines(expected), joinLines(logged));
}

TEST(Trainer, AFieldIsWrittenWhenEnterIsPressed) {
    // The gesture field lies at (747, 104) on the screen; slot 2 has no text yet.
    std::string script = "broadcast @trazzleTrainer Select 2\nmove 760 112\nbutton down left\nbutton up left\n"
                         "key down 84\nkey up 84\nkey down 82\nkey up 82\nkey down 13\nkey up 13\n" +
                         awaitStatus("Trainer -> slot 2 gesture: tr");
    PluginSession s = runPlugin(kPlaced, script, {}, withTrainer());
    EXPECT_EQ(joinLines({"status \"Trainer -> slot 2 gesture: tr\""}), joinLines(only(scriptPart(s.log), {"status"})));
    EXPECT_EQ(std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\ntrazzle.plugin.gesture2: tr\n",
              readFile(s.folder + "trazzle.rc"));
}

// Delete removes the example selected in the strip, and only that one: the strip lies at (419,
// 434) on the screen, its thumbnails 48 pixels wide, 4 apart. Slot 1's V takes the Vs recorded
// for slot 0, and the status says so at once; the trainer's own status line shows the last status.
TEST(Trainer, DeleteRemovesTheSelectedExampleOnly) {
    const std::string rc =
        std::string(kPlaced) + "trazzle.plugin.gesture1: br\ntrazzle.plugin.command1: C:\\Tools\\edit.exe\n";
    std::string script = "broadcast @trazzleTrainer Select 0\nbroadcast @trazzleTrainer Record On\n" +
                         canvasStroke(450, 150, false) + canvasStroke(600, 200, false) +
                         awaitStatus("Trainer -> recorded trazzle-examples/0/stroke-002.txt; |br| launches slot 1 "
                                     "edit.exe") + awaitStrip("0: 2 examples") +
                         "move 499 462\nbutton down left\nbutton up left\nkey down 46\nkey up 46\n"
                         "key down 46\nkey up 46\n" + awaitStatus("Trainer -> deleted 0/stroke-002.txt") +
                         "text TrazzleTrainer/TrazzleStatus\n";
    PluginSession s = runPlugin(rc.c_str(), script, {}, withTrainer());
    Lines expected = {
        "status \"Trainer -> recording examples of slot 0\"",
        "status \"Trainer -> |br| slot 1: edit.exe\"",
        "status \"Trainer -> recorded trazzle-examples/0/stroke-001.txt; |br| launches slot 1 edit.exe\"",
        "status \"Trainer -> |br| slot 1: edit.exe\"",
        "status \"Trainer -> recorded trazzle-examples/0/stroke-002.txt; |br| launches slot 1 edit.exe\"",
        "status \"Trainer -> 0/stroke-002.txt |br| launches slot 1 edit.exe\"",
        "status \"Trainer -> deleted 0/stroke-002.txt\"",
        "text [TrazzleTrainer/TrazzleStatus] \"Trainer -> deleted 0/stroke-002.txt\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "text"})));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + "trazzle-examples\\0\\stroke-001.txt").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + "trazzle-examples\\0\\stroke-002.txt").c_str()));
}

// Learn read slot 2 empty; then it was given a text and command by hand. Apply must not write
// over it, nor anything else, and says why.
TEST(Trainer, ApplyWritesNothingWhenASlotChangedSinceLearn) {
    const std::string rc = std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n"
                           "trazzle.plugin.gesture0: tr\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n"
                           "trazzle.plugin.command1: C:\\Tools\\other.exe\n";
    const std::string edited = rc + "trazzle.plugin.gesture2: ld\ntrazzle.plugin.command2: mine.exe\n"
                                    "trazzle.plugin.argument2: --my-own\n";
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 3; ++n) {
        options.moreFiles.push_back({example(0, n), kV});
        options.moreFiles.push_back({example(1, n), kW});
    }
    std::string script = "broadcast @trazzleTrainer Learn\nawait status \"Trainer -> learned:\n"
                         "copy edited.rc trazzle.rc\nreconfigure\nbroadcast @trazzleTrainer Apply\n" +
                         awaitStatus("Trainer -> trazzle.rc changed since Learn: Learn again");
    PluginSession s = runPlugin(rc.c_str(), script, {{"edited.rc", edited}}, options);
    Lines expected = {"status \"Trainer -> learning...\"", "status \"Trainer -> learned: 6 right, 0 wrong, 0 nothing\"",
                      "status \"Trainer -> trazzle.rc changed since Learn: Learn again\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status"})));
    EXPECT_EQ(edited, readFile(s.folder + "trazzle.rc"));
}

// Slot 0's second example is a line of text: it is named when slot 0 is selected, and slot 3's
// example, read after it, is there to be selected and deleted.
TEST(Trainer, AnUnreadableExampleIsNamedAndHidesNoOther) {
    SessionOptions options = withTrainer();
    options.moreFiles = {{example(0, 1), kV}, {example(0, 2), "a line of text\n"}, {example(3, 1), kV}};
    std::string script = "broadcast @trazzleTrainer Select 0\n" + awaitStrip("0: 1 example") +
                         "broadcast @trazzleTrainer Select 3\n" + awaitStrip("3: 1 example") +
                         "move 447 462\nbutton down left\nbutton up left\nkey down 46\nkey up 46\n" +
                         awaitStatus("Trainer -> deleted 3/stroke-001.txt");
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    Lines expected = {"status \"Trainer -> slot 0: cannot show 0/stroke-002.txt (see Findings)\"",
                      "status \"Trainer -> 3/stroke-001.txt |br| launches nothing: it holds no slot's text\"",
                      "status \"Trainer -> deleted 3/stroke-001.txt\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status"})));
}

// A slot holds 999 examples, and says so when a 1000th is drawn; the strip scrolls to the last
// one (the wheel turned once far enough, after a click gave the strip the keyboard), which can
// then be selected and deleted. With its scroll bar a row holds five thumbnails, two in view.
TEST(Trainer, ASlotHolds999ExamplesAndTheStripScrollsToEveryOne) {
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 999; ++n) options.moreFiles.push_back({example(0, n), kV});
    std::string script = "broadcast @trazzleTrainer Select 0\nbroadcast @trazzleTrainer Record On\n" +
                         canvasStroke(450, 150, false) +
                         awaitStatus("Trainer -> slot 0 is full: 999 examples (stroke-001.txt to stroke-999.txt) "
                                     "are the most a slot holds; delete one to record more") +
                         awaitStrip("0: 999 examples") + "move 447 462\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> 0/stroke-001.txt |br| launches nothing: it holds no slot's text") + "wheel -24000\n"
                         // The last example, the fourth of the last row.
                         "move 603 514\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> 0/stroke-999.txt |br| launches nothing: it holds no slot's text") + "key down 46\nkey up 46\n" +
                         awaitStatus("Trainer -> deleted 0/stroke-999.txt");
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    EXPECT_EQ("status \"Trainer -> deleted 0/stroke-999.txt\"", only(scriptPart(s.log), {"status"}).back());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + example(0, 999)).c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + example(0, 998)).c_str()));
}

// A Move leaves the strip where it was: scrolled to its last row, the first of it dragged onto
// slot 4's row, the example that followed it lies under the pointer.
TEST(Trainer, AMovedExamplesPlaceInTheStripGoesToTheOneAfterIt) {
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 20; ++n) options.moreFiles.push_back({example(0, n), kV});
    std::string script = "broadcast @trazzleTrainer Select 0\n" + awaitStrip("0: 20 examples") +
                         "move 447 462\nwheel -24000\nmove 447 514\nbutton down left\nmove 440 400\nmove 200 173\n"
                         "button up left\n" + awaitStrip("0: 19 examples") + "move 447 514\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> 0/stroke-017.txt |br| launches nothing: it holds no slot's text");
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    Lines expected = {
        "status \"Trainer -> 0/stroke-016.txt |br| launches nothing: it holds no slot's text\"",
        "status \"Trainer -> moved 0/stroke-016.txt to 4/stroke-001.txt\"",
        "status \"Trainer -> 0/stroke-017.txt |br| launches nothing: it holds no slot's text\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status"})));
}

// A slot's examples are read off the window thread: a Select made while a full slot is read
// drops that reading, and only the newest slot's examples and unreadable files are shown.
TEST(Trainer, ASelectWhileAFullSlotIsReadShowsOnlyTheNewestSlot) {
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 999; ++n) options.moreFiles.push_back({example(0, n), kV});
    options.moreFiles.push_back({"trazzle-examples\\0\\bad.txt", "a line of text\n"});
    options.moreFiles.push_back({example(1, 1), kW});
    options.moreFiles.push_back({"trazzle-examples\\1\\bad.txt", "a line of text\n"});
    std::string script = "broadcast @trazzleTrainer Select 0\nbroadcast @trazzleTrainer Select 1\n" +
                         awaitStrip("1: 1 example") + "move 447 462\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> 1/stroke-001.txt |br tr br| launches nothing: it holds no slot's text");
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    Lines expected = {"status \"Trainer -> slot 1: cannot show 1/bad.txt (see Findings)\"",
                      "status \"Trainer -> 1/stroke-001.txt |br tr br| launches nothing: it holds no slot's text\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status"})));
}

// A slot configured by hand takes the shape being taught: the trainer names it when the stroke
// is recorded and after Learn, and one Clear mends it, every other line kept.
TEST(Trainer, ASlotThatTakesAnotherSlotsExamplesIsNamedAndClearedSoBothShapesLaunch) {
    const std::string rc = std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n"
                           "# set by hand long ago\ntrazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\old.exe\n"
                           "trazzle.plugin.command4: C:\\Tools\\v.exe\n! the peak\ntrazzle.plugin.command5: C:\\Tools\\peak.exe\n";
    std::string script = "broadcast @trazzleTrainer Select 4\nbroadcast @trazzleTrainer Record On\n";
    const int places[][2] = {{450, 150}, {600, 200}, {450, 250}};
    for (int n = 0; n < 3; ++n)
        script += canvasStroke(places[n][0], places[n][1], false) +
                  awaitStatus("Trainer -> recorded trazzle-examples/4/stroke-00" + std::to_string(n + 1) + ".txt; |br| launches slot 0 old.exe");
    script += "broadcast @trazzleTrainer Select 5\nbroadcast @trazzleTrainer Record On\n";
    for (int n = 0; n < 3; ++n)
        script += canvasPeak(places[n][0], places[n][1] + 100) +
                  awaitStatus("Trainer -> recorded trazzle-examples/5/stroke-00" + std::to_string(n + 1) + ".txt");
    script += "broadcast @trazzleTrainer Record Off\nbroadcast @trazzleTrainer Learn\n" +
              awaitStatus("Trainer -> slot 0 takes 3 examples of slot 4") + "broadcast @trazzleTrainer Clear 0\n" +
              awaitStatus("Trainer -> slot 0 cleared") + "broadcast @trazzleTrainer Learn\n" +
              awaitStatus("Trainer -> learned: 6 right, 0 wrong, 0 nothing") + "broadcast @trazzleTrainer Apply\n" +
              awaitStatus("Trainer -> applied: 2 slots changed") + heldDown(canvasStroke(300, 600, false)) +
              awaitStatus("Trazzle Command -> v.exe") + heldDown(canvasPeak(300, 650)) +
              awaitStatus("Trazzle Command -> peak.exe");
    PluginSession s = runPlugin(rc.c_str(), script, {}, withTrainer());

    Lines expected = {"status \"Trainer -> recording examples of slot 4\""};
    for (int n = 1; n <= 3; ++n) {
        expected.push_back("status \"Trainer -> |br| slot 0: old.exe\"");
        expected.push_back("status \"Trainer -> recorded trazzle-examples/4/stroke-00" + std::to_string(n) +
                           ".txt; |br| launches slot 0 old.exe\"");
    }
    expected.push_back("status \"Trainer -> recording off: slot 5 selected; Record records its examples\"");
    expected.push_back("status \"Trainer -> recording examples of slot 5\"");
    for (int n = 1; n <= 3; ++n) {
        expected.push_back("status \"Trainer -> |tr| nothing: it holds no slot's text\"");
        expected.push_back("status \"Trainer -> recorded trazzle-examples/5/stroke-00" + std::to_string(n) + ".txt\"");
    }
    for (const char* line : {
             "status \"Trainer -> recording off\"",
             "status \"Trainer -> learning...\"",
             "status \"Trainer -> learned: 3 right, 3 wrong, 0 nothing\"",
             "status \"Trainer -> slot 0 takes 3 examples of slot 4\"",
             "status \"Trainer -> slot 0 cleared\"",
             "status \"Trainer -> learning...\"",
             "status \"Trainer -> learned: 6 right, 0 wrong, 0 nothing\"",
             "status \"Trainer -> applied: 2 slots changed\"",
             "status \"Trazzle -> |br|\"",
             "status \"Trazzle Command -> v.exe\"",
             "VTExecute owner=0 operation=\"\" command=\"v.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
             "status \"Trazzle -> |tr|\"",
             "status \"Trazzle Command -> peak.exe\"",
             "VTExecute owner=0 operation=\"\" command=\"peak.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
         })
        expected.push_back(line);
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "VTExecute"})));
    // Slot 0's lines gone, its comment and every other byte kept, each new text beside its slot.
    EXPECT_EQ(std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n# set by hand long ago\n"
                                     "trazzle.plugin.command4: C:\\Tools\\v.exe\ntrazzle.plugin.gesture4: br\n"
                                     "! the peak\ntrazzle.plugin.command5: C:\\Tools\\peak.exe\ntrazzle.plugin.gesture5: tr\n",
              readFile(s.folder + "trazzle.rc"));
}

// Mending without the rc file: an example moved by broadcast and by a drag onto a slot row, the
// hotkey set by a key pressed in its field and by broadcast (the old one then starts nothing,
// the new one launches), the pad's labels turned off, slot 0 cleared and a suggested text clicked
// for slot 4, each taking effect at once. The strip's first thumbnail lies at (447, 462) on the
// screen, slot 4's row at (200, 173), the hotkey field at (280, 564), Suggest's first text at
// (770, 365).
TEST(Trainer, MovesExamplesSetsTrazzlesSettingsAndClearsASlot) {
    const std::string rc = std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n"
                           "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n"
                           "# and a W\ntrazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: C:\\Tools\\other.exe\n";
    SessionOptions options = withTrainer();
    options.moreFiles.push_back({example(4, 6), kW});
    for (int n = 1; n <= 6; ++n) options.moreFiles.push_back({example(5, n), kV});
    options.moreFiles.push_back({"trazzle-examples\\4\\big.txt", std::string(1024 * 1024 + 1, '\n')});
    std::string f12Stroke = hotkeyStroke(300, 600, false);
    for (size_t at; (at = f12Stroke.find(" 91\n")) != std::string::npos;) f12Stroke.replace(at, 4, " 123\n");
    std::string script =
        "broadcast @trazzleTrainer Move 4/stroke-006.txt 5\n" +
        awaitStatus("Trainer -> moved 4/stroke-006.txt to 5/stroke-007.txt") +
        "broadcast @trazzleTrainer Move 4/stroke-006.txt 5\nbroadcast @trazzleTrainer Move 4/CON 5\n"
        "broadcast @trazzleTrainer Move 4/big.txt 5\nbroadcast @trazzleTrainer Select 5\n" + awaitStrip("5: 7 examples") +
        "move 447 462\nbutton down left\nmove 440 400\nmove 200 173\nbutton up left\n" +
        awaitStatus("Trainer -> moved 5/stroke-001.txt to 4/stroke-001.txt") +
        "move 280 564\nbutton down left\nbutton up left\nkey down 122\nkey up 122\n" +
        awaitStatus("Trainer -> hotkey: F11 (122)") +
        "broadcast @trazzleTrainer Hotkey 255\nbroadcast @trazzleTrainer Hotkey 164\nbroadcast @trazzleTrainer Hotkey 123\n" +
        awaitStatus("Trainer -> hotkey: F12 (123)") + hotkeyStroke(300, 600, false) + f12Stroke +
        awaitStatus("Trazzle Command -> edit.exe") + "broadcast @trazzleTrainer PadTips maybe\n"
        "broadcast @trazzleTrainer PadTips Off\n" + awaitStatus("Trainer -> pad labels: off") +
        "broadcast @trazzleTrainer Clear 0\n" + awaitStatus("Trainer -> slot 0 cleared") + f12Stroke +
        awaitStatus("Trazzle -> |br|") +
        // A click on Suggest's first text, drawn where the findings were, gives it to slot 4.
        "broadcast @trazzleTrainer Select 4\n" + awaitStrip("4: 1 example") +
        "broadcast @trazzleTrainer Suggest\nmove 770 365\nbutton down left\n"
        "button up left\n" + awaitStatus("Trainer -> slot 4 gesture: tl");
    PluginSession s = runPlugin(rc.c_str(), script, {}, options);
    Lines expected = {
        "status \"Trainer -> moved 4/stroke-006.txt to 5/stroke-007.txt\"",
        "status \"Trainer -> no example 4/stroke-006.txt\"",
        "status \"Trainer -> 4/CON is not moved: Windows takes it for the device CON\"",
        "status \"Trainer -> 4/big.txt is larger than 1 MB, the most an example file may hold; not moved\"",
        "status \"Trainer -> 5/stroke-001.txt |br| launches slot 0 edit.exe\"",
        "status \"Trainer -> moved 5/stroke-001.txt to 4/stroke-001.txt\"",
        "status \"Trainer -> hotkey: press the key that is to start a stroke (now Left Windows (91))\"",
        "status \"Trainer -> hotkey: F11 (122)\"",
        "status \"Trainer -> Hotkey needs a key code from 1 to 254: 255\"",
        "status \"Trainer -> hotkey not stored: Left Alt (164) reaches trazzle's hook as a system key; use Left Windows (91) "
        "or an F key other than F10\"",
        "status \"Trainer -> hotkey: F12 (123)\"",
        "status \"Trazzle -> |br|\"",
        "status \"Trazzle Command -> edit.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"edit.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
        "status \"Trainer -> PadTips needs On or Off: maybe\"",
        "status \"Trainer -> pad labels: off\"",
        "status \"Trainer -> slot 0 cleared\"",
        "status \"Trazzle -> |br|\"",
        "status \"Trainer -> slot 4: cannot show 4/big.txt (see Findings)\"",
        "status \"Trainer -> 12 texts no slot uses: |tl| |bl| |rd| |ru| |ld| |lu| |tr tl| |tr rd| |tr lu| |tl tr| |tl bl| "
        "|tl ru|\"",
        "status \"Trainer -> slot 4 gesture: tl\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "VTExecute"})));
    EXPECT_EQ(kW, readFile(s.folder + example(5, 7)));
    EXPECT_EQ(kV, readFile(s.folder + example(4, 1)));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + example(4, 6)).c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + example(5, 1)).c_str()));
    EXPECT_EQ(std::string(kPlaced) + "trazzle.plugin.x: 0\ntrazzle.plugin.y: 0\n"
                                     "# and a W\ntrazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: C:\\Tools\\other.exe\n"
                                     "trazzle.plugin.gesture4: tl\ntrazzle.plugin.hotkey: 123\ntrazzle.plugin.pad.tips: false\n",
              readFile(s.folder + "trazzle.rc"));
}

// With the rc file read-only the host cannot store a setting: the trainer says so and why, and
// trazzle keeps its hotkey.
TEST(Trainer, ASettingTheHostCannotStoreIsSaidNotStored) {
    const std::string rc = std::string(kPlaced) + "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n";
    SessionOptions options = withTrainer();
    options.rcReadOnly = true;
    std::string script = "broadcast @trazzleTrainer Hotkey 123\nbroadcast @trazzleTrainer PadTips Off\n" +
                         awaitStatus("Trainer -> pad labels not stored: trazzle.rc: the file is read-only") +
                         hotkeyStroke(300, 600, false) + awaitStatus("Trazzle Command -> edit.exe");
    PluginSession s = runPlugin(rc.c_str(), script, {}, options);
    SetFileAttributesA((s.folder + "trazzle.rc").c_str(), FILE_ATTRIBUTE_NORMAL);
    Lines expected = {
        "status \"Trainer -> hotkey not stored: trazzle.rc: the file is read-only\"",
        "status \"Trainer -> pad labels not stored: trazzle.rc: the file is read-only\"",
        "status \"Trazzle -> |br|\"",
        "status \"Trazzle Command -> edit.exe\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status"})));
    EXPECT_EQ(rc, readFile(s.folder + "trazzle.rc"));
}

// The slots Learn keeps free are picked in the settings row's list at (900, 564), or by
// broadcast; the trainer's own key holds them.
TEST(Trainer, TheFreeSlotsArePickedInTheRowOrByBroadcast) {
    auto picked = [](int count) {
        return "Trainer -> free slots: " + std::to_string(count) +
               " kept for new gestures; Learn may give the other open slots to variants";
    };
    std::string script = "move 900 564\nbutton down left\nbutton up left\nkey down 40\nkey up 40\n" +
                         awaitStatus(picked(6)) + "key down 13\nkey up 13\nbroadcast @trazzleTrainer FreeSlots 0\n" +
                         awaitStatus(picked(0)) + "text TrazzleTrainer/ComboBox\n";
    PluginSession s = runPlugin(kPlaced, script, {}, withTrainer());
    Lines expected = {"status \"" + picked(6) + "\"", "status \"" + picked(0) + "\"", "text [TrazzleTrainer/ComboBox] \"0\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "text"})));
    EXPECT_NE(std::string::npos, readFile(s.folder + "trazzle.rc").find("trazzle.trainer.freeSlots: 0\n"));
}

// All of a slot's examples go in one action: a broadcast deletes them unasked, Shift+Delete in
// the strip asks once. While the hotkey field has the focus it asks for the key. The strip's first
// thumbnail lies at (447, 462) on the screen, the hotkey field (the window's fifth edit) at (280, 564).
TEST(Trainer, ASlotsExamplesAreDeletedInOneActionAndTheHotkeyFieldAsksForTheKey) {
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 3; ++n) options.moreFiles.push_back({example(4, n), kV});
    for (int n = 1; n <= 2; ++n) options.moreFiles.push_back({example(5, n), kW});
    std::string script = "broadcast @trazzleTrainer DeleteAll 4\nbroadcast @trazzleTrainer Select 5\n"
                         "move 447 462\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> 5/stroke-001.txt |br tr br| launches nothing: it holds no slot's text") +
                         "key down 16\nkey down 46\nkey up 46\nkey up 16\ndialog\n" +
                         awaitStatus("Trainer -> deleted the 2 examples of slot 5") +
                         "move 280 564\nbutton down left\nbutton up left\n" +
                         awaitStatus("Trainer -> hotkey: press the key that is to start a stroke (now Left Windows (91))") +
                         "text TrazzleTrainer/Edit#5\nkey down 122\nkey up 122\n" +
                         awaitStatus("Trainer -> hotkey: F11 (122)") + "text TrazzleTrainer/Edit#5\n";
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    Lines expected = {
        "status \"Trainer -> deleted the 3 examples of slot 4\"",
        "status \"Trainer -> 5/stroke-001.txt |br tr br| launches nothing: it holds no slot's text\"",
        "dialog owner=[TrazzleTrainer] topmost=0 caption=\"Trazzle Trainer\" text=\"Delete all 2 examples of slot 5?\"",
        "status \"Trainer -> deleted the 2 examples of slot 5\"",
        "status \"Trainer -> hotkey: press the key that is to start a stroke (now Left Windows (91))\"",
        "text [TrazzleTrainer/Edit#5] \"press a key\"",
        "status \"Trainer -> hotkey: F11 (122)\"",
        "text [TrazzleTrainer/Edit#5] \"F11 (122)\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "dialog", "text"})));
    for (int slot : {4, 5})
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + example(slot, 1)).c_str())) << slot;
}

// After a Learn, the script awaits lines; the 900 Hotkey and Clear broadcasts after it log some
// 70,000 lines (7 MB) no await takes, and the host must not hold them: it stays within 2 MB, and
// the await after them still finds its line. Each Clear reads slot 0 again on a thread of its own,
// whose stack counts while it runs: memory is taken once the strip says the reading is done.
TEST(Trainer, MemoryStaysFlatOverHotkeyAndClearBroadcastsAfterALearn) {
    SessionOptions options = withTrainer();
    options.limitMs = 180000;  // each broadcast writes the rc file: a minute or more on a busy machine
    for (int n = 1; n <= 3; ++n) options.moreFiles.push_back({example(0, n), kV});
    std::string script = "broadcast @trazzleTrainer Select 0\nbroadcast @trazzleTrainer Learn\n"
                         "await status \"Trainer -> learned:\n" + awaitStrip("0: 3 examples") +
                         "memory\nrepeat 450\nbroadcast @trazzleTrainer Hotkey 91\nbroadcast @trazzleTrainer Clear 7\nend\n" +
                         awaitStatus("Trainer -> slot 7 cleared") + awaitStrip("0: 3 examples") + "memory\n";
    PluginSession s = runPlugin(kPlaced, script, {}, options);
    Lines memory = only(scriptPart(s.log), {"memory"});
    ASSERT_EQ(2u, memory.size()) << joinLines(memory);
    unsigned long long before = 0, now = 0;
    ASSERT_EQ(1, std::sscanf(memory[0].c_str(), "memory private=%llu", &before)) << memory[0];
    ASSERT_EQ(1, std::sscanf(memory[1].c_str(), "memory private=%llu", &now)) << memory[1];
    EXPECT_LT(now, before + 2 * 1024 * 1024) << before << " then " << now;
    EXPECT_EQ("status \"Trainer -> slot 7 cleared\"", only(scriptPart(s.log), {"status"}).back());
}

// Strokes drawn with the hotkey, kept by trazzle, each told in the trainer's status line as it
// comes: the one that launched nothing given to slot 1
// by broadcast, the W deleted; the V, which launched slot 0, counts as slot 0's example at the
// next Learn: 6 examples (2 + 1 a slot), the deleted W not among them.
TEST(Trainer, AHistoryStrokeIsGivenToASlotOrDeletedByBroadcastAndTheRestCountAtLearn) {
    const std::string rc = std::string(kPlaced) + "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n"
                           "trazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: C:\\Tools\\other.exe\n";
    SessionOptions options = withTrainer();
    for (int n = 1; n <= 2; ++n) {
        options.moreFiles.push_back({example(0, n), kV});
        options.moreFiles.push_back({example(1, n), kW});
    }
    std::string script = hotkeyStroke(300, 600, false) + awaitStatus("Trazzle Command -> edit.exe") +
                         awaitStatusLine("your stroke |br| launched slot 0 C:\\Tools\\edit.exe; if that was the wrong "
                                         "program, give it to its slot in History") +
                         hotkeyStroke(300, 600, true) + awaitStatus("Trazzle Command -> other.exe") +
                         heldDown(canvasPeak(300, 650)) + awaitStatus("Trazzle -> |tr|") +
                         awaitStatusLine("your stroke |tr| launched nothing: it holds no slot's text; give it to its "
                                         "slot in History") +
                         "broadcast @trazzleTrainer History Assign stroke-00000003.txt 1\n"
                         "broadcast @trazzleTrainer History Delete stroke-00000002.txt\n"
                         "broadcast @trazzleTrainer History Delete stroke-00000002.txt\n"
                         "broadcast @trazzleTrainer History Assign stroke-00000009.txt 1\n"
                         "broadcast @trazzleTrainer Learn\n" + awaitStatus("Trainer -> learned: 5 right, 0 wrong, 1 nothing");
    PluginSession s = runPlugin(rc.c_str(), script, {}, options);
    Lines expected = {
        "status \"Trazzle -> |br|\"",
        "status \"Trazzle Command -> edit.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"edit.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
        "status \"Trazzle -> |br tr br|\"",
        "status \"Trazzle Command -> other.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"other.exe\" arguments=\"\" directory=\"C:\\Tools\" show=1 flag=1",
        "status \"Trazzle -> |tr|\"",
        "status \"Trainer -> moved history/stroke-00000003.txt to 1/stroke-003.txt\"",
        "status \"Trainer -> deleted history/stroke-00000002.txt\"",
        "status \"Trainer -> no history stroke stroke-00000002.txt\"",
        "status \"Trainer -> no history stroke stroke-00000009.txt\"",
        "status \"Trainer -> learning...\"",
        "status \"Trainer -> learned: 5 right, 0 wrong, 1 nothing\"",
    };
    EXPECT_EQ(joinLines(expected), joinLines(only(scriptPart(s.log), {"status", "VTExecute"})));
    std::string moved = readFile(s.folder + example(1, 3));
    EXPECT_EQ(0u, moved.find("# launched: nothing\n")) << moved;
    EXPECT_EQ(0u, readFile(s.folder + "trazzle-history\\stroke-00000001.txt").find("# launched: slot 0 C:\\Tools\\edit.exe\n"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((s.folder + "trazzle-history\\stroke-00000002.txt").c_str()));
}

}  // namespace
