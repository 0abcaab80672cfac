// The fixture of the tests of menu chains, chapter menus and reflow: a user's project over the
// real engine with the templates of a theme (a shipped one, or a small one built here) copied
// in, its root menu made from them, and titles that play real clips with chapters.
#pragma once

#include "dsutils/DSMenuChainVec.h"

#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include <initializer_list>
#include <string>
#include <vector>

class ChainProject : public ProjectTest
{
protected:
    ChainProject();
    ~ChainProject() override;

    // Copies the templates of a shipped theme (a path below the content folder) into the
    // project and makes the root menu from them.
    void UseShippedTheme(const wchar_t* theme = L"DVD/4x3/Themes/Aurora.dmsd");
    // The same with a theme built here: a main and a chapter template whose layouts hold
    // capacity buttons (two to a row), each with Next, Prev, Up and Home buttons and a command
    // button holding a thumbnail and a label; the chapter template has indexButtons index
    // buttons with labels.
    void UseSmallTheme(int capacity, int indexButtons);

    // A user title that plays a clip of that many seconds, with chapters added at the times
    // through the chapter list.
    CComPtr<IDSTitle> AddTitleWithChapters(const wchar_t* name, int seconds,
                                           std::initializer_list<double> chapterTimes);
    // Adds chapters to the title through the chapter list.
    void InsertChapters(IDSTitle* title, std::initializer_list<double> chapterTimes);
    // Adds a chapter marker straight to the marker list of the title's production, as an
    // older project may hold it; returns its ID.
    static LONG AddMarker(IDSTitle* title, double time);
    // A page of the root menu's chain made full with command buttons that play the title.
    void FillWithTitleButtons(IDSMenu* page, IDSTitle* title);

    LONG MenuCount();

    CComPtr<IDSProjectData> project;
    CComPtr<IDSMenu> root;
    ScratchFolder scratch;

private:
    void CopyTheme(IDSProjectData* theme);
};

// The words a button shows: its first text's, else its own text.
std::wstring ButtonText(IDSMenuButton* button);
// The button's thumbnail overlay.
CComPtr<IDSMenuOverlay> ThumbnailOf(IDSMenuButton* button);
// The labels of the page's command buttons and of its index buttons, in element order.
std::vector<std::wstring> CommandLabels(IDSMenu* page);
std::vector<std::wstring> IndexLabels(IDSMenu* page);
// The chapters that the page's command buttons play, in element order.
std::vector<int> PlayedChapters(IDSMenu* page);
// The places in the chain of the pages that the page's index buttons lead to (-1 for a page
// outside it).
std::vector<int> IndexTargets(IDSMenu* page, const DSMenuChainVec& chain);
// One line per page of the chain saying everything a chapter menu is made of: each command
// button's label, title, chapter and marker ID, each index button's label and target page,
// and where the navigation buttons lead (pages of the chain by place, other menus by ID).
std::vector<std::string> DescribeChain(IDSMenu* menu);
