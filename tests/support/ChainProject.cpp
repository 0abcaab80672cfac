#include "support/ChainProject.h"

#include "support/ErrorStackText.h"
#include "support/MediaFiles.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/KVEEditData.h"
#include "model/KVEMarkerList.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"

#include <sstream>

namespace {

// A button of the template at its place, with a label when it is given one.
CComPtr<IDSMenuButton> AddTemplateButton(IDSMenu* menu, ULONG tag, float x, float y,
                                         const wchar_t* label)
{
    CComPtr<IDSMenuButton> button = Placed(::AddButton(menu), tag, x, y, 0.3f, 0.2f);
    if (label) {
        CComPtr<IDSMenuText> text =
            Placed(::AddText(button), TextType_Label, 0.0f, -0.1f, 0.3f, 0.1f);
        EXPECT_EQ(S_OK, text->put_Label(CComBSTR(label)));
    }
    return button;
}

CComPtr<IDSMenu> AddSmallTemplate(IDSProjectData* theme, ULONG tag, int capacity, int indexButtons)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(theme), tag);
    CDSLayout layout(static_cast<unsigned>((capacity + 1) / 2), capacity > 1 ? 2u : 1u,
                     LayoutStyle_Rows, Justify_Center, Justify_Center, Weight_LastLinesFull);
    EXPECT_EQ(S_OK, menu->put_ButtonLayout(layout));
    FloatRect area = {-0.9f, 0.8f, 0.9f, -0.6f};
    EXPECT_EQ(S_OK, menu->put_LayoutRect(&area));
    CComPtr<IDSMenuButton> command =
        AddTemplateButton(menu, ButtonType_Command, 0.0f, 0.0f, L"Movie");
    Placed(::AddOverlay(command), OverlayType_Thumbnail, 0.0f, 0.05f, 0.25f, 0.15f);
    const ULONG navigation[] = {ButtonType_Next, ButtonType_Prev, ButtonType_Up, ButtonType_Home};
    for (int k = 0; k < 4; ++k)
        AddTemplateButton(menu, navigation[k], -0.9f + 0.6f * float(k), -0.85f, nullptr);
    for (int k = 0; k < indexButtons; ++k)
        AddTemplateButton(menu, ButtonType_ChapterRange, -0.6f + 0.4f * float(k), -0.7f, L"1-1");
    return menu;
}

std::string Utf8(const std::wstring& text)
{
    return WideToUtf8(text);
}

// Where a navigation or index button leads: "p<place>" for a page of the chain, else
// "m<ID>", or "-" for nowhere.
std::string TargetName(IDSMenuButton* button, const DSMenuChainVec& chain)
{
    IDSMenu* target = CDSMenuUtils::GetLinkedMenu(button);
    if (!target)
        return "-";
    for (size_t k = 0; k < chain.size(); ++k) {
        if (GetID(chain[int(k)]) == GetID(target))
            return "p" + std::to_string(k);
    }
    return "m" + std::to_string(GetID(target));
}

} // namespace

ChainProject::ChainProject() : project(NewProject())
{
    EXPECT_EQ(S_OK, project->put_DiscFormat(DiscFormat_DVD));
}

ChainProject::~ChainProject()
{
    root.Release();
    project.Release();
}

void ChainProject::CopyTheme(IDSProjectData* theme)
{
    ASSERT_EQ(S_OK, CDSMenuUtils::CopyTemplates(project, theme)) << KVUGetErrorStackText();
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &root)) << KVUGetErrorStackText();
}

void ChainProject::UseShippedTheme(const wchar_t* theme)
{
    CComPtr<IDSProjectData> loaded;
    std::wstring path = ResolveContentPath(std::wstring(L"%CONTENT%/") + theme);
    ASSERT_EQ(S_OK, CMenuStyleUtil::Load(path.c_str(), &loaded)) << KVUGetErrorStackText();
    CopyTheme(loaded);
}

void ChainProject::UseSmallTheme(int capacity, int indexButtons)
{
    CComPtr<IDSProjectData> theme = NewProject();
    AddSmallTemplate(theme, MenuType_MainTemplate, capacity, 0);
    AddSmallTemplate(theme, MenuType_ChapterTemplate, capacity, indexButtons);
    CopyTheme(theme);
}

CComPtr<IDSTitle> ChainProject::AddTitleWithChapters(const wchar_t* name, int seconds,
                                                     std::initializer_list<double> chapterTimes)
{
    CComPtr<IDSTitle> title = Tagged(::AddTitle(project), TitleType_User);
    EXPECT_EQ(S_OK, title->put_Name(CComBSTR(name)));
    ClipShape shape;
    shape.framesPerSecond = 1;
    shape.frameCount = seconds;
    shape.keyframeInterval = 30;
    std::wstring clip = MakeClip(scratch, (Utf8(name) + ".mp4").c_str(), shape);
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_OK, title->GetProduction(&production));
    EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production.p)
                        ->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_FALSE, nullptr));
    InsertChapters(title, chapterTimes);
    return title;
}

void ChainProject::InsertChapters(IDSTitle* title, std::initializer_list<double> chapterTimes)
{
    CComPtr<IUnknown> production;
    ASSERT_EQ(S_OK, title->GetProduction(&production));
    CDSChapterList chapters(production);
    for (double time : chapterTimes)
        ASSERT_EQ(S_OK, chapters.InsertChapter(time, nullptr)) << KVUGetErrorStackText();
}

LONG ChainProject::AddMarker(IDSTitle* title, double time)
{
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_OK, title->GetProduction(&production));
    LONG id = -1;
    EXPECT_EQ(S_OK,
              CComQIPtr<IKVEMarkerList>(production)->AddMarker(time, KVE_MARKER_CHAPTER, 0, &id));
    return id;
}

void ChainProject::FillWithTitleButtons(IDSMenu* page, IDSTitle* title)
{
    while (CDSMenuUtils::LayoutMenuVacant(page)) {
        CComPtr<IDSMenuButton> button;
        ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(page, &button, ButtonType_Command));
        ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
    }
}

LONG ChainProject::MenuCount()
{
    LONG count = -1;
    EXPECT_EQ(S_OK, project->get_MenuCount(&count));
    return count;
}

std::wstring ButtonText(IDSMenuButton* button)
{
    CComBSTR text;
    if (IDSMenuText* label = CDSMenuUtils::GetTextElement(button))
        EXPECT_EQ(S_OK, label->get_Label(&text));
    else
        EXPECT_EQ(S_OK, button->get_Label(&text));
    return text.Str();
}

CComPtr<IDSMenuOverlay> ThumbnailOf(IDSMenuButton* button)
{
    std::vector<CComPtr<IDSMenuOverlay>> thumbnails = GetOverlayList(button, OverlayType_Thumbnail);
    return thumbnails.empty() ? nullptr : thumbnails.front();
}

static std::vector<std::wstring> LabelsOf(IDSMenu* page, ULONG type)
{
    std::vector<std::wstring> labels;
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, type))
        labels.push_back(ButtonText(button));
    return labels;
}

std::vector<std::wstring> CommandLabels(IDSMenu* page)
{
    return LabelsOf(page, ButtonType_Command);
}

std::vector<std::wstring> IndexLabels(IDSMenu* page)
{
    return LabelsOf(page, ButtonType_ChapterRange);
}

std::vector<int> PlayedChapters(IDSMenu* page)
{
    std::vector<int> chapters;
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
        int chapter = -1;
        CDSMenuUtils::GetLinkedTitle(button, &chapter, false);
        chapters.push_back(chapter);
    }
    return chapters;
}

std::vector<int> IndexTargets(IDSMenu* page, const DSMenuChainVec& chain)
{
    std::vector<int> targets;
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_ChapterRange)) {
        std::string name = TargetName(button, chain);
        targets.push_back(name[0] == 'p' ? std::stoi(name.substr(1)) : -1);
    }
    return targets;
}

std::vector<std::string> DescribeChain(IDSMenu* menu)
{
    DSMenuChainVec chain(menu);
    std::vector<std::string> pages;
    for (const CComPtr<IDSMenu>& page : chain) {
        std::ostringstream line;
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
            int chapter = -1;
            IDSTitle* title = CDSMenuUtils::GetLinkedTitle(button, &chapter, false);
            LONG marker = 0;
            EXPECT_EQ(S_OK, button->get_ChapterMarkerID(&marker));
            line << "[" << Utf8(ButtonText(button)) << " t" << GetID(title) << " c" << chapter
                 << " m" << marker << "]";
        }
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_ChapterRange))
            line << " <" << Utf8(ButtonText(button)) << ">" << TargetName(button, chain);
        const std::pair<ULONG, const char*> kinds[] = {{ButtonType_Next, "next"},
                                                       {ButtonType_Prev, "prev"},
                                                       {ButtonType_Up, "up"},
                                                       {ButtonType_Home, "home"}};
        for (const auto& [kind, name] : kinds) {
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, kind))
                line << " " << name << ":" << TargetName(button, chain);
        }
        pages.push_back(line.str());
    }
    return pages;
}
