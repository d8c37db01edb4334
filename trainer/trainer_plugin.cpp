// trazzle-trainer.dll: a plugin for vantrel.exe beside trazzle.dll, to draw, test and train gestures in one window.
#include <windows.h>

#include "contract/plugin_exports.h"
#include "contract/vantrel.h"
#include "settings/identity.h"
#include "trainer/canvas.h"
#include "trainer/learn_worker.h"
#include "trainer/recording.h"
#include "trainer/slot_reader.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_window.h"
#include "win32/style_drawing.h"

int beginPlugin(HINSTANCE module) {
    trainer = TrainerState{};
    trainer.module = module;
    trainer.selected = kNoSelection;
    trainer.selectedExample = kNoSelection;
    trainer.selectedHistory = kNoSelection;
    trainer.dropSlot = kNoSelection;
    trainer.clashToSay = kNoSelection;
    trainer.hostWindow = GetVTWnd();
    if (!locateTrainerFiles(module)) return 1;
    loadTrazzleConfiguration();
    loadFreeSlots();
    takeStyleSnapshotOf(trainer.style);
    if (!createTrainerWindow()) return 1;
    removeLeftoverTemporaries();
    installCanvasHook();
    return 0;
}

void endPlugin(HINSTANCE) {
    removeCanvasHook();
    releaseLearning();
    releaseSlotReading();
    destroyTrainerWindow();
    releaseStyleFont(trainer.style);
}

const char* pluginInfo(int index) {
    switch (index) {
    case 1: return "trazzle-trainer";
    case 2: return kPluginVersion;
    default: return "trazzle-trainer " TRAZZLE_VERSION_TEXT;
    }
}
