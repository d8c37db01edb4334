// Tests of the host's style: the record from vantrel.rc, the style font and the gradient.
#include <windows.h>

#include <cstring>

#include "devhost/host_settings.h"
#include "devhost/host_state.h"
#include "contract/vantrel.h"
#include "tests/devhost/devhost_support.h"
#include "tests/devhost/host_fixture.h"

namespace {

class Style : public HostTest {
protected:
    // Paints `rect` of a 20 x 12 memory bitmap (first filled white) and reads pixels back.
    void paint(const VantrelStyle& style, int bevel, RECT rect = {0, 0, 20, 12}) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 12);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        RECT all = {0, 0, 20, 12};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        MakeStyleGradient(memory, &rect, &style, bevel);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) pixels[y][x] = GetPixel(memory, x, y);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    VantrelStyle style() {
        VantrelStyle s;
        std::memcpy(&s, GetSettingPtr(VANTREL_SETTING_STYLE), sizeof s);
        return s;
    }
    COLORREF pixels[12][20];
};

TEST_F(Style, DefaultsWithoutASettingsFileAndValuesFromOne) {
    VantrelStyle defaults = style();
    EXPECT_EQ(RGB(0x4A, 0x6A, 0x9A), defaults.gradientFrom);
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), defaults.textColour);
    EXPECT_STREQ("Tahoma", defaults.fontFace);
    EXPECT_EQ(1, *static_cast<int32_t*>(GetSettingPtr(VANTREL_SETTING_BORDER_WIDTH)));
    EXPECT_EQ(nullptr, GetSettingPtr(13));

    writeFile(folder + "host.rc",
              "vantrel.style.cornerColour: #ff8000\n"
              "vantrel.style.textColour: #010203\n"
              "vantrel.style.gradientVertical: no\n"
              "vantrel.style.fontWeight: 400\n"
              "vantrel.style.bevelWidth: 6\n");
    settingsLoad(hostState.settingsPath);
    VantrelStyle read = style();
    // The two colours a plugin reads sit at bytes 20 and 24 of the record.
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(GetSettingPtr(1));
    EXPECT_EQ(0xFF, bytes[20]);
    EXPECT_EQ(0x80, bytes[21]);
    EXPECT_EQ(0x00, bytes[22]);
    EXPECT_EQ(0x01, bytes[24]);
    EXPECT_EQ(0x03, bytes[26]);
    EXPECT_EQ(0, read.gradientVertical);
    EXPECT_EQ(400, read.fontWeight);
    EXPECT_EQ(6, *static_cast<int32_t*>(GetSettingPtr(VANTREL_SETTING_BEVEL_WIDTH)));
}

TEST_F(Style, CreateStyleFontMakesTheRecordsFontForTheCaller) {
    VantrelStyle s = style();
    s.fontHeight = 19;
    s.fontWeight = FW_BOLD;
    std::memset(s.fontFace, 'A', sizeof s.fontFace);  // no terminator: cut to 31 characters
    HFONT font = CreateStyleFont(&s);
    ASSERT_NE(nullptr, font);
    LOGFONTA logical;
    ASSERT_EQ(static_cast<int>(sizeof logical), GetObjectA(font, sizeof logical, &logical));
    EXPECT_EQ(-19, logical.lfHeight);
    EXPECT_EQ(FW_BOLD, logical.lfWeight);
    EXPECT_EQ(std::string(31, 'A'), logical.lfFaceName);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(nullptr, CreateStyleFont(nullptr));
}

TEST_F(Style, GradientRunsBetweenTheTwoColoursAndTheBevelFramesIt) {
    VantrelStyle s = style();
    s.gradientFrom = RGB(0, 0, 0);
    s.gradientTo = RGB(200, 100, 0);
    s.bevelLight = RGB(255, 255, 0);
    s.bevelDark = RGB(0, 0, 255);
    s.gradientVertical = 1;
    skipLog();

    paint(s, 0);
    EXPECT_EQ(RGB(0, 0, 0), pixels[0][0]);
    for (int y = 1; y < 12; ++y) {
        EXPECT_GT(GetRValue(pixels[y][5]), GetRValue(pixels[y - 1][5])) << "row " << y;
        EXPECT_EQ(pixels[y][0], pixels[y][19]) << "a row has one colour";
    }

    s.gradientVertical = 0;
    paint(s, 0);
    for (int x = 1; x < 20; ++x) EXPECT_GE(GetRValue(pixels[4][x]), GetRValue(pixels[4][x - 1]));
    EXPECT_GT(GetRValue(pixels[4][19]), GetRValue(pixels[4][0]));
    EXPECT_EQ(pixels[0][7], pixels[11][7]) << "a column has one colour";

    paint(s, 1);
    EXPECT_EQ(RGB(255, 255, 0), pixels[0][0]);
    EXPECT_EQ(RGB(255, 255, 0), pixels[0][10]);
    EXPECT_EQ(RGB(255, 255, 0), pixels[6][0]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[11][19]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[11][10]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[6][19]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[0][19]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[11][0]);
    EXPECT_NE(RGB(255, 255, 0), pixels[1][1]);

    // Only the given rectangle is painted.
    paint(s, 1, RECT{4, 2, 10, 8});
    EXPECT_EQ(RGB(255, 255, 255), pixels[1][4]);
    EXPECT_EQ(RGB(255, 255, 0), pixels[2][4]);
    EXPECT_EQ(RGB(0, 0, 255), pixels[7][9]);
    EXPECT_EQ(RGB(255, 255, 255), pixels[8][9]);
    EXPECT_EQ(RGB(255, 255, 255), pixels[7][10]);
    EXPECT_EQ((std::vector<std::string>{
                  "MakeStyleGradient dc=memory rect=0,0,20,12 style=record bevel=0",
                  "MakeStyleGradient dc=memory rect=0,0,20,12 style=record bevel=0",
                  "MakeStyleGradient dc=memory rect=0,0,20,12 style=record bevel=1",
                  "MakeStyleGradient dc=memory rect=4,2,10,8 style=record bevel=1"}),
              newLog());
}

}  // namespace
