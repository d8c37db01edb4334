// The checker's findings as trazzle-check prints them, whole or for one slot at a time.
#include <algorithm>
#include <initializer_list>

#include "training/checker.h"

namespace {

const char* severityName(Severity severity) {
    return severity == kError ? "error" : severity == kWarning ? "warning" : "note";
}

}  // namespace

std::string formatDiagnostic(const char* path, const Diagnostic& d) {
    if (d.line > 0) return printableText(textf("%s:%d: %s: %s", path, d.line, severityName(d.severity), d.text.c_str()));
    return printableText(textf("%s: %s: %s", path, severityName(d.severity), d.text.c_str()));
}

void findingsBySlot(const RcFile& rc, std::vector<std::string> (&findings)[kGestureSlotCount]) {
    std::vector<Diagnostic> found;
    checkSettings(rc, found);
    checkSlots(rc, found, nullptr);
    std::stable_sort(found.begin(), found.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        findings[slot].clear();
        int lines[3];
        for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument})
            lines[field] = lineOfKey(rc, slotKeyOf(field, slot));
        for (const Diagnostic& d : found)
            if (d.line > 0 && (d.line == lines[0] || d.line == lines[1] || d.line == lines[2]))
                findings[slot].push_back(formatDiagnostic(rc.path, d));
    }
}
