// The Layout Baseboard dialog without a window: the shapes' outlines, the first values it shows,
// the typed vertex list and what Apply stores or refuses.
#include <gtest/gtest.h>

#include "dialogs/baseboard_shape.h"

namespace {

void expectOutline(const std::vector<Vec2>& got, const std::vector<Vec2>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << "vertex " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << "vertex " << i;
    }
}

}  // namespace

TEST(BaseboardShapes, UShapeNotchIsCentredOnTheBottomEdge) {
    expectOutline(parametricBaseboard(BaseboardShape::UShape, 3600, 2400, 1200, 1200),
                  {{0, 0},
                   {3600, 0},
                   {3600, 2400},
                   {2400, 2400},
                   {2400, 1200},
                   {1200, 1200},
                   {1200, 2400},
                   {0, 2400}});
}

TEST(BaseboardShapes, CutoutsAndStemsNeverSwallowTheBoard) {
    // An L cutout as wide and deep as the board leaves a millimetre of board.
    expectOutline(parametricBaseboard(BaseboardShape::LShape, 2400, 2400, 2400, 3000),
                  {{0, 0}, {2400, 0}, {2400, 1}, {1, 1}, {1, 2400}, {0, 2400}});
    // A U notch keeps a millimetre on either side, a T stem is never wider than its bar.
    const std::vector<Vec2> u = parametricBaseboard(BaseboardShape::UShape, 100, 50, 500, 10);
    EXPECT_DOUBLE_EQ(u[3].x, 99.0);
    EXPECT_DOUBLE_EQ(u[5].x, 1.0);
    expectOutline(parametricBaseboard(BaseboardShape::TShape, 3600, 1200, 5000, 0), {{0, 0},
                                                                                     {3600, 0},
                                                                                     {3600, 1200},
                                                                                     {3600, 1200},
                                                                                     {3600, 1201},
                                                                                     {0, 1201},
                                                                                     {0, 1200},
                                                                                     {0, 1200}});
}

TEST(BaseboardShapes, AFreshLayoutOpensOnA2400By1200RectangleInEveryUnit) {
    const Baseboard fresh;
    EXPECT_EQ(initialBaseboardShape(fresh), BaseboardShape::Rectangle);
    EXPECT_EQ(initialBaseboardFields(fresh, BaseboardShape::Rectangle, Units::Millimetres),
              (std::vector<int>{2400, 1200}));
    EXPECT_EQ(initialBaseboardFields(fresh, BaseboardShape::Rectangle, Units::Centimetres),
              (std::vector<int>{240, 120}));
    EXPECT_EQ(initialBaseboardFields(fresh, BaseboardShape::Rectangle, Units::Inches),
              (std::vector<int>{94, 47}));
    // Another choice shows its own defaults, not the stored rectangle's sizes.
    Baseboard stored;
    stored.w_mm = 3000;
    EXPECT_EQ(initialBaseboardFields(stored, BaseboardShape::TShape, Units::Millimetres),
              (std::vector<int>{3600, 1200, 1200, 1200}));
    stored.lastShape = 42;
    EXPECT_EQ(initialBaseboardShape(stored), BaseboardShape::Rectangle);
}

TEST(BaseboardShapes, TypedVerticesSkipBlankAndCommaLessLinesAndReadTheDisplayUnit) {
    const VertexListEntry typed = readVertexList(
        "\n  100 ,  200  \nnot a vertex\n\n300,200\r\n300,400\n", Units::Centimetres);
    EXPECT_EQ(typed.problem, "");
    expectOutline(typed.vertices, {{1000, 2000}, {3000, 2000}, {3000, 4000}});
    EXPECT_TRUE(readVertexList("", Units::Millimetres).problem.empty());
}

TEST(BaseboardShapes, UnreadableFarOrTooFewVerticesAreRefusedWithTheLine) {
    EXPECT_EQ(readVertexList("0,0\n10,abc\n5,5\n", Units::Millimetres).problem,
              "Line 2 \"10,abc\" is not a pair of numbers x,y.");
    EXPECT_EQ(readVertexList("0,0\n1e12,0\n5,5\n", Units::Millimetres).problem,
              "Line 2 \"1e12,0\" lies too far away (coordinates are limited to 100 km).");
    EXPECT_EQ(readVertexList("0,0\n10,0\n", Units::Millimetres).problem,
              "A baseboard needs at least three vertices. Leave the list empty to remove it.");
}

TEST(BaseboardShapes, ApplyStoresShapeDimensionsAndOutlineOrRefusesBadDimensions) {
    Baseboard board;
    board.w2_mm = 777;
    const BaseboardApply rect =
        applyBaseboardInput(board, {BaseboardShape::Rectangle, {300, 100}, ""}, Units::Centimetres);
    EXPECT_EQ(rect.problem, "");
    EXPECT_EQ(rect.board.lastShape, 0);
    EXPECT_DOUBLE_EQ(rect.board.w_mm, 3000);
    EXPECT_DOUBLE_EQ(rect.board.h_mm, 1000);
    EXPECT_DOUBLE_EQ(rect.board.w2_mm, 777);  // rows the shape does not have stay
    expectOutline(rect.board.vertices, {{0, 0}, {3000, 0}, {3000, 1000}, {0, 1000}});

    for (const std::vector<int>& bad :
         {std::vector<int>{0, 100}, std::vector<int>{100, 99001}, std::vector<int>{100}}) {
        EXPECT_EQ(
            applyBaseboardInput(board, {BaseboardShape::Rectangle, bad, ""}, Units::Millimetres)
                .problem,
            "Please enter valid dimensions.");
    }
    const BaseboardApply drawn =
        applyBaseboardInput(rect.board, {BaseboardShape::FreeForm, {}, ""}, Units::Millimetres);
    EXPECT_TRUE(drawn.freeForm);
    EXPECT_EQ(drawn.board.lastShape, 5);
    const BaseboardApply cleared =
        applyBaseboardInput(rect.board, {BaseboardShape::Clear, {}, ""}, Units::Millimetres);
    EXPECT_TRUE(cleared.board.vertices.empty());
    EXPECT_EQ(initialBaseboardShape(cleared.board), BaseboardShape::Clear);
}

TEST(BaseboardShapes, VertexTextShowsTheOutlineOrAStarterRectangle) {
    EXPECT_EQ(baseboardVertexText(Baseboard{}, Units::Millimetres),
              "0,0\n2400,0\n2400,1200\n0,1200\n");
    EXPECT_EQ(baseboardVertexText(Baseboard{}, Units::Centimetres), "0,0\n240,0\n240,120\n0,120\n");
    Baseboard board;
    board.vertices = {{0, 0}, {254, 0}, {254, 127}};
    EXPECT_EQ(baseboardVertexText(board, Units::Inches), "0.00,0.00\n10.00,0.00\n10.00,5.00\n");
}
