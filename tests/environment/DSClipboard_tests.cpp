#include "dsutils/DSClipboard.h"
#include "dsutils/DSTags.h"

#include "platform/Clipboard.h"
#include "platform/ComObject.h"
#include "platform/ResultCodes.h"
#include "platform/Window.h"
#include "support/ErrorStackText.h"
#include "support/ModelStubs.h"
#include "support/ProjectTest.h"

namespace {

// An element that gives no duplicate and cannot say which list holds it.
class BrokenElement : public StubMenuElement<ComObject<BrokenElement, IDSMenuElement>>
{
public:
    HRESULT Copy(IDSMenuElement** copy) override
    {
        *copy = nullptr;
        return S_OK;
    }
    HRESULT GetParentList(IDSMenuElementList**) override { return E_UNEXPECTED; }
};

CComBSTR LabelOf(IUnknown* element)
{
    CComBSTR label;
    CComQIPtr<IDSMenuElement>(element)->get_Label(&label);
    return label;
}

// A project with a source menu of a command button, a next-page button and a text, and an
// empty destination menu; the application's window owns the clipboard.
class Clipboard : public ProjectTest
{
protected:
    void SetUp() override
    {
        SetLabel(m_command, L"Play");
        SetLabel(m_text, L"Title text");
        ClipboardOtherProgram().CopyText(L"what the user copied before");
    }
    void TearDown() override
    {
        m_clipboard.Clear();
        DestroyWindow(m_window);
    }

    void Copy(std::initializer_list<IUnknown*> elements)
    {
        ASSERT_EQ(m_clipboard.StartCopyOrCut(), S_OK);
        for (IUnknown* element : elements)
            ASSERT_EQ(m_clipboard.AddCopyToClipboard(element), S_OK);
        ASSERT_EQ(m_clipboard.FinishCopyOrCut(), S_OK);
    }

    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_source = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> m_destination = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> m_command = Tagged(AddButton(m_source), ButtonType_Command);
    CComPtr<IDSMenuButton> m_next = Tagged(AddButton(m_source), ButtonType_Next);
    CComPtr<IDSMenuText> m_text = Tagged(AddText(m_source), 0);
    HWND m_window = CreateStandInWindow(POINT{0, 0}, BgraImage(8, 8));
    CDSClipboard m_clipboard{m_window};
};

TEST_F(Clipboard, PastingTwiceGivesTwoIndependentSetsAndKeepsTheItems)
{
    Copy({m_command, m_text});
    EXPECT_TRUE(m_clipboard.HasItemsForPaste());
    EXPECT_FALSE(m_clipboard.HasTextForPaste()) << "the marker replaced the user's text";

    ASSERT_EQ(m_clipboard.Paste(m_destination), S_OK);
    ASSERT_EQ(m_clipboard.Paste(m_destination), S_OK);

    ASSERT_EQ(Count(m_destination), 4);
    EXPECT_EQ(CDSClipboard::s_ClipboardList.size(), 2u);
    std::vector<LONG> ids;
    for (LONG i = 1; i <= 4; ++i) {
        CComPtr<IDSMenuElement> pasted = Item(m_destination, i);
        EXPECT_FALSE(pasted.IsEqualObject(i % 2 ? m_command.p : static_cast<IUnknown*>(m_text)));
        EXPECT_EQ(LabelOf(pasted), i % 2 ? CComBSTR(L"Play") : CComBSTR(L"Title text"));
        ids.push_back(IdOf(pasted));
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end()) << "every paste has its own IDs";
    SetLabel(Item(m_destination, 1), L"Changed");
    EXPECT_EQ(LabelOf(Item(m_destination, 3)), CComBSTR(L"Play"));
    EXPECT_EQ(LabelOf(m_command), CComBSTR(L"Play"));
    EXPECT_EQ(Count(m_source), 3) << "a copy leaves the source alone";
}

TEST_F(Clipboard, APastedNavigationButtonIsACommandButton)
{
    Copy({m_next});
    ASSERT_EQ(m_clipboard.Paste(m_destination), S_OK);
    EXPECT_EQ(GetTag(Item(m_destination, 1)), ULONG(ButtonType_Command));
    EXPECT_EQ(GetTag(m_next), ULONG(ButtonType_Next));

    // Pasted into a button, among its own elements, the same holds.
    ASSERT_EQ(m_clipboard.Paste(m_command), S_OK);
    ASSERT_EQ(Count(m_command), 1);
    EXPECT_EQ(GetTag(Item(m_command, 1)), ULONG(ButtonType_Command));
}

TEST_F(Clipboard, AnotherProgramTakingTheClipboardWithdrawsThePaste)
{
    Copy({m_command});
    ClipboardOtherProgram other;
    ASSERT_EQ(other.CopyText(L"copied elsewhere"), S_OK);

    EXPECT_TRUE(m_clipboard.HasItems());
    EXPECT_FALSE(m_clipboard.HasItemsForPaste());
    EXPECT_TRUE(m_clipboard.HasTextForPaste());
    EXPECT_FALSE(m_clipboard.HasFilesForPaste());
    EXPECT_EQ(m_clipboard.Paste(m_destination), S_FALSE);
    EXPECT_EQ(Count(m_destination), 0);

    const wchar_t files[] = L"/home/user/movie.mp4\0";
    ASSERT_EQ(other.Copy(CF_HDROP, files, sizeof(files)), S_OK);
    EXPECT_TRUE(m_clipboard.HasFilesForPaste());
}

TEST_F(Clipboard, AMarkerThatCannotBePutThereOffersNoPaste)
{
    ClipboardOtherProgram other;
    ASSERT_TRUE(other.Open());
    Copy({m_command});
    ASSERT_TRUE(other.Close());
    EXPECT_TRUE(m_clipboard.HasItems());
    EXPECT_FALSE(m_clipboard.HasItemsForPaste());
    EXPECT_TRUE(m_clipboard.HasTextForPaste()) << "the user's text is still there";
}

TEST_F(Clipboard, ACutElementLeavesItsMenuAtOnceAndIsWhatAPasteDuplicates)
{
    ASSERT_EQ(m_clipboard.StartCopyOrCut(), S_OK);
    ASSERT_EQ(m_clipboard.AddCutToClipboard(m_command), S_OK);
    EXPECT_EQ(Count(m_source), 2);
    ASSERT_EQ(m_clipboard.FinishCopyOrCut(), S_OK);
    ASSERT_EQ(CDSClipboard::s_ClipboardList.size(), 1u);
    EXPECT_TRUE(CDSClipboard::s_ClipboardList[0].IsEqualObject(m_command));

    SetLabel(m_command, L"Changed after the cut");
    ASSERT_EQ(m_clipboard.Paste(m_destination), S_OK);
    EXPECT_EQ(LabelOf(Item(m_destination, 1)), CComBSTR(L"Changed after the cut"));
    EXPECT_FALSE(Item(m_destination, 1).IsEqualObject(m_command));
}

TEST_F(Clipboard, APasteMakesTheResolvedThumbnailsOfItsDuplicatesStale)
{
    CComPtr<IDSMenuOverlay> thumbnail = Tagged(AddOverlay(m_command), OverlayType_Thumbnail);
    ASSERT_EQ(thumbnail->SetSourceType(OverlaySource_AllTitles, 0), S_OK);
    ASSERT_EQ(thumbnail->put_Source(CComBSTR(L"moniker::dvdproduction_7")), S_OK);
    ASSERT_EQ(thumbnail->put_PrivateId(12), S_OK);
    Copy({m_command});
    ASSERT_EQ(m_clipboard.Paste(m_destination), S_OK);

    CComQIPtr<IDSMenuOverlay> pasted(Item(Item(m_destination, 1), 1));
    ASSERT_TRUE(pasted);
    CComBSTR source;
    LONG privateId = -1;
    pasted->get_Source(&source);
    pasted->get_PrivateId(&privateId);
    EXPECT_TRUE(source.IsEmpty());
    EXPECT_EQ(privateId, 0);
    thumbnail->get_Source(&source);
    EXPECT_EQ(source, CComBSTR(L"moniker::dvdproduction_7")) << "the original stays resolved";
}

TEST_F(Clipboard, OnlyMenuElementsAreTaken)
{
    ASSERT_EQ(m_clipboard.StartCopyOrCut(), S_OK);
    EXPECT_EQ(m_clipboard.AddCopyToClipboard(m_source), S_FALSE);
    EXPECT_EQ(m_clipboard.AddCutToClipboard(m_source), S_FALSE);
    EXPECT_EQ(m_clipboard.AddCopyToClipboard(nullptr), S_FALSE);
    ASSERT_EQ(m_clipboard.FinishCopyOrCut(), S_OK);
    EXPECT_FALSE(m_clipboard.HasItems());
    EXPECT_TRUE(m_clipboard.HasTextForPaste()) << "nothing was put on the clipboard";

    Copy({m_command});
    CComPtr<IDSTitle> title = AddTitle(m_project);
    EXPECT_EQ(m_clipboard.Paste(title), E_POINTER);
    EXPECT_TRUE(StackHolds(L"*** Error NULL = (IDSMenuElementList*) spMenu"));
}

TEST_F(Clipboard, FailedCopiesAndCutsLeaveNothingToPaste)
{
    CComPtr<BrokenElement> broken = BrokenElement::Create();
    ASSERT_EQ(m_clipboard.StartCopyOrCut(), S_OK);
    EXPECT_EQ(m_clipboard.AddCopyToClipboard(broken->GetUnknown()), E_ADDCOPYTOCLIPBOARD_NO_COPY);
    EXPECT_EQ(m_clipboard.AddCutToClipboard(broken->GetUnknown()), E_UNEXPECTED);
    EXPECT_TRUE(StackHolds(L"= CDSMenuUtils::DeleteElement(spElem)"));
    EXPECT_FALSE(m_clipboard.HasItems());

    Copy({m_command});
    ASSERT_EQ(m_clipboard.StartCopyOrCut(), S_OK);
    EXPECT_FALSE(m_clipboard.HasItemsForPaste()) << "a new copy or cut starts empty";
}

} // namespace
