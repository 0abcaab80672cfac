#include "dsutils/DSAppUtils.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr const char* kEnglishUnitedStates = "1033";

struct LanguageId
{
    const char* locale; // "ll" or "ll_CC"
    const char* id;
};

// Language identifiers of the locales the application is translated into; a territory entry
// comes before the entry of its language alone.
constexpr LanguageId kLanguages[] = {
    {"en_GB", "2057"}, {"en", "1033"}, {"de", "1031"},    {"fr_CA", "3084"}, {"fr", "1036"},
    {"es", "3082"},    {"it", "1040"}, {"nl", "1043"},    {"pt_BR", "1046"}, {"pt", "2070"},
    {"sv", "1053"},    {"da", "1030"}, {"fi", "1035"},    {"nb", "1044"},    {"no", "1044"},
    {"pl", "1045"},    {"cs", "1029"}, {"hu", "1038"},    {"ru", "1049"},    {"tr", "1055"},
    {"ja", "1041"},    {"ko", "1042"}, {"zh_TW", "1028"}, {"zh_HK", "3076"}, {"zh", "2052"},
};

// The first of the variables that the C library consults for messages.
std::string_view MessageLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return {};
}

bool IsPositiveNumber(const char* text)
{
    if (!text || !*text || std::strlen(text) > 9)
        return false;
    for (const char* at = text; *at; ++at) {
        if (*at < '0' || *at > '9')
            return false;
    }
    return std::atoi(text) > 0;
}

// "de_AT.UTF-8" matches "de"; "pt_BR.UTF-8" matches "pt_BR" before "pt".
bool Matches(std::string_view locale, std::string_view entry)
{
    if (locale.substr(0, entry.size()) != entry)
        return false;
    return locale.size() == entry.size() || std::strchr("_.@", locale[entry.size()]);
}

const char* LanguageOf(std::string_view locale)
{
    for (const LanguageId& language : kLanguages) {
        if (Matches(locale, language.locale))
            return language.id;
    }
    return kEnglishUnitedStates;
}

} // namespace

CComBSTR CDSAppUtils::GetUILanguageID()
{
    const char* configured = std::getenv("REELMARK_UI_LANGUAGE");
    if (IsPositiveNumber(configured))
        return CComBSTR(configured);
    return CComBSTR(LanguageOf(MessageLocale()));
}
