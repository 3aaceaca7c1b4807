// The browser-component check's facts and the notice shown when the
// component is missing or too old. The notice is a plain message box until
// the windowing toolkit's popup (with "Download" and "Quit Setup") takes over
// ShowNeedInternetExplorer.
#pragma once

#include "BXString.h"

// Where the browser vendor offers its download.
constexpr const BXChar* kBrowserDownloadAddress = u"https://www.microsoft.com/en-us/download/internet-explorer.aspx";

// Whether the system's web browser control can be created (COM initialised
// on the calling thread).
bool CanCreateBrowserControl();
// HKLM "Software\Microsoft\Internet Explorer" "Version", "1.0.0.0" when absent.
BXString GetInstalledBrowserVersionText();
// The installed version packed as a 64-bit version.
uint64_t GetInstalledBrowserVersion();
// The product's minimum ("/*/SpecialFeatures/MinIEVersion", "5.0.0.0").
uint64_t GetMinimumBrowserVersion();

// Tells the user that setup cannot continue without a newer browser.
void ShowNeedInternetExplorer();
