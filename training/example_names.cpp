// Example file names Windows would read as another file, and the temporaries new examples are written under.
#include "training/example_names.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kTempPrefix[] = "stroke.tmp-";
constexpr size_t kTempTagLength = 12;

bool sameLetters(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        if (x != b[i]) return false;
    }
    return true;
}

// The device Windows opens for a name whose part before its first dot (blanks before the dot
// dropped too) is a reserved device name: "CON", "com1.txt", "Nul .log"; empty for any other.
std::string reservedDevice(const char* name) {
    size_t length = std::strcspn(name, ".");
    while (length > 0 && name[length - 1] == ' ') --length;
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices)
        if (length == std::strlen(device) && sameLetters(name, device, length)) return device;
    // COM0-9 and LPT0-9, and the superscript digits Windows also takes there (Latin-1 and UTF-8).
    if (length >= 4 && (sameLetters(name, "COM", 3) || sameLetters(name, "LPT", 3))) {
        const char* digit = name + 3;
        size_t rest = length - 3;
        bool number = (rest == 1 && ((*digit >= '0' && *digit <= '9') || *digit == '\xB9' || *digit == '\xB2' ||
                                     *digit == '\xB3')) ||
                      (rest == 2 && digit[0] == '\xC2' && (digit[1] == '\xB9' || digit[1] == '\xB2' || digit[1] == '\xB3'));
        if (number) return std::string(name, length);
    }
    return std::string();
}

}  // namespace

std::string nameWindowsChanges(const char* name) {
    size_t length = std::strlen(name);
    if (length == 0) return "it is empty";
    for (const char* c = name; *c; ++c) {
        if (*c == ':') return "the colon makes it a stream of the file \"" + std::string(name, c) + "\"";
        if (static_cast<unsigned char>(*c) < 32 || std::strchr("<>\"|?*", *c))
            return "Windows does not allow the character " +
                   (static_cast<unsigned char>(*c) < 32 ? std::string("of code ") + std::to_string(static_cast<int>(*c))
                                                        : std::string("'") + *c + "'") +
                   " in a name";
    }
    if (name[length - 1] == '.' || name[length - 1] == ' ') {
        size_t kept = length;
        while (kept > 0 && (name[kept - 1] == '.' || name[kept - 1] == ' ')) --kept;
        return std::string("Windows drops its trailing ") + (name[length - 1] == '.' ? "dot" : "blank") +
               " and would open \"" + std::string(name, kept) + "\"";
    }
    std::string device = reservedDevice(name);
    if (!device.empty()) return "Windows takes it for the device " + device;
    return std::string();
}

bool isStrokeTempName(const char* name) {
    if (std::strncmp(name, kTempPrefix, sizeof kTempPrefix - 1) != 0) return false;
    const char* tag = name + sizeof kTempPrefix - 1;
    for (size_t i = 0; i < kTempTagLength; ++i)
        if (!((tag[i] >= 'a' && tag[i] <= 'z') || (tag[i] >= '0' && tag[i] <= '9'))) return false;
    return tag[kTempTagLength] == '\0';
}

void strokeTempName(unsigned long long bits, char (&name)[kStrokeTempNameSize]) {
    static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    char tag[kTempTagLength + 1];
    for (size_t i = 0; i < kTempTagLength; ++i) {
        tag[i] = kDigits[bits % 36];
        bits = bits / 36 + bits * 7919;  // every place depends on all the bits
    }
    tag[kTempTagLength] = '\0';
    std::snprintf(name, sizeof name, "%s%s", kTempPrefix, tag);
}
