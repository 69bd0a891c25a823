// Print commands of the main window: the print job, the preview and the PDF export, all drawing
// the pages of LayoutPrintout with the options the user chose last.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/paper.h>
#include <wx/print.h>

#include "app/ui/app_paths.h"
#include "frame/ui/main_frame.h"
#include "print/ui/layout_printout.h"
#include "print/ui/pdf_export.h"
#include "print/ui/print_options_dialog.h"

namespace {

// The paper of the page setup as a sheet for the PDF export: its size when the toolkit knows it,
// else A4, turned for landscape.
PaperSize paperOf(const wxPrintData& data) {
    wxPrintPaperDatabase papers;
    papers.CreateDatabase();
    PaperSize sheet;
    if (const wxPrintPaperType* type = papers.FindPaperType(data.GetPaperId())) {
        const wxSize tenths = type->GetSize();  // tenths of a millimetre
        sheet = {tenths.x / 10.0, tenths.y / 10.0};
    }
    if (data.GetOrientation() == wxLANDSCAPE) {
        std::swap(sheet.width, sheet.height);
    }
    return sheet;
}

}  // namespace

void MainFrame::print() {
    PrintOptionsDialog options(this, m_printOptions);
    if (options.ShowModal() != wxID_OK) {
        return;
    }
    m_printOptions = options.options();
    wxPrintDialogData data(m_printData);
    wxPrinter printer(&data);
    LayoutPrintout printout(m_layout, m_printOptions);
    if (printer.Print(this, &printout, true)) {
        m_printData = printer.GetPrintDialogData().GetPrintData();
    } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        prompter().showMessage(
            "Print",
            "There was a problem printing. Check that a printer is installed and connected.",
            PromptIcon::Error);
    }
}

void MainFrame::printPreview() {
    wxPrintDialogData data(m_printData);
    auto* preview = new wxPrintPreview(new LayoutPrintout(m_layout, m_printOptions),
                                       new LayoutPrintout(m_layout, m_printOptions), &data);
    if (!preview->IsOk()) {
        delete preview;
        prompter().showMessage("Print Preview",
                               "Could not create print preview. Is a printer driver installed?",
                               PromptIcon::Error);
        return;
    }
    auto* frame = new wxPreviewFrame(preview, this, "Print Preview -- Railvane", wxDefaultPosition,
                                     wxSize(900, 700));
    frame->Centre();
    frame->Initialize();
    frame->Show();
}

void MainFrame::exportPdf() {
    PrintOptionsDialog options(this, m_printOptions);
    if (options.ShowModal() != wxID_OK) {
        return;
    }
    m_printOptions = options.options();
    const wxString name = layoutName().empty() ? wxString("layout") : layoutName();
    wxFileDialog chooser(this, "Export PDF", GetUserFolder(), name + ".pdf",
                         "PDF files (*.pdf)|*.pdf", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() != wxID_OK || chooser.GetPath().empty()) {
        return;
    }
    wxFileName target(chooser.GetPath());
    if (target.GetExt().empty()) {
        target.SetExt("pdf");
    }
    int pages = 0;
    const std::string error = exportLayoutPdf(m_layout, m_printOptions, paperOf(m_printData),
                                              target.GetFullPath().utf8_string(), &pages);
    if (!error.empty()) {
        prompter().showMessage("Export PDF", error, PromptIcon::Error);
        return;
    }
    SetStatusText(wxString::Format("Exported %d page(s) to %s", pages, target.GetFullName()), 0);
}
