// The rc keys the plugin reads and writes, each passed to the host exactly as written here.
#pragma once

constexpr char kKeyX[] = "trazzle.plugin.x:";
constexpr char kKeyY[] = "trazzle.plugin.y:";
constexpr char kKeyTransparencyEnabled[] = "trazzle.plugin.transparency.enabled:";
constexpr char kKeyTransparencyAlpha[] = "trazzle.plugin.transparency.alpha:";
constexpr char kKeyAlwaysOnTop[] = "trazzle.plugin.alwaysontop:";
constexpr char kKeySnapWindow[] = "trazzle.plugin.snapwindow:";
constexpr char kKeyToggleWithPlugins[] = "trazzle.plugin.togglewithplugins:";
constexpr char kKeyHotkey[] = "trazzle.plugin.hotkey:";
constexpr char kKeyPadShow[] = "trazzle.plugin.pad.show:";
constexpr char kKeyPadTips[] = "trazzle.plugin.pad.tips:";
constexpr char kKeyToolSquareShow[] = "trazzle.plugin.toolSquare.show:";
// The trainer's own keys in the same file: where its window was last left, and how many slots
// its Apply leaves without a variant for the next gestures a person adds.
constexpr char kKeyTrainerX[] = "trazzle.trainer.x:";
constexpr char kKeyTrainerY[] = "trazzle.trainer.y:";
constexpr char kKeyTrainerFreeSlots[] = "trazzle.trainer.freeSlots:";
constexpr char kKeyHistoryKeep[] = "trazzle.plugin.history.keep:";

// The three texts of a gesture slot, in the order they are read.
enum SlotField { kSlotGesture, kSlotCommand, kSlotArgument };
// Each field's word in its rc key ("trazzle.plugin.command7:") and in the texts that name it.
constexpr const char* kSlotFieldNames[] = {"gesture", "command", "argument"};
constexpr int kSlotKeySize = 40;  // "trazzle.plugin.argument24:" and room to spare
