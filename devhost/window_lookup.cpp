// The windows script commands name: "CLASS", a top-level window, or "PARENT/CHILD", a window inside one.
#include "devhost/window_lookup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct ChildSearch {
    char className[256];
    int left;  // windows of the class still to pass, the one wanted included
    HWND found;
};

BOOL CALLBACK findChildProc(HWND window, LPARAM parameter) {
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(parameter);
    char name[256];
    if (!GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, search.className) != 0 || --search.left > 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND findNamedWindow(const char* name) {
    const char* slash = std::strchr(name, '/');
    if (!slash) return FindWindowA(name, nullptr);
    char parentClass[256];
    std::snprintf(parentClass, sizeof parentClass, "%.*s", static_cast<int>(slash - name), name);
    HWND parent = FindWindowA(parentClass, nullptr);
    if (!parent) return nullptr;
    // EnumChildWindows goes through descendants in order, children before their own children.
    // "CHILD#N" is the Nth of them, for a class a window holds several of (its edits).
    ChildSearch search = {};
    const char* mark = std::strchr(slash + 1, '#');
    std::snprintf(search.className, sizeof search.className, "%.*s",
                  static_cast<int>(mark ? mark - slash - 1 : std::strlen(slash + 1)), slash + 1);
    search.left = mark ? std::atoi(mark + 1) : 1;
    EnumChildWindows(parent, findChildProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void logAddNamedWindowSpec(LogLine& line, const char* name, HWND window) {
    if (window && !std::strchr(name, '/')) logAddWindow(line, window);
    else logAdd(line, " [%s]", name);
}
