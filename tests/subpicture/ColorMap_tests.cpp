// The colours a button shows in its three states, read from a real menu's palette and
// subpicture colours.
#include "subpicture/ColorMap.h"

#include "platform/ComObject.h"
#include "support/ModelStubs.h"
#include "support/ProjectTest.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Palette index of each entry = its red value / 16, so that targets show which entry they took.
void FillPalette(IDSMenu* menu)
{
    PaletteEntry palette[kPaletteEntries];
    for (int i = 0; i < kPaletteEntries; ++i)
        palette[i] = PaletteEntry{BYTE(i * 16), BYTE(0xA0 + i), BYTE(0x30 + i)};
    ASSERT_EQ(S_OK, menu->SetPalette(palette));
}

DWORD Entry(int index, DWORD alpha)
{
    return alpha << 24 | DWORD(index * 16) << 16 | DWORD(0xA0 + index) << 8 | DWORD(0x30 + index);
}

class ButtonColours : public ProjectTest
{
protected:
    ButtonColours()
    {
        FillPalette(m_menu);
        // Pairs for the red, white, green and blue classes.
        const BYTE normal[8] = {1, 0, 2, 7, 3, 15, 4, 1};
        const BYTE selected[8] = {5, 7, 6, 15, 7, 0, 8, 3};
        const BYTE activated[8] = {9, 15, 10, 0, 11, 7, 12, 14};
        const BYTE other[8] = {13, 1, 13, 1, 13, 1, 13, 1};
        EXPECT_EQ(S_OK, m_menu->SetSubpictureColours(SPU_Normal, normal, nullptr));
        EXPECT_EQ(S_OK, m_menu->SetSubpictureColours(SPU_Scheme0, other, other));
        EXPECT_EQ(S_OK, m_menu->SetSubpictureColours(SPU_Scheme2, selected, activated));
        EXPECT_EQ(S_OK, m_button->put_ColourScheme(SPU_Scheme2));
    }

    // The map of a state: the class colours in map order, and the colour each becomes.
    ::testing::AssertionResult Maps(int state, const std::array<DWORD, 4>& targets)
    {
        SPUColorMap map{};
        HRESULT hr = GetColorMap(m_button, state, map);
        if (hr != S_OK)
            return ::testing::AssertionFailure() << "GetColorMap gave 0x" << std::hex << hr;
        const DWORD sources[4] = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
        for (int k = 0; k < 4; ++k) {
            if (map.source[k] != sources[k] || map.target[k] != targets[size_t(k)])
                return ::testing::AssertionFailure()
                       << std::hex << "class " << k << ": 0x" << map.source[k] << " -> 0x"
                       << map.target[k] << ", not 0x" << targets[size_t(k)];
        }
        return ::testing::AssertionSuccess();
    }

    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = AddMenu(m_project);
    CComPtr<IDSMenuButton> m_button = AddButton(m_menu);
};

TEST_F(ButtonColours, NormalColoursComeFromTheMenusOwnSet)
{
    // White takes the second pair (contrast 7), red the first (contrast 0), green the third
    // (contrast 15), blue the fourth (contrast 1).
    EXPECT_TRUE(Maps(SPUState_Normal, {Entry(2, 127), Entry(1, 0), Entry(3, 255), Entry(4, 31)}));
}

TEST_F(ButtonColours, SelectedAndActivatedColoursComeFromTheButtonsScheme)
{
    EXPECT_TRUE(Maps(SPUState_Selected, {Entry(6, 255), Entry(5, 127), Entry(7, 0), Entry(8, 63)}));
    EXPECT_TRUE(
        Maps(SPUState_Activated, {Entry(10, 0), Entry(9, 255), Entry(11, 127), Entry(12, 239)}));
}

TEST_F(ButtonColours, RefusesAnUnknownStateAndAButtonInNoMenu)
{
    SPUColorMap map{};
    EXPECT_EQ(E_INVALIDARG, GetColorMap(m_button, 3, map));
    EXPECT_EQ(E_INVALIDARG, GetColorMap(m_button, -1, map));
    CComPtr<IDSMenuElement> detached;
    ASSERT_EQ(S_OK, m_button->Copy(&detached));
    EXPECT_EQ(E_POINTER, GetColorMap(CComQIPtr<IDSMenuButton>(detached.p), SPUState_Normal, map));
    EXPECT_EQ(E_POINTER, GetColorMap(nullptr, SPUState_Normal, map));
}

// A menu of another object model that hands out colour bytes the palette cannot serve.
class LooseMenu : public StubMenu<ComObject<LooseMenu, IDSMenu>>
{
public:
    explicit LooseMenu(BYTE index, BYTE contrast) : m_index(index), m_contrast(contrast) {}
    HRESULT GetPalette(PaletteEntry* palette) override
    {
        for (int i = 0; i < kPaletteEntries; ++i)
            palette[i] = PaletteEntry{1, 2, 3};
        return S_OK;
    }
    HRESULT GetSubpictureColours(LONG, BYTE* selected, BYTE*) override
    {
        const BYTE bytes[8] = {m_index, m_contrast, 0, 0, 0, 0, 0, 0};
        std::copy(bytes, bytes + 8, selected);
        return S_OK;
    }

private:
    BYTE m_index;
    BYTE m_contrast;
};

class LooseButton : public StubMenuButton<StubMenuElement<ComObject<LooseButton, IDSMenuButton>>>
{
public:
    explicit LooseButton(IDSMenu* menu) : m_menu(menu) {}
    HRESULT GetMenu(IDSMenu** menu) override { return m_menu.CopyTo(menu); }

private:
    CComPtr<IDSMenu> m_menu;
};

TEST(ButtonColoursOfOtherModels, AnIndexOrContrastPastFifteenIsRefused)
{
    SPUColorMap map{};
    for (auto [index, contrast] : {std::pair<BYTE, BYTE>{16, 3}, {200, 3}, {2, 16}}) {
        CComPtr<LooseMenu> menu = LooseMenu::Create(index, contrast);
        CComPtr<LooseButton> button = LooseButton::Create(menu);
        EXPECT_EQ(E_INVALIDARG, GetColorMap(button, SPUState_Normal, map))
            << int(index) << " " << int(contrast);
    }
    CComPtr<LooseMenu> menu = LooseMenu::Create(15, 15);
    CComPtr<LooseButton> button = LooseButton::Create(menu);
    ASSERT_EQ(S_OK, GetColorMap(button, SPUState_Normal, map));
    EXPECT_EQ(map.target[1], 0xFF010203u);
}

} // namespace
