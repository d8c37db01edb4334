// Which plugin windows want which host messages: bounded tables, kept in registration order.
#include "devhost/message_registry.h"

#include <cstring>

#include "devhost/host_log.h"

namespace {

struct Registration {
    HWND window;
    int count;
    UINT messages[kMaxMessagesPerWindow];
};

Registration registrations[kMaxRegisteredWindows];
int registrationCount = 0;

Registration* find(HWND window) {
    for (int i = 0; i < registrationCount; ++i)
        if (registrations[i].window == window) return &registrations[i];
    return nullptr;
}

bool holds(const Registration& r, UINT message) {
    for (int i = 0; i < r.count; ++i)
        if (r.messages[i] == message) return true;
    return false;
}

// Length of a zero-terminated list, or -1 when no terminator comes within the bound.
int listLength(const uint32_t* list) {
    for (int i = 0; i < kMaxMessageListLength; ++i)
        if (list[i] == 0) return i;
    return -1;
}

void logRequest(const char* word, HWND window, const uint32_t* list, int length,
                const char* refusal) {
    LogLine line;
    logBegin(line, word);
    logAddWindow(line, window);
    for (int i = 0; i < length; ++i) logAdd(line, " %u", static_cast<unsigned>(list[i]));
    if (refusal) logAdd(line, " -> refused (%s)", refusal);
    logEnd(line);
}

const char* checkRequest(HWND window, const uint32_t* list, int* length) {
    *length = 0;
    if (!list) return "no message list";
    *length = listLength(list);
    if (*length < 0) {
        *length = 0;
        return "message list without its terminating 0";
    }
    if (!IsWindow(window)) return "not a window";
    return nullptr;
}

}  // namespace

bool registryAdd(HWND window, const uint32_t* list) {
    int length;
    const char* refusal = checkRequest(window, list, &length);
    Registration* r = refusal ? nullptr : find(window);
    if (!refusal && !r && registrationCount == kMaxRegisteredWindows)
        refusal = "no room for another window";
    if (!refusal) {
        // Count the new numbers first, so a refused request changes nothing.
        int have = r ? r->count : 0;
        int added = 0;
        for (int i = 0; i < length; ++i) {
            bool seen = (r && holds(*r, list[i]));
            for (int j = 0; j < i && !seen; ++j) seen = list[j] == list[i];
            if (!seen) ++added;
        }
        if (have + added > kMaxMessagesPerWindow) refusal = "no room for more messages";
    }
    logRequest("register", window, list, length, refusal);
    if (refusal) return false;

    if (!r) {
        r = &registrations[registrationCount++];
        r->window = window;
        r->count = 0;
    }
    for (int i = 0; i < length; ++i)
        if (!holds(*r, list[i])) r->messages[r->count++] = list[i];
    return true;
}

bool registryRemove(HWND window, const uint32_t* list) {
    int length;
    const char* refusal = checkRequest(window, list, &length);
    // A window already destroyed may still be dropped from the tables.
    if (refusal && list && length > 0 && find(window)) refusal = nullptr;
    logRequest("unregister", window, list, length, refusal);
    if (refusal) return false;

    Registration* r = find(window);
    if (!r) return true;
    for (int i = 0; i < length; ++i) {
        for (int k = 0; k < r->count; ++k) {
            if (r->messages[k] != list[i]) continue;
            std::memmove(&r->messages[k], &r->messages[k + 1],
                         sizeof(UINT) * static_cast<size_t>(r->count - k - 1));
            --r->count;
            break;
        }
    }
    if (r->count == 0) {
        int index = static_cast<int>(r - registrations);
        std::memmove(&registrations[index], &registrations[index + 1],
                     sizeof(Registration) * static_cast<size_t>(registrationCount - index - 1));
        --registrationCount;
    }
    return true;
}

int registryRecipients(UINT message, HWND* out, int max) {
    int n = 0;
    for (int i = 0; i < registrationCount && n < max; ++i)
        if (holds(registrations[i], message)) out[n++] = registrations[i].window;
    return n;
}

bool registryHas(HWND window, UINT message) {
    Registration* r = find(window);
    return r && holds(*r, message);
}

void registryClear() { registrationCount = 0; }
