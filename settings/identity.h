// The plugin's constant identity texts, answered by pluginInfo and shown in the About box.
#pragma once

// A literal, so that the full names of trazzle and of its companion plugins are made from it.
#define TRAZZLE_VERSION_TEXT "v0.5b"

constexpr char kPluginName[] = "trazzle";
constexpr char kPluginFullName[] = "trazzle " TRAZZLE_VERSION_TEXT;
constexpr char kPluginVersion[] = TRAZZLE_VERSION_TEXT;
constexpr char kPluginAuthor[] = "The trazzle developers";
constexpr char kPluginReleaseDate[] = "2026-12-07";
constexpr char kPluginWebAddress[] = "https://trazzle.invalid/";
constexpr char kPluginEmail[] = "trazzle@trazzle.invalid";

// Window classes: the tool square's is the plugin name.
constexpr char kToolSquareClass[] = "trazzle";
constexpr char kPadClass[] = "Gesttrazzle";
