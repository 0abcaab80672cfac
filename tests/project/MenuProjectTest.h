// The fixture of the tests of title buttons, menu regeneration and project type changes: a new
// project of a disc format made with the default theme, titles made of clips of the test's own
// with chapters, and checks of the links and pages of the whole project.
#pragma once

#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSChapterList.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include <initializer_list>
#include <string>
#include <vector>

class MenuProjectTest : public ProjectOpsTest
{
protected:
    void MakeProject(LONG format, AspectRatio aspect)
    {
        ASSERT_EQ(S_OK, CDSAppUtils::NewProject(m_project, format, aspect, true, false, 0))
            << KVUGetErrorStackText();
    }

    // A clip of so many seconds, one frame a second.
    std::wstring LongClip(const char* name, int seconds)
    {
        ClipShape shape;
        shape.framesPerSecond = 1;
        shape.frameCount = seconds;
        shape.keyframeInterval = 30;
        return MakeClip(m_folder, name, shape);
    }

    // A title of a clip of so many seconds with chapters at the times (besides the first).
    CComPtr<IDSTitle> ChapterTitle(const char* name, int seconds,
                                   std::initializer_list<double> chapterTimes)
    {
        CComPtr<IDSTitle> title;
        EXPECT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, CComBSTR(LongClip(name, seconds)), &title))
            << KVUGetErrorStackText();
        if (!title)
            return title;
        CDSChapterList chapters(StoryboardOf(title).p);
        for (double time : chapterTimes)
            EXPECT_EQ(S_OK, chapters.InsertChapter(time, nullptr)) << KVUGetErrorStackText();
        return title;
    }

    IDSMenu* Root() { return CDSMenuUtils::GetRootMenu(m_project); }

    // The names of the titles the command buttons of the chain play, page by page.
    static std::vector<std::vector<std::wstring>> ChainTitles(IDSMenu* menu)
    {
        std::vector<std::vector<std::wstring>> pages;
        for (const CComPtr<IDSMenu>& page : DSMenuChainVec(menu)) {
            pages.emplace_back();
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command))
                pages.back().push_back(NameOfTitle(button));
        }
        return pages;
    }

    // The title a button plays, itself or through its chapter menu.
    static std::wstring NameOfTitle(IDSMenuButton* button)
    {
        IDSTitle* title = CDSMenuUtils::GetLinkedTitle(button, nullptr, true);
        if (!title)
            title = CDSAppUtils::GetLinkedChapterTitle(button, nullptr);
        return title ? GetDisplayName(title, nullptr).Str() : L"";
    }

    std::vector<CComPtr<IDSMenu>> Menus(ULONG mask) { return GetMenuList(m_project, mask); }

    // Every command of the project, its titles, its menus and their buttons leads to a title or
    // menu the project has; the pages of every chain are joined both ways, and no page of a
    // chain of several pages is empty.
    void ExpectEveryLinkSound()
    {
        ExpectTargetsExist(m_project, L"project");
        for (const CComPtr<IDSTitle>& title : GetTitleList(m_project, kAllTags))
            ExpectTargetsExist(title, L"title");
        for (const CComPtr<IDSMenu>& menu : Menus(kAllTags)) {
            ExpectTargetsExist(menu, L"menu");
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, kAllTags))
                ExpectTargetsExist(button, L"button");
        }
        for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main | MenuType_Chapter))
            ExpectChainSound(menu);
    }

    void ExpectTargetsExist(IUnknown* holder, const wchar_t* kind)
    {
        CCommandList commands(holder);
        for (int i = 0; i < commands.size(); ++i) {
            const DiscCommandParams& entry = commands[i];
            if (entry.command == DiscCommand_JumpMenu) {
                EXPECT_NE(nullptr, FindMenu(m_project, ULONG(entry.param1)).p)
                    << "a " << kind << " " << GetID(holder) << " jumps to menu " << entry.param1;
            }
            if (entry.command == DiscCommand_PlayTitle) {
                EXPECT_NE(nullptr, FindTitle(m_project, ULONG(entry.param1)).p)
                    << "a " << kind << " " << GetID(holder) << " plays title " << entry.param1;
            }
        }
    }

    static void ExpectChainSound(IDSMenu* menu)
    {
        IDSMenu* next = CDSMenuUtils::GetNextMenu(menu);
        if (next) {
            EXPECT_EQ(GetID(menu), GetID(CDSMenuUtils::GetPrevMenu(next)));
        }
        IDSMenu* prev = CDSMenuUtils::GetPrevMenu(menu);
        if (prev) {
            EXPECT_EQ(GetID(menu), GetID(CDSMenuUtils::GetNextMenu(prev)));
        }
        if (next || prev) {
            EXPECT_FALSE(GetButtonList(menu, ButtonType_Command).empty())
                << "menu " << GetID(menu) << " is an empty page";
        }
    }
};
