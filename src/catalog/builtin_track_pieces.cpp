// The built-in track catalog: every piece of the six track systems that have pieces, as data
// tables with one row per piece in catalog order. The order matters: the automatic fillers scan
// the catalog front to back and break ties by position.

#include "catalog/track_catalog.h"

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/track_shapes.h"

namespace {

/// How a row's connectors are made (see buildPiece).
enum class Rule : uint8_t {
    S,       ///< straight of length L
    C,       ///< curve of radius R through a degrees (length = arc length)
    TLeft,   ///< turnout branching to -y: straight L, branch radius R, nominal angle a
    TRight,  ///< turnout branching to +y
    B,       ///< bumper of length L, one connector
    X,       ///< symmetric crossing of length L at angle a (R is stored only)
    D,       ///< double slip: connectors as a crossing
    OLeft,   ///< offset curved turnout to -y: lead L, radius R, angle a
    ORight,  ///< offset curved turnout to +y
    E,       ///< connectors listed in kExplicitPieces
    Ring,    ///< turntable: ring of connectors from kTurntables
    CopyOf,  ///< copy of an earlier row's definition under a new article, name and system
};

/// Flags and per-connector systems a row may carry besides its shape.
struct Marks {
    bool bridge = false;
    bool ramp = false;
    bool uncoupler = false;  ///< built as a straight, then given kind Uncoupler
    int systemA = -1;        ///< adapters: system of connector 0, -1 when none
    int systemB = -1;        ///< adapters: system of connector 1
};

constexpr Marks kNoMarks{};
constexpr Marks kBridge{true, false, false, -1, -1};
constexpr Marks kBridgeRamp{true, true, false, -1, -1};
constexpr Marks kUncoupler{false, false, true, -1, -1};
constexpr Marks adapter(int a, int b) {
    return Marks{false, false, false, a, b};
}

/// One catalog row. L, R in mm, a in degrees, all as written for the rule (a always positive).
struct PieceRow {
    const char* article;
    TrackSystem system;
    const char* name;
    Rule rule;
    double L;
    double R;
    double a;
    Marks marks;
    const char* source;  ///< CopyOf: article of the copied definition
};

// One short constructor per rule, so that each table row reads like the catalog line it stands
// for: article, system id, name, then the rule's numbers.
constexpr PieceRow S(const char* art, TrackSystem sys, const char* name, double L,
                     Marks m = kNoMarks) {
    return {art, sys, name, Rule::S, L, 0.0, 0.0, m, nullptr};
}
constexpr PieceRow C(const char* art, TrackSystem sys, const char* name, double R, double a,
                     Marks m = kNoMarks) {
    return {art, sys, name, Rule::C, 0.0, R, a, m, nullptr};
}
constexpr PieceRow TLeft(const char* art, TrackSystem sys, const char* name, double L, double R,
                         double a) {
    return {art, sys, name, Rule::TLeft, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow TRight(const char* art, TrackSystem sys, const char* name, double L, double R,
                          double a) {
    return {art, sys, name, Rule::TRight, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow B(const char* art, TrackSystem sys, const char* name, double L) {
    return {art, sys, name, Rule::B, L, 0.0, 0.0, kNoMarks, nullptr};
}
constexpr PieceRow X(const char* art, TrackSystem sys, const char* name, double L, double R,
                     double a) {
    return {art, sys, name, Rule::X, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow D(const char* art, TrackSystem sys, const char* name, double L, double R,
                     double a) {
    return {art, sys, name, Rule::D, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow OLeft(const char* art, TrackSystem sys, const char* name, double L, double R,
                         double a) {
    return {art, sys, name, Rule::OLeft, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow ORight(const char* art, TrackSystem sys, const char* name, double L, double R,
                          double a) {
    return {art, sys, name, Rule::ORight, L, R, a, kNoMarks, nullptr};
}
constexpr PieceRow E(const char* art, TrackSystem sys, const char* name) {
    return {art, sys, name, Rule::E, 0.0, 0.0, 0.0, kNoMarks, nullptr};
}
constexpr PieceRow Ring(const char* art, TrackSystem sys, const char* name) {
    return {art, sys, name, Rule::Ring, 0.0, 0.0, 0.0, kNoMarks, nullptr};
}
constexpr PieceRow CopyOf(const char* art, TrackSystem sys, const char* name, const char* source) {
    return {art, sys, name, Rule::CopyOf, 0.0, 0.0, 0.0, kNoMarks, source};
}

// System ids: 0 C-Track, 1 K-Track, 2 Z-Track, 3 TRIX C-Track, 7 Gauge 1, 8 M-Track.
// Names are stored exactly as sold, with their inch fractions and degree signs.
// clang-format off
constexpr PieceRow kPieceRows[] = {
    // C-Track
    S("24188", 0, "24188 - 188.3mm", 188.3),
    S("24172", 0, "24172 - 171.7mm", 171.7),
    S("24360", 0, "24360 - 360mm", 360),
    S("74636", 0, "74636 Arch Bridge 360mm", 360, kBridge),
    S("74620", 0, "74620 Truss Bridge 180mm", 188.3, kBridge),
    C("74623", 0, "74623 Curved Ramp R2 30deg", 437.5, 30, kBridgeRamp),
    C("74613", 0, "74613 Curved Ramp R1 30deg", 360, 30, kBridgeRamp),
    S("74618", 0, "74618 Straight Ramp 180mm", 180, kBridgeRamp),
    S("24229", 0, "24229 - 229.3mm", 229.3),
    S("24236", 0, "24236 - 236.1mm", 236.1),
    S("24094", 0, "24094 - 94.2mm", 94.2),
    S("24077", 0, "24077 - 77.5mm", 77.5),
    S("24071", 0, "24071 - 70.8mm", 70.8),
    S("24064", 0, "24064 - 64.3mm", 64.3),
    C("24130", 0, "24130 (30°) R1 - 360mm (14-3/16)", 360, 30),
    C("24230", 0, "24230 (30°) R2 - 437.5mm (17-1/4)", 437.5, 30),
    C("24330", 0, "24330 (30°) R3 - 515mm (20-1/4)", 515, 30),
    C("24315", 0, "24315 (15°) R3 - 515mm (20-1/4)", 515, 15),
    C("24430", 0, "24430 (30°) R4 - 579.3mm (22-13/16)", 579.3, 30),
    C("24530", 0, "24530 (30°) R5 - 643.6mm (25-11/32)", 643.6, 30),
    C("24115", 0, "24115 (15°) R1 - 360mm (14-3/16)", 360, 15),
    C("24107", 0, "24107 (7.5°) R1 - 360mm (14-3/16)", 360, 7.5),
    C("24224", 0, "24224 (24.3°) R2 - 437.5mm (17-1/4)", 437.5, 24.3),
    C("24206", 0, "24206 (5.7°) R2 - 437.5mm (17-1/4)", 437.5, 5.7),
    C("24207", 0, "24207 (7.5°) R2 - 437.5mm (17-1/4)", 437.5, 7.5),
    C("24294", 0, "24294 (15°) R2 - 437.5mm (17-1/4) Circuit", 437.5, 15),
    S("24994", 0, "24994 - 94.2mm Circuit", 94.2),
    C("24215", 0, "24215 (15°) R2 - 437.5mm (17-1/4)", 437.5, 15),
    C("24912", 0, "24912 (12.1°) R9 - 1114.6mm (43-7/8)", 1114.6, 12.1),
    E("24611", 0, "24611 Left Turnout R2=437.5mm 24.3°"),
    E("24612", 0, "24612 Right Turnout R2=437.5mm 24.3°"),
    E("24630", 0, "24630 Three-Way Turnout 2x24.3°"),
    E("24671", 0, "24671 Left Curved Turnout (R360)"),
    E("24672", 0, "24672 Right Curved Turnout (R360)"),
    E("24740", 0, "24740 Wide-Angle Crossing 12.1° 236.1mm"),
    E("24649", 0, "24649 Crossing 48.6° 103.3mm"),
    E("24640", 0, "24640 Crossing 24.3° 188.3mm"),
    E("24624", 0, "24624 Double Slip Switch 24.3°"),
    E("24720", 0, "24720 Double Slip Switch slim 12.1°"),
    E("24711", 0, "24711 Slim Left Turnout (R1114.6, 236.1mm)"),
    E("24712", 0, "24712 Slim Right Turnout (R1114.6, 236.1mm)"),
    E("24771", 0, "24771 Slim Left Curved Turnout (R515)"),
    E("24772", 0, "24772 Slim Right Curved Turnout (R515)"),
    E("24977", 0, "24977 Bumper Stop"),
    E("24978", 0, "24978 Bumper Stop with Light"),
    S("24997", 0, "24997 Uncoupler 94.2mm", 94.2),
    S("24922", 0, "24922 Adapter C-Track to K-Track 180mm", 180, adapter(0, 1)),
    S("24951", 0, "24951 Adapter C-Track to M-Track 180mm", 180, adapter(0, 8)),
    Ring("74861", 0, "74861 Turntable (pit 278mm)"),
    E("74871", 0, "74871 Turntable Spoke Extension 57.5mm"),
    // TRIX C-Track
    S("62064", 3, "62064 Straight 64.3mm / 2-9/16\"", 64.3),
    S("62071", 3, "62071 Straight 70.8mm / 2-13/16\"", 70.8),
    S("62077", 3, "62077 Straight 77.5mm / 3-1/16\"", 77.5),
    S("62094", 3, "62094 Straight 94.2mm / 3-3/4\"", 94.2),
    S("62172", 3, "62172 Straight 171.7mm / 6-3/4\"", 171.7),
    S("62188", 3, "62188 Straight 188.3mm / 7-3/8\"", 188.3),
    S("62229", 3, "62229 Straight 229.3mm / 9\"", 229.3),
    S("62236", 3, "62236 Straight 236.1mm / 9-5/16\"", 236.1),
    S("62360", 3, "62360 Straight 360mm / 14-3/16\"", 360),
    C("62107", 3, "62107 (7.5deg) R1 - 360mm", 360, 7.5),
    C("62115", 3, "62115 (15deg) R1 - 360mm", 360, 15),
    C("62130", 3, "62130 (30deg) R1 - 360mm", 360, 30),
    C("62206", 3, "62206 (5.7deg) R2 - 437.5mm", 437.5, 5.7),
    C("62207", 3, "62207 (7.5deg) R2 - 437.5mm", 437.5, 7.5),
    C("62215", 3, "62215 (15deg) R2 - 437.5mm", 437.5, 15),
    C("62224", 3, "62224 (24.3deg) R2 - 437.5mm", 437.5, 24.3),
    C("62230", 3, "62230 (30deg) R2 - 437.5mm", 437.5, 30),
    C("62315", 3, "62315 (15deg) R3 - 515mm", 515, 15),
    C("62330", 3, "62330 (30deg) R3 - 515mm", 515, 30),
    C("62912", 3, "62912 (12.1deg) R9 - 1114.6mm", 1114.6, 12.1),
    E("62611", 3, "62611 Left Turnout R2=437.5mm 24.3deg"),
    E("62612", 3, "62612 Right Turnout R2=437.5mm 24.3deg"),
    E("62671", 3, "62671 Left Curved Turnout"),
    E("62672", 3, "62672 Right Curved Turnout"),
    E("62630", 3, "62630 Three-Way Turnout 2x24.3deg"),
    CopyOf("62624", 3, "62624 Double Slip Switch 24.3deg", "24624"),
    E("62977", 3, "62977 Track End with Bumper 80.5mm"),
    S("62997", 3, "62997 Uncoupler Track 94.2mm", 94.2),
    S("74636T", 3, "74636 Arch Bridge 360mm (Trix)", 360, kBridge),
    S("74620T", 3, "74620 Truss Bridge 180mm (Trix)", 188.3, kBridge),
    S("74618T", 3, "74618 Straight Ramp 180mm (Trix)", 180, kBridgeRamp),
    C("74623T", 3, "74623 Curved Ramp R2 30deg (Trix)", 437.5, 30, kBridgeRamp),
    C("74613T", 3, "74613 Curved Ramp R1 30deg (Trix)", 360, 30, kBridgeRamp),
    // Z-Track
    S("8500", 2, "8500 Straight 110mm / 4-3/8\"", 110),
    S("8501", 2, "8501 Straight 55mm / 2-3/16\" (half)", 55),
    S("8502", 2, "8502 Straight 27.5mm / 1-1/8\" (qtr)", 27.5),
    S("8503", 2, "8503 Straight 55mm / 2-3/16\"", 55),
    S("8504", 2, "8504 Straight 25mm / 1\"", 25),
    S("8505", 2, "8505 Straight 220mm / 8-13/16\"", 220),
    S("8506", 2, "8506 Straight 112.8mm / 4-7/16\"", 112.8),
    S("8507", 2, "8507 Straight 112.8mm / 4-7/16\"", 112.8),
    S("8587", 2, "8587 Uncoupler 55mm / 2-3/16\"", 55),
    S("8588", 2, "8588 Isolating Track 55mm / 2-3/16\"", 55),
    S("8590", 2, "8590 Feeder Track 110mm / 4-3/8\"", 110),
    S("8598", 2, "8598 Isolating Track 55mm / 2-3/16\"", 55),
    C("8510", 2, "8510 Curve R1=145mm 45deg", 145, 45),
    C("8511", 2, "8511 Curve R1=145mm 30deg", 145, 30),
    C("8520", 2, "8520 Curve R2=195mm 45deg", 195, 45),
    C("8521", 2, "8521 Curve R2=195mm 30deg", 195, 30),
    C("8529", 2, "8529 Circuit Curve R2=195mm 45deg", 195, 45),
    C("8530", 2, "8530 Curve R3=220mm 45deg", 220, 45),
    C("8531", 2, "8531 Curve R3=220mm 30deg", 220, 30),
    C("8539", 2, "8539 Circuit Curve R3=220mm 45deg", 220, 45),
    C("8591", 2, "8591 Turnout Branch Curve R4=490mm 13deg", 490, 13),
    TLeft("8562", 2, "8562 Electric Left Turnout 110mm 13deg", 110, 490, 13),
    TRight("8563", 2, "8563 Electric Right Turnout 110mm 13deg", 110, 490, 13),
    TLeft("8565", 2, "8565 Manual Left Turnout 110mm 13deg", 110, 490, 13),
    TRight("8566", 2, "8566 Manual Right Turnout 110mm 13deg", 110, 490, 13),
    OLeft("8568", 2, "8568 Electric Left Curved Turnout R=195mm 30deg", 25, 195, 30),
    ORight("8569", 2, "8569 Electric Right Curved Turnout R=195mm 30deg", 25, 195, 30),
    X("8559", 2, "8559 Crossing 112.8mm 13deg", 112.8, 0, 13),
    E("8560", 2, "8560 Double Slip Switch 13°"),
    E("8991", 2, "8991 Track Bumper 15mm"),
    S("8975", 2, "8975 Arch Bridge 220mm", 220, kBridge),
    S("89759", 2, "89759 Girder Bridge 110mm", 110, kBridge),
    S("8976", 2, "8976 Straight Ramp 110mm", 110, kBridgeRamp),
    C("8977", 2, "8977 Curved Ramp R1=145mm 45deg", 145, 45, kBridgeRamp),
    // K-Track (with the M-Track bridges and ramps)
    S("2200", 1, "2200 Straight Track Length 180 mm / 7-3/32\"", 180),
    S("2201", 1, "2201 Straight Track Length 90 mm / 3-9/16\"", 90),
    S("2202", 1, "2202 Straight Track Length 45 mm / 1-3/4\"", 45),
    S("2203", 1, "2203 Straight Track Length 30 mm / 1-3/16\"", 30),
    S("2204", 1, "2204 Straight Track Length 22.5 mm / 7/8\"", 22.5),
    S("2205", 1, "2205 Flex Track Length 900 mm / 35-7/16\"", 900),
    S("2206", 1, "2206 Straight Track Length 168.9 mm / 6-5/8\"", 168.9),
    S("2207", 1, "2207 Straight Track Length 156 mm / 6-1/8\"", 156),
    S("2208", 1, "2208 Straight Track Length 35.1 mm / 1-3/8\"", 35.1),
    S("2209", 1, "2209 Straight Track Length 217.9 mm / 8-9/16\"", 217.9),
    S("2293", 1, "2293 Straight Track Length 41.3 mm / 1-5/8\"", 41.3),
    S("2290", 1, "2290 Straight Feeder Track Length 180 mm / 7-3/32\"", 180),
    S("2291", 1, "2291 Adapter Track for M Track Length 180 mm / 7-3/32\"", 180, adapter(1, 8)),
    S("2292", 1, "2292 Straight Feeder Track Length 180 mm / 7-3/32\"", 180),
    S("2295", 1, "2295 Contact Track Set Length 2 x 90 mm / 3-9/16\"", 90),
    S("2297", 1, "2297 Straight Uncoupler Track Length 90 mm / 3-9/16\"", 90),
    S("2299", 1, "2299 Straight Circuit Track Length 90 mm / 3-9/16\"", 90),
    C("2210", 1, "2210 Industrial Curve 30deg (360mm)", 360, 30),
    C("2229", 1, "2229 Curved Circuit Track Radius 360 mm", 360, 15),
    C("2221", 1, "2221 Standard Curve 30deg (360mm)", 360, 30),
    C("2223", 1, "2223 Standard Curve 15deg (360mm)", 360, 15),
    C("2224", 1, "2224 Standard Curve 30deg (360mm)", 360, 30),
    C("2239", 1, "2239 Curved Circuit Track Radius 424.6 mm / 16-3/4\"", 424.6, 15),
    C("2231", 1, "2231 Standard Curve II 30deg (424.6mm)", 424.6, 30),
    C("2232", 1, "2232 Standard Curve II 22deg (424.6mm)", 424.6, 22.5),
    C("2233", 1, "2233 Standard Curve II 15deg (424.6mm)", 424.6, 15),
    C("2234", 1, "2234 Standard Curve II 7deg (424.6mm)", 424.6, 7),
    C("2235", 1, "2235 Standard Curve II 3deg (424.6mm)", 424.6, 3),
    C("2241", 1, "2241 Large Curve 30deg (553.9mm)", 553.9, 30),
    C("2251", 1, "2251 Large Curve 30deg (618.5mm)", 618.5, 30),
    C("2274", 1, "2274 Curved Track 14deg (pairs with 22715/16)", 902.4, 14.4382),
    E("2257", 1, "2257 Crossing Length 225 mm / 8-7/8\""),
    E("2258", 1, "2258 Crossing Length 90 mm / 3-9/16\""),
    E("2259", 1, "2259 Crossing Length 168.9 mm / 6-5/8\""),
    TLeft("2262", 1, "2262 Left Turnout Length 168.9 mm / 6-5/8\"", 168.9, 424.6, 22.5),
    TRight("2263", 1, "2263 Right Turnout Length 168.9 mm / 6-5/8\"", 168.9, 424.6, 22.5),
    TLeft("2265", 1, "2265 Left Turnout Length 168.9 mm / 6-5/8\" (manual)", 168.9, 424.6, 22.5),
    TRight("2266", 1, "2266 Right Turnout Length 168.9 mm / 6-5/8\" (manual)", 168.9, 424.6, 22.5),
    E("2269", 1, "2269 Right Curved Turnout Outer Curve 30° Spacing 64.6 mm / 2-1/2\""),
    E("2268", 1, "2268 Left Curved Turnout Outer Curve 30° Spacing 64.6 mm / 2-1/2\""),
    E("2270", 1, "2270 Symmetrical Three-Way Turnout Length 168.9 mm / Radius 424.6 mm / 16-3/4\""),
    TLeft("22715", 1, "22715 Left Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"", 225, 902.4, 14.4382),
    TRight("22716", 1, "22716 Right Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"", 225, 902.4, 14.4382),
    E("2260", 1, "2260 Double Slip Switch Length 168.9 mm / 6-5/8\""),
    E("2275", 1, "2275 Double Slip Switch Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\""),
    B("7389", 1, "7389 Track Bumper", 60),
    B("7391", 1, "7391 Track Bumper", 40),
    S("7263", 1, "7263 Arch Bridge 360mm", 360, kBridge),
    S("7262", 1, "7262 Truss Bridge 180mm", 180, kBridge),
    C("7569", 1, "7569 Curved Ramp R2 30deg", 424.6, 30, kBridgeRamp),
    C("7267", 1, "7267 Curved Ramp R1 45deg", 360, 45, kBridgeRamp),
    S("7268", 1, "7268 Straight Ramp 180mm", 180, kBridgeRamp),
    S("7263M", 8, "7263 Arch Bridge 360mm (M)", 360, kBridge),
    S("7262M", 8, "7262 Truss Bridge 180mm (M)", 180, kBridge),
    C("7267M", 8, "7267 Curved Ramp R1 45deg (M)", 360, 45, kBridgeRamp),
    S("7268M", 8, "7268 Straight Ramp 180mm (M)", 180, kBridgeRamp),
    Ring("7286", 1, "7286 Turntable (pit 386mm)"),
    E("7287", 1, "7287 Turntable Spoke Extension 57.5mm"),
    // Gauge 1
    S("59051", 7, "59051 Straight 59.5mm / 2-5/16\"", 59.5),
    S("59052", 7, "59052 Straight 79mm / 3-1/8\"", 79),
    S("59053", 7, "59053 Straight 100mm / 3-15/16\"", 100),
    S("59054", 7, "59054 Straight 116mm / 4-9/16\"", 116),
    S("59055", 7, "59055 Straight 150mm / 5-7/8\"", 150),
    S("59056", 7, "59056 Straight 152.2mm (diagonal)", 152.2),
    S("59057", 7, "59057 Straight 200mm / 7-7/8\"", 200),
    S("59058", 7, "59058 Straight 300mm / 11-13/16\"", 300),
    S("59059", 7, "59059 Straight 600mm / 23-5/8\"", 600),
    S("59061", 7, "59061 Straight 900mm / 35-7/16\"", 900),
    C("59035", 7, "59035 Curve R1=1020mm 22.5°", 1020, 22.5),
    C("59072", 7, "59072 Curve R2=1176mm 22.5°", 1176, 22.5),
    C("59073", 7, "59073 Curve R3=1394mm 22.5°", 1394, 22.5),
    C("59075", 7, "59075 Curve R3=1394mm 15°", 1394, 15),
    C("59074", 7, "59074 Curve R4=1550mm 15°", 1550, 15),
    C("59076", 7, "59076 Curve R4=1550mm 22.5°", 1550, 22.5),
    C("59077", 7, "59077 Curve R5=1715mm 22.5°", 1715, 22.5),
    C("59078", 7, "59078 Curve R6=2321mm 10°", 2321, 10),
    C("59071", 7, "59071 Curve R7=2461mm 10°", 2461, 10),
    C("59092", 7, "59092 Turnout End Piece R1394mm 15°", 1394, 15),
    TRight("59087", 7, "59087 Right Turnout R1394mm 15°", 360.8, 1394, 15),
    TLeft("59088", 7, "59088 Left Turnout R1394mm 15°", 360.8, 1394, 15),
    TRight("59083", 7, "59083 Right Slim Turnout Set R2321mm 10°", 402.9, 2321, 10),
    TLeft("59084", 7, "59084 Left Slim Turnout Set R2321mm 10°", 402.9, 2321, 10),
    E("59085", 7, "59085 Left Curved Turnout R1394/1550mm 22.5°"),
    E("59086", 7, "59086 Right Curved Turnout R1394/1550mm 22.5°"),
    E("59091", 7, "59091 Three-Way Turnout R1394mm 15°"),
    E("59093", 7, "59093 Double Slip Switch R1394mm 22.5°"),
    E("59094", 7, "59094 Double Crossover R1394mm 22.5°"),
    B("5602", 7, "5602 Track Bumper", 100),
    B("59099", 7, "59099 Old-Timer Track Bumper", 100),
    // M-Track
    S("5106", 8, "5106 Straight 180mm", 180),
    S("5107", 8, "5107 Straight 90mm", 90),
    S("5129", 8, "5129 Straight 70mm", 70),
    S("5108", 8, "5108 Straight 45mm", 45),
    S("5109", 8, "5109 Straight 33.8mm", 33.8),
    S("5110", 8, "5110 Straight 22.5mm", 22.5),
    S("5210", 8, "5210 Straight 16mm", 16),
    S("5208", 8, "5208 Straight 8mm", 8),
    S("5105", 8, "5105 Contact Track 180mm", 180),
    S("5145", 8, "5145 Contact Track 90mm", 90),
    S("5112", 8, "5112 Uncoupler Track 90mm", 90, kUncoupler),
    C("5120", 8, "5120 Curve R0=286mm 30°", 286, 30),
    C("5100", 8, "5100 Curve R1=360mm 30°", 360, 30),
    C("5101", 8, "5101 Curve R1=360mm 15°", 360, 15),
    C("5102", 8, "5102 Curve R1=360mm 7.5°", 360, 7.5),
    C("5200", 8, "5200 Curve R2=437.4mm 30°", 437.4, 30),
    C("5201", 8, "5201 Curve R2=437.4mm 15°", 437.4, 15),
    C("5206", 8, "5206 Curve R2 Compensation 24.17°", 437.4, 24.17),
    C("5205", 8, "5205 Curve R2 Comp Extension 5.83°", 437.4, 5.83),
    C("5208C", 8, "5208C Lean Compensation Curve 1.1°", 416.7, 1.1),
    TLeft("5117", 8, "5117 Left Turnout R1 30° Electric", 180, 360, 30),
    TLeft("5118", 8, "5118 Left Turnout R1 30°", 180, 360, 30),
    TRight("5119", 8, "5119 Right Turnout R1 30°", 180, 360, 30),
    TLeft("5121", 8, "5121 Left Turnout R1 30° Manual", 180, 360, 30),
    TLeft("5122", 8, "5122 Left Turnout R1 30° Manual", 180, 360, 30),
    TRight("5123", 8, "5123 Right Turnout R1 30° Manual", 180, 360, 30),
    TLeft("3600", 8, "3600 Turnout R1 30°", 180, 360, 30),
    TLeft("5137", 8, "5137 Turnout R1 3/4 Electric", 180, 360, 22.5),
    TLeft("5202", 8, "5202 Turnout R2 24.17° Electric", 179.1, 437.4, 24.17),
    TLeft("5203", 8, "5203 Left Turnout R2 24.17° Electric", 179.1, 437.4, 24.17),
    TRight("5204", 8, "5204 Right Turnout R2 24.17° Electric", 179.1, 437.4, 24.17),
    TLeft("5221", 8, "5221 Turnout R2 24.17° Manual", 179.1, 437.4, 24.17),
    ORight("5142", 8, "5142 Right Curved Turnout R360 30deg", 77.4, 360, 30),
    OLeft("5143", 8, "5143 Left Curved Turnout R360 30deg", 77.4, 360, 30),
    X("5114", 8, "5114 Crossing 30° 193mm", 193, 360, 30),
    X("5211", 8, "5211 Crossing 48.5° 98mm", 98, 360, 48.5),
    X("5215", 8, "5215 Crossing 23.27° 180mm", 180, 437.4, 23.267),
    D("5207", 8, "5207 Double Slip 23.27° Electric", 180, 437.4, 23.267),
    D("5128", 8, "5128 Double Slip R360 30° Electric", 193, 360, 30),
    E("5214", 8, "5214 Three-Way Turnout R2 24.17°"),
    B("5190", 8, "5190 Track Bumper", 90),
    B("5191", 8, "5191 Track Bumper Remote", 90),
};
// clang-format on

static_assert(std::size(kPieceRows) == 248, "the built-in catalog has 248 pieces");

/// A connector as listed for an explicit piece: (x, y) in mm, outward heading in degrees.
struct Xyh {
    double x;
    double y;
    double heading;
};

/// A piece whose connectors are listed rather than computed (rule E). length and radius in mm,
/// angle in degrees, as stored in the definition.
struct ExplicitPiece {
    const char* article;
    PieceKind kind;
    double length;
    double radius;
    double angle;
    std::vector<Xyh> connectors;
};

// Three-way turnouts, curved turnouts, slips and some crossings and bumpers: their connectors are
// listed as measured, in index order, rather than computed from a rule.
const std::vector<ExplicitPiece>& explicitPieces() {
    // clang-format off
    static const std::vector<ExplicitPiece> pieces = {
        {"24611", PieceKind::LeftTurnout, 188.3, 437.5, -24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}},
        {"24612", PieceKind::RightTurnout, 188.3, 437.5, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}},
        {"24630", PieceKind::LeftTurnout, 188.3, 437.5, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}},
        {"24671", PieceKind::CurvedTurnout, 257.5, 360, -30, {{0, 0, 180}, {180, -48.2, 330}, {257.5, -48.2, 330}}},
        {"24672", PieceKind::CurvedTurnout, 257.5, 360, 30, {{0, 0, 180}, {180, 48.2, 30}, {257.5, 48.2, 30}}},
        {"24740", PieceKind::Crossing, 236.1, 0, 12.1, {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}},
        {"24649", PieceKind::Crossing, 103.3, 0, 48.6, {{0, 0, 180}, {103.3, 0, 0}, {17.49, -38.74, 228.6}, {85.81, 38.74, 48.6}}},
        {"24640", PieceKind::Crossing, 188.3, 0, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}},
        {"24624", PieceKind::DoubleSlip, 188.3, 437.4, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}},
        {"24720", PieceKind::DoubleSlip, 236.1, 1114.6, 12.1, {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}},
        {"24711", PieceKind::LeftTurnout, 236.1, 1114.6, -12.1, {{0, 0, 180}, {236.1, 0, 0}, {233.485, -24.729, 347.908}}},
        {"24712", PieceKind::RightTurnout, 236.1, 1114.6, 12.1, {{0, 0, 180}, {236.1, 0, 0}, {233.485, 24.729, 12.092}}},
        {"24771", PieceKind::CurvedTurnout, 321.5, 515, -30, {{0, 0, 180}, {257.5, -69, 330}, {321.5, -69, 330}}},
        {"24772", PieceKind::CurvedTurnout, 321.5, 515, 30, {{0, 0, 180}, {257.5, 69, 30}, {321.5, 69, 30}}},
        {"24977", PieceKind::BufferStop, 48.3, 0, 0, {{0, 0, 180}}},
        {"24978", PieceKind::BufferStop, 48.3, 0, 0, {{0, 0, 180}}},
        {"74871", PieceKind::Straight, 57.5, 0, 0, {{0, 0, 180}, {57.5, 0, 0}}},
        {"62611", PieceKind::LeftTurnout, 188.3, 437.5, -24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}},
        {"62612", PieceKind::RightTurnout, 188.3, 437.5, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}},
        {"62671", PieceKind::CurvedTurnout, 257.5, 437.5, -24.3, {{0, 0, 180}, {180, -38.76, 335.7}, {257.5, -38.76, 335.7}}},
        {"62672", PieceKind::CurvedTurnout, 257.5, 437.5, 24.3, {{0, 0, 180}, {180, 38.76, 24.3}, {257.5, 38.76, 24.3}}},
        {"62630", PieceKind::LeftTurnout, 188.3, 437.5, 24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}},
        {"62977", PieceKind::BufferStop, 80.5, 0, 0, {{0, 0, 180}}},
        {"8560", PieceKind::DoubleSlip, 112.8, 501.4424, 13, {{0, 0, 180}, {112.8, 0, 0}, {0, -12.8519, 193}, {112.8, 12.8519, 13}}},
        {"8991", PieceKind::BufferStop, 15, 0, 0, {{0, 0, 180}}},
        {"2257", PieceKind::Crossing, 225, 0, 22.5, {{0, 0, 180}, {225, 0, 0}, {8.56, -43.05, 202.5}, {216.44, 43.05, 22.5}}},
        {"2258", PieceKind::Crossing, 90, 0, 45, {{0, 0, 180}, {90, 0, 0}, {13.18, -31.82, 225}, {76.82, 31.82, 45}}},
        {"2259", PieceKind::Crossing, 168.9, 0, 22.5, {{0, 0, 180}, {168.9, 0, 0}, {6.43, -32.32, 202.5}, {162.47, 32.32, 22.5}}},
        {"2269", PieceKind::OffsetCurvedTurnout, 64.6, 360, 30, {{0, 0, 180}, {180, 48.23, 30}, {244.6, 48.23, 30}}},
        {"2268", PieceKind::OffsetCurvedTurnout, 64.6, 360, -30, {{0, 0, 180}, {180, -48.23, 330}, {244.6, -48.23, 330}}},
        {"2270", PieceKind::LeftTurnout, 168.9, 424.6, 22.5, {{0, 0, 180}, {168.9, 0, 0}, {162.49, 32.32, 22.5}, {162.49, -32.32, 337.5}}},
        {"2260", PieceKind::DoubleSlip, 168.9, 424.6, 22.5, {{0, 0, 180}, {168.9, 0, 0}, {6.41, -32.32, 202.5}, {162.49, 32.32, 22.5}}},
        {"2275", PieceKind::DoubleSlip, 225, 902.4, 14.3, {{0, 0, 180}, {225, 0, 0}, {3.49, -27.79, 194.3}, {221.51, 27.79, 14.3}}},
        {"7287", PieceKind::Straight, 57.5, 0, 0, {{0, 0, 180}, {57.5, 0, 0}}},
        {"59085", PieceKind::OffsetCurvedTurnout, 59.5, 1550, -22.5, {{0, 0, 180}, {593.2, -118, 337.5}, {533.5, -106.1, 337.5}}},
        {"59086", PieceKind::OffsetCurvedTurnout, 59.5, 1550, 22.5, {{0, 0, 180}, {593.2, 118, 22.5}, {533.5, 106.1, 22.5}}},
        {"59091", PieceKind::LeftTurnout, 360.8, 1394, 15, {{0, 0, 180}, {360.8, 0, 0}, {360.8, 47.5, 15}, {360.8, -47.5, 345}}},
        {"59093", PieceKind::DoubleSlip, 533.5, 1394, 22.5, {{0, 0, 180}, {533.5, 0, 0}, {0, 106.1, 202.5}, {533.5, 106.1, 22.5}}},
        {"59094", PieceKind::DoubleSlip, 533.5, 1394, 22.5, {{0, 0, 180}, {533.5, 0, 0}, {0, 106.1, 202.5}, {533.5, 106.1, 22.5}}},
        {"5214", PieceKind::CurvedTurnout, 179.1, 437.4, 24.17, {{0, 0, 180}, {179.1, 0, 0}, {179.1, 38.3, 24.17}, {179.1, -38.3, 335.83}}},
    };
    // clang-format on
    return pieces;
}

/// A turntable: `count` connectors on a ring of `radius` mm every `spacing` degrees; length is the
/// overall size in mm.
struct TurntableRow {
    const char* article;
    double length;
    double radius;
    double spacing;
    int count;
};

constexpr TurntableRow kTurntables[] = {
    {"74861", 378.0, 139.0, 12.0, 30},
    {"7286", 386.0, 193.0, 7.5, 48},
};

/// Article aliases: the first name finds the definition of the second.
constexpr std::pair<const char*, const char*> kAliases[] = {
    {"62636", "74636T"},
    {"62620", "74620T"},
    {"62623", "74623T"},
    {"62613", "74613T"},
};

const ExplicitPiece* findExplicit(std::string_view article) {
    for (const ExplicitPiece& piece : explicitPieces()) {
        if (article == piece.article)
            return &piece;
    }
    return nullptr;
}

const TurntableRow* findTurntable(std::string_view article) {
    for (const TurntableRow& row : kTurntables) {
        if (article == row.article)
            return &row;
    }
    return nullptr;
}

/// The definition a row stands for. `catalog` holds the rows added so far (CopyOf reads it).
PieceDef buildPiece(const PieceRow& row, const TrackCatalog& catalog) {
    PieceDef def;
    if (row.rule == Rule::CopyOf) {
        // A copy keeps everything of its source (kind, numbers, connectors, flags) and changes
        // only what identifies it.
        if (const PieceDef* source = catalog.byArticle(row.source))
            def = *source;
    }
    def.article = row.article;
    def.name = row.name;
    def.system = row.system;

    switch (row.rule) {
        case Rule::S:
            def.kind = PieceKind::Straight;
            def.length = row.L;
            def.connectors = straightConnectors(row.L);
            break;
        case Rule::C:
            def.kind = PieceKind::Curve;
            def.length = curveArcLength(row.R, row.a);
            def.radius = row.R;
            def.angle = row.a;
            def.connectors = curveConnectors(row.R, row.a);
            break;
        case Rule::TLeft:
        case Rule::TRight: {
            const bool left = row.rule == Rule::TLeft;
            def.kind = left ? PieceKind::LeftTurnout : PieceKind::RightTurnout;
            def.length = row.L;
            def.radius = row.R;
            // The nominal angle is stored, not the branch angle actually reached when the
            // branch is cut back to the straight's length.
            def.angle = left ? -row.a : row.a;
            def.connectors = turnoutConnectors(row.L, row.R, row.a, left);
            break;
        }
        case Rule::B:
            def.kind = PieceKind::BufferStop;
            def.length = row.L;
            def.connectors = straightConnectors(row.L);
            def.connectors.resize(1);
            break;
        case Rule::X:
        case Rule::D:
            def.kind = row.rule == Rule::X ? PieceKind::Crossing : PieceKind::DoubleSlip;
            def.length = row.L;
            def.radius = row.R;
            def.angle = row.a;
            def.connectors = crossingConnectors(row.L, row.a);
            break;
        case Rule::OLeft:
        case Rule::ORight: {
            const bool left = row.rule == Rule::OLeft;
            def.kind = PieceKind::OffsetCurvedTurnout;
            def.length = row.L;
            def.radius = row.R;
            def.angle = left ? -row.a : row.a;
            def.connectors = offsetCurvedTurnoutConnectors(row.L, row.R, row.a, left);
            break;
        }
        case Rule::E:
            if (const ExplicitPiece* piece = findExplicit(row.article)) {
                def.kind = piece->kind;
                def.length = piece->length;
                def.radius = piece->radius;
                def.angle = piece->angle;
                for (const Xyh& c : piece->connectors) {
                    ConnectorDef conn;
                    conn.x = c.x;
                    conn.y = c.y;
                    conn.heading = c.heading;
                    conn.open = true;
                    conn.index = static_cast<int>(def.connectors.size());
                    def.connectors.push_back(conn);
                }
            }
            break;
        case Rule::Ring:
            if (const TurntableRow* table = findTurntable(row.article)) {
                def.kind = PieceKind::Turntable;
                def.length = table->length;
                def.radius = table->radius;
                def.angle = table->spacing;
                def.connectors = ringConnectors(table->count, table->radius, table->spacing);
            }
            break;
        case Rule::CopyOf:
            break;
    }

    const Marks& m = row.marks;
    if (m.bridge)
        def.isBridge = true;
    if (m.ramp)
        def.isRamp = true;
    if (m.uncoupler)
        def.kind = PieceKind::Uncoupler;
    if (m.systemA >= 0 && m.systemB >= 0) {
        def.connectorSystems = {static_cast<TrackSystem>(m.systemA),
                                static_cast<TrackSystem>(m.systemB)};
    }
    return def;
}

}  // namespace

void addBuiltinTrackPieces(TrackCatalog& catalog) {
    catalog.m_pieces.clear();
    catalog.m_articleIndex.clear();
    catalog.m_pieces.reserve(std::size(kPieceRows));
    for (const PieceRow& row : kPieceRows)
        catalog.add(buildPiece(row, catalog));
    // The TRIX numbers of the bridges and ramps find the TRIX definitions ("74636T" and so on).
    for (const auto& [alias, article] : kAliases)
        catalog.addAlias(alias, article);
}
