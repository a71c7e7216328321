#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DisplayTest.h"
#include "render/MediaStore.h"

using namespace qv;

namespace {

// Every file the store loads. Each test picture is as wide as its place in this list plus
// one, so a slot shows which file went into it.
const std::vector<std::string> kFiles = {
    "star", "circle", "triangle", "selectedstar", "selectedcircle", "selectedtriangle",
    "stargoal", "circlegoal", "trianglegoal", "previewcircle", "previewstar", "previewtriangle",
    "previewcirclegoal", "previewstargoal", "previewtrianglegoal", "arrowup", "arrowdown",
    "arrowleft", "arrowright", "editor", "play", "message", "caret", "red", "yellow", "blue",
    "green", "orange", "purple", "white", "previewred", "previewyellow", "previewblue",
    "previewgreen", "previeworange", "previewpurple", "previewwhite", "tutorial0", "tutorial1",
    "tutorial2", "tutorial3", "tutorial4", "tutorial5", "tutorial6", "tutorial7", "locked",
    "circlehelp", "starhelp", "trianglehelp", "whitehelp", "redhelp", "yellowhelp", "bluehelp",
    "greenhelp", "orangehelp", "purplehelp", "chooselevel_beta", "arrowblockedup",
    "arrowblockeddown", "arrowblockedleft", "arrowblockedright", "parmark"};

int WidthOf(const std::string& stem) {
    for (size_t i = 0; i < kFiles.size(); ++i)
        if (kFiles[i] == stem) return static_cast<int>(i) + 1;
    return -1;
}

class MediaStoreTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        // IMG_Load goes by content, so BMP data under the game's ".png" names serves.
        for (const std::string& stem : kFiles)
            WritePicture("graphics/" + stem + ".png", WidthOf(stem), 2, 50, 60, 70);
    }
    static int Width(const SurfacePtr& slot) { return slot ? slot->w : 0; }
};

}  // namespace

TEST_F(MediaStoreTest, EveryFileLandsInItsSlot) {
    ASSERT_EQ(kFiles.size(), 62u);
    LoadAllPictures(pictures, gameDisplay.Scale());
    EXPECT_TRUE(errors.boxes.empty());
    const PictureTable& p = pictures;
    EXPECT_EQ(Width(p.selectedCircle), WidthOf("selectedcircle"));
    EXPECT_EQ(Width(p.selectedStar), WidthOf("selectedstar"));
    EXPECT_EQ(Width(p.previewTriangleGoal), WidthOf("previewtrianglegoal"));
    EXPECT_EQ(Width(p.arrowLeft), WidthOf("arrowleft"));
    EXPECT_EQ(Width(p.caret), WidthOf("caret"));
    EXPECT_EQ(Width(p.chooseLevel), WidthOf("chooselevel_beta"));
    EXPECT_EQ(Width(p.locked), WidthOf("locked"));
    EXPECT_EQ(Width(p.arrowBlockedRight), WidthOf("arrowblockedright"));
    EXPECT_EQ(Width(p.parMark), WidthOf("parmark"));
    EXPECT_EQ(Width(p.purpleHelp), WidthOf("purplehelp"));
    EXPECT_EQ(Width(p.tutorial[0]), WidthOf("tutorial0"));
    EXPECT_EQ(Width(p.tutorial[7]), WidthOf("tutorial7"));
    for (int i = 8; i < kTutorialPictureSlots; ++i) EXPECT_EQ(p.tutorial[i], nullptr) << i;
}

TEST_F(MediaStoreTest, ColorCodesPickTheirPictures) {
    LoadAllPictures(pictures, gameDisplay.Scale());
    const struct {
        TileColor color;
        const char* name;
    } colours[] = {{TileColor::Red, "red"},       {TileColor::Yellow, "yellow"},
                   {TileColor::Orange, "orange"}, {TileColor::Blue, "blue"},
                   {TileColor::Purple, "purple"}, {TileColor::Green, "green"},
                   {TileColor::White, "white"}};
    for (const auto& c : colours) {
        const std::string name = c.name;
        EXPECT_EQ(pictures.Tile(c.color)->w, WidthOf(name)) << name;
        EXPECT_EQ(pictures.PreviewTile(c.color)->w, WidthOf("preview" + name)) << name;
        EXPECT_EQ(pictures.ColorHelp(c.color)->w, WidthOf(name + "help")) << name;
    }
    EXPECT_EQ(pictures.Tile(TileColor::Black), nullptr);
    EXPECT_EQ(pictures.PreviewTile(static_cast<TileColor>(8)), nullptr);
    EXPECT_EQ(pictures.ColorHelp(static_cast<TileColor>(-1)), nullptr);
}

TEST_F(MediaStoreTest, MissingPictureIsReportedOnceAndLeftEmpty) {
    std::remove("graphics/locked.png");
    LoadAllPictures(pictures, gameDisplay.Scale());
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].title, "Error (SDL)");
    EXPECT_EQ(errors.boxes[0].text.rfind("Could not load bitmap ./graphics/locked.png. ", 0), 0u);
    EXPECT_EQ(pictures.locked, nullptr);
    EXPECT_NE(pictures.purpleHelp, nullptr);  // loading went on
}


// At the display's scale a picture has its size in the game's units times the scale, made from
// its master nearest above the scale; a missing master falls back to a smaller one.
TEST_F(MediaStoreTest, APictureComesFromTheNearestMasterAtItsScaledSize) {
    WritePicture("gui/x.png", 10, 4, 255, 0, 0);     // 1x, red
    WritePicture("gui/2x/x.png", 20, 8, 0, 0, 255);  // 2x, blue; there is no 3x
    const struct {
        double factor;
        int width, height;
        bool fromTwice;
    } cases[] = {{0.8, 8, 4, false}, {1, 10, 4, false}, {1.5, 15, 6, true}, {2, 20, 8, true},
                 {3, 30, 12, true}};
    for (const auto& c : cases) {
        const DisplayScale scale({800, 600}, {static_cast<int>(800 * c.factor),
                                              static_cast<int>(600 * c.factor)});
        SurfacePtr picture(LoadPicture("./gui/x.png", scale));
        ASSERT_NE(picture, nullptr) << c.factor;
        EXPECT_EQ(picture->w, c.width) << c.factor;
        EXPECT_EQ(picture->h, c.height) << c.factor;
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(PixelAt(picture.get(), c.width / 2, c.height / 2), picture->format, &r, &g, &b);
        EXPECT_EQ(b == 255 && r == 0, c.fromTwice) << c.factor;
    }
    EXPECT_TRUE(errors.boxes.empty());
}
