// The trainer plugin's one module-wide record: its windows, trazzle's configuration, the stroke on the canvas, examples and learning.
//
// Everything but the learning and the reading of the selected slot's examples runs on the host's
// window thread; the learner's thread touches only its own LearnJob, the slot reader's only its
// SlotReadJob, until it posts that it is done. The canvas's mouse hook runs on
// the window thread too, but only queues the pointer's events for the window procedures.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"
#include "settings/plugin_settings.h"
#include "win32/style_record.h"
#include "trainer/trainer_logic.h"
#include "training/example_folders.h"
#include "training/stroke_file.h"

constexpr char kTrainerClass[] = "TrazzleTrainer";
constexpr char kCanvasClass[] = "TrazzleCanvas";
constexpr char kExamplesClass[] = "TrazzleExamples";
constexpr char kHistoryClass[] = "TrazzleHistory";
constexpr int kNoSelection = -1;

// Private messages.
enum : UINT {
    kLearnDone = WM_APP + 1,    // to the trainer window: the learner's thread has finished its job
    kCanvasInput = WM_APP + 2,  // to the canvas: the hook has queued pointer events
    kTrainerNote = WM_APP + 3,  // to the trainer window: a child control's note (trainer_notes.h)
    kSlotRead = WM_APP + 4,     // to the trainer window: the slot reader's thread has finished (lParam its job)
};

// One run of the learner: its inputs copied, its results, owned by whoever holds it.
struct LearnJob {
    char examplesDir[kRcPathSize];
    char historyDir[kRcPathSize];
    char rcPath[kRcPathSize];
    HWND doneWindow;     // told with kLearnDone
    LearnCancel cancel;  // set when the plugin stops
    RcFile rc;           // the file as the learner read it; its path points into rcPath
    LearnOutcome outcome;
    bool ok;
    std::string problem;
};

// A pointer event the canvas's hook saw while a stroke was on: WM_LBUTTONDOWN (its start, on
// the canvas), WM_MOUSEMOVE or WM_LBUTTONUP.
struct PointerEvent {
    UINT message;
    POINT screen;
};

struct TrainerWindows {
    HWND main, canvas, slotList, examples, history;
    HWND gestureEdit, commandEdit, argumentEdit, browseButton;
    HWND recordButton, learnButton, applyButton, suggestButton, deleteButton, findings;
    HWND statusLine;
    HWND clearButton, hotkeyEdit, padShowBox, padTipsBox, toolSquareBox, freeSlotsBox;  // the settings row
};

struct ExampleStroke {
    std::string file;  // full path
    std::string text;
    std::vector<ScreenPoint> points;
    bool marked;          // the configuration gets it wrong or misses it
    std::string launches;  // for a marked one, what it launches: "slot 0" or "nothing"
};

// One reading of the selected slot's examples: the files the window listed and the slots as it
// knows them, copied; what was read, marked and judged. Owned by the window thread.
struct SlotReadJob {
    int slot;
    unsigned generation;             // the window's count of readings asked for, when this one was
    std::vector<std::string> files;  // full paths, as listed
    GestureTable table;              // what the marks are judged against
    HWND doneWindow;                 // told with kSlotRead
    bool toEnd;                      // the strip shows its last row once it is read
    LearnCancel cancel;              // set when a newer reading or the plugin's stop makes it useless
    std::vector<ExampleStroke> examples;
    std::vector<UnreadableExample> unreadable;  // files that cannot be read
    std::vector<std::string> shapeLines;        // which examples have fragile shapes
    std::string examplesDir;                    // every slot's examples, for the clash findings
    std::vector<std::string> clashLines;        // the slots whose shapes share texts with this one's
};

// One stroke trazzle handled, as its history file says.
struct HistoryStroke {
    std::string file;  // full path
    std::string name;  // in trazzle-history: "stroke-00000012.txt"
    std::string text;
    std::vector<ScreenPoint> points;
    StrokeLaunch launch;
};

struct TrainerState {
    HINSTANCE module;
    HWND hostWindow;
    TrainerWindows windows;
    char rcPath[kRcPathSize];
    char examplesDir[kRcPathSize];  // "trazzle-examples" beside the rc file, no trailing backslash
    char historyDir[kRcPathSize];   // "trazzle-history" beside it, where trazzle keeps the strokes it handled
    PluginSettings settings;        // trazzle's, as it reads them
    int freeSlots;                  // the open slots Learn keeps free of variants, as the rc file says
    GestureTable table;             // trazzle's slots, as it reads them
    StyleSnapshot style;
    int selected;  // the slot, or kNoSelection
    bool recording;
    // The stroke on the canvas.
    HBITMAP canvasBitmap;
    HHOOK mouseHook;
    bool hookFollowing;                      // the hook has seen a press on the canvas and no release yet
    std::vector<PointerEvent> pointerQueue;  // the hook's, taken by the canvas's window procedure
    CaptureState capture;
    std::vector<ScreenPoint> stroke;  // canvas coordinates, the press first
    // Examples: the files of every slot, counted unread, and the selected slot's strokes read.
    int exampleCounts[kGestureSlotCount];
    std::vector<UnreadableExample> unreadable[kGestureSlotCount];  // files that cannot be shown, and why
    std::vector<ExampleStroke> slotExamples;  // of examplesSlot: a reading of the selected slot replaces them when done
    int examplesSlot;
    std::vector<std::string> shapeLines;  // the shape findings on slotExamples
    std::vector<std::string> clashLines;  // the selected slot's clashes with the others, read with it
    // Reading the selected slot: at most one thread at a time; a reading asked for meanwhile
    // waits as nextRead, the running one told to give up.
    HANDLE slotReadThread;
    SlotReadJob* runningRead;
    SlotReadJob* nextRead;
    unsigned readGeneration;
    bool sayUnreadable;   // a Select's status about files that cannot be shown is due when its reading ends
    int clashToSay;       // the slot a Record was made in, whose clash status is due when its reading ends
    bool findingsOfSlot;  // the findings pane shows the selected slot's findings (not a Learn's report)
    int selectedExample;  // index into slotExamples, or kNoSelection
    int examplesTopRow;     // the strip's first row in view
    int examplesWheelRest;  // wheel turns short of a row
    int dropSlot;           // the slot row a dragged thumbnail would land on, or kNoSelection
    std::vector<std::string> findings[kGestureSlotCount];  // the checker's, for each slot
    std::vector<HistoryStroke> history;  // newest first
    int selectedHistory;                 // index into history, or kNoSelection
    int historyFirst;                    // the first one in view
    FILETIME historyWritten;             // the folder's last change as last read
    bool suggesting;  // Suggest's texts are shown where the findings are, until they are shown again
    // Learning.
    HANDLE learnThread;   // set while a job runs
    LearnJob* runningJob;
    LearnJob* learned;      // the last finished job, kept for Apply
    bool applyWhenLearned;  // Apply was asked for while the job ran
    std::vector<TakenNote> taken;  // from the last Learn that learned
};

extern TrainerState trainer;
