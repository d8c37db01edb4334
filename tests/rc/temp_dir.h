// A fresh folder for one rc test, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

// A fresh folder under the system temp folder, removed with everything in it afterwards.
// create_directory fails on a name already taken, so parallel runs never share one.
struct TempDir {
    fs::path dir;

    TempDir() {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("trazzle-rc-") + test->test_suite_name() + "-" +
                           test->name();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
        for (int attempt = 0;; ++attempt) {
            dir = fs::temp_directory_path() / (name + "-" + std::to_string(attempt));
            if (fs::create_directory(dir)) break;
        }
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    void put(const char* name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string get(const char* name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir))
            found.insert(entry.path().filename().string());
        return found;
    }
};
