// Tests of stroke files: each kind of line read or refused with its one-line reason, points written read back exactly, new files never take a name already there.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/rc/temp_dir.h"
#include "training/stroke_file.h"
#include "training/stroke_file_create.h"

namespace {

// A stroke file's text read from its path ("STROKE" in the reason stands for it) or, for "-",
// from the stream given: either the points or the one line saying why it is refused.
struct ReadCase {
    const char* name;
    const char* path;  // "STROKE" or "-"
    std::string text;
    std::vector<ScreenPoint> points;  // when read
    std::string problem;              // when refused
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

std::string pointsText(const std::vector<ScreenPoint>& points) {
    std::string text;
    for (ScreenPoint point : points) text += std::to_string(point.x) + " " + std::to_string(point.y) + "\n";
    return text;
}

class Read : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Read, GivesThePointsOrOneLineWhy) {
    const ReadCase& c = GetParam();
    TempDir temp;
    fs::path file = temp.dir / "stroke.txt";
    temp.put("stroke.txt", c.text);
    bool fromStdin = std::string(c.path) == "-";
    FILE* in = fromStdin ? std::fopen(file.string().c_str(), "rb") : nullptr;
    std::string expected = c.problem;
    for (size_t at; (at = expected.find("STROKE")) != std::string::npos;) expected.replace(at, 6, file.string());

    std::vector<ScreenPoint> points;
    std::string problem;
    bool read = readStrokeFile(fromStdin ? "-" : file.string().c_str(), in, points, problem);
    if (in) std::fclose(in);
    EXPECT_EQ(read, expected.empty());
    EXPECT_EQ(problem, expected);
    if (read) {
        EXPECT_EQ(pointsText(points), pointsText(c.points));
    }
}

INSTANTIATE_TEST_SUITE_P(
    StrokeFile, Read,
    ::testing::Values(
        ReadCase{"EverySeparatorOnStandardInput", "-", "  100,100\r\n110 ,90\n\n# comment\n120\t80\r\n130, 90\n  140   100  ",
                 {{100, 100}, {110, 90}, {120, 80}, {130, 90}, {140, 100}}, ""},
        ReadCase{"NotTwoIntegers", "STROKE", "1 2\n3\n", {}, "STROKE:2: expected two integers \"x y\", got \"3\""},
        ReadCase{"ThreeNumbers", "STROKE", "1 2 3\n", {}, "STROKE:1: expected two integers \"x y\", got \"1 2 3\""},
        ReadCase{"TwoCommas", "STROKE", "# start\n1,,2\n", {}, "STROKE:2: expected two integers \"x y\", got \"1,,2\""},
        ReadCase{"NoSeparator", "STROKE", "1-2\n", {}, "STROKE:1: expected two integers \"x y\", got \"1-2\""},
        ReadCase{"Fraction", "STROKE", "1.5 2\n", {}, "STROKE:1: expected two integers \"x y\", got \"1.5 2\""},
        ReadCase{"OnStandardInput", "-", "\n\nx y\n", {}, "<stdin>:3: expected two integers \"x y\", got \"x y\""},
        ReadCase{"AboveTheRange", "STROKE", "0 0\n2147483648 0\n", {},
                 "STROKE:2: number outside the signed 32-bit range in \"2147483648 0\""},
        ReadCase{"BelowTheRange", "STROKE", "0 -2147483649\n", {},
                 "STROKE:1: number outside the signed 32-bit range in \"0 -2147483649\""},
        ReadCase{"NoPoints", "STROKE", "# nothing\n\n", {}, "STROKE: no points: the stroke needs at least its start point"},
        ReadCase{"LineTooLong", "STROKE", "1 2\n" + std::string(5000, '7') + "\n", {},
                 "STROKE:2: line longer than 4096 characters"},
        ReadCase{"QuotedLineIsCutAndEscaped", "STROKE", "1 \x1b[31m" + std::string(100, 'y') + "\n", {},
                 "STROKE:1: expected two integers \"x y\", got \"1 \\x1b[31m" + std::string(53, 'y') + "\"..."},
        ReadCase{"TooManyPoints", "-", [] {
                     std::string points;
                     for (int i = 0; i <= 1000000; ++i) points += "0 0\n";
                     return points;
                 }(), {}, "<stdin>:1000001: more than 1000000 points"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(StrokeFile, AMissingFileIsNamed) {
    TempDir temp;
    std::string missing = temp.path("missing.txt");
    std::vector<ScreenPoint> points;
    std::string problem;
    EXPECT_FALSE(readStrokeFile(missing.c_str(), nullptr, points, problem));
    EXPECT_EQ(problem.rfind("cannot read stroke file \"" + missing + "\": ", 0), 0u) << problem;
}

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

// A new example is written to a temporary, flushed, and only then named: the name is the next
// free one, taken in the rename, so neither a name taken meanwhile is written over nor is any
// stroke file ever empty. A file that cannot be named stays where it was.
TEST(StrokeFile, ATemporaryIsGivenTheNextFreeNameWholeOrNotAtAll) {
    fs::path folder = fs::temp_directory_path() / "trazzle-stroke-name";
    fs::remove_all(folder);
    fs::create_directories(folder / "stroke-002.txt");
    std::ofstream(folder / "stroke-001.txt") << "1 1\n";
    const std::string prefix = folder.string() + "/";
    char temp[kStrokeTempNameSize], name[kStrokeNameSize];
    FILE* file = createStrokeTemp(prefix.c_str(), temp);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(isStrokeTempName(temp)) << temp;
    EXPECT_TRUE(writeStrokePoint(file, {7, 8}));
    EXPECT_TRUE(closeStrokeFileFlushed(file));
    bool full = true;
    ASSERT_TRUE(giveStrokeFileName((prefix + temp).c_str(), prefix.c_str(), name, &full));
    EXPECT_STREQ(name, "stroke-003.txt");
    EXPECT_FALSE(full);
    EXPECT_FALSE(fs::exists(folder / temp));
    {
        std::ifstream in(folder / name);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "7 8\n");
    }

    EXPECT_FALSE(giveStrokeFileName((prefix + temp).c_str(), prefix.c_str(), name, &full));
    EXPECT_FALSE(full);  // gone: the system's reason, not a full slot
    {
        std::ifstream first(folder / "stroke-001.txt");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(first), {}), "1 1\n");
    }
    fs::remove_all(folder);
}
