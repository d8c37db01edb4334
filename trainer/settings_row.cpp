// The row under the trainer's panes: Clear for the selected slot, trazzle's hotkey, pad, pad labels and tool square, and the slots Learn keeps free.
#include "trainer/settings_row.h"

#include "settings/hotkey_rule.h"
#include "settings/plugin_settings.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_notes.h"
#include "trainer/trainer_state.h"

namespace {

int firstRowId;
WNDPROC hotkeyEditProc;  // the system's, under the subclass that takes the key pressed

// The key the low-level hook will see, which tells left and right apart: a plain Shift, Ctrl or
// Alt never reaches it.
int exactKey(WPARAM key, LPARAM flags) {
    bool extended = (flags & (1 << 24)) != 0;
    switch (key) {
    case VK_SHIFT: {
        UINT side = MapVirtualKeyA((flags >> 16) & 0xFF, MAPVK_VSC_TO_VK_EX);
        return side ? static_cast<int>(side) : VK_LSHIFT;
    }
    case VK_CONTROL: return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return extended ? VK_RMENU : VK_LMENU;
    }
    return static_cast<int>(key);
}

constexpr char kHotkeyPrompt[] = "press a key";

// The key pressed in the field becomes the hotkey; no text is typed into it. While it has the
// focus it asks for the key, and shows the hotkey again when it lets go.
LRESULT CALLBACK hotkeyProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_SETFOCUS:
        SetWindowTextA(edit, kHotkeyPrompt);
        showStatus(("Trainer -> hotkey: press the key that is to start a stroke (now " +
                    hotkeyName(trainer.settings.hotkey) + ")").c_str());
        break;
    case WM_KILLFOCUS:
        SetWindowTextA(edit, hotkeyName(trainer.settings.hotkey).c_str());
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int code = exactKey(wParam, lParam);
        if (!isKeyCode(code) || (lParam & (1 << 30))) return 0;  // not again while held
        // One key a time: the field lets go of the keyboard, so the hotkey pressed next to
        // draw a stroke is not taken for a new one.
        SetFocus(GetParent(edit));
        notifyTrainer(edit, kNoteHotkey, code);
        return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP: return 0;
    }
    return CallWindowProcA(hotkeyEditProc, edit, message, wParam, lParam);
}

HWND rowControl(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int top, int width,
                SettingsRowControl which) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, top, width, kSettingsRowHeight, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstRowId + which)), trainer.module, nullptr);
}

bool checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void check(HWND box, bool on) { SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

}  // namespace

void createSettingsRow(HWND parent, int top, int firstId) {
    firstRowId = firstId;
    TrainerWindows& w = trainer.windows;
    w.clearButton = rowControl(parent, "BUTTON", "Clear slot", BS_PUSHBUTTON, 0, 8, top, 96, kRowClear);
    rowControl(parent, "STATIC", "Hotkey:", SS_RIGHT | SS_CENTERIMAGE, 0, 110, top, 56, kRowNone);
    w.hotkeyEdit = rowControl(parent, "EDIT", "", ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 170, top, 160, kRowHotkey);
    hotkeyEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(w.hotkeyEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hotkeyProc)));
    w.padShowBox = rowControl(parent, "BUTTON", "Pad shown", BS_AUTOCHECKBOX, 0, 338, top, 104, kRowPadShow);
    w.padTipsBox = rowControl(parent, "BUTTON", "Pad labels", BS_AUTOCHECKBOX, 0, 450, top, 104, kRowPadTips);
    w.toolSquareBox = rowControl(parent, "BUTTON", "Tool square", BS_AUTOCHECKBOX, 0, 562, top, 112, kRowToolSquare);
    rowControl(parent, "STATIC", "Free slots:", SS_RIGHT | SS_CENTERIMAGE, 0, 680, top, 80, kRowNone);
    // A list of 0 to 25 takes no wrong value; dropped down it needs room below the row.
    w.freeSlotsBox = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 764, top,
                                     56, 240, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstRowId + kRowFreeSlots)),
                                     trainer.module, nullptr);
    for (int count = 0; count <= kMaxTrainerFreeSlots; ++count)
        SendMessageA(w.freeSlotsBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(count).c_str()));
}

SettingsRowControl settingsRowControl(WORD id) {
    return id >= firstRowId && id < firstRowId + kRowNone ? static_cast<SettingsRowControl>(id - firstRowId) : kRowNone;
}

bool settingsRowChecked(SettingsRowControl box) {
    const TrainerWindows& w = trainer.windows;
    return checked(box == kRowPadShow ? w.padShowBox : box == kRowPadTips ? w.padTipsBox : w.toolSquareBox);
}

int settingsRowFreeSlots() {
    return static_cast<int>(SendMessageA(trainer.windows.freeSlotsBox, CB_GETCURSEL, 0, 0));
}

void showSettings() {
    const TrainerWindows& w = trainer.windows;
    if (!w.hotkeyEdit) return;
    if (GetFocus() != w.hotkeyEdit) SetWindowTextA(w.hotkeyEdit, hotkeyName(trainer.settings.hotkey).c_str());
    check(w.padShowBox, trainer.settings.padShow);
    check(w.padTipsBox, trainer.settings.padTips);
    check(w.toolSquareBox, trainer.settings.toolSquareShow);
    // Only a change is shown: the row is shown again at every setting a broadcast writes, and
    // a selection set anew repaints the list each time.
    if (settingsRowFreeSlots() != trainer.freeSlots)
        SendMessageA(w.freeSlotsBox, CB_SETCURSEL, static_cast<WPARAM>(trainer.freeSlots), 0);
}
