#pragma once
// Numeric identifiers of every menu entry and toolbar tool. The numbers are part of the program's
// contract (layout of the event table, update-UI rules, tests), so they are fixed here rather than
// allocated by the toolkit.

/// Identifiers of the main window's commands, shared by the menu bar and the toolbar.
namespace CommandId {

// File
inline constexpr int OpenLayout = 5000;    ///< "&Open Layout..."
inline constexpr int CloseLayout = 5001;   ///< "&Close Layout" (same as New Layout)
inline constexpr int NewLayout = 5002;     ///< "&New Layout"
inline constexpr int Save = 5003;          ///< "&Save"
inline constexpr int SaveAs = 5004;        ///< "Save &As..."
inline constexpr int Exit = 5006;          ///< "E&xit"
inline constexpr int Print = 5010;         ///< "&Print..."
inline constexpr int PageSetup = 5012;     ///< "Page Set&up..."
inline constexpr int PrintPreview = 5013;  ///< "Print Pre&view..."
inline constexpr int ExportPdf = 5014;     ///< "Export P&DF..."
inline constexpr int ExportImage = 5015;   ///< "Export &Image..."
inline constexpr int ExportPartsList = 5016;  ///< "Export Parts Lis&t..."
/// The entries of "Open &Recent", newest first: RecentFile1 ... RecentFile1 + kRecentFiles - 1.
inline constexpr int RecentFile1 = 5020;
inline constexpr int kRecentFiles = 9;
inline constexpr int ImportLayout = 1900;  ///< "&Import Layout..."
inline constexpr int ExportLayout = 1901;  ///< "&Export Layout..."

// Tools and the remaining menus
inline constexpr int View3D = 2000;            ///< toolbar "3D View"
inline constexpr int SaveLibraryBlock = 2001;  ///< "Save as &Library Block..."
inline constexpr int Undo = 2002;              ///< "&Undo", toolbar "Undo"
inline constexpr int Redo = 2003;              ///< "&Redo", toolbar "Redo"
inline constexpr int Delete = 2004;            ///< "&Delete"
inline constexpr int SelectAll = 2005;         ///< "Select &All"
inline constexpr int ZoomIn = 2006;            ///< "Zoom &In"
inline constexpr int ZoomOut = 2007;           ///< "Zoom &Out"
inline constexpr int ZoomFit = 2008;           ///< "Zoom to &Fit", toolbar "Fit"
inline constexpr int ShowGrid = 2009;          ///< "Show &Grid" (check)
inline constexpr int Snap = 2010;              ///< "&Snap" (check)
inline constexpr int HideLabels = 2011;        ///< toolbar "Hide Labels" / "Show Labels" (check)
inline constexpr int ShowRails = 2012;         ///< "Show &Rails" (check)
inline constexpr int Tunnel = 2013;            ///< toolbar "Tunnel" / "Remove Tunnel"
inline constexpr int Measure = 2014;           ///< toolbar "Measure" (check)
inline constexpr int Polygon = 2015;           ///< toolbar "Polygon" (check)
inline constexpr int Rectangle = 2016;         ///< toolbar "Rectangle"
inline constexpr int Elevation = 2017;         ///< toolbar "Elevation"
inline constexpr int LayoutWizard = 2018;      ///< "Layout &Wizard (Experimental)..."
inline constexpr int BridgeWizard = 2019;      ///< "&Bridge Wizard (Experimental)..."
inline constexpr int LayoutShape = 2020;       ///< "Layout &Shape..."
inline constexpr int UnitsMillimetres = 2021;  ///< radio "Millimetres (mm)", units 0
inline constexpr int UnitsCentimetres = 2022;  ///< radio "Centimetres (cm)", units 1
inline constexpr int UnitsInches = 2023;       ///< radio "Inches (in)", units 2
inline constexpr int Levels = 2024;            ///< toolbar "Levels"
inline constexpr int Help = 2027;              ///< "&Help"
inline constexpr int LayoutWizardHelp = 2028;  ///< "Layout &Wizard Help"
inline constexpr int Options = 2029;           ///< "&Options..." (experience choice)
inline constexpr int Copy = 2030;              ///< "&Copy"
inline constexpr int Paste = 2031;             ///< "&Paste"
inline constexpr int Rotate = 2032;            ///< "R&otate" (one step clockwise)
inline constexpr int CheckLayout = 2033;       ///< "&Check Layout...", toolbar "Check"

}  // namespace CommandId
