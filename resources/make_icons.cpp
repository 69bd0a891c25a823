// Build tool: the program's icon at the usual sizes, made from the mascot picture. Reads the JPEG
// named first and writes OUT_DIR/<n>x<n>/apps/railvane.png for every size n given after the
// output folder. Uses the toolkit's image code only, so it needs no display.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/filename.h>
#include <wx/image.h>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: railvane_icons PICTURE.jpg OUT_DIR SIZE...\n", stderr);
        return 2;
    }
    wxImage::AddHandler(new wxJPEGHandler);
    wxImage::AddHandler(new wxPNGHandler);
    wxImage picture;
    if (!picture.LoadFile(argv[1], wxBITMAP_TYPE_JPEG)) {
        std::fprintf(stderr, "railvane_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    // The top square of the upright picture: hat, face and shoulders stay readable when small.
    const int side = std::min(picture.GetWidth(), picture.GetHeight());
    const wxImage square = picture.GetSubImage(wxRect((picture.GetWidth() - side) / 2, 0, side, side));
    for (int i = 3; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        const wxString folder = wxString::Format("%s/%dx%d/apps", argv[2], n, n);
        if (n <= 0 || !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) ||
            !square.Scale(n, n, wxIMAGE_QUALITY_HIGH).SaveFile(folder + "/railvane.png",
                                                              wxBITMAP_TYPE_PNG)) {
            std::fprintf(stderr, "railvane_icons: cannot write the %s pixel icon in %s\n", argv[i],
                         argv[2]);
            return 1;
        }
    }
    return 0;
}
