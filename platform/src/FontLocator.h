// Finds the font file that fontconfig chooses for a family, weight and slant. Each locator
// loads its own fontconfig configuration on first use and frees it when it goes.
#pragma once

#include <string>

struct FontFile
{
    std::string path;
    int faceIndex = 0;
};

struct _FcConfig;

class FontLocator
{
public:
    FontLocator() = default;
    ~FontLocator();
    FontLocator(const FontLocator&) = delete;
    FontLocator& operator=(const FontLocator&) = delete;

    // False when fontconfig knows no font at all.
    bool Locate(const std::wstring& family, bool bold, bool italic, FontFile& font);

private:
    _FcConfig* m_config = nullptr;
};
