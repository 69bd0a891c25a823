#include "dialogs/baseboard_shape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "document/layout_reader.h"
#include "geometry/typed_number.h"

namespace {

constexpr std::array<const char*, kBaseboardShapeCount> kShapeNames = {
    "Rectangle",
    "L-Shape",
    "U-Shape",
    "T-Shape",
    "Custom polygon (vertices)",
    "Free-form (draw on canvas)",
    "Clear (no baseboard)",
};

bool isParametric(BaseboardShape shape) {
    return static_cast<int>(shape) <= static_cast<int>(BaseboardShape::TShape);
}

double storedDimension(const Baseboard& board, size_t row) {
    const std::array<double, 4> stored{board.w_mm, board.h_mm, board.w2_mm, board.h2_mm};
    return row < stored.size() ? stored[row] : 0.0;
}

// A typed line as the message quotes it: a pasted page is cut short.
std::string quoted(std::string_view line) {
    constexpr size_t kShown = 30;
    const std::string text(line.substr(0, kShown));
    return "\"" + text + (line.size() > kShown ? "...\"" : "\"");
}

}  // namespace

const char* baseboardShapeName(BaseboardShape shape) {
    const int index = std::clamp(static_cast<int>(shape), 0, kBaseboardShapeCount - 1);
    return kShapeNames[static_cast<size_t>(index)];
}

BaseboardForm baseboardForm(BaseboardShape shape) {
    switch (shape) {
        case BaseboardShape::Rectangle:
            return {"Simple rectangular baseboard:",
                    {{"Width (left to right):", 2400.0}, {"Depth (top to bottom):", 1200.0}}};
        case BaseboardShape::LShape:
            return {
                "L-Shape: full rectangle minus bottom-right corner.\n"
                "W1/H1 = full size,  W2/H2 = cutout (bottom-right).",
                {{"Full width  W1:", 2400.0},
                 {"Full depth  H1:", 2400.0},
                 {"Cutout width  W2:", 1200.0},
                 {"Cutout depth  H2:", 1200.0}}};
        case BaseboardShape::UShape:
            return {
                "U-Shape: rectangle with notch cut from bottom centre.\n"
                "W/H = outer size,  W2/H2 = notch (centred on bottom).",
                {{"Outer width  W:", 3600.0},
                 {"Outer depth  H:", 2400.0},
                 {"Notch width  W2:", 1200.0},
                 {"Notch depth  H2:", 1200.0}}};
        case BaseboardShape::TShape:
            return {
                "T-Shape: wide top bar plus narrower stem below.\n"
                "W/H1 = top bar,  W2/H2 = stem (centred).",
                {{"Top width  W:", 3600.0},
                 {"Top depth  H1:", 1200.0},
                 {"Stem width  W2:", 1200.0},
                 {"Stem depth  H2:", 1200.0}}};
        case BaseboardShape::CustomPolygon:
            return {
                "Enter polygon vertices as  x,y  pairs, one per line.\n"
                "Values are in the unit selected above.\n"
                "Example (mm):  0,0  /  2400,0  /  2400,1200  /  0,1200",
                {}};
        case BaseboardShape::FreeForm:
            return {
                "Click OK and then click vertices on the canvas to outline the baseboard.\n"
                "Close the shape by clicking near the first vertex or pressing Enter.\n"
                "Backspace removes the last vertex; Escape cancels.",
                {}};
        case BaseboardShape::Clear:
            break;
    }
    return {"Remove the baseboard outline from the canvas.", {}};
}

BaseboardShape initialBaseboardShape(const Baseboard& board) {
    if (board.lastShape < 0 || board.lastShape >= kBaseboardShapeCount) {
        return BaseboardShape::Rectangle;
    }
    return static_cast<BaseboardShape>(board.lastShape);
}

std::vector<int> initialBaseboardFields(const Baseboard& board, BaseboardShape shape, Units units) {
    const bool stored = static_cast<int>(shape) == board.lastShape;
    const std::vector<BaseboardDimension> rows = baseboardForm(shape).dimensions;
    std::vector<int> fields;
    for (size_t row = 0; row < rows.size(); ++row) {
        const double mm = stored ? storedDimension(board, row) : rows[row].defaultMm;
        const double shown = std::round(toDisplay(mm, units));
        fields.push_back(static_cast<int>(
            std::clamp(shown, double{kBaseboardFieldMin}, double{kBaseboardFieldMax})));
    }
    return fields;
}

std::vector<Vec2> parametricBaseboard(BaseboardShape shape, double a, double b, double c,
                                      double d) {
    switch (shape) {
        case BaseboardShape::Rectangle:
            return {{0, 0}, {a, 0}, {a, b}, {0, b}};
        case BaseboardShape::LShape: {
            // The cutout always leaves at least a millimetre of board.
            const double cw = std::min(c, a - 1), cd = std::min(d, b - 1);
            return {{0, 0}, {a, 0}, {a, b - cd}, {a - cw, b - cd}, {a - cw, b}, {0, b}};
        }
        case BaseboardShape::UShape: {
            const double n = std::min(c, a - 2), m = std::min(d, b - 1);
            const double left = (a - n) / 2, right = (a + n) / 2;
            return {{0, 0},         {a, 0},        {a, b},    {right, b},
                    {right, b - m}, {left, b - m}, {left, b}, {0, b}};
        }
        case BaseboardShape::TShape: {
            const double s = std::min(c, a);
            const double left = (a - s) / 2, right = (a + s) / 2, e = b + std::max(1.0, d);
            return {{0, 0}, {a, 0}, {a, b}, {right, b}, {right, e}, {left, e}, {left, b}, {0, b}};
        }
        default:
            return {};
    }
}

std::string baseboardVertexText(const Baseboard& board, Units units) {
    char line[128];
    if (board.vertices.empty()) {
        const double w = toDisplay(2400.0, units), h = toDisplay(1200.0, units);
        std::snprintf(line, sizeof line, "0,0\n%.0f,0\n%.0f,%.0f\n0,%.0f\n", w, w, h, h);
        return line;
    }
    std::string text;
    for (const Vec2& v : board.vertices) {
        std::snprintf(line, sizeof line, "%.2f,%.2f\n", toDisplay(v.x, units),
                      toDisplay(v.y, units));
        text += line;
    }
    return text;
}

VertexListEntry readVertexList(const std::string& text, Units units) {
    VertexListEntry entry;
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string_view line = trimBlanks(raw);
        const size_t comma = line.find(',');
        if (line.empty() || comma == std::string_view::npos) {
            continue;
        }
        const std::optional<double> x = parseAmount(trimBlanks(line.substr(0, comma)));
        const std::optional<double> y = parseAmount(trimBlanks(line.substr(comma + 1)));
        if (!x || !y) {
            entry.problem = "Line " + std::to_string(number) + " " + quoted(line) +
                            " is not a pair of numbers x,y.";
            return entry;
        }
        const Vec2 mm{fromDisplay(*x, units), fromDisplay(*y, units)};
        if (std::abs(mm.x) > kFarthestMm || std::abs(mm.y) > kFarthestMm) {
            entry.problem = "Line " + std::to_string(number) + " " + quoted(line) +
                            " lies too far away (coordinates are limited to 100 km).";
            return entry;
        }
        entry.vertices.push_back(mm);
    }
    if (!entry.vertices.empty() && entry.vertices.size() < 3) {
        entry.problem =
            "A baseboard needs at least three vertices. Leave the list empty to remove it.";
    }
    return entry;
}

BaseboardApply applyBaseboardInput(const Baseboard& current, const BaseboardInput& input,
                                   Units units) {
    BaseboardApply result;
    result.board = current;
    result.board.lastShape = static_cast<int32_t>(input.shape);
    if (input.shape == BaseboardShape::FreeForm) {
        result.freeForm = true;
        return result;
    }
    if (input.shape == BaseboardShape::CustomPolygon) {
        VertexListEntry typed = readVertexList(input.vertexText, units);
        result.problem = std::move(typed.problem);
        result.board.vertices = std::move(typed.vertices);
        return result;
    }
    if (input.shape == BaseboardShape::Clear) {
        result.board.vertices.clear();
        return result;
    }
    const size_t rows = baseboardForm(input.shape).dimensions.size();
    const bool valid = input.dimensions.size() == rows &&
                       std::all_of(input.dimensions.begin(), input.dimensions.end(), [](int v) {
                           return v >= kBaseboardFieldMin && v <= kBaseboardFieldMax;
                       });
    if (!valid || !isParametric(input.shape)) {
        result.problem = "Please enter valid dimensions.";
        return result;
    }
    std::array<double*, 4> stored{&result.board.w_mm, &result.board.h_mm, &result.board.w2_mm,
                                  &result.board.h2_mm};
    for (size_t row = 0; row < rows; ++row) {
        *stored[row] = fromDisplay(input.dimensions[row], units);
    }
    const Baseboard& b = result.board;
    result.board.vertices = parametricBaseboard(input.shape, b.w_mm, b.h_mm, b.w2_mm, b.h2_mm);
    return result;
}
