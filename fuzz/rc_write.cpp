// Fuzzes rc writing: the new value reads back, every other byte is kept, nothing is left over.
#include <dirent.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "rc/rc_file.h"
#include "fuzz/fuzz_support.h"

namespace {

std::string load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Entries other than the rc file and the writers' lock file beside it.
int leftOver(const std::string& folder) {
    int count = 0;
    DIR* dir = opendir(folder.c_str());
    while (dirent* entry = readdir(dir))
        count += entry->d_name[0] != '.' && std::strcmp(entry->d_name, "write.rc") != 0 &&
                 std::strcmp(entry->d_name, "write.rc.lock") != 0;
    closedir(dir);
    return count;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

// Input: key, a zero byte, value, a zero byte, the old file's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t first = input.find('\0');
    size_t second = first == std::string::npos ? first : input.find('\0', first + 1);
    if (second == std::string::npos) return 0;
    std::string key = input.substr(0, first), value = input.substr(first + 1, second - first - 1);
    std::string before = input.substr(second + 1);

    std::string path = scratchFolder() + "/write.rc";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << before;
    bool written = rcWriteString(path.c_str(), key.c_str(), value.c_str());
    std::string after = load(path);
    FUZZ_CHECK(leftOver(scratchFolder()) == 0);  // no temporary left
    if (!written) {
        FUZZ_CHECK(after == before);
        return 0;
    }
    // The value reads back without its surrounding blanks.
    size_t start = 0, end = value.size();
    while (start < end && isBlank(value[start])) ++start;
    while (end > start && isBlank(value[end - 1])) --end;
    std::string got(value.size() + 1, '\0');
    FUZZ_CHECK(rcReadString(path.c_str(), key.c_str(), "", &got[0], got.size()));
    FUZZ_CHECK(got.c_str() == value.substr(start, end - start));

    // Old and new differ in one line's tail, or the new one appends to the old.
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::string removed = before.substr(prefix, before.size() - prefix - suffix);
    std::string added = after.substr(prefix, after.size() - prefix - suffix);
    if (after == before) {
        // The value was already there.
    } else if (prefix == before.size() && suffix == 0) {
        // An appended line, or a value put after a last "key:" that had none.
        FUZZ_CHECK(added.back() == '\n' || added.find('\n') == std::string::npos);
    } else {
        FUZZ_CHECK(removed.find('\n') == std::string::npos);
        FUZZ_CHECK(added.find('\n') == std::string::npos);
    }
    return 0;
}
