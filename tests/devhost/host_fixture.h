// In-process host for tests: the host's own code with its window, log and tables, per test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Each test gets a fresh host window, a log file in its own folder and empty tables.
class HostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Log lines written since SetUp (or since the last call of skipLog).
    std::vector<std::string> newLog();
    void skipLog();

    std::string folder;

private:
    size_t seenLines = 0;
};

// A plain window that records the host messages it receives, as "NAME TEXT" or
// "NAME reconfigure". Its class name is `className`; it is destroyed by destroyRecorders.
HWND makeRecorder(const char* className, const char* name);
void destroyRecorders();
std::vector<std::string>& recorded();
