// trazzle-trainer.dll: a plugin for vantrel.exe beside trazzle.dll, to draw, test and train gestures in one window.
#include <windows.h>

#include "host/vantrel.h"
#include "plugin_state/identity.h"
#include "trainer/canvas.h"
#include "trainer/learn_worker.h"
#include "trainer/recording.h"
#include "trainer/slot_reader.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_window.h"
#include "ui/style_drawing.h"

#define PLUGIN_EXPORT extern "C" __declspec(dllexport)

PLUGIN_EXPORT int beginPlugin(HINSTANCE module);
PLUGIN_EXPORT void endPlugin(HINSTANCE module);
PLUGIN_EXPORT const char* pluginInfo(int index);

int beginPlugin(HINSTANCE module) {
    trainer = TrainerState{};
    trainer.module = module;
    trainer.selected = kNoSelection;
    trainer.selectedExample = kNoSelection;
    trainer.selectedHistory = kNoSelection;
    trainer.hostWindow = GetVTWnd();
    if (!locateTrainerFiles(module)) return 1;
    loadTrazzleConfiguration();
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
