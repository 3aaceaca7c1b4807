// The well-known folders every part of the installer asks for. Each getter
// returns a folder with exactly one trailing backslash (normalised to its long
// name unless noted) or empty text when Windows cannot tell. The product's own
// folders come from the per-process path record. The running program's own
// path and folder are the installer's ModulePath and ProgramFolder.
#pragma once

#include "BXString.h"

// The program path of the per-process path record.
BXString GetProductProgramFolder();
// The data path of the record; when empty, program folder + "Data\" (not normalised).
BXString GetDataFolder();
BXString GetApplicationDataFolder();
// From the tools component's settings service; otherwise application data + "Brenix\Generic\".
BXString GetProductApplicationDataFolder();
// The "Temp Location" setting + "Brenix\", else the product application data + "Temp\"; created.
BXString GetTemporaryFolder();
BXString GetSystemFolder();
BXString GetWindowsFolder();
BXString GetFontsFolder();
// "ProgramFilesDir" of HKLM "SOFTWARE\Microsoft\Windows\CurrentVersion", else "C:\Program Files\".
BXString GetProgramFilesFolder();
BXString GetMusicFolder();
// Program folder + "Skins\"; the three view folders below it are not normalised.
BXString GetSkinsFolder();
BXString GetMiniSkinsFolder();
BXString GetStandardSkinsFolder();
BXString GetFullScreenSkinsFolder();
BXString GetCommonProgramsFolder();
BXString GetCommonDesktopFolder();
BXString GetUserApplicationDataFolder();
// A shell folder by CSIDL, normalised; empty when the shell has none.
BXString GetShellFolder(int32_t csidl);

constexpr const BXChar* kTempLocationSetting = u"File Location - Temp Location";
