// The switch another program of the suite leaves for overlays that show one of the theme's
// own backdrop assets: whether they take their title's production as a nested production.
#pragma once

#include <string>
#include <string_view>

// Whether the source names one of the theme's own backdrop pictures or videos.
bool NamesThemeBackdrop(std::wstring_view source);

// The setting "UseSubproductionsForOverlays" of section "FilmcraftBurnToReelmarkSetting" in
// "_FilmcraftBurnToReelmarkSetting.ini" of the user's temporary folder: true unless the
// value there does not begin with "true" (in any case).
bool UseSubproductionsForOverlays();
