#include "TransitionEffects.h"

#include <iterator>
#include <string>

namespace {

struct KnownEffect
{
    GUID id;
    TransitionStyle style;
};

constexpr KnownEffect kKnownEffects[] = {
    {kEffectDissolve, TransitionStyle::Dissolve},
    {kEffectFadeThroughBlack, TransitionStyle::FadeThroughBlack},
    {kEffectWipeLeftToRight, TransitionStyle::WipeLeftToRight},
    {kEffectWipeTopToBottom, TransitionStyle::WipeTopToBottom},
};

bool IsSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// The known effect an identifier names, or null.
const KnownEffect* FindEffect(std::wstring_view effectId)
{
    while (!effectId.empty() && IsSpace(effectId.front()))
        effectId.remove_prefix(1);
    while (!effectId.empty() && IsSpace(effectId.back()))
        effectId.remove_suffix(1);
    GUID id = GUID_NULL;
    if (FAILED(GuidFromString(std::wstring(effectId).c_str(), &id)))
        return nullptr;
    for (const KnownEffect& effect : kKnownEffects) {
        if (effect.id == id)
            return &effect;
    }
    return nullptr;
}

} // namespace

TransitionStyle TransitionStyleOf(std::wstring_view effectId)
{
    const KnownEffect* effect = FindEffect(effectId);
    return effect ? effect->style : TransitionStyle::Dissolve;
}

bool IsKnownTransitionEffect(std::wstring_view effectId)
{
    return FindEffect(effectId) != nullptr;
}
