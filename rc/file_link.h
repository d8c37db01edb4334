// Whether a path is a link, so that code which deletes files never reaches past one.
#pragma once

// True for a symbolic link (a reparse point), and for any path whose file is really found
// under another name: under Wine a Windows program sees a Unix link as the file it points to,
// and deleting it there deletes that file, not the link. False for a missing path.
bool pathIsLink(const char* path);
