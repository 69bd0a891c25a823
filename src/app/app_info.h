#pragma once
// Fixed names of the program that several windows show.

/// The main window's title without a layout name; the splash window uses it as its title too.
inline constexpr const char* kAppTitle = "Railvane v1.7 by Vennomar";

/// The maker's web site, opened by the "Vennomar" links of the splash and help windows.
inline constexpr const char* kMakerWebSite = "https://vennomar.example/";
