#include "dsutils/DSButtonStyleInfo.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"
#include "platform/Image.h"
#include "platform/ResultCodes.h"
#include "support/ErrorStackText.h"
#include "support/ProjectTest.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A content folder of the test's own, with button styles and themes written into it.
class ButtonStyles : public ProjectTest
{
protected:
    void SetUp() override { FlushButtonStyleCache(); }
    void TearDown() override { FlushButtonStyleCache(); }

    fs::path Folder(const char* aspect, const char* kind) const
    {
        fs::path folder = m_content / "DVD" / aspect / kind;
        fs::create_directories(folder);
        return folder;
    }

    static CComPtr<IDSMenuButton> NewButton(ULONG tag, const wchar_t* name)
    {
        CComPtr<IDSMenuButton> button;
        EXPECT_EQ(S_OK, button.CoCreateInstance(uuidof<CDSMenuButton>()));
        EXPECT_EQ(S_OK, button->put_Tag(tag));
        EXPECT_EQ(S_OK, button->put_Name(CComBSTR(name)));
        AddOverlay(button);
        return button;
    }

    static CComPtr<IDSProjectFile> FileService()
    {
        CComPtr<IDSProjectFile> service;
        EXPECT_EQ(S_OK, service.CoCreateInstance(CLSID_CDSProjectFile));
        return service;
    }

    // A style file of a button with that tag and name.
    fs::path WriteStyle(const char* aspect, const std::string& file, ULONG tag, const wchar_t* name)
    {
        fs::path path = Folder(aspect, "Button") / file;
        fs::create_directories(path.parent_path());
        EXPECT_EQ(S_OK,
                  FileService()->SaveButtonStyle(CComBSTR(path.wstring()), NewButton(tag, name)));
        return path;
    }

    void WritePreview(const char* aspect, const std::string& file)
    {
        BgraImage picture;
        ASSERT_EQ(S_OK, BgraImage::Create(8, 6, 0xFF336699, picture));
        ASSERT_EQ(S_OK, SaveImageFile(picture, (Folder(aspect, "Button") / file).wstring()));
    }

    static void WriteText(const fs::path& path, const std::string& text)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }

    fs::path WriteLinked(const char* aspect, const std::string& file, const std::string& link,
                         const std::string& id)
    {
        fs::path path = Folder(aspect, "Button") / file;
        WriteText(path,
                  "<?xml version=\"1.0\"?><LinkedButton link=\"" + link + "\" ID=\"" + id + "\"/>");
        return path;
    }

    // A theme of one menu holding a command button with that name; its ID.
    LONG WriteTheme(const fs::path& path, const wchar_t* buttonName)
    {
        CComPtr<IDSProjectData> theme = NewProject();
        CComPtr<IDSMenu> menu = Tagged(AddMenu(theme), MenuType_MainTemplate);
        CComPtr<IDSMenuButton> button = Tagged(AddButton(menu), ButtonType_Command);
        EXPECT_EQ(S_OK, button->put_Name(CComBSTR(buttonName)));
        AddText(button);
        fs::create_directories(path.parent_path());
        EXPECT_EQ(S_OK, FileService()->SaveProject(CComBSTR(path.wstring()), theme));
        return IdOf(button);
    }

    static std::vector<std::wstring> NamesOf(const std::vector<const DSButtonStyleInfo*>& styles)
    {
        std::vector<std::wstring> names;
        for (const DSButtonStyleInfo* style : styles)
            names.push_back(style->m_strName);
        return names;
    }

    static std::vector<std::wstring> Styles(DWORD mask, bool b4x3)
    {
        std::vector<const DSButtonStyleInfo*> styles;
        EXPECT_EQ(S_OK, GetButtonStyleInfo(styles, mask, b4x3));
        return NamesOf(styles);
    }

    ScratchFolder m_folder;
    fs::path m_content = m_folder.Path() / "content";
    ScopedEnvironment m_contentVariable{"REELMARK_CONTENT", m_content.c_str()};
};

using Names = std::vector<std::wstring>;

TEST_F(ButtonStyles, CacheListsTheStylesOfATypeInNameOrderWithTheirPreviews)
{
    WriteStyle("4x3", "B_Frame.xml", ButtonType_Command, L"Frame");
    WritePreview("4x3", "B_Frame.PNG");
    WriteStyle("4x3", "A_Plain.XML", ButtonType_Command | ButtonType_ChapterRange, L"Plain");
    WriteStyle("4x3", "C_Next.xml", ButtonType_Next, L"Arrow");
    WriteStyle("16x9", "Wide.xml", ButtonType_Command, L"Wide");

    std::vector<const DSButtonStyleInfo*> styles;
    ASSERT_EQ(S_OK, GetButtonStyleInfo(styles, ButtonType_Command, true));
    ASSERT_EQ(NamesOf(styles), (Names{L"Plain", L"Frame"}));
    EXPECT_EQ(styles[0]->m_strPath, (Folder("4x3", "Button") / "A_Plain.XML").wstring());
    EXPECT_EQ(styles[0]->m_strPreview, L"");
    EXPECT_EQ(styles[0]->m_dwTypeMask, DWORD(ButtonType_Command | ButtonType_ChapterRange));
    EXPECT_EQ(styles[1]->m_strPreview, (Folder("4x3", "Button") / "B_Frame.PNG").wstring());

    EXPECT_EQ(Styles(ButtonType_ChapterRange | ButtonType_Next, true), (Names{L"Plain", L"Arrow"}));
    EXPECT_EQ(Styles(ButtonType_Command, false), (Names{L"Wide"}));
    EXPECT_EQ(Styles(ButtonType_Home, true), Names{});
}

TEST_F(ButtonStyles, FolderIsReadOnceUntilTheCacheIsFlushed)
{
    WriteStyle("4x3", "One.xml", ButtonType_Command, L"One");
    std::vector<const DSButtonStyleInfo*> first;
    ASSERT_EQ(S_OK, GetButtonStyleInfo(first, ButtonType_Command, true));
    WriteStyle("4x3", "Two.xml", ButtonType_Command, L"Two");
    fs::remove(Folder("4x3", "Button") / "One.xml");

    std::vector<const DSButtonStyleInfo*> second;
    ASSERT_EQ(S_OK, GetButtonStyleInfo(second, ButtonType_Command, true));
    EXPECT_EQ(second, first);
    EXPECT_EQ(NamesOf(second), (Names{L"One"}));

    // The flush empties the caches and still answers "not implemented".
    EXPECT_EQ(E_NOTIMPL, FlushButtonStyleCache());
    EXPECT_EQ(Styles(ButtonType_Command, true), (Names{L"Two"}));
}

TEST_F(ButtonStyles, TheSecondFlagSelectsTheNotImplementedAnswer)
{
    WriteStyle("4x3", "One.xml", ButtonType_Command, L"One");
    EXPECT_EQ(E_NOTIMPL, InitButtonStyleCache(true, true));
    std::vector<const DSButtonStyleInfo*> styles;
    EXPECT_EQ(S_OK, GetButtonStyleInfo(styles, ButtonType_Command, true, true));
    EXPECT_TRUE(styles.empty());
    EXPECT_EQ(S_OK, InitButtonStyleCache(true));
    EXPECT_EQ(S_OK, InitButtonStyleCache(false));
    EXPECT_EQ(Styles(ButtonType_Command, true), (Names{L"One"}));
}

TEST_F(ButtonStyles, LinkedStyleIsListedWithTheThemeButtonsTagAndName)
{
    LONG id = WriteTheme(Folder("4x3", "Themes") / "Aurora.dmsd", L"Aurora Frame");
    WriteLinked("4x3", "Linked.xml", "Aurora", std::to_string(id));

    std::vector<const DSButtonStyleInfo*> styles;
    ASSERT_EQ(S_OK, GetButtonStyleInfo(styles, ButtonType_Command, true));
    ASSERT_EQ(NamesOf(styles), (Names{L"Aurora Frame"}));
    EXPECT_EQ(styles[0]->m_dwTypeMask, DWORD(ButtonType_Command));

    // The theme folder of the aspect the style file lies in is the one searched.
    WriteLinked("16x9", "Linked.xml", "Aurora", std::to_string(id));
    EXPECT_EQ(Styles(ButtonType_Command, false), Names{});
}

TEST_F(ButtonStyles, LinkedStyleTakesTheAspectOfItsFolderWhereverTheContentLies)
{
    fs::path content = m_folder.Path() / "Library 4x3" / "content";
    ScopedEnvironment moved("REELMARK_CONTENT", content.c_str());
    m_content = content;
    LONG id = WriteTheme(Folder("16x9", "Themes") / "Cobalt.dmsd", L"Wide Frame");
    WriteLinked("16x9", "Linked.xml", "Cobalt", std::to_string(id));
    EXPECT_EQ(Styles(ButtonType_Command, false), (Names{L"Wide Frame"}));
    // Outside the button folders the path decides.
    fs::path loose = m_folder.Path() / "styles 4x3" / "Linked.xml";
    WriteText(loose, "<LinkedButton link=\"Cobalt\" ID=\"" + std::to_string(id) + "\"/>");
    CComPtr<IDSMenuButton> button = NewButton(ButtonType_Up, L"Before");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              LoadButtonFromFile(loose.wstring().c_str(), button));
}

TEST_F(ButtonStyles, FilesThatDoNotLoadNeverStopTheCacheFromFilling)
{
    LONG id = WriteTheme(Folder("4x3", "Themes") / "Aurora.dmsd", L"Linked");
    WriteStyle("4x3", "A_Good.xml", ButtonType_Command, L"Good");
    WriteText(Folder("4x3", "Button") / "B_Broken.xml", "<Button ID=\"3\"><Button");
    WriteText(Folder("4x3", "Button") / "C_Foreign.xml", "<Recipe/>");
    WriteText(Folder("4x3", "Button") / "D_Empty.xml", "");
    WriteLinked("4x3", "E_Escape.xml", "../Themes/Aurora", std::to_string(id));
    WriteLinked("4x3", "F_Missing.xml", "Aurora", std::to_string(id + 1000));
    WriteLinked("4x3", "G_NoTheme.xml", "Nowhere", std::to_string(id));
    WriteLinked("4x3", "H_Linked.xml", "Aurora", std::to_string(id));
    WriteStyle("4x3", "I_Good.xml", ButtonType_Command, L"Good too");

    EXPECT_EQ(Styles(ButtonType_Command, true), (Names{L"Good", L"Linked", L"Good too"}));
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(ButtonStyles, LinksThatAreNoPlainThemeNameLoadNothing)
{
    LONG id = WriteTheme(Folder("4x3", "Themes") / "Aurora.dmsd", L"Inside");
    // Themes outside the theme folder that an escaping link could reach.
    WriteTheme(m_content / "DVD" / "4x3" / "Aurora.dmsd", L"Outside");
    WriteTheme(m_folder.Path() / "Elsewhere.dmsd", L"Absolute");
    const std::string links[] = {"../Aurora",
                                 "..",
                                 "",
                                 "Sub/Aurora",
                                 "..\\Aurora",
                                 "C:Aurora",
                                 (m_folder.Path() / "Elsewhere").string()};
    for (const std::string& link : links) {
        fs::path file = WriteLinked("4x3", "Hostile.xml", link, std::to_string(id));
        CComPtr<IDSMenuButton> button = NewButton(ButtonType_Next, L"Untouched");
        EXPECT_EQ(E_BUTTONSTYLE_UNSAFE_LINK, LoadButtonFromFile(file.wstring().c_str(), button))
            << link;
        EXPECT_TRUE(StackHolds(L"is not a plain theme name")) << link;
        CComBSTR name;
        ASSERT_EQ(S_OK, button->get_Name(&name));
        EXPECT_EQ(name, CComBSTR(L"Untouched")) << link;
    }
}

TEST_F(ButtonStyles, StyleFilesLoadWithOrWithoutTheFilePrefix)
{
    fs::path style = WriteStyle("16x9", "Frame.xml", ButtonType_Prev, L"Frame");
    for (std::wstring prefix : {L"", L"file::", L"file:"}) {
        CComPtr<IDSMenuButton> button = NewButton(ButtonType_Command, L"Before");
        ASSERT_EQ(S_OK, LoadButtonFromFile((prefix + style.wstring()).c_str(), button));
        ULONG tag = 0;
        ASSERT_EQ(S_OK, button->get_Tag(&tag));
        EXPECT_EQ(tag, ULONG(ButtonType_Prev)) << prefix;
    }
}

TEST_F(ButtonStyles, FilesThatAreNoStyleAreRefusedAndLeaveTheButtonAlone)
{
    LONG id = WriteTheme(Folder("16x9", "Themes") / "Cobalt.dmsd", L"Themed");
    WriteText(Folder("16x9", "Button") / "Broken.xml", "<Button");
    WriteText(Folder("16x9", "Button") / "Foreign.xml", "<Recipe/>");
    fs::path button = Folder("16x9", "Button");
    struct Case
    {
        fs::path file;
        HRESULT expected;
    } cases[] = {
        {button / "Missing.xml", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
        {button / "Broken.xml", E_INVALIDARG},
        {button / "Foreign.xml", E_INVALIDARG},
        {WriteLinked("16x9", "BadId.xml", "Cobalt", "twelve"), E_INVALIDARG},
        {WriteLinked("16x9", "NoButton.xml", "Cobalt", std::to_string(id + 1)),
         E_BUTTONSTYLE_LINKED_BUTTON_NOT_FOUND},
    };
    for (const Case& test : cases) {
        CComPtr<IDSMenuButton> target = NewButton(ButtonType_Up, L"Untouched");
        EXPECT_EQ(test.expected, LoadButtonFromFile(test.file.wstring().c_str(), target))
            << test.file;
        EXPECT_FALSE(KVUGetErrorStack().empty()) << test.file;
        CComBSTR name;
        ASSERT_EQ(S_OK, target->get_Name(&name));
        EXPECT_EQ(name, CComBSTR(L"Untouched")) << test.file;
    }
}

TEST_F(ButtonStyles, ThemeButtonsAreFoundByTheirId)
{
    fs::path theme = Folder("16x9", "Themes") / "Cobalt.dmsd";
    LONG id = WriteTheme(theme, L"Themed");
    CComPtr<IDSMenuButton> button = NewButton(ButtonType_Up, L"Before");
    bool found = true;
    EXPECT_EQ(S_OK, LoadButtonFromTheme(theme.wstring().c_str(), button, &found, id + 7));
    EXPECT_FALSE(found);
    EXPECT_EQ(S_OK, LoadButtonFromTheme(theme.wstring().c_str(), button, &found, id));
    EXPECT_TRUE(found);
    CComBSTR name;
    ASSERT_EQ(S_OK, button->get_Name(&name));
    EXPECT_EQ(name, CComBSTR(L"Themed"));

    // Any element but a linked button is left to the caller.
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    CComPtr<IXMLDOMElement> element;
    ASSERT_EQ(S_OK, document->createElement(CComBSTR(L"Button"), &element));
    found = true;
    EXPECT_EQ(S_FALSE, ButtonIndirectLoad(false, element, button, &found));
    EXPECT_FALSE(found);
}

TEST_F(ButtonStyles, FileStylesAreThoseInTheButtonFolderOfTheAspect)
{
    fs::path wide = WriteStyle("16x9", "Wide.xml", ButtonType_Command, L"Wide");
    WriteStyle("16x9", "Deeper/Inner.xml", ButtonType_Command, L"Inner");
    std::wstring named = L"file::" + wide.wstring();
    EXPECT_TRUE(IsFileButtonStyle(named.c_str(), false));
    EXPECT_FALSE(IsFileButtonStyle(named.c_str(), true));
    EXPECT_TRUE(IsFileButtonStyle(L"file:%CONTENT%/dvd/16X9/button/WIDE.xml", false));
    EXPECT_FALSE(IsFileButtonStyle(L"%CONTENT%/DVD/16x9/Button/Missing.xml", false));
    EXPECT_FALSE(IsFileButtonStyle(L"%CONTENT%/DVD/16x9/Button/Deeper/Inner.xml", false));
    EXPECT_FALSE(IsFileButtonStyle(L"%CONTENT%/DVD/16x9/Button/Deeper/../Wide.xml", false));
    EXPECT_FALSE(IsFileButtonStyle(L"Wide.xml", false));
    EXPECT_FALSE(IsFileButtonStyle(nullptr, false));
}

} // namespace

TEST_F(ButtonStyles, StyleFileRestylesAButtonAndKeepsItsWords)
{
    fs::path style = Folder("4x3", "Button") / "Framed.xml";
    CComPtr<IDSMenuButton> framed = NewButton(ButtonType_Command, L"Framed");
    SetLabel(AddText(framed), L"Title");
    ASSERT_EQ(S_OK, FileService()->SaveButtonStyle(CComBSTR(style.wstring()), framed));
    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSMenuButton> button = Tagged(AddButton(AddMenu(project)), ButtonType_Command);
    SetLabel(AddText(button), L"Chapter 4");

    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyStyle(button, (L"file::" + style.wstring()).c_str(), false));
    EXPECT_EQ(GetOverlayList(button, ~0u).size(), 1u) << "the style's overlay is taken";
    CComPtr<IDSMenuText> label = CDSMenuUtils::GetTextElement(button);
    ASSERT_TRUE(label);
    CComBSTR words;
    ASSERT_EQ(S_OK, label->get_Label(&words));
    EXPECT_EQ(words.Str(), L"Chapter 4");

    // A style that cannot be read leaves the button as it was.
    LONG before = Count(button);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              CDSMenuUtils::ApplyStyle(button, (style.wstring() + L".gone").c_str(), false));
    EXPECT_EQ(Count(button), before);
}
