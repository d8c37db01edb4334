// The trainer's top-level window: its layout, and its messages, its children's notes among them, dispatched to the actions.
#include "trainer/trainer_window.h"

#include <windowsx.h>

#include "contract/vantrel.h"
#include "trainer/canvas.h"
#include "trainer/examples_strip.h"
#include "trainer/history_strip.h"
#include "trainer/history_strokes.h"
#include "trainer/settings_row.h"
#include "trainer/slot_list.h"
#include "trainer/slot_reader.h"
#include "trainer/status_line.h"
#include "trainer/suggestions.h"
#include "trainer/trainer_actions.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_notes.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_view.h"
#include "win32/paint_frame.h"
#include "win32/style_drawing.h"

namespace {

enum ControlId { kSlotListId = 10, kGestureId, kCommandId, kArgumentId, kBrowseId, kRecordId, kLearnId, kApplyId,
                 kDeleteId, kFindingsId, kSuggestId, kSettingsRowId };

constexpr int kClientWidth = 900;
constexpr int kSettingsRowTop = 470;
// Tight enough that the whole window fits below the host's on a 1024 by 768 screen.
constexpr int kHistoryTop = kSettingsRowTop + kSettingsRowHeight + 18, kHistoryHeight = 52;
constexpr int kStatusTop = kHistoryTop + kHistoryHeight + 2, kStatusHeight = 22;  // along the bottom
constexpr UINT_PTR kHistoryTimer = 1;
constexpr UINT kHistoryPollMs = 250;  // how soon a stroke trazzle kept shows in the history and the status line
constexpr int kClientHeight = kStatusTop + kStatusHeight + 4;
constexpr int kCanvasLeft = 316, kCanvasTop = 8;
constexpr int kSideLeft = 644, kSideWidth = 248;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const UINT kHostMessages[] = {HOST_RECONFIGURE, HOST_BROADCAST, 0};

struct Label {
    int x, y;
    const char* text;
};
const Label kLabels[] = {{kSideLeft, 4, "Gesture"}, {kSideLeft, 50, "Command"}, {kSideLeft, 96, "Argument"},
                         {kCanvasLeft, 334, "Examples of the selected slot"}, {kSideLeft, 226, "Findings"},
                         {8, kHistoryTop - 16, "History: the strokes trazzle handled, newest first (drag one onto its slot, or right-click)"}};

WNDPROC editProc;  // the system's, under the subclass that sees Enter

HWND control(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int cx, int cy, int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), trainer.module, nullptr);
}

LRESULT CALLBACK fieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        commitField(static_cast<SlotField>(GetDlgCtrlID(edit) - kGestureId));
        return 0;
    }
    if (message == WM_CHAR && wParam == '\r') return 0;  // no beep
    return CallWindowProcA(editProc, edit, message, wParam, lParam);
}

HWND field(HWND parent, int y, int width, int id) {
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, kSideLeft, y,
                                width, 22, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), trainer.module,
                                nullptr);
    SendMessageA(edit, EM_LIMITTEXT, kSlotTextSize - 1, 0);
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldProc)));
    return edit;
}

BOOL CALLBACK setFont(HWND child, LPARAM) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(trainer.style.styleFont), TRUE);
    return TRUE;
}

// The controls write in the host's font too; a new snapshot brings a new font.
void applyControlFonts() { EnumChildWindows(trainer.windows.main, setFont, 0); }

void onCreate(HWND window) {
    TrainerWindows& w = trainer.windows;
    w.main = window;
    w.slotList = createSlotList(window, kSlotListId, {8, 8, 308, 8 + kGestureSlotCount * kSlotRowHeight + 4});
    w.canvas = CreateWindowExA(0, kCanvasClass, "", WS_CHILD | WS_VISIBLE, kCanvasLeft, kCanvasTop, kCanvasSize,
                               kCanvasSize, window, nullptr, trainer.module, nullptr);
    w.examples = CreateWindowExA(0, kExamplesClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, kCanvasLeft, 352, kCanvasSize,
                                 108, window, nullptr, trainer.module, nullptr);
    w.gestureEdit = field(window, 22, kSideWidth, kGestureId);
    w.commandEdit = field(window, 68, kSideWidth - 76, kCommandId);
    w.browseButton = control(window, "BUTTON", "Browse...", BS_PUSHBUTTON, kSideLeft + kSideWidth - 72, 68, 72, 22, kBrowseId);
    w.argumentEdit = field(window, 114, kSideWidth, kArgumentId);
    w.recordButton = control(window, "BUTTON", kRecordCaption, BS_AUTOCHECKBOX | BS_PUSHLIKE, kSideLeft, 148, 124, 24,
                             kRecordId);
    w.deleteButton = control(window, "BUTTON", "Delete example", BS_PUSHBUTTON, kSideLeft + 128, 148, 120, 24, kDeleteId);
    w.learnButton = control(window, "BUTTON", "Learn", BS_PUSHBUTTON, kSideLeft, 184, 80, 28, kLearnId);
    w.applyButton = control(window, "BUTTON", "Apply", BS_PUSHBUTTON, kSideLeft + 84, 184, 80, 28, kApplyId);
    w.suggestButton = control(window, "BUTTON", "Suggest", BS_PUSHBUTTON, kSideLeft + 168, 184, 80, 28, kSuggestId);
    w.findings = control(window, "EDIT", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER, kSideLeft, 244,
                         kSideWidth, 216, kFindingsId);
    createSettingsRow(window, kSettingsRowTop, kSettingsRowId);
    w.history = CreateWindowExA(0, kHistoryClass, "", WS_CHILD | WS_VISIBLE, 8, kHistoryTop, kClientWidth - 16,
                                kHistoryHeight, window, nullptr, trainer.module, nullptr);
    loadHistory();  // what is there already is shown, not told as new
    SetTimer(window, kHistoryTimer, kHistoryPollMs, nullptr);
    w.statusLine = CreateWindowExA(0, kStatusLineClass, "", WS_CHILD | WS_VISIBLE, 8, kStatusTop, kClientWidth - 16,
                                   kStatusHeight, window, nullptr, trainer.module, nullptr);
    applyControlFonts();
    SendMessageA(trainer.hostWindow, HOST_REGISTER_MESSAGES, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(kHostMessages));
    MakeSticky(window);
}

void onDestroy(HWND window) {
    KillTimer(window, kHistoryTimer);
    RemoveSticky(window);
    SendMessageA(trainer.hostWindow, HOST_UNREGISTER_MESSAGES, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(kHostMessages));
    trainer.windows = TrainerWindows{};
}

// Where the findings pane is, in the window's coordinates: the suggestions take its place.
RECT findingsArea() {
    RECT findings;
    GetWindowRect(trainer.windows.findings, &findings);
    MapWindowPoints(nullptr, trainer.windows.main, reinterpret_cast<POINT*>(&findings), 2);
    return findings;
}

// The gradient behind the controls and the labels above them.
void drawBackground(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    HGDIOBJ previousFont = SelectObject(memory, trainer.style.styleFont);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, textColourOf(trainer.style));
    for (const Label& label : kLabels) TextOutA(memory, label.x, label.y, label.text, lstrlenA(label.text));
    SelectObject(memory, previousFont);
    if (trainer.suggesting) drawSuggestions(memory, findingsArea());
}

// A click on a suggestion gives its text to the selected slot.
void onClick(LPARAM lParam) {
    char text[kSlotTextSize];
    if (trainer.suggesting && suggestionAt(findingsArea(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, text))
        giveGesture(text);
}

// A click in the settings row.
void onRowClick(SettingsRowControl which) {
    switch (which) {
    case kRowClear: clearSlot(trainer.selected); break;
    case kRowPadShow: setSwitch(kSwitchPadShow, settingsRowChecked(which)); break;
    case kRowPadTips: setSwitch(kSwitchPadTips, settingsRowChecked(which)); break;
    case kRowToolSquare: setSwitch(kSwitchToolSquare, settingsRowChecked(which)); break;
    case kRowHotkey:
    case kRowFreeSlots:
    case kRowNone: break;
    }
}

void onCommand(WORD id, WORD code) {
    switch (id) {
    case kSlotListId:
        if (code == LBN_SELCHANGE) selectSlot(static_cast<int>(SendMessageA(trainer.windows.slotList, LB_GETCURSEL, 0, 0)));
        break;
    case kGestureId:
    case kCommandId:
    case kArgumentId:
        if (code == EN_KILLFOCUS) commitField(static_cast<SlotField>(id - kGestureId));
        break;
    case kBrowseId: browseCommand(); break;
    case kRecordId: setRecording(SendMessageA(trainer.windows.recordButton, BM_GETCHECK, 0, 0) == BST_CHECKED); break;
    case kDeleteId: deleteSelectedExample(); break;
    case kLearnId: startLearning(); break;
    case kApplyId: applyLearned(); break;
    case kSuggestId: showSuggestions(); break;
    default:
        if (settingsRowControl(id) == kRowFreeSlots) {
            if (code == CBN_SELCHANGE) setFreeSlots(settingsRowFreeSlots());
        } else if (code == BN_CLICKED) {
            onRowClick(settingsRowControl(id));
        }
        break;
    }
}

// What a child control told the window.
void onNote(TrainerNote note, LPARAM argument) {
    bool historyStroke = trainer.selectedHistory != kNoSelection;
    switch (note) {
    case kNoteStrokeDrawn:
        if (trainer.recording) recordStroke(trainer.stroke, reinterpret_cast<const char*>(argument));
        break;
    case kNoteDeleteExample: deleteSelectedExample(); break;
    case kNoteDeleteAll: askDeleteAllExamples(); break;
    case kNoteMoveExample: moveSelectedExampleTo(static_cast<int>(argument)); break;
    case kNoteAssignHistory:
        if (historyStroke) assignHistory(trainer.history[trainer.selectedHistory].name.c_str(), static_cast<int>(argument));
        break;
    case kNoteDeleteHistory:
        if (historyStroke) deleteHistory(trainer.history[trainer.selectedHistory].name.c_str());
        break;
    case kNoteHotkey: setHotkey(static_cast<int>(argument)); break;
    }
}

void onReconfigure() {
    loadTrazzleConfiguration();
    loadFreeSlots();
    takeStyleSnapshotOf(trainer.style);
    applyControlFonts();
    refreshTrainer(kChangedEverySlot);
    InvalidateRect(trainer.windows.main, nullptr, TRUE);
}

// A stroke trazzle kept since the last reading is told in the status line, where the person
// looks: the program it launched may well cover the host's label.
void onHistoryTimer() {
    if (!historyChanged()) return;
    std::string newest = trainer.history.empty() ? "" : trainer.history.front().name;
    loadHistory();
    InvalidateRect(trainer.windows.history, nullptr, FALSE);
    if (trainer.history.empty() || trainer.history.front().name <= newest) return;
    char status[kTrainerStatusSize];
    newStrokeStatus(trainer.table, trainer.history.front().text, trainer.history.front().launch, status);
    setStatusLine(status);
}

// The wheel goes to the window with the focus, and on to its parents; over the strip it
// scrolls the strip, whichever control has the focus.
void onWheel(WPARAM wParam, LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT strip;
    GetWindowRect(trainer.windows.examples, &strip);
    if (PtInRect(&strip, at)) SendMessageA(trainer.windows.examples, WM_MOUSEWHEEL, wParam, lParam);
}

// The user's drag has ended: the place is kept for the next start.
void onMoved(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    writeTrainerPosition(rect.left, rect.top);
}

LRESULT CALLBACK trainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: onDestroy(window); return 0;
    case WM_PAINT: paintThroughMemory(window, nullptr, drawBackground); return 0;
    case WM_ERASEBKGND: return 1;  // the gradient is painted whole in WM_PAINT
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MEASUREITEM: reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kSlotRowHeight; return TRUE;
    case WM_DRAWITEM: drawSlotRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_EXITSIZEMOVE: onMoved(window); return 0;
    case WM_MOUSEWHEEL: onWheel(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: onClick(lParam); return 0;
    case WM_CLOSE: showTrainer(false); return 0;  // closing hides; Show brings it back
    case kLearnDone: finishLearning(); return 0;
    case kTrainerNote: onNote(static_cast<TrainerNote>(wParam), lParam); return 0;
    case kSlotRead: finishSlotRead(lParam); return 0;
    case WM_TIMER:
        if (wParam == kHistoryTimer) onHistoryTimer();
        return 0;
    case HOST_RECONFIGURE: onReconfigure(); return 0;
    case HOST_BROADCAST: handleTrainerBroadcast(reinterpret_cast<const char*>(lParam)); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerClass(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = trainer.module;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

bool createTrainerWindow() {
    if (!registerClass(kTrainerClass, trainerWindowProc, nullptr) ||
        !registerClass(kCanvasClass, canvasWindowProc, nullptr) ||
        !registerClass(kExamplesClass, examplesWindowProc, nullptr) ||
        !registerClass(kHistoryClass, historyWindowProc, nullptr) ||
        !registerClass(kStatusLineClass, statusLineWindowProc, nullptr))
        return false;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    int x, y, width = frame.right - frame.left, height = frame.bottom - frame.top;
    readTrainerPosition(width, height, x, y);
    HWND window = CreateWindowExA(0, kTrainerClass, "Trazzle Trainer", kWindowStyle, x, y, width, height, nullptr,
                                  nullptr, trainer.module, nullptr);
    if (!window) return false;
    refreshTrainer(kChangedEverySlot);
    // Not activated: the window the user was typing in keeps the keyboard.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return true;
}

void destroyTrainerWindow() {
    if (trainer.windows.main) DestroyWindow(trainer.windows.main);
    UnregisterClassA(kTrainerClass, trainer.module);
    UnregisterClassA(kCanvasClass, trainer.module);
    UnregisterClassA(kExamplesClass, trainer.module);
    UnregisterClassA(kHistoryClass, trainer.module);
    UnregisterClassA(kStatusLineClass, trainer.module);
}
