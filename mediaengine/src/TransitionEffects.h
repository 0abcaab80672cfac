// The transition effects the engine draws and the identifiers that name them in effect
// elements (the text of their "effect_id" child). The transition catalogue that ships with
// the application names its effects with these identifiers.
#pragma once

#include "platform/Guid.h"

#include <string_view>

enum class TransitionStyle
{
    // The outgoing picture mixes into the incoming one.
    Dissolve,
    // The outgoing picture fades to black in the first half, the incoming one fades in from
    // black in the second.
    FadeThroughBlack,
    // The incoming picture uncovers the frame from its left edge to its right.
    WipeLeftToRight,
    // The incoming picture uncovers the frame from its top edge to its bottom.
    WipeTopToBottom,
};

inline constexpr GUID kEffectDissolve = MakeGuid("{30F9BE71-54BB-4A5E-A062-70D4C90240D0}");
inline constexpr GUID kEffectFadeThroughBlack = MakeGuid("{3BA184D4-A1F4-49B1-8D94-B365294C221D}");
inline constexpr GUID kEffectWipeLeftToRight = MakeGuid("{B45EC3DC-BB8A-417E-8388-96240736BF2F}");
inline constexpr GUID kEffectWipeTopToBottom = MakeGuid("{A91EC086-DCB9-4736-B53B-F9F578628C50}");

// The style an effect identifier names: a GUID in its text form, braces optional, either case,
// spaces around it allowed. The engine draws a dissolve for an identifier it does not know,
// so a transition of a foreign or damaged effect still passes from one picture to the next.
TransitionStyle TransitionStyleOf(std::wstring_view effectId);

// Whether the engine knows the identifier (TransitionStyleOf then does not fall back).
bool IsKnownTransitionEffect(std::wstring_view effectId);
