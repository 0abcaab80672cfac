#include "ColorMap.h"

#include "model/IDSMenu.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

namespace {

// Where the palette index of each map source stands in the subpicture colour bytes: the pairs
// there are ordered red, white, green, blue; the map's sources white, red, green, blue.
constexpr int kPairOfSource[4] = {1, 0, 2, 3};

constexpr BYTE kHighestIndex = kPaletteEntries - 1;
constexpr BYTE kHighestContrast = 15;

BYTE AlphaOfContrast(BYTE contrast)
{
    if (contrast == 0)
        return 0;
    return BYTE((contrast + 1) * 0.0625 * 255);
}

DWORD TargetColour(const PaletteEntry& entry, BYTE contrast)
{
    return DWORD(AlphaOfContrast(contrast)) << 24 | DWORD(entry.red) << 16 |
           DWORD(entry.green) << 8 | DWORD(entry.blue);
}

// The colour bytes of the state: the menu's normal set, or the selected or activated set of
// the button's scheme.
HRESULT ReadStateColours(IDSMenu* pMenu, IDSMenuButton* pButton, int nState,
                         BYTE (&info)[kSubpictureColourBytes])
{
    BYTE ignored[kSubpictureColourBytes];
    if (nState == SPUState_Normal) {
        CHECK_HR(pMenu->GetSubpictureColours(SPU_Normal, info, nullptr));
        return S_OK;
    }
    LONG lScheme = SPU_Scheme0;
    CHECK_HR(pButton->get_ColourScheme(&lScheme));
    if (nState == SPUState_Selected)
        CHECK_HR(pMenu->GetSubpictureColours(lScheme, info, ignored));
    else
        CHECK_HR(pMenu->GetSubpictureColours(lScheme, ignored, info));
    return S_OK;
}

// The menu hands out what it stores; an index past the palette or a contrast past 15 would
// read beyond the palette or wrap the alpha, so they are refused here.
HRESULT CheckStateColours(const BYTE (&info)[kSubpictureColourBytes])
{
    for (int pair = 0; pair < kSubpictureColourBytes / 2; ++pair) {
        if (info[2 * pair] > kHighestIndex || info[2 * pair + 1] > kHighestContrast)
            CHECK_HR_TEXT(E_INVALIDARG, "palette index and contrast in 0 ... 15");
    }
    return S_OK;
}

} // namespace

HRESULT GetColorMap(IDSMenuButton* pButton, int nState, SPUColorMap& cMap)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    if (nState < SPUState_Normal || nState > SPUState_Activated)
        CHECK_HR_TEXT(E_INVALIDARG, "nState");
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pButton->GetMenu(&spMenu));
    CHECK_NULL(spMenu.p);
    PaletteEntry palette[kPaletteEntries];
    CHECK_HR(spMenu->GetPalette(palette));
    BYTE info[kSubpictureColourBytes];
    CHECK_HR_SHORT(ReadStateColours(spMenu, pButton, nState, info));
    CHECK_HR_SHORT(CheckStateColours(info));
    for (int k = 0; k < 4; ++k) {
        const BYTE* pair = info + 2 * kPairOfSource[k];
        cMap.source[k] = kSubpictureSources[k];
        cMap.target[k] = TargetColour(palette[pair[0]], pair[1]);
    }
    return S_OK;
}
