// The program itself run without a window on the layouts in tests/data: the parts list equals the
// tally the panel shows, --check names the line of a cut file, the pictures show the plan.

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include <wx/image.h>
#include <wx/listctrl.h>

#include "document/layout_file.h"
#include "files_test_fixture.h"
#include "panels/ui/properties_panel.h"
#include "canvas/plan_picture.h"
#include "render_support.h"

namespace fs = std::filesystem;

namespace {

struct ProgramRun {
    int code = -1;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

/// Runs the built program with `args`, each quoted for the shell.
ProgramRun runProgram(const std::vector<std::string>& args) {
    const fs::path errFile = testRoot() / "program-stderr.txt";
    std::string command = shellQuoted(RAILVANE_PROGRAM);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    command += " 2>" + shellQuoted(errFile.string());
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readWholeFile(errFile);
    return run;
}

/// The rows of a CSV text (RFC 4180), read back field by field.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            rows.back().back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().emplace_back();
        } else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last line end
    return rows;
}

std::string fixture(const char* name) {
    return std::string(RAILVANE_TEST_DATA) + "/" + name;
}

}  // namespace

TEST_F(FilesTest, PartsListOfTheProgramIsTheTallyThePanelShows) {
    for (const char* name : {"full_layout.tdl", "legacy_layout.xml"}) {
        const ProgramRun run = runProgram({"--parts", fixture(name)});
        EXPECT_EQ(run.code, 0) << run.err;
        ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8(fixture(name))));
        auto* list = dynamic_cast<wxListCtrl*>(
            wxWindow::FindWindowByName(PropertiesNames::TallyList, m_frame));
        ASSERT_NE(list, nullptr);

        const auto rows = csvRows(run.out);
        ASSERT_EQ(rows.size(), static_cast<size_t>(list->GetItemCount()) + 1) << run.out;
        EXPECT_EQ(rows[0], (std::vector<std::string>{"Article", "Name", "Count"}));
        auto key = m_frame->propertiesPanel()->tally().begin();
        for (int i = 0; i < list->GetItemCount(); ++i) {
            const auto& row = rows[static_cast<size_t>(i) + 1];
            ASSERT_EQ(row.size(), 3u) << name << " line " << i + 2;
            EXPECT_EQ(row[1], list->GetItemText(i, 0).utf8_string()) << name;
            EXPECT_EQ(row[2], list->GetItemText(i, 1).utf8_string()) << name;
            if (key != m_frame->propertiesPanel()->tally().end()) {
                EXPECT_EQ(row[0], (key++)->first) << name << ": the article is the tally's key";
            }
        }
    }
}

TEST_F(FilesTest, PartsListKeepsANameWithACommaAndQuotesInOneField) {
    const fs::path file = testRoot() / "Shed.tdl";
    writeWholeFile(file,
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<layout name=\"Shed\" version=\"1\">\n"
                   "  <pieces>\n"
                   "    <piece id=\"1\" cat=\"Shed &quot;North&quot;, 2\" x=\"0\" y=\"0\" heading=\"0\">\n"
                   "    </piece>\n  </pieces>\n</layout>\n");
    const ProgramRun run = runProgram({"--parts", file.string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(csvRows(run.out), (std::vector<std::vector<std::string>>{
                                    {"Article", "Name", "Count"},
                                    {"Shed \"North\", 2", "Shed \"North\", 2", "1"}}));
}

TEST_F(FilesTest, CheckNamesTheLineOfACutFileAndPassesASoundOne) {
    const std::string full = readWholeFile(fixture("full_layout.tdl"));
    const std::string cut = full.substr(0, full.find("  <labels>"));
    const fs::path file = testRoot() / "cut.tdl";
    writeWholeFile(file, cut);
    Layout layout;
    std::string name;
    const std::string readerMessage = readLayoutText(cut, layout, name);
    ASSERT_EQ(readerMessage.rfind("Line ", 0), 0u) << readerMessage;

    const ProgramRun refused = runProgram({"--check", file.string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "railvane: Cannot read file: " + file.string() + "\n" + readerMessage + "\n");

    const ProgramRun noted = runProgram({"--check", fixture("full_layout.tdl")});
    EXPECT_EQ(noted.code, 4) << "two pieces of other catalogs";
    EXPECT_NE(noted.out.find(fixture("full_layout.tdl") + ": line 28: the article"), std::string::npos)
        << noted.out;

    writeLayoutFile(file, "Sound");
    const ProgramRun sound = runProgram({"--check", file.string()});
    EXPECT_EQ(sound.code, 0) << sound.out;
    EXPECT_EQ(sound.out, file.string() + ": no problems\n");
}

TEST_F(FilesTest, ExportedPicturesShowThePlanAsTheCanvasDrawsIt) {
    const fs::path png = testRoot() / "plan.png";
    const ProgramRun run = runProgram({"--export-png", fixture("full_layout.tdl"), png.string(), "--width", "640"});
    ASSERT_EQ(run.code, 0) << run.err;
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(wxString(png.string()), wxBITMAP_TYPE_PNG));

    Layout layout;
    std::string name;
    ASSERT_EQ(ReadLayout(fixture("full_layout.tdl"), layout, name), "");
    const PlanPicture frame = planPicture(layout, 640);
    ASSERT_EQ(picture.GetWidth(), 640);
    ASSERT_EQ(picture.GetHeight(), frame.height);

    // Every drawn piece shows its band colour somewhere, and the whole picture is the plan drawing.
    const RenderOptions options = pictureRenderOptions(layout);
    LayoutRenderer renderer;
    wxBitmap bitmap(frame.width, frame.height, 24);
    {
        wxMemoryDC dc(bitmap);
        renderer.drawLayout(dc, layout, options, frame.view, wxSize(frame.width, frame.height));
    }
    const wxImage expected = bitmap.ConvertToImage();
    int drawn = 0;
    for (const PlacedPiece& piece : layout.pieces) {
        const PieceDef* def = TrackCatalog::instance().byArticle(piece.article);
        if (def == nullptr || !options.showsLevel(layout, piece.level)) {
            continue;
        }
        const HelixDrawSets& sets = renderer.helixSets();
        const RenderColour fill =
            pieceColours(piece, *def, layout.FindLevel(piece.level), false,
                         sets.tunnelCovered.count(piece.id) != 0, sets.helixTrack.count(piece.id) != 0)
                .fill;
        EXPECT_GT(render_test::countColour(picture, fill.r, fill.g, fill.b), 0) << piece.article;
        ++drawn;
    }
    EXPECT_GE(drawn, 2);
    EXPECT_TRUE(picture.GetData() != nullptr &&
                std::equal(picture.GetData(), picture.GetData() + 640 * frame.height * 3,
                           expected.GetData()))
        << "the program's picture differs from drawLayout's";

    const fs::path svg = testRoot() / "plan.svg";
    ASSERT_EQ(runProgram({"--export-svg", fixture("full_layout.tdl"), svg.string()}).code, 0);
    const std::string text = readWholeFile(svg);
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("viewBox=\"0 0 1600 "), std::string::npos) << text.substr(0, 400);

    const ProgramRun unwritable = runProgram({"--export-png", fixture("full_layout.tdl"),
                                       (testRoot() / "missing" / "plan.png").string()});
    EXPECT_EQ(unwritable.code, 3);
    EXPECT_EQ(unwritable.err, "railvane: Cannot write file: " + (testRoot() / "missing" / "plan.png").string() + "\n");
}
