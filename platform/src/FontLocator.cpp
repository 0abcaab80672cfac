#include "FontLocator.h"

#include "platform/StringConv.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

struct PatternDestroyer
{
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDestroyer>;

PatternPtr MakeQuery(FcConfig* config, const std::wstring& family, bool bold, bool italic)
{
    PatternPtr query(FcPatternCreate());
    if (!query)
        return query;
    std::string name = WideToUtf8(family.empty() ? L"sans" : family);
    FcPatternAddString(query.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(query.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(query.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(query.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, query.get(), FcMatchPattern);
    FcDefaultSubstitute(query.get());
    return query;
}

} // namespace

FontLocator::~FontLocator()
{
    if (m_config)
        FcConfigDestroy(m_config);
}

bool FontLocator::Locate(const std::wstring& family, bool bold, bool italic, FontFile& font)
{
    if (!m_config)
        m_config = FcInitLoadConfigAndFonts();
    if (!m_config)
        return false;
    PatternPtr query = MakeQuery(m_config, family, bold, italic);
    if (!query)
        return false;
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(m_config, query.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file)
        return false;
    font.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch)
        font.faceIndex = index;
    return true;
}
