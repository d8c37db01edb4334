// Tests of stroke file writing: points read back exactly, and new files never take a name already there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "training/stroke_file.h"
#include "training/stroke_file_create.h"

namespace {

namespace fs = std::filesystem;

// A file, a folder and (where links can be made) a link pointing nowhere hold the first three
// names; the next file is stroke-004.txt, and what is written there reads back point for point.
TEST(StrokeFile, NewFilesTakeTheNextFreeNameAndReadBack) {
    fs::path folder = fs::temp_directory_path() / "trazzle-stroke-create";
    fs::remove_all(folder);
    fs::create_directories(folder / "stroke-002.txt");
    std::ofstream(folder / "stroke-001.txt") << "1 1\n";
    std::error_code noLinks;
    fs::create_symlink(folder / "elsewhere.txt", folder / "stroke-003.txt", noLinks);
    if (noLinks) std::ofstream(folder / "stroke-003.txt") << "3 3\n";

    char name[kStrokeNameSize];
    FILE* file = createNextStrokeFile((folder.string() + "/").c_str(), name);
    ASSERT_NE(file, nullptr);
    EXPECT_STREQ(name, "stroke-004.txt");
    const ScreenPoint written[] = {{10, 20}, {-5, 2147483647}, {0, -2147483647 - 1}};
    for (ScreenPoint point : written) EXPECT_TRUE(writeStrokePoint(file, point));
    std::fclose(file);
    EXPECT_FALSE(fs::exists(folder / "elsewhere.txt"));

    std::vector<ScreenPoint> read;
    std::string problem;
    ASSERT_TRUE(readStrokeFile((folder / name).string().c_str(), nullptr, read, problem)) << problem;
    ASSERT_EQ(read.size(), 3u);
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].x, written[i].x);
        EXPECT_EQ(read[i].y, written[i].y);
    }
    fs::remove_all(folder);
}

// Every name taken is a limit the caller can name, not an error of the system.
TEST(StrokeFile, AFolderWithEveryNameTakenIsFull) {
    fs::path folder = fs::temp_directory_path() / "trazzle-stroke-full";
    fs::remove_all(folder);
    fs::create_directories(folder);
    char name[kStrokeNameSize];
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        std::ofstream(folder / name) << "1 1\n";
    }
    bool full = false;
    EXPECT_EQ(createNextStrokeFile((folder.string() + "/").c_str(), name, &full), nullptr);
    EXPECT_TRUE(full);
    fs::remove(folder / "stroke-500.txt");
    FILE* file = createNextStrokeFile((folder.string() + "/").c_str(), name, &full);
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_STREQ(name, "stroke-500.txt");
    EXPECT_FALSE(full);
    fs::remove_all(folder);
}

}  // namespace
