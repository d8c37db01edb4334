// The plugin's platform-free decisions: broadcasts, rc search, settings order, placement and texts.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "settings/broadcast_decision.h"
#include "settings/hotkey_rule.h"
#include "settings/rc_search.h"
#include "settings/settings_loader.h"
#include "settings/status_texts.h"
#include "settings/placement_decision.h"

namespace {

// ---- broadcasts ----

struct BroadcastCase {
    const char* text;
    BroadcastAction action;
    const char* word;  // toggle or alpha word as received; null when none
    int32_t alpha;
};

class Broadcast : public testing::TestWithParam<BroadcastCase> {};

TEST_P(Broadcast, IsDecidedByTheFirstMatchingRule) {
    const BroadcastCase& c = GetParam();
    BroadcastDecision decision = decideBroadcast(c.text);
    EXPECT_EQ(c.action, decision.action);
    if (c.action == kBroadcastToggle) {
        ASSERT_NE(nullptr, decision.toggle);
        EXPECT_STREQ(c.word, decision.word);
    }
    if (c.action == kBroadcastSetAlpha) {
        EXPECT_EQ(c.alpha, decision.alpha);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Broadcast,
    testing::Values(
        BroadcastCase{"@VTShowPlugins", kBroadcastShowPlugins, nullptr, 0},
        BroadcastCase{"@vtsHOWplugins", kBroadcastShowPlugins, nullptr, 0},
        BroadcastCase{"@VTShowPlugins ", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@VTHidePlugins", kBroadcastHidePlugins, nullptr, 0},
        BroadcastCase{"@trazzleInternal AlwaysOnTop", kBroadcastToggle, "AlwaysOnTop", 0},
        BroadcastCase{"@trazzleInternalAlwaysOnTop", kBroadcastToggle, "AlwaysOnTop", 0},
        BroadcastCase{"@trazzleInternal    alwaysontop", kBroadcastToggle, "alwaysontop", 0},
        BroadcastCase{"@TRAZZLEINTERNAL ALWAYSONTOP", kBroadcastToggle, "ALWAYSONTOP", 0},
        BroadcastCase{"@trazzleInternal\tAlwaysOnTop", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@trazzleInternal AlwaysOnTop ", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@trazzleInternal SnapWindowToEdge", kBroadcastToggle, "SnapWindowToEdge", 0},
        BroadcastCase{"@trazzleInternal TransparencyEnabled", kBroadcastToggle, "TransparencyEnabled", 0},
        BroadcastCase{"@trazzleInternal ToggleWithPlugins", kBroadcastToggle, "ToggleWithPlugins", 0},
        BroadcastCase{"@trazzleInternal TransparencyAlpha", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@trazzleInternal TransparencyAlphaX", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@trazzleInternal TransparencyAlpha 128", kBroadcastSetAlpha, nullptr, 128},
        BroadcastCase{"@trazzleInternal transparencyalpha  77", kBroadcastSetAlpha, nullptr, 77},
        BroadcastCase{"@trazzleInternal TransparencyAlpha 12abc", kBroadcastSetAlpha, nullptr, 12},
        BroadcastCase{"@trazzleInternal TransparencyAlpha x", kBroadcastSetAlpha, nullptr, 0},
        BroadcastCase{"@trazzleInternal TransparencyAlpha 300", kBroadcastSetAlpha, nullptr, 300},
        BroadcastCase{"@trazzleInternal TransparencyAlpha -5", kBroadcastSetAlpha, nullptr, -5},
        BroadcastCase{"@trazzleInternal TransparencyAlpha 99999999999", kBroadcastSetAlpha, nullptr,
                      INT32_MAX},
        BroadcastCase{"@trazzleInternal TransparencyAlpha -99999999999999999999999", kBroadcastSetAlpha,
                      nullptr, INT32_MIN},
        BroadcastCase{"@trazzleInternal Edit", kBroadcastEdit, nullptr, 0},
        BroadcastCase{"@trazzleInternal about", kBroadcastAbout, nullptr, 0},
        BroadcastCase{"@trazzleInternal Aboutx", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"@trazzleIntern", kBroadcastIgnored, nullptr, 0},
        BroadcastCase{"", kBroadcastIgnored, nullptr, 0}));

TEST(Broadcast, EachToggleWordNamesItsOwnSettingAndKey) {
    std::set<std::string> keys;
    for (const char* word : {"AlwaysOnTop", "SnapWindowToEdge", "TransparencyEnabled", "ToggleWithPlugins"}) {
        BroadcastDecision d = decideBroadcast(("@trazzleInternal " + std::string(word)).c_str());
        ASSERT_EQ(kBroadcastToggle, d.action) << word;
        PluginSettings settings = {};
        settings.*d.toggle->setting = true;
        keys.insert(d.toggle->rcKey);
        EXPECT_EQ(word == std::string("AlwaysOnTop"), settings.alwaysOnTop);
        EXPECT_EQ(word == std::string("SnapWindowToEdge"), settings.snapWindow);
        EXPECT_EQ(word == std::string("TransparencyEnabled"), settings.transparencyEnabled);
        EXPECT_EQ(word == std::string("ToggleWithPlugins"), settings.toggleWithPlugins);
    }
    EXPECT_EQ((std::set<std::string>{"trazzle.plugin.alwaysontop:", "trazzle.plugin.snapwindow:",
                                     "trazzle.plugin.transparency.enabled:",
                                     "trazzle.plugin.togglewithplugins:"}),
              keys);
}

// ---- rc file search ----

struct FakeFolders {
    std::set<std::string> files;
    std::string host;
    std::vector<std::string> asked;
};

bool fakeExists(void* context, const char* path) {
    auto* folders = static_cast<FakeFolders*>(context);
    folders->asked.push_back(path);
    return folders->files.count(path) != 0;
}

void fakeHostFolder(void* context, char* buffer, int size) {
    auto* folders = static_cast<FakeFolders*>(context);
    std::memset(buffer, 'x', static_cast<size_t>(size));  // a host may fill the whole buffer
    std::memcpy(buffer, folders->host.c_str(), std::min(folders->host.size() + 1, static_cast<size_t>(size)));
}

std::string locate(FakeFolders& folders, const std::string& modulePath) {
    RcLocator locator = {fakeExists, fakeHostFolder, &folders};
    char rcPath[kRcPathSize];
    locateRcFile(modulePath.c_str(), locator, rcPath);
    return rcPath;
}

TEST(RcSearch, TriesPluginFolderThenHostFolderAndFallsBackToPluginTrazzleRc) {
    FakeFolders none;
    none.host = "C:\\host\\";
    EXPECT_EQ("C:\\p\\trazzle.rc", locate(none, "C:\\p\\trazzle.dll"));
    EXPECT_EQ((std::vector<std::string>{"C:\\p\\trazzlerc", "C:\\p\\trazzle.rc", "C:\\host\\trazzlerc",
                                        "C:\\host\\trazzle.rc"}),
              none.asked);

    FakeFolders both{{"C:\\p\\trazzlerc", "C:\\p\\trazzle.rc"}, "C:\\host\\", {}};
    EXPECT_EQ("C:\\p\\trazzlerc", locate(both, "C:\\p\\trazzle.dll"));

    FakeFolders mixed{{"C:\\p\\trazzle.rc", "C:\\host\\trazzlerc"}, "C:\\host\\", {}};
    EXPECT_EQ("C:\\p\\trazzle.rc", locate(mixed, "C:\\p\\trazzle.dll"));

    FakeFolders hostOnly{{"C:\\host\\trazzle.rc"}, "C:\\host\\", {}};
    EXPECT_EQ("C:\\host\\trazzle.rc", locate(hostOnly, "C:\\p\\trazzle.dll"));
}

TEST(RcSearch, NeverTriesOrUsesAPathThatDoesNotFit) {
    // 245 characters of folder: "trazzle.rc" fits exactly (259 in all), "trazzlerc" too; one
    // more character and only "trazzlerc" fits.
    std::string folder = "C:\\" + std::string(241, 'd') + "\\";
    ASSERT_EQ(245u, folder.size());
    FakeFolders fits;
    fits.host = "C:\\host\\";
    EXPECT_EQ(folder + "trazzle.rc", locate(fits, folder + "trazzle.dll"));

    std::string longer = "C:\\" + std::string(246, 'd') + "\\";  // 250: "trazzle.rc" would need 260
    FakeFolders tooLong;
    tooLong.host = "C:\\host\\";
    EXPECT_EQ("C:\\host\\trazzle.rc", locate(tooLong, longer + "trazzle.dll"));
    EXPECT_EQ(longer + "trazzlerc", tooLong.asked.front());
    for (const std::string& asked : tooLong.asked) EXPECT_LT(asked.size(), 260u);

    // A host folder text that fills its whole buffer, unterminated, its last backslash at 257.
    FakeFolders nothingFits;
    nothingFits.host = "C:\\" + std::string(254, 'h') + "\\" + std::string(200, 'z');
    EXPECT_EQ("", locate(nothingFits, ""));
    EXPECT_TRUE(nothingFits.asked.empty());
}

// ---- settings and slots ----

struct RecordingReader {
    std::vector<std::string> calls;
    std::string stringValue = "value";
    int32_t intValue;
    bool useDefaults = true;
};

int32_t recordInt(void* c, const char* key, int32_t defaultValue) {
    auto* r = static_cast<RecordingReader*>(c);
    r->calls.push_back(std::string("int ") + key + " " + std::to_string(defaultValue));
    return r->useDefaults ? defaultValue : r->intValue;
}
bool recordBool(void* c, const char* key, bool defaultValue) {
    static_cast<RecordingReader*>(c)->calls.push_back(std::string("bool ") + key + " " +
                                                      (defaultValue ? "1" : "0"));
    return defaultValue;
}
void recordString(void* c, const char* key, const char* defaultValue, char* out, size_t outSize) {
    auto* r = static_cast<RecordingReader*>(c);
    r->calls.push_back(std::string("string ") + key + " \"" + defaultValue + "\"");
    std::snprintf(out, outSize, "%s", r->stringValue.c_str());
}

TEST(Settings, AreReadInOrderWithTheirDefaults) {
    RecordingReader recorder;
    SettingsReader reader = {recordInt, recordBool, recordString, &recorder};
    PluginSettings settings = {};
    readPluginSettings(reader, 1024, 768, settings);
    EXPECT_EQ((std::vector<std::string>{
                  "int trazzle.plugin.x: 10", "int trazzle.plugin.y: 10",
                  "bool trazzle.plugin.transparency.enabled: 0", "int trazzle.plugin.transparency.alpha: 60",
                  "bool trazzle.plugin.alwaysontop: 1", "bool trazzle.plugin.snapwindow: 1",
                  "bool trazzle.plugin.togglewithplugins: 1", "int trazzle.plugin.hotkey: 91",
                  "bool trazzle.plugin.pad.show: 1", "bool trazzle.plugin.pad.tips: 1",
                  "bool trazzle.plugin.toolSquare.show: 1", "int trazzle.plugin.history.keep: 500"}),
              recorder.calls);
    EXPECT_STREQ("G", settings.toolSquareText);
}

// Every code trazzle's keyboard hook never sees as a press of it, each with why and what to use.
TEST(Hotkey, EveryCodeNoPressCanBringIsRefusedWithWhyAndWhatToUse) {
    std::string refused;
    for (int32_t code = -1; code <= 300; ++code)
        if (!hotkeyRefusal(code).empty() && code >= 1 && code <= 254) refused += std::to_string(code) + " ";
    EXPECT_EQ("1 2 4 5 6 16 17 18 121 164 165 ", refused);
    EXPECT_EQ("0 is outside 1 to 254; no key can ever press it; use Left Windows (91) or an F key other than F10",
              hotkeyRefusal(0));
    EXPECT_NE("", hotkeyRefusal(255));
    EXPECT_EQ("Left Alt (164) reaches trazzle's hook as a system key; use Left Windows (91) or an F key other than F10",
              hotkeyRefusal(164));
    EXPECT_EQ("Right mouse button (2) is a mouse button, which trazzle's keyboard hook never sees; use Left Windows "
              "(91) or an F key other than F10",
              hotkeyRefusal(2));
    EXPECT_EQ("Ctrl (17) never reaches trazzle's hook, which sees Left Ctrl (162) or Right Ctrl (163); use one of those",
              hotkeyRefusal(17));
}

// A code that can never start a capture gives way to the default; the file's code is kept to say so.
TEST(Settings, AStoredHotkeyNoPressCanStartGivesWayToTheDefault) {
    for (int32_t code : {164, 121, 1, 300, 123, 91}) {
        RecordingReader recorder;
        recorder.useDefaults = false;
        recorder.intValue = code;
        SettingsReader reader = {recordInt, recordBool, recordString, &recorder};
        PluginSettings settings = {};
        readPluginSettings(reader, 1024, 768, settings);
        EXPECT_EQ(code, settings.storedHotkey);
        EXPECT_EQ(code == 123 || code == 91 ? code : 91, settings.hotkey) << code;
    }
}

TEST(Settings, SlotsAreReadSlotBySlotAndCutToTheirBuffer) {
    RecordingReader recorder;
    recorder.stringValue = std::string(5000, 's');
    SettingsReader reader = {recordInt, recordBool, recordString, &recorder};
    GestureTable table;
    readGestureSlots(reader, table);
    ASSERT_EQ(75u, recorder.calls.size());
    EXPECT_EQ("string trazzle.plugin.gesture0: \"\"", recorder.calls[0]);
    EXPECT_EQ("string trazzle.plugin.command0: \"\"", recorder.calls[1]);
    EXPECT_EQ("string trazzle.plugin.argument0: \"\"", recorder.calls[2]);
    EXPECT_EQ("string trazzle.plugin.gesture24: \"\"", recorder.calls[72]);
    EXPECT_EQ("string trazzle.plugin.argument24: \"\"", recorder.calls[74]);
    EXPECT_EQ(std::string(99, 's'), table.arguments[24]);
}

// Every key slotKey writes is parsed back to its slot; nothing else is a slot key.
TEST(Settings, SlotKeysParseBackToTheirSlotAndNothingElseDoes) {
    for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument})
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            char key[kSlotKeySize];
            slotKey(field, slot, key);
            SlotField parsedField;
            long parsed = -1;
            ASSERT_TRUE(parseSlotKey(key, parsedField, parsed)) << key;
            EXPECT_EQ(field, parsedField);
            EXPECT_EQ(slot, parsed);
        }
    SlotField field;
    long number = 0;
    EXPECT_TRUE(parseSlotKey("trazzle.plugin.command25:", field, number));
    EXPECT_EQ(25, number);
    for (const char* other : {"trazzle.plugin.gesture07:", "trazzle.plugin.gesture7", "trazzle.plugin.gesture-1:",
                              "trazzle.plugin.gestures7:", "trazzle.plugin.x:", "trazzle.plugin.gesture:", "gesture7:"})
        EXPECT_FALSE(parseSlotKey(other, field, number)) << other;
}

struct ScreenCase {
    int32_t stored, x, y;  // the stored value is read for both coordinates
};

class ScreenCheck : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenCheck, MovesOnlyPositionsAtOrBeyondTheFarEdge) {
    RecordingReader recorder;
    recorder.useDefaults = false;
    recorder.intValue = GetParam().stored;
    SettingsReader reader = {recordInt, recordBool, recordString, &recorder};
    PluginSettings settings = {};
    readPluginSettings(reader, 1024, 768, settings);
    EXPECT_EQ(GetParam().x, settings.x);
    EXPECT_EQ(GetParam().y, settings.y);
}

INSTANTIATE_TEST_SUITE_P(Positions, ScreenCheck,
                         testing::Values(ScreenCase{1024, 10, 10}, ScreenCase{1023, 1023, 10},
                                         ScreenCase{768, 768, 10}, ScreenCase{767, 767, 767},
                                         ScreenCase{-5, -5, -5}, ScreenCase{INT32_MAX, 10, 10},
                                         ScreenCase{INT32_MIN, INT32_MIN, INT32_MIN}));

// ---- placement ----

struct PlacementCase {
    bool hidden, toggleWithPlugins, transparency;
    int32_t alpha;
    bool alwaysOnTop, toolSquareShow;
    Placement expected;
};

class PlacementDecision : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementDecision, FollowsTheSettings) {
    const PlacementCase& c = GetParam();
    PluginSettings settings = {};
    settings.toggleWithPlugins = c.toggleWithPlugins;
    settings.transparencyEnabled = c.transparency;
    settings.transparencyAlpha = c.alpha;
    settings.alwaysOnTop = c.alwaysOnTop;
    settings.toolSquareShow = c.toolSquareShow;
    Placement p = decidePlacement(settings, c.hidden);
    EXPECT_EQ(c.expected.hideToolSquareOnly, p.hideToolSquareOnly);
    if (p.hideToolSquareOnly) return;
    EXPECT_EQ(c.expected.alpha, p.alpha);
    EXPECT_EQ(c.expected.toolSquareInsertAfter, p.toolSquareInsertAfter);
    EXPECT_EQ(c.expected.toolSquareFlags, p.toolSquareFlags);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PlacementDecision,
    testing::Values(PlacementCase{true, true, true, 60, true, true, {true, 0, 0, 0}},
                    PlacementCase{true, false, false, 60, true, true, {false, 255, -1, 0x50}},
                    PlacementCase{false, true, true, 60, false, false, {false, 60, -2, 0x10}},
                    PlacementCase{false, true, true, 256, true, true, {false, 0, -1, 0x50}},
                    PlacementCase{false, true, true, 300, true, true, {false, 44, -1, 0x50}},
                    PlacementCase{false, true, true, -5, true, true, {false, 251, -1, 0x50}},
                    PlacementCase{false, true, false, 300, true, true, {false, 255, -1, 0x50}}));

// ---- texts ----

TEST(StatusTexts, StayWithinTheirBuffersAndKeepWhatMatters) {
    std::string longest;
    for (int i = 0; i < 33; ++i) longest += i ? " tr" : "tr";  // 98 characters
    char capture[kCaptureStatusSize];
    formatCaptureStatus(longest.c_str(), capture);
    EXPECT_EQ("Trazzle -> |" + longest + "|", capture);

    char toggle[kToggleStatusSize];
    formatToggleStatus("AlwaysOnTop", false, toggle);
    EXPECT_STREQ("trazzle -> AlwaysOnTop disabled!", toggle);
    formatToggleStatus(std::string(200, 'w').c_str(), true, toggle);
    EXPECT_EQ("trazzle -> " + std::string(59, 'w') + " enabled!", toggle);

    char about[kAboutTextSize];
    formatAboutText(about);
    EXPECT_EQ(0, std::strncmp(about, "trazzle v0.5b\n\t\n", 16));
    EXPECT_EQ(3, std::count(about, about + std::strlen(about), '\n'));
}

// ---- the capture's keys ----

// The hotkey's down starts, its up ends; repeats, system-key events and other keys change nothing.
TEST(CaptureStep, KeyDownStartsKeyUpEndsAndNothingElseCounts) {
    const struct {
        KeyEventKind kind;
        uint32_t key;
        bool capturing;
        CaptureStep step;
    } kCases[] = {
        {kKeyDownEvent, 91, false, kCaptureStarts},   {kKeyUpEvent, 91, true, kCaptureEnds},
        {kKeyDownEvent, 91, true, kCaptureUnchanged},  // an auto-repeat
        {kKeyUpEvent, 91, false, kCaptureUnchanged},   {kOtherKeyEvent, 91, false, kCaptureUnchanged},
        {kOtherKeyEvent, 91, true, kCaptureUnchanged}, {kKeyDownEvent, 92, false, kCaptureUnchanged},
        {kKeyUpEvent, 92, true, kCaptureUnchanged},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.step, captureStep(c.kind, c.key, 91, c.capturing)) << c.kind << " " << c.key << " " << c.capturing;
}

}  // namespace
