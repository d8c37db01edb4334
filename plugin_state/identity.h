// The plugin's constant identity texts, answered by pluginInfo and shown in the About box.
#pragma once

constexpr char kPluginName[] = "trazzle";
constexpr char kPluginFullName[] = "trazzle v0.5b";
constexpr char kPluginVersion[] = "v0.5b";
constexpr char kPluginAuthor[] = "The trazzle developers";
constexpr char kPluginReleaseDate[] = "2026-12-07";
constexpr char kPluginWebAddress[] = "https://trazzle.invalid/";
constexpr char kPluginEmail[] = "trazzle@trazzle.invalid";

// Window classes: the tool square's is the plugin name.
constexpr char kToolSquareClass[] = "trazzle";
constexpr char kPadClass[] = "Gesttrazzle";
