#include "MenuProjectTest.h"

#include "dsutils/DSButtonStyleInfo.h"

#include "platform/PathService.h"

namespace {

class ButtonStyleChangeTest : public MenuProjectTest
{
protected:
    void SetUp() override
    {
        MakeProject(1, AspectRatio_4x3);
        CComVariant files = Names({Clip("one.mp4"), Clip("two.mp4")});
        ASSERT_EQ(S_OK, CDSAppUtils::AddTitlesWithButton(m_project, files, false));
        m_buttons = GetButtonList(Root(), ButtonType_Command);
        ASSERT_EQ(2u, m_buttons.size());
    }

    // The source of the button's frame overlay (tag 2), which the style brings.
    static std::wstring FrameSource(IDSMenuButton* button)
    {
        std::vector<CComPtr<IDSMenuOverlay>> frames = GetOverlayList(button, 2);
        CComBSTR source;
        if (!frames.empty()) {
            EXPECT_EQ(S_OK, frames.front()->get_Source(&source));
        }
        return source.Str();
    }

    // What restyling may change (the frame) and what it must keep.
    struct Look
    {
        std::wstring frame, label, title;
        float x = 0, y = 0;
        bool operator==(const Look&) const = default;
    };

    static Look LookOf(IDSMenuButton* button)
    {
        Look look{FrameSource(button), GetDisplayName(button, nullptr).Str(), NameOfTitle(button)};
        EXPECT_EQ(S_OK, button->GetPosition(&look.x, &look.y));
        return look;
    }

    const std::wstring m_style = ResolveContentPath(L"%CONTENT%/DVD/4x3/Button/Framed.xml");
    std::vector<CComPtr<IDSMenuButton>> m_buttons;
};

TEST_F(ButtonStyleChangeTest, TheNamedButtonsTakeTheStyleAndKeepTheirWordsPlacesAndLinks)
{
    Look first = LookOf(m_buttons[0]);
    Look second = LookOf(m_buttons[1]);
    ASSERT_NE(std::wstring::npos, first.frame.find(L"Aurora")) << first.frame;

    CComVariant id(GetID(m_buttons[1]));
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeButtonStyle(m_project, CComBSTR(m_style), id))
        << KVUGetErrorStackText();
    EXPECT_EQ(first, LookOf(m_buttons[0]));
    Look restyled = LookOf(m_buttons[1]);
    EXPECT_NE(std::wstring::npos, restyled.frame.find(L"Framed_Frame.png")) << restyled.frame;
    restyled.frame = second.frame;
    EXPECT_EQ(second, restyled);

    // Left out, the buttons are every title button.
    ASSERT_EQ(S_OK, CDSAppUtils::ChangeButtonStyle(m_project, CComBSTR(L"file::" + m_style),
                                                   CComVariant()));
    EXPECT_NE(std::wstring::npos, FrameSource(m_buttons[0]).find(L"Framed_Frame.png"));
    ExpectEveryLinkSound();
}

TEST_F(ButtonStyleChangeTest, NothingChangesForAStyleThatDoesNotLoadOrAButtonThatIsNotThere)
{
    Look first = LookOf(m_buttons[0]);
    CComVariant all;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              CDSAppUtils::ChangeButtonStyle(m_project, CComBSTR(m_folder.File("none.xml")), all));
    LONG missing = 99999;
    EXPECT_EQ(E_INVALIDARG,
              CDSAppUtils::ChangeButtonStyle(m_project, CComBSTR(m_style), CComVariant(missing)));
    EXPECT_TRUE(StackHolds(L"The project has no button 99999"));
    EXPECT_EQ(first, LookOf(m_buttons[0]));
    EXPECT_EQ(E_POINTER, CDSAppUtils::ChangeButtonStyle(nullptr, CComBSTR(m_style), all));
}

} // namespace
