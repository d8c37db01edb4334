// Whether a path is a link, on Windows and under Wine: a reparse point, or a file whose final name is not its own.
#include "rc/file_link.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace {

// The name the system finally opens for `path` (links followed), without the \\?\ prefix;
// empty when it cannot be opened.
std::string finalPath(const char* path) {
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    char final[MAX_PATH * 2];
    DWORD length = GetFinalPathNameByHandleA(file, final, sizeof final, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= sizeof final) return std::string();
    std::string name = final;
    if (name.compare(0, 8, "\\\\?\\UNC\\") == 0) return "\\" + name.substr(7);
    if (name.compare(0, 4, "\\\\?\\") == 0) return name.substr(4);
    return name;
}

}  // namespace

bool pathIsLink(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    // The file's final name must be its folder's final name and its own: a linked folder on
    // the way is no reason to refuse, a link in the last place is.
    char full[MAX_PATH * 2];
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path, sizeof full, full, &name);
    if (length == 0 || length >= sizeof full || !name || name == full) return false;
    std::string own = full;
    std::string folder = own.substr(0, static_cast<size_t>(name - full));
    std::string folderFinal = finalPath(folder.c_str());
    std::string fileFinal = finalPath(own.c_str());
    if (folderFinal.empty() || fileFinal.empty()) return false;
    if (folderFinal.back() != '\\') folderFinal += '\\';
    return lstrcmpiA((folderFinal + name).c_str(), fileFinal.c_str()) != 0;
}
