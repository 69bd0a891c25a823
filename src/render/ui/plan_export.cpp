#include "render/ui/plan_export.h"

#include <filesystem>
#include <fstream>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/image.h>
#include <wx/log.h>

#include "canvas/plan_picture.h"
#include "render/ui/layout_renderer.h"

namespace {

void drawPicture(wxDC& dc, const Layout& layout, const PlanPicture& picture) {
    LayoutRenderer renderer;
    renderer.drawLayout(dc, layout, pictureRenderOptions(layout), picture.view,
                        wxSize(picture.width, picture.height));
}

std::string cannotWrite(const std::string& path) {
    return "Cannot write file: " + path;
}

}  // namespace

std::string ExportPlanPng(const Layout& layout, const std::string& path, int width) {
    const PlanPicture picture = planPicture(layout, width);
    wxBitmap bitmap(picture.width, picture.height, 24);
    if (!bitmap.IsOk()) {
        return cannotWrite(path) + "\nThe picture is too large.";
    }
    {
        wxMemoryDC dc(bitmap);
        drawPicture(dc, layout, picture);
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    const wxLogNull quiet;  // the error text below tells the user, not a toolkit message box
    if (!bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG)) {
        return cannotWrite(path);
    }
    return {};
}

std::string ExportPlanSvg(const Layout& layout, const std::string& path, int width) {
    // The SVG device context writes its file only when it goes away and reports no failure, so
    // the file is tried first and looked at afterwards.
    if (!std::ofstream(path, std::ios::binary | std::ios::app)) {
        return cannotWrite(path);
    }
    const PlanPicture picture = planPicture(layout, width);
    {
        const wxLogNull quiet;
        wxSVGFileDC dc(wxString::FromUTF8(path), picture.width, picture.height, 96.0,
                       "Railvane layout");
        if (!dc.IsOk()) {
            return cannotWrite(path);
        }
        drawPicture(dc, layout, picture);
    }
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == 0 || ec) {
        return cannotWrite(path);
    }
    return {};
}
