#include "LayoutModelTest.h"

#include "platform/ErrorStack.h"

#include <cmath>

namespace {

constexpr float kTolerance = 1e-6f;

} // namespace

void LayoutModelTest::SetUp()
{
    m_project = NewProject();
    ASSERT_TRUE(m_project);
    m_title = ::AddTitle(m_project);
    KVUClearErrorStack();
}

void LayoutModelTest::TearDown()
{
    m_title.Release();
    m_project.Release();
}

CComPtr<IDSMenu> LayoutModelTest::AddMenu(ULONG tag, ULONG layout)
{
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(S_OK, m_project->AddMenu(-1, &menu));
    EXPECT_EQ(S_OK, menu->put_Tag(tag));
    EXPECT_EQ(S_OK, menu->put_ButtonLayout(layout));
    return menu;
}

CComPtr<IDSMenuButton> LayoutModelTest::AddButton(IUnknown* holder, ULONG tag, float x, float y,
                                                  float width, float height)
{
    return Placed(::AddButton(holder), tag, x, y, width, height);
}

CComPtr<IDSMenuText> LayoutModelTest::AddText(IUnknown* holder, ULONG tag, const wchar_t* label,
                                              float width, float height)
{
    CComPtr<IDSMenuText> text = Placed(::AddText(holder), tag, 0.0f, 0.0f, width, height);
    EXPECT_EQ(S_OK, text->put_Label(CComBSTR(label)));
    return text;
}

CComPtr<IDSMenuOverlay> LayoutModelTest::AddOverlay(IUnknown* holder, ULONG tag, float x, float y,
                                                    float width, float height)
{
    return Placed(::AddOverlay(holder), tag, x, y, width, height);
}

void LayoutModelTest::PlayChapter(IDSMenuButton* button, int chapter)
{
    LONG titleId = 0;
    m_title->get_ID(&titleId);
    DiscCommandParams play = {DiscCommand_PlayTitle, titleId, chapter, nullptr};
    EXPECT_EQ(S_OK, CComQIPtr<IDSCommandList>(button)->SetCommands(1, &play));
}

::testing::AssertionResult LayoutModelTest::IsAt(IDSMenuElement* element, float x, float y)
{
    float atX = 0.0f;
    float atY = 0.0f;
    element->GetPosition(&atX, &atY);
    if (std::abs(atX - x) <= kTolerance && std::abs(atY - y) <= kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << atX << ", " << atY << "), expected (" << x << ", " << y << ")";
}

std::wstring LayoutModelTest::LabelOf(IDSMenuElement* element)
{
    CComBSTR label;
    EXPECT_EQ(S_OK, element->get_Label(&label));
    return label.Str();
}

ULONG LayoutModelTest::FlagsOf(IDSMenu* menu)
{
    ULONG flags = 0;
    EXPECT_EQ(S_OK, menu->get_Flags(&flags));
    return flags;
}
