#pragma once
// The two help windows: the program help ("Railvane v1.7 Help", with the mascot when playful)
// and the Layout Wizard help. Both show their pages from help_topics as headings and wrapped
// paragraphs in a vertically scrolled area with a "Close" button below.

#include <wx/dialog.h>

#include <vector>

#include "frame/help_topics.h"

class wxScrolledWindow;
class wxStaticBitmap;

/// A resizable help dialog showing one page of help items.
class HelpDialog : public wxDialog {
public:
    /// Which help page to show.
    enum class Page {
        Main,          ///< "Railvane v1.7 Help", 925 x 700 px, optional mascot
        LayoutWizard,  ///< "Layout Wizard Help", 620 x 640 px, no picture
    };

    /// Builds the dialog. showMascot (the playful preference) only matters for the main page;
    /// the picture is left out when the program carries none or it cannot be decoded.
    HelpDialog(wxWindow* parent, Page page, bool showMascot);

    /// The scrolled area holding the headings and paragraphs.
    wxScrolledWindow* ContentArea() const { return m_content; }

    /// The mascot picture, or nullptr when none is shown.
    wxStaticBitmap* Mascot() const { return m_mascot; }

    /// True when the program was built with a mascot picture to show.
    static bool HasBuiltInMascot();

private:
    void BuildContent(const std::vector<HelpItem>& items);
    void OnClose(wxCommandEvent& event);

    wxScrolledWindow* m_content = nullptr;
    wxStaticBitmap* m_mascot = nullptr;
};

/// Shows the program help modally (Help > Help, F1).
void ShowHelpWindow(wxWindow* parent, bool playful);

/// Shows the Layout Wizard help modally (Help > Layout Wizard Help).
void ShowLayoutWizardHelpWindow(wxWindow* parent);
