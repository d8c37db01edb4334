// Tests that rc writes survive crashes, rivals and planted files: nothing lost, nothing left.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "rc/rc_file.h"
#include "rc/rc_file_replace.h"
#include "tests/rc/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#endif

namespace {

std::string value(const std::string& path, const char* key) {
    char out[64];
    rcReadString(path.c_str(), key, "<missing>", out, sizeof out);
    return out;
}

#ifndef _WIN32

// Runs `work` in a child process and returns its pid.
template <typename Work>
pid_t spawn(Work work) {
    pid_t pid = fork();
    if (pid == 0) _exit(work() ? 0 : 1);
    return pid;
}

int exitStatus(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RcWriteRivals, TwoProcessesWritingDifferentKeysLoseNothing) {
    TempDir tmp;
    std::string path = tmp.path("a.rc");
    auto writer = [&](char name) {
        return [&path, name] {
            for (int i = 0; i < 300; ++i) {
                std::string key = std::string(1, name) + std::to_string(i) + ":";
                RcWriteResult result;
                if (!rcWriteInt(path.c_str(), key.c_str(), i, &result)) {
                    std::fprintf(stderr, "%s: %s\n", key.c_str(), result.reason);  // says why in the test's output
                    return false;
                }
            }
            return true;
        };
    };
    pid_t first = spawn(writer('a'));
    pid_t second = spawn(writer('b'));
    ASSERT_EQ(0, exitStatus(first));
    ASSERT_EQ(0, exitStatus(second));
    int lost = 0;
    for (char name : {'a', 'b'})
        for (int i = 0; i < 300; ++i)
            lost += value(path, (std::string(1, name) + std::to_string(i) + ":").c_str()) != std::to_string(i);
    EXPECT_EQ(0, lost);
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"a.rc", "a.rc.lock"}));
}

// A writer killed at any moment leaves the old file or the new one, byte for byte; what its
// temporary left is gone after the next write.
TEST(RcWriteCrash, AWriterKilledAtRandomMomentsLeavesOldOrNewAndNoDebris) {
    TempDir tmp;
    std::string path = tmp.path("a.rc");
    const std::string head = "# " + std::string(50 * 1024, 'c') + "\n";
    const std::string one = head + "k: 1\n", two = head + "k: 2\n";
    tmp.put("a.rc", one);
    std::mt19937 random(7);
    int torn = 0, debris = 0;
    for (int kill = 0; kill < 200; ++kill) {
        pid_t pid = spawn([&path] {
            for (int i = 0;; ++i) rcWriteInt(path.c_str(), "k:", 1 + i % 2);
            return true;
        });
        usleep(std::uniform_int_distribution<int>(0, 3000)(random));
        ::kill(pid, SIGKILL);
        exitStatus(pid);
        std::string now = tmp.get("a.rc");
        torn += now != one && now != two;
        debris += tmp.names().size() > 3;  // the file, its lock and at most the last killed temporary
    }
    EXPECT_EQ(0, torn);
    EXPECT_EQ(0, debris);
    ASSERT_TRUE(rcWriteInt(path.c_str(), "k:", 1));
    EXPECT_EQ(tmp.get("a.rc"), one);
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"a.rc", "a.rc.lock"}));
}

// The temporary name used to be the pid and a counter: a link planted there was followed.
TEST(RcWritePlanted, LinksAtGuessableTemporaryNamesAreNeverFollowed) {
    TempDir tmp;
    tmp.put("victim", "keep me\n");
    tmp.put("a.rc", "a: 1\n");
    std::string path = tmp.path("a.rc");
    for (int counter = 0; counter < 64; ++counter) {
        std::string name = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter);
        ASSERT_EQ(0, symlink(tmp.path("victim").c_str(), name.c_str()));
    }
    ASSERT_TRUE(rcWriteString(path.c_str(), "a:", "2"));
    EXPECT_EQ(tmp.get("victim"), "keep me\n");
    EXPECT_EQ(tmp.get("a.rc"), "a: 2\n");
}

TEST(RcWriteMetadata, APrivateFileStaysPrivateAndALinkStaysALink) {
    TempDir tmp;
    tmp.put("real.rc", "a: 1\n");
    std::string real = tmp.path("real.rc"), link = tmp.path("link.rc");
    ASSERT_EQ(0, chmod(real.c_str(), 0600));
    ASSERT_EQ(0, symlink("real.rc", link.c_str()));
    ASSERT_TRUE(rcWriteString(link.c_str(), "a:", "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(tmp.get("real.rc"), "a: 2\n");
    struct stat info;
    ASSERT_EQ(0, stat(real.c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 07777);
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"link.rc", "real.rc", "real.rc.lock"}));
}

// The temporary of a private file is as private from its first byte on: a watcher of the
// folder never finds one that others may read, whatever moment it looks.
TEST(RcWriteMetadata, TheTemporaryOfAPrivateFileIsNeverReadableByOthers) {
    TempDir tmp;
    tmp.put("a.rc", "# " + std::string(4 << 20, 'c') + "\na: 1\n");  // large, so each write takes a while
    std::string path = tmp.path("a.rc");
    ASSERT_EQ(0, chmod(path.c_str(), 0600));
    pid_t pid = spawn([&path] {
        for (int i = 0;; ++i) rcWriteInt(path.c_str(), "a:", i);
        return true;
    });
    int seen = 0, exposed = 0;
    for (int poll = 0; poll < 1000000 && seen < 20; ++poll)
        for (const std::string& name : tmp.names()) {
            struct stat info;
            if (name.find(".tmp-") == std::string::npos || lstat(tmp.path(name.c_str()).c_str(), &info) != 0) continue;
            ++seen;
            exposed += (info.st_mode & 077) != 0;
        }
    ::kill(pid, SIGKILL);
    exitStatus(pid);
    EXPECT_GT(seen, 0);
    EXPECT_EQ(0, exposed);
}

#else

// Another program holding the file without delete sharing blocks the rename for a while.
DWORD WINAPI holdBriefly(void* file) {
    Sleep(100);
    CloseHandle(static_cast<HANDLE>(file));
    return 0;
}

TEST(RcWriteShared, ARenameBlockedBrieflyIsRetriedAndOneBlockedForGoodFails) {
    TempDir tmp;
    tmp.put("a.rc", "a: 1\n");
    std::string path = tmp.path("a.rc");
    auto open = [&] {
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    };
    HANDLE held = open();
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(rcWriteString(path.c_str(), "a:", "2"));
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"a.rc", "a.rc.lock"}));
    CloseHandle(held);

    held = open();
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    HANDLE thread = CreateThread(nullptr, 0, holdBriefly, held, 0, nullptr);
    EXPECT_TRUE(rcWriteString(path.c_str(), "a:", "3"));
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(value(path, "a:"), "3");
    EXPECT_EQ(tmp.names(), (std::set<std::string>{"a.rc", "a.rc.lock"}));
}

#endif

// Files a write must refuse before it takes the lock, each with its true reason, left as they
// are, with nothing made beside them. A pipe would block the read for good.
TEST(RcWriteRefusedFiles, ReadOnlyFilesFoldersAndPipesAreRefusedWithTheirReason) {
    struct Case {
        const char* what;
        const char* reason;
    } const cases[] = {{"read-only", "the file is read-only"},
                       {"folder", "not a regular file"},
#ifndef _WIN32
                       {"pipe", "not a regular file"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir tmp;
        std::string path = tmp.path("a.rc");
        if (std::string(c.what) == "folder") {
            fs::create_directory(path);
        } else if (std::string(c.what) == "read-only") {
            tmp.put("a.rc", "a: 1\n");
#ifdef _WIN32
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
#else
            ASSERT_EQ(0, chmod(path.c_str(), 0444));
#endif
        } else {
#ifndef _WIN32
            ASSERT_EQ(0, mkfifo(path.c_str(), 0644));
#endif
        }
        RcWriteResult result;
        EXPECT_FALSE(rcWriteString(path.c_str(), "a:", "2", &result));
        EXPECT_EQ(kRcFailed, result.status);
        EXPECT_STREQ(c.reason, result.reason);
        EXPECT_EQ(tmp.names(), std::set<std::string>{"a.rc"});
        if (std::string(c.what) == "read-only") {
            EXPECT_EQ(tmp.get("a.rc"), "a: 1\n");
        }
#ifdef _WIN32
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can be removed
#endif
    }
}

// A caller that decided its values on an earlier read sees the file as it is under the lock,
// and a no from it writes nothing.
TEST(RcWriteChecked, TheCheckSeesTheFileAsItIsNowAndItsNoWritesNothing) {
    TempDir tmp;
    tmp.put("a.rc", "a: 1\n");
    std::string path = tmp.path("a.rc");
    const char* key = "a:";
    const char* value = "2";
    auto holdsOne = [](void*, const char* text, size_t size) { return std::string(text, size) == "a: 1\n"; };
    RcWriteResult result;
    EXPECT_TRUE(rcWriteStrings(path.c_str(), &key, &value, 1, &result, holdsOne, nullptr));
    EXPECT_EQ(kRcWritten, result.status);
    EXPECT_FALSE(rcWriteStrings(path.c_str(), &key, &value, 1, &result, holdsOne, nullptr));
    EXPECT_EQ(kRcChanged, result.status);
    EXPECT_EQ(tmp.get("a.rc"), "a: 2\n");
}

// A writer that never lets go holds the others up for about two seconds, not for ever.
TEST(RcWriteLock, AWriterWaitsForItsTurnAtMostTheBoundAndSaysWhy) {
    TempDir tmp;
    tmp.put("a.rc", "a: 1\n");
    std::string path = tmp.path("a.rc");
    RcLock held;
    RcWriteResult result;
    ASSERT_TRUE(rcLockFile(path.c_str(), held, result));
    EXPECT_FALSE(rcWriteString(path.c_str(), "a:", "2", &result));
    rcUnlockFile(held);
    EXPECT_EQ(kRcFailed, result.status);
    EXPECT_STREQ("another program has been writing it for over 2000 ms", result.reason);
    EXPECT_EQ(tmp.get("a.rc"), "a: 1\n");
    EXPECT_TRUE(rcWriteString(path.c_str(), "a:", "2", &result));
}

}  // namespace
