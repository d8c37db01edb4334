// The strokes trazzle handled, kept as stroke files in trazzle-history/ beside the rc file: made exclusively, newest numbered highest, the oldest removed past the bound.
#pragma once

#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"
#include "training/stroke_file.h"

constexpr char kHistoryFolderName[] = "trazzle-history";
constexpr int kHistoryNameSize = 32;

// "stroke-00000042.txt" for 42; numbers only grow, so a name is never used twice while the
// newest file stays.
void historyFileName(long number, char (&name)[kHistoryNameSize]);
// The number of a history file name as historyFileName writes it, or -1.
long historyNumber(const std::string& name);

// One kept stroke file: its number and full path.
struct HistoryFile {
    long number;
    std::string path;
};
// The history files of `folder`, oldest first: regular files under history names; links and
// anything else in it are left alone and not counted.
std::vector<HistoryFile> listHistory(const std::string& folder);

// Which files to remove so that `keep` remain: the oldest first (`files` oldest first).
std::vector<HistoryFile> historyBeyond(const std::vector<HistoryFile>& files, int keep);

// What a writer knows of its folder between strokes, so that a stroke costs one new file and at
// most one removal, not a listing of hundreds of files: the folder is listed again every
// kHistoryRelisting strokes, and at once when a name was taken (another host writes there too).
constexpr int kHistoryRelisting = 50;
struct HistoryWriter {
    std::string folder;
    std::vector<HistoryFile> files;  // oldest first, as last listed and written since
    bool listed = false;
    int sinceListing = 0;
};

// Keeps one handled stroke in the writer's folder (made when missing): the next number past the
// newest, created exclusively, so a file another host made a moment ago, or a planted link, is
// never written to and the next number is tried; then the oldest files past `keep` are removed
// (a link never). Nothing when `keep` is 0 or less. False, with why in `problem`, when no file
// was written.
bool keepHistoryStroke(HistoryWriter& writer, const ScreenPoint* points, int count, int slot, const char* command,
                       int keep, std::string& problem, std::string* written = nullptr);
