#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "DisplayTest.h"
#include "puzzle/Level.h"
#include "render/BoardView.h"
#include "render/MediaStore.h"
#include "render/Text.h"

using namespace qv;

namespace {

// The base's own interface, opened up for its tests; the screens reach it as derived classes.
class TestBoard : public BoardView {
public:
    using BoardView::BoardView;
    void HandleEvents() override {}
    void Draw() override {}
    using BoardView::boardSurface;
    using BoardView::CentreOnUsedTiles;
    using BoardView::DrawTiles;
    using BoardView::offsetX;
    using BoardView::offsetY;
    using BoardView::pointerX;
    using BoardView::pointerY;
    using BoardView::PointerSection;
    using BoardView::RenderBoard;
    using BoardView::RenderNameLabel;
    using BoardView::TileUnderPointer;
};

// A board screen over a fresh level: 9 by 7, every tile Black, no name.
class BoardViewTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        shown.tiles.fill(TileColor::Black);
        shown.name.clear();
        view = std::make_unique<TestBoard>(pictures, gameDisplay.Scale(), shown);
    }
    void TearDown() override {
        view.reset();
        DisplayTest::TearDown();
    }

    Level& CurrentLevel() { return shown; }

    TilePos TileAt(int x, int y) {
        input.x = x;
        input.y = y;
        return view->TileUnderPointer();
    }
    TileSection SectionAt(int u, int v) {
        view->pointerX = kBoardX + view->offsetX + u;
        view->pointerY = kBoardY + view->offsetY + v;
        return view->PointerSection();
    }

    Level shown;
    std::unique_ptr<TestBoard> view;
};

}  // namespace

TEST_F(BoardViewTest, PointerSectionsOfATile) {
    struct Case {
        int u, v;
        TileSection section;
    };
    const Case cases[] = {
        {30, 30, TileSection::Up},   {0, 0, TileSection::Up},     {59, 0, TileSection::Up},
        {0, 59, TileSection::Left},  {59, 59, TileSection::Right}, {30, 59, TileSection::Down},
        {40, 40, TileSection::Right}, {20, 40, TileSection::Left}, {40, 20, TileSection::Up},
    };
    // The same in the first tile, in a tile further in, and with the grid shifted.
    for (const Case& c : cases) {
        view->offsetX = 0;
        view->offsetY = 0;
        EXPECT_EQ(SectionAt(c.u, c.v), c.section) << c.u << "," << c.v;
        EXPECT_EQ(SectionAt(c.u + 3 * kTileSize, c.v + 2 * kTileSize), c.section) << c.u << "," << c.v;
        view->offsetX = 180;
        view->offsetY = -180;
        EXPECT_EQ(SectionAt(c.u + kTileSize, c.v + 4 * kTileSize), c.section) << c.u << "," << c.v;
    }
}

TEST_F(BoardViewTest, TileUnderPointerAtTheGridEdges) {
    EXPECT_EQ(TileAt(209, 100), NoTile);
    EXPECT_EQ(TileAt(210, 100), (TilePos{0, 0}));
    EXPECT_EQ(TileAt(300, 59), NoTile);
    EXPECT_EQ(TileAt(300, 60), (TilePos{1, 0}));
    EXPECT_EQ(TileAt(210 + 539, 60 + 419), (TilePos{8, 6}));
    // Right of and below the grid the columns and rows run on; callers check them.
    EXPECT_EQ(TileAt(210 + 600, 60 + 420), (TilePos{10, 7}));

    view->offsetX = 180;
    view->offsetY = 120;
    EXPECT_EQ(TileAt(389, 200), NoTile);
    EXPECT_EQ(TileAt(390, 180), (TilePos{0, 0}));
    EXPECT_EQ(TileAt(390, 179), NoTile);
}

// A point aimed at on a tile as the display draws it at a scale lands, mapped back, in the same
// tile and section as at scale 1: below 1, fractional, whole, with bars beside the picture.
TEST_F(BoardViewTest, ThePointerLandsInTheSameTileSectionAtEveryScale) {
    const struct {
        double u, v;  // the point's place in the drawn tile, from its top-left corner
        TileSection section;
    } aims[] = {{0.5, 0.12, TileSection::Up}, {0.88, 0.5, TileSection::Right},
                {0.5, 0.88, TileSection::Down}, {0.12, 0.5, TileSection::Left}};
    for (const double factor : {0.8, 1.0, 1.62, 2.0, 2.4}) {
        const PixelSize picture{static_cast<int>(800 * factor), static_cast<int>(600 * factor)};
        const DisplayScale scale({800, 600}, {picture.width + 100, picture.height});
        TestBoard board(pictures, scale, shown);
        board.offsetX = 30;
        for (const TilePos tile : {TilePos{0, 0}, TilePos{4, 3}, TilePos{8, 6}}) {
            // The tile's edges on the display, where the board view draws it.
            const int left = kBoardX + board.offsetX + kTileSize * tile.x;
            const int top = kBoardY + kTileSize * tile.y;
            const int width = scale.X(left + kTileSize) - scale.X(left);
            const int height = scale.Y(top + kTileSize) - scale.Y(top);
            for (const auto& aim : aims) {
                input.x = scale.X(left) + static_cast<int>(aim.u * width);
                input.y = scale.Y(top) + static_cast<int>(aim.v * height);
                EXPECT_EQ(board.TileUnderPointer(), tile) << factor;
                int x = 0, y = 0;
                scale.ToLogical(input.x, input.y, &x, &y);
                board.pointerX = x;
                board.pointerY = y;
                EXPECT_EQ(board.PointerSection(), aim.section) << factor << " " << aim.u;
            }
        }
    }
}

TEST_F(BoardViewTest, CentringOnTheUsedTiles) {
    // Colours columns and rows [0, cols) x [0, rows) shifted by (x, y); returns the offsets.
    auto centreOn = [this](int x, int y, int cols, int rows) {
        CurrentLevel().tiles.fill(TileColor::Black);
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) CurrentLevel().Tile(x + c, y + r) = TileColor::Red;
        view->CentreOnUsedTiles();
        return std::make_pair(view->offsetX, view->offsetY);
    };
    using Offsets = std::pair<int16_t, int16_t>;
    EXPECT_EQ(centreOn(0, 0, 0, 0), Offsets(0, 0));
    EXPECT_EQ(centreOn(0, 0, 9, 7), Offsets(0, 0));
    EXPECT_EQ(centreOn(0, 0, 3, 3), Offsets(180, 120));
    CurrentLevel().width = 3;  // the whole array counts, not only the level's size
    CurrentLevel().height = 3;
    EXPECT_EQ(centreOn(8, 6, 1, 1), Offsets(-240, -180));
}

TEST_F(BoardViewTest, BoardSurfaceIsTransparentWhereNoTileIsDrawn) {
    ASSERT_NE(view->boardSurface, nullptr);
    EXPECT_TRUE(view->boardSurface->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(view->boardSurface->format->colorkey, 0u);
    EXPECT_EQ(view->boardSurface->w, 540);
    EXPECT_EQ(view->boardSurface->h, 420);

    pictures.red.reset(MakeSurface(60, 60, 255, 0, 0));
    CurrentLevel().Tile(1, 0) = TileColor::Red;
    view->offsetX = 10;
    view->RenderBoard();
    SDL_Surface* surface = view->boardSurface.get();
    EXPECT_EQ(PixelAt(surface, 10 + 60, 0), Rgb(surface, 255, 0, 0));
    EXPECT_EQ(PixelAt(surface, 10 + 119, 59), Rgb(surface, 255, 0, 0));
    EXPECT_EQ(PixelAt(surface, 10 + 59, 0), 0u);  // Black tile (0, 0)
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(BoardViewTest, InvalidColorIsReportedEachDrawAndNotDrawn) {
    CurrentLevel().Tile(3, 2) = static_cast<TileColor>(9);
    view->RenderBoard();
    view->DrawTiles();
    ASSERT_EQ(errors.boxes.size(), 2u);
    EXPECT_EQ(errors.boxes[0], (ErrorRecorder::Box{"Error", "Tile (3, 2) has an invalid color (9)."}));
    EXPECT_EQ(PixelAt(view->boardSurface.get(), 3 * 60, 2 * 60), 0u);
}

TEST_F(BoardViewTest, OversizedLevelDrawsOnlyTheArray) {
    CurrentLevel().tiles.fill(TileColor::White);
    CurrentLevel().width = 200;
    CurrentLevel().height = -4;
    view->DrawTiles();  // must not read past the 63 cells
    CurrentLevel().height = 40;
    view->DrawTiles();
    EXPECT_TRUE(errors.boxes.empty());
}

TEST(NameLabel, CentredInTheStripTruncatingTowardsZero) {
    EXPECT_EQ(NameLabelX(100), 429);
    EXPECT_EQ(NameLabelX(223), 368);
    EXPECT_EQ(NameLabelX(224), 368);
    EXPECT_EQ(NameLabelX(225), 367);
}

TEST_F(BoardViewTest, NameLabelIsRenderedCentredOrLeftOutWhenEmpty) {
    EXPECT_EQ(view->sprites.sprites[kNameLabelSlot].picture, nullptr);

    CurrentLevel().name = "Three Colours";
    view->RenderNameLabel();
    const Sprite& label = view->sprites.sprites[kNameLabelSlot];
    ASSERT_NE(label.picture, nullptr);
    EXPECT_EQ(label.x, NameLabelX(label.picture->w));
    EXPECT_EQ(label.y, 548);

    CurrentLevel().name.clear();
    view->RenderNameLabel();
    EXPECT_EQ(view->sprites.sprites[kNameLabelSlot].picture, nullptr);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(BoardViewTest, ANameTooWideForTheStripStaysInsideIt) {
    CurrentLevel().name = "Three Colours";
    view->RenderNameLabel();
    const Sprite& label = view->sprites.sprites[kNameLabelSlot];
    const FontPtr usual = OpenUiFont(kNamePoints);
    EXPECT_EQ(label.picture->w, TextWidth(usual.get(), "Three Colours"));  // as it always was

    for (const char* name : {"Wide Words Want Room In Here", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}) {
        CurrentLevel().name = name;
        view->RenderNameLabel();
        ASSERT_NE(label.picture, nullptr) << name;
        EXPECT_LE(label.picture->w, kNameTextWidth) << name;
        EXPECT_GE(label.x, kNameStripX + 4) << name;
    }
    EXPECT_TRUE(errors.boxes.empty());
}

