// Where things are: the content and plug-ins folders behind the path macros "%CONTENT%" and
// "%PLUGINS%", and the user's folders. REELMARK_HOME moves every user folder under one root
// (its .local/share, Videos, .config and tmp), so that tests never touch the real home.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// Shell folder numbers of the original platform that the system asks for.
constexpr int CSIDL_MYVIDEO = 14;
constexpr int CSIDL_APPDATA = 26;

// The content folder: REELMARK_CONTENT, else the installed data folder when it exists, else
// content/ of the source tree. No trailing separator.
std::wstring ContentFolder();

// The plug-ins folder: REELMARK_PLUGINS, else the plugins/ folder of ContentFolder().
std::wstring PluginsFolder();

// Replaces "%CONTENT%" and "%PLUGINS%" (in any case) by their folders; any other text is
// kept as it stands.
std::wstring ExpandPathMacros(std::wstring_view path);

// The file a stored path names: its macros expanded, and, for a path inside the content or
// the plug-ins folder that names no existing file exactly, each part below that folder
// matched to an existing name without regard to case, as the desktop platform finds content files
// ("%CONTENT%/DVD/MANDATORY/SP_Pattern.png" finds DVD/Mandatory/SP_Pattern.png). Of several
// names that differ only in case, the exact one is tried first, then the others in name
// order, and the first that leads to an existing path wins. A path that matches nothing, and
// any path outside those folders, is returned expanded.
std::wstring ResolveContentPath(std::wstring_view path);

// The folder of a shell folder number: CSIDL_APPDATA is $XDG_DATA_HOME (~/.local/share),
// CSIDL_MYVIDEO the XDG videos folder (~/Videos). E_INVALIDARG for other numbers; the folder
// need not exist.
HRESULT GetShellFolderPath(int csidl, std::wstring& path);

// $XDG_CONFIG_HOME (~/.config), or REELMARK_HOME/.config.
std::wstring UserConfigFolder();

// The system's temporary folder, or REELMARK_HOME/tmp.
std::wstring SystemTempFolder();

// Joins a folder and a relative part with one "/" between them.
std::wstring PathAppend(std::wstring_view folder, std::wstring_view relative);
