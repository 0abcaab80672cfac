// The configuration service: numbered settings of the user, kept in an INI file in the user's
// configuration folder ("reelmark/settings.ini"). Every key has a default in one table;
// a key the file does not hold, or holds in a form that does not read, answers its default.
// Each write is saved at once, through a temporary file renamed over the old one, so a
// failed write returns its error and the file keeps what was saved before.
#pragma once

#include "platform/Bstr.h"

#include <map>
#include <string>

class CDSConfig
{
public:
    // The user's settings file (PathService: UserConfigFolder()/reelmark/settings.ini).
    CDSConfig();
    // A given settings file, for tools and tests.
    explicit CDSConfig(std::wstring path);

    bool GetBool(int key) const;
    LONG GetNumber(int key) const;
    CComBSTR GetString(int key) const;
    // A number kept per sub-key (the capacity limits read with a disc format or aspect
    // sub-key); a sub-key without its own value answers the key's value for sub-key 0.
    LONG GetCapability(int key, LONG subKey = 0) const;

    HRESULT SetBool(int key, bool value);
    HRESULT SetNumber(int key, LONG value);
    // A string longer than a path can be (4096 bytes of UTF-8) is refused with
    // HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE).
    HRESULT SetString(int key, const wchar_t* value);
    HRESULT SetCapability(int key, LONG subKey, LONG value);

    // Reads the file again (changes made by another CDSConfig of the same file).
    HRESULT Reload();

    const std::wstring& Path() const { return m_path; }

private:
    // Writes the file with one setting changed; memory changes only when the file did.
    HRESULT Store(const std::string& name, const std::string& text);

    std::wstring m_path;
    // Setting name ("8", or "31.4096" for a capability sub-key) → stored text.
    std::map<std::string, std::string> m_entries;
};

// Numbers of the settings the system reads.
enum DSConfigKey : int
{
    DSConfig_DefaultTheme4x3 = 0,          // string: full path of the default 4:3 theme
    DSConfig_DefaultTheme16x9 = 1,         // string: the default 16:9 theme
    DSConfig_DefaultThemeHD = 2,           // string: the default high-definition theme
    DSConfig_ApplyProjectFlags = 4,        // bool: new projects take the flags of keys 10, 69
    DSConfig_DefaultAspect = 6,            // number: 1 gives 16:9 to new titles, else 4:3
    DSConfig_DefaultTVStandardSD = 8,      // number: non-zero gives PAL to new SD projects
    DSConfig_DefaultTVStandardHD = 9,      // number: non-zero gives PAL to formats 7 and 11
    DSConfig_ProjectFlagBit1 = 10,         // bool
    DSConfig_ThumbnailSubProductions = 13, // bool: button thumbnails use sub-productions
    DSConfig_OverlaySubProductions = 14,   // bool: free overlays use sub-productions
    DSConfig_MaxTitlesPerProject = 28,     // capability, sub-key 4 for disc format 2, else 0
    DSConfig_MaxChaptersPerProject = 29,   // capability
    DSConfig_MaxChaptersPerTitle = 30,     // capability
    DSConfig_MaxButtonsPerMenu = 31,       // capability, sub-key 0 for 4:3, 0x1000 for 16:9
    DSConfig_TempFolder = 33,              // string: the user's temporary folder, empty: system
    DSConfig_NewTempFolder = 34,           // string: a temporary folder chosen, not yet in use
    DSConfig_ProjectFlagMode = 69,         // number: 2 sets the project flag 0x40
    DSConfig_WebReporting = 77,            // bool
    DSConfig_WebReportDetails = 78,        // bool
    DSConfig_AVCForFormats9And10 = 85,     // bool: high-definition AVC on formats 9 and 10
    DSConfig_AVCForFormats7And8 = 86,      // bool: high-definition AVC on formats 7 and 8
};
