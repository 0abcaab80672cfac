// Menu operations of the application: static operations only. Each subsystem implements its
// own operations in its own source files; this one declaration gathers them.
#pragma once

#include "dsutils/DSMenuElementVec.h"

#include "model/DiscCommand.h"
#include "model/FloatRect.h"
#include "model/ProjectEnums.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/WinTypes.h"

#include <vector>

struct IDSMenu;
struct IDSMenuButton;
struct IDSMenuElement;
struct IDSProjectData;
struct IDSTitle;
// Menu backgrounds, transitions and still menus (production/).
struct IKVEGraphManager;
struct IKVEProductionData;

// The place and shape of a menu element (CDSMenuUtils::GetTransform, themes/ElementTransform.cpp):
// the centre (relative to a holding button), the size (overlays only; 0 for other elements),
// the rotation and the opacity.
struct tagMETransform
{
    DWORD dwReserved;
    float x;
    float y;
    float width;
    float height;
    float rotation;
    float opacity;
};

class CDSMenuUtils
{
public:
    CDSMenuUtils() = delete;

    // Geometry (foundation/MenuGeometry.cpp). Pixel rectangles have y downward from the
    // frame's top-left corner; menu space runs from -1 to +1 with y upward.

    // Menu space of a pixel rectangle in a frame of width × height pixels. E_INVALIDARG, out
    // unchanged, when width or height is 0.
    static HRESULT ConvertToFloatRect(FloatRect& out, const RECT& in, int width, int height);

    // Whole pixels of a menu-space rectangle in a frame of width × height pixels. An edge
    // rounds up from a fraction above 0.498, and a negative edge truncates toward zero.
    // E_INVALIDARG, out unchanged, when width or height is 0 or an edge is not a finite
    // number; edges beyond the 32-bit range stop at its ends.
    static HRESULT ConvertToRect(RECT& out, const FloatRect& in, int width, int height);
    // The same in the frame of the menu (GetMenuSize); out unchanged on failure.
    static HRESULT ConvertToRect(RECT& out, const FloatRect& in, IDSMenu* pMenu);

    // The menu's frame in pixels from its project's TV standard and video resolution: height
    // 576 for PAL, else 480; width 720, 704, 352, 352 (with half the height) or 480 for the
    // resolutions 1 to 5, else 720. The outputs hold 720 × 480 until the size is known, also
    // on failure. E_POINTER for a null menu or a project without encoding parameters,
    // E_INVALIDARG for a menu in no project.
    static HRESULT GetMenuSize(IDSMenu* pMenu, int& nX, int& nY);

    // Layout words of menus (layout/PredefinedLayouts.cpp).

    // One layout offered for a menu: its place in the offer and its layout word.
    struct sPredefinedLayout
    {
        int index;
        ULONG layout;
    };

    // How many buttons the menu's layout holds (lines × buttons per line; the default layout
    // for a stored 0). 0 for a null menu or an unreadable layout.
    static int LayoutGetBtnCount(IDSMenu* pMenu);
    // The seven layouts offered for a menu, indices 0 to 6: the layout of the menu's template
    // for its type (of the menu itself without one) as stored, then, for its M possible
    // buttons, rows of M/2 (rounded down) lines × M/2 (rounded up) buttons, columns of M/2
    // (rounded up) × M/2 (rounded down), one row of M, one column of M, and the diagonals down
    // and up with M buttons, all centred with Weight_LastLinesFull. out is emptied first.
    // E_POINTER (nothing reported) for a null menu; a failed layout read is returned.
    static HRESULT LayoutGetPredefinedLayouts(IDSMenu* pMenu, std::vector<sPredefinedLayout>& out);

    // Arranging buttons on the grid (layout/MenuFmt.cpp). Command buttons are the buttons of
    // the menu's own list whose tag has ButtonType_Command; navigation buttons are never moved.

    // Puts the menu's command buttons on the grid of its layout, in the order of the chapter
    // number their links play (buttons without one first, ties in element order), inside the
    // menu's layout rectangle (the whole frame while that is empty), and clears the menu's
    // MenuFlag_FreePlacement. The grid has room for the layout's capacity; a layout of version 2
    // is spread for the buttons the menu has instead. Buttons past the capacity repeat the
    // first slots, moved up and right by 0.04. A button whose label is its only element takes
    // the label alignment of the layout's line justify.
    // A menu whose buttons the user placed by hand (MenuFlag_FreePlacement) is not arranged
    // unless bForce: its buttons stacked at the origin or on the template's first button are
    // only moved apart, the flag stays and the result is S_FALSE.
    // S_FALSE for a menu without command buttons, or when the layout gives no position (a
    // button justify or weight without a rule; the buttons then stay where they are). The
    // first failing placement stops the arrangement and is returned.
    static HRESULT LayoutArrangeButtons(IDSMenu* pMenu, bool bForce);
    // Whether the menu has fewer command buttons than its layout holds; also true for a menu
    // without command buttons. False for a null menu or an unreadable layout.
    static bool LayoutMenuVacant(IDSMenu* pMenu);
    // Whether the menu has more command buttons than its layout holds; also true for a menu
    // without command buttons. False for a null menu or an unreadable layout.
    static bool LayoutMenuOverflow(IDSMenu* pMenu);

    // Arranging buttons through an effect (layout/MenuFmt.cpp).

    // Arranges the menu's command buttons as LayoutArrangeButtons does, whatever the menu's
    // free-placement flag (which it clears), but places each button through
    // CDSProductionUtils::PositionBtnEffect on pEffect (the menu's storyboard, or the menu)
    // instead of moving the element. The grid always has room for the layout's capacity;
    // buttons beyond it line up along the top edge, ten to a run, spaced by the size of the
    // menu's first command button. Labels of lines justified to the start or the end are
    // aligned left or right. S_FALSE for a menu without command buttons; the first failing
    // placement stops the arrangement and is returned; E_POINTER for a null argument.
    static HRESULT LayoutArrangeBtnFx(IDSMenu* pMenu, IUnknown* pEffect);

    // Hit testing (layout/MenuHitTest.cpp).

    // The region the player highlights for the button: its active region when one is set,
    // else its highlight region, else (highlight S_FALSE) its extent. Returns the last read's
    // result.
    static HRESULT GetActiveRegion(IDSMenuButton* pButton, FloatRect* pfBtnRect);
    // The first button of the menu's own list, in element order, whose hit area contains the
    // point (edges included): its thumbnail's extent, or its active region when the thumbnail
    // is empty, or its extent when it has no thumbnail. *ppButton (one reference, may be
    // null) and *pfRect (its active region, may be null) are filled on a hit.
    // E_FINDBUTTONATPOS_NOTHING_HIT, *ppButton null, when no button is there.
    static HRESULT FindButtonAtPos(IDSMenu* pMenu, float x, float y, IDSMenuButton** ppButton,
                                   FloatRect* pfRect);
    // The elements of the menu's own list whose extents, in whole pixels of a frame of that
    // size (truncated), hold the pixel point (right and bottom edges excluded), or overlap the
    // pixel area. out is replaced by them, in element order. S_OK when there is one at least,
    // S_FALSE when none; elements whose extent cannot be read are passed over.
    static HRESULT FindElementsAtPos(IDSMenu* pMenu, POINT* pPoint, SIZE* pFrame,
                                     DSMenuElementVec& out);
    static HRESULT FindElementsInArea(IDSMenu* pMenu, RECT* pArea, SIZE* pFrame,
                                      DSMenuElementVec& out);

    // Alignment and sizes (layout/MenuAlignment.cpp, layout/SameSizeButtons.cpp).

    // The rectangle an element is aligned by. A text: its extent, or (-0.1, 0.1, 0.1, -0.1)
    // when that cannot be read. A button: the extent of its first child tagged 2, joined with
    // its thumbnail's when it has one; else its thumbnail's extent; else its label's
    // rectangle; else *pfAlignmentRect is left as it was. Any other element: its extent.
    // E_GETALIGNMENTRECT_INVALID_ALIGNMENT for an object that is not a menu element.
    static HRESULT GetAlignmentRect(IUnknown* pElement, FloatRect* pfAlignmentRect);
    // Moves the elements so that their edges or centres line up with the first one's: mode 1
    // left edges, 2 right edges, 3 vertical centres (y), 4 top edges, 5 bottom edges, 6
    // horizontal centres (x). Edges are those of a button's alignment rectangle and of any
    // other element's extent; the other coordinate is kept. Any other mode moves nothing.
    static HRESULT AlignElements(const DSMenuElementVec& elements, int mode);
    // Gives the buttons of the key's kind the key's proportions. For a command key: every
    // other command button of its menu that is built alike (the same children with the same
    // tags, and overlays tagged 2 or 8 showing the same source) takes the size and place of
    // the key's overlays tagged 8, 4 and 2, and the alignment and place of its label; the
    // button itself keeps its position. For a navigation key: the same for every other
    // navigation button without a label, overlays only. A child present in one button and not
    // in the other fails with E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING.
    static HRESULT MakeButtonsSameSize(IDSMenuButton* pKeyButton);
    // Gives the other buttons of the key's kind the key's look (CMenuStyleUtil::ButtonCopy with
    // their words kept): every other command button of its menu for a command key, every
    // other chapter-range button for a chapter-range key; any other key changes nothing.
    // Failures of single buttons are passed over (layout/SameStyleButtons.cpp).
    static HRESULT MakeButtonsSameStyle(IDSMenuButton* pKeyButton);

    // Button numbering (layout/ButtonNumbering.cpp).

    // Starts the label of every command button of the menu with its number among them, "1. ",
    // "2. " and so on; a label with the right number is not written again, an old number is
    // replaced, and a button without a text element keeps its place in the count. Failures of
    // single labels are passed over: S_OK once it ran; E_POINTER for a null menu.
    static HRESULT SetNumberBtns(IDSMenu* pMenu);
    // The first text element of the button's or the menu's own list, of any tag, borrowed
    // (the list keeps it); null when there is none.
    static IDSMenuText* GetTextElement(IDSMenuButton* pButton);
    static IDSMenuText* GetTextElement(IDSMenu* pMenu);

    // Writing links (navigation/LinkWriting.cpp). A link is the main command of a command
    // list that names a title or a menu.

    // Fills one entry from its target, leaving the node alone: a menu gives {JumpMenu, its ID,
    // 0}, a title {PlayTitle, its ID, nChapter}. E_SETCMD_INVALID_TARGET, entry unchanged, for
    // anything else.
    static HRESULT SetCmd(DiscCommandParams& entry, IUnknown* pTarget, int nChapter = 1);
    // Makes the target what the player does when the menu ends: the menu's commands become the
    // one entry SetCmd gives with chapter 1; a menu that names itself loops on itself (param2
    // 1). E_POINTER for a null menu or one without a command list.
    static HRESULT LinkCmd(IDSMenu* pMenu, IUnknown* pTarget);
    // Points the button's main command at the title (chapter 0) or the menu; its transition and
    // post command stay. E_POINTER for a null argument or a button without a command list.
    static HRESULT LinkCmd(IDSMenuButton* pButton, IDSTitle* pTitle);
    static HRESULT LinkCmd(IDSMenuButton* pButton, IDSMenu* pMenu);

    // Reading links (navigation/LinkReading.cpp). Every pointer returned is borrowed: the
    // project holds the object, and the caller does not release it. Nothing is reported; a
    // lookup that finds nothing gives null.

    // The menu of the button's first JumpMenu command, when no PlayTitle command comes first.
    static IDSMenu* GetLinkedMenu(IDSMenuButton* pButton);
    // The title the button plays: its first PlayTitle command (the chapter goes to *pnChapter
    // when given), passing over jumps to transition menus and other menus; with bStopAtMenu a
    // jump to a main or chapter menu ends the search with null. A transition followed by
    // PlayAll gives the project's first user title.
    static IDSTitle* GetLinkedTitle(IDSMenuButton* pButton, int* pnChapter, bool bStopAtMenu);
    // The title a chapter menu belongs to: the first title its command buttons play; null for
    // any other menu.
    static IDSTitle* GetLinkedTitle(IDSMenu* pMenu);
    // The first command button of pMenu that leads to pTarget, or null.
    static IDSMenuButton* GetLinkedButton(IDSMenu* pTarget, IDSMenu* pMenu);
    // Whether a PlayTitle command of the button plays the title; with bFirstOnly only its first
    // PlayTitle command counts.
    static bool IsLinkedToTitle(IDSMenuButton* pButton, LONG lTitleId, bool bFirstOnly);
    // The project's first title tagged TitleType_FirstPlay, or null.
    static IDSTitle* GetFirstPlayTitle(IDSProjectData* pProject);
    // The project's first main or chapter menu, or null.
    static IDSMenu* GetRootMenu(IDSProjectData* pProject);
    // The menu that the menu's first Home, Up, Next or Prev button leads to, or null.
    static IDSMenu* GetHomeMenu(IDSMenu* pMenu);
    static IDSMenu* GetUpMenu(IDSMenu* pMenu);
    static IDSMenu* GetNextMenu(IDSMenu* pMenu);
    static IDSMenu* GetPrevMenu(IDSMenu* pMenu);

    // Buttons and their targets (navigation/ButtonTargets.cpp).

    // Whether the button plays a title, directly or through a chapter menu; bIsSlideshow then
    // says whether the title's production is a slideshow (false otherwise).
    static bool IsTitleButton(IDSMenuButton* pButton, bool& bIsSlideshow);
    // Labels the button with the target's display name: the text of its first text element,
    // else its own text. The result of that write; E_POINTER for a null button.
    static HRESULT SetButtonTextToTarget(IDSMenuButton* pButton, IUnknown* pTarget);

    // Walking the link graph (navigation/RecursiveOps.cpp).

    // Appends to ids the ID of the menu and of every menu and title reached from it through
    // its command buttons and its Next pages; each menu once (a title as often as it is
    // reached). The root menu is not entered again, and of a chapter menu's buttons only the
    // first is followed.
    static HRESULT TraverseMenuLink(IDSMenu* pMenu, std::vector<LONG>& ids);
    // Appends the title the button plays, or walks the menu it leads to.
    static HRESULT TraverseButtonLink(IDSMenuButton* pButton, std::vector<LONG>& ids);

    // Checking and repairing navigation (navigation/NavigationRepair.cpp).

    // Whether the menu has no way back: no Up, Prev or Home link (Next links do not count).
    // False for a null menu.
    static bool CheckDeadEnd(IDSMenu* pMenu);
    // Whether deleting this navigation button would leave its menu without a way back; true
    // for a Next button, false for a button that is no navigation button.
    static bool CheckDeadEndBtn(IDSMenuButton* pButton);
    // Repairs the menu's Up and Home buttons: the root menu loses its first Up and first Home
    // button; another menu's Home button leads to the root menu, and its Up button to a page
    // that has a button leading here (or it is deleted). E_POINTER for a null menu.
    static HRESULT ValidateMenuLinks(IDSMenu* pMenu);
    // ValidateMenuLinks for every main and chapter menu of the project, whatever each gives.
    static HRESULT ValidateLinksForAllMenus(IDSProjectData* pProject);
    // Deletes the command buttons of the main menus whose first PlayTitle command plays the
    // title; returns how many were deleted.
    static int RemoveAllButtonsLinkedToTitle(IDSProjectData* pProject, LONG lTitleId);

    // Menu chains and navigation buttons (navigation/MenuChains.cpp, navigation/NavButtons.cpp).
    // A chain is the row of pages that Prev and Next buttons join.

    // The first page of the menu's chain (the menu itself when it has no Prev page), or null
    // for a null menu. A chain whose links run in a circle ends at the page before the first
    // one seen again.
    static IDSMenu* GetFirstMenuInChain(IDSMenu* pMenu);
    // The last page of the chain, walked the same way through Next links.
    static IDSMenu* GetLastMenuInChain(IDSMenu* pMenu);
    // Makes the menu's navigation button of that kind (Next, Prev, Home or Up) lead to the
    // target: its first such button is relinked, or a copy of its template's first such
    // button is appended. S_FALSE, nothing done, for a null target; E_LINKNAVBUTTON_NO_TEMPLATE
    // when the menu has no template, E_LINKNAVBUTTON_NO_NAVIGATION_BUTTON when the template has
    // no such button.
    static HRESULT LinkNavButton(IDSMenu* pMenu, ButtonTypes type, IDSMenu* pTargetMenu);

    // Templates and elements (themes/MenuTemplates.cpp, themes/TemplateCopy.cpp,
    // themes/TemplateStyles.cpp, themes/MenuElements.cpp, themes/ElementTransform.cpp,
    // themes/ElementRemoval.cpp). A project keeps the templates of its theme as hidden menus
    // chained into a ring by their TemplateIDs (each names the next, the last the first); a
    // menu's TemplateID names one template of the ring, its template head.

    // The menu's template, looked up by its TemplateID in its project; null when there is none.
    static CComPtr<IDSMenu> GetMenuTemplate(IDSMenu* pMenu);
    // The first template of the ring, walked from pTemplateHead, that serves menus of the
    // type: one tagged MenuType_ChapterTemplate for a type with MenuType_Chapter or
    // MenuType_ChapterTemplate, else one tagged MenuType_MainTemplate (one reference through
    // *ppTemplate). A ring that does not close ends the walk. E_POINTER for a null head or
    // out pointer; E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND when no template serves the type.
    // pProject may be null: the head's project is asked then.
    static HRESULT FindTemplateByMenuType(IDSProjectData* pProject, IDSMenu* pTemplateHead,
                                          ULONG menuType, IDSMenu** ppTemplate);
    // FindTemplateByMenuType on the ring of the menu's template head.
    static HRESULT FindTemplate(IDSMenu* pMenu, ULONG menuType, IDSMenu** ppTemplate);
    // A template of the project for new menus of the type: from the ring of the root menu's
    // template when it has one, else from the ring of the project's first template; the first
    // template of the project when no template serves the type; null when it has none.
    static CComPtr<IDSMenu> GetDefaultTemplate(IDSProjectData* pProject, ULONG menuType);

    // Loads the theme file and copies its templates into the project (CopyTemplates). The
    // first new template goes to *ppMenu and the theme's name to *pstrName when they are
    // given. bFlag is not used.
    static HRESULT CopyTemplate(IDSProjectData* pDst, const wchar_t* strStyleFile, bool bFlag,
                                IDSMenu** ppMenu = nullptr, CComBSTR* pstrName = nullptr);
    // Appends to the project one duplicate of each template of the theme (menus tagged
    // MenuType_MainTemplate or MenuType_ChapterTemplate, in theme order) and links them into a
    // ring. The first goes to *ppMenu (one reference) when ppMenu is given and *ppMenu null. A
    // failure ends the copying; the templates made so far stay.
    static HRESULT CopyTemplates(IDSProjectData* pDst, IDSProjectData* pTheme,
                                 IDSMenu** ppMenu = nullptr);
    // Makes pDst a template modelled on the user's menu pSrc: a duplicate with overlays that
    // show titles saved as the pictures they show, tagged MenuType_ChapterTemplate for a
    // chapter menu and MenuType_MainTemplate otherwise.
    static HRESULT ConstructTemplate(IDSMenu* pDst, IDSMenu* pSrc);

    // Applies a template to a menu: CMenuStyleUtil::MenuCopy, marks the project's private
    // productions for producing again (_DirtyOverlayProductions), then
    // CMenuStyleUtil::MenuElementsApply.
    static HRESULT ApplyStyle(IDSMenu* pMenu, IDSMenu* pTemplate);
    // CMenuStyleUtil::ButtonCopy with the text kept and updated.
    static HRESULT ApplyStyle(IDSMenuButton* pDst, IDSMenuButton* pStyle);
    // CMenuStyleUtil::TextCopy and CMenuStyleUtil::OverlayCopy.
    static HRESULT ApplyStyle(IDSMenuText* pDst, IDSMenuText* pSrc);
    static HRESULT ApplyStyle(IDSMenuOverlay* pDst, IDSMenuOverlay* pSrc);
    // Restyles one button from a button style file (LoadButtonFromFile, "file::" prefix
    // allowed): the button takes the style's look with ButtonCopy and keeps its words when it
    // is a command or chapter-range button. bReserved is not used. The loader's failure is
    // returned and the button is left as it was.
    static HRESULT ApplyStyle(IDSMenuButton* pBtn, const wchar_t* pszStyleFile, bool bReserved);
    // Gives the button the style button's look and keeps its place and tag; its text is kept
    // when the style is a command or chapter-range button.
    static HRESULT ApplyBtnStyle(IDSMenuButton* pDst, IDSMenuButton* pStyle);
    // Applies to each menu the template of its type from the ring of pTemplateHead; a menu
    // whose type has no template is reported and passed over. E_INVALIDARG for an empty list
    // or a null head.
    static HRESULT ApplyThemeToMenus(const std::vector<CComPtr<IDSMenu>>& menus,
                                     IDSMenu* pTemplateHead);
    // Gives every button of the type the look of the template's first button of the type
    // (ApplyStyle); the menu's own template when pTemplate is null.
    // E_APPLYALLBUTTONS_NO_TEMPLATE_BUTTON when the template has no such button.
    static HRESULT ApplyAllButtons(IDSMenu* pMenu, ULONG type, IDSMenu* pTemplate = nullptr);
    // Restyles the target button, or every button of the target menu whose tag shares a bit
    // with the style button's (the style button itself excepted), keeping their words.
    static HRESULT ApplyToAllButtonsInMenu(IDSMenuButton* pStyle, IUnknown* pTarget);

    // Appends to the menu a copy of its template's first button of the type (one reference
    // through *ppButton); for chapter-range buttons, of the template's button at index when
    // 0 < index < their number. A template without such a button makes a plain button of the
    // type instead (noted on the debug output). E_POINTER when the menu has no template.
    static HRESULT AddButton(IDSMenu* pMenu, IDSMenuButton** ppButton, ULONG type, int index = 0);
    // Appends a text to a menu or a button, with the look of the first text of the menu's
    // template, centred on (0, 0) (one reference through *ppText).
    static HRESULT AddText(IUnknown* pParent, IDSMenuText** ppText);
    // Appends an empty overlay to a menu or a button (one reference through *ppOverlay).
    static HRESULT AddOverlay(IUnknown* pParent, IDSMenuOverlay** ppOverlay);
    // Appends a new element of the kind to a menu or a button (one reference through
    // *ppElement). E_INVALIDARG for a kind outside etmButton … etmOverlay or a parent
    // without an element list.
    static HRESULT AddMenuElement(IUnknown* pParent, eMenuElementType kind,
                                  IDSMenuElement** ppElement);
    // Moves the element to the end of its menu's own list (out of a button, for instance) and
    // makes its resolved sources stale (ClearForResolve). pMenu must be the element's menu.
    static HRESULT MoveMenuElement(IDSMenu* pMenu, IDSMenuElement* pElement);
    // Removes the element from the list that holds it; S_FALSE for an element in no list.
    static HRESULT DeleteElement(IDSMenuElement* pElement);

    // Reads the transform; every field is cleared first.
    static HRESULT GetTransform(IDSMenuElement* pElement, tagMETransform* pTransform);
    // Writes position, rotation and opacity, and for an overlay its size; dwReserved is not
    // used.
    static HRESULT SetTransform(IDSMenuElement* pElement, const tagMETransform* pTransform);

    // Making resolved productions stale (production/DirtyOverlayProductions.cpp,
    // production/ClearForResolve.cpp).

    // Marks every private title of the project (TitleType_Private: the productions behind
    // overlay montages and backgrounds) for producing again. E_POINTER for a null project.
    static HRESULT _DirtyOverlayProductions(IDSProjectData* pProject);
    // Makes the resolved sources of an element stale: the thumbnails of a button, or the
    // overlay itself (IDSMenuOverlay::ResetResolvedSource); other elements are left alone.
    // The first failure is returned.
    static HRESULT ClearForResolve(IDSMenuElement* pElement);

    // Menu pages: finding, appending and removing them (navigation/MenuChains.cpp,
    // navigation/MenuPages.cpp).

    // Deletes the menu from its project by its ID and returns the project's result. Links that
    // lead to the menu stay as they are (LinkRemoveMenu mends them). E_POINTER for a null menu
    // or one in no project.
    static HRESULT DeleteMenu(IDSMenu* pMenu);
    // The project's menu with that ID, borrowed; null when the ID names no menu.
    static IDSMenu* GetMenuById(IDSProjectData* pProject, ULONG id);
    // The first page of the menu's chain that has room for one more command button
    // (LayoutMenuVacant), borrowed; null when every page is full or the menu is null. With
    // create a full chain gets a new last page instead (AddMenu with the type and template of
    // its first page, then LinkMenuToChain), which is returned; a page that cannot be made or
    // linked is taken out again, the failure is reported and the result is null.
    static IDSMenu* FindAvailableMenu(IDSMenu* pMenu, bool create = false);
    // Appends pNewMenu to the chain of pChainMember: the chain's last page gets a Next button to
    // it, and it gets a Prev button to that page, an Up button to that page's Up menu and a
    // Home button to the root menu (those two only when there is such a menu). Stops at the
    // first failing link and returns it; otherwise the result of the last link (S_FALSE when
    // the project has no root menu). E_LINKMENUTOCHAIN_NO_CHAIN when pChainMember is null.
    static HRESULT LinkMenuToChain(IDSMenu* pChainMember, IDSMenu* pNewMenu);
    // Takes the menu out of navigation, then deletes it (the result of DeleteMenu). A middle
    // page's neighbours are joined to each other; the page after a first page loses its Prev
    // button and takes over the button above that led to the first page; the page before a
    // last page loses its Next button. The only page of a chapter menu hands the button above
    // that led to it over to the title of its first command button, which the button then
    // plays. Stops at the first failure.
    static HRESULT LinkRemoveMenu(IDSMenu* pMenu);

    // Menu backgrounds, transitions and still menus (production/MenuBackground.cpp,
    // production/MenuTransitions.cpp, production/TransitionStills.cpp,
    // production/StillMenuProduction.cpp).

    // The production of the menu's background: the production of the private title named by
    // the menu's BkgndID (one reference through *ppBkgndSbd). With bCreate a menu without one
    // gets a new title tagged TitleType_Private, and a background title marked for producing
    // again (a new one, or one _DirtyOverlayProductions made stale) is built from the menu's
    // Background: a production file is loaded, a moniker ("moniker:…") shows the production
    // the background production keeps under that name, any other file is its only panel, in
    // the shape of the menu's storyboard and for the menu's duration; a Background that names
    // nothing there leaves it without panels. S_FALSE, *ppBkgndSbd null, without a background
    // title when bCreate is false. E_POINTER for a null argument or a menu in no project; a
    // BkgndID that names no title of the project gives the lookup's failure.
    static HRESULT GetMenuBkgndProduction(IDSMenu* pMenu, IUnknown** ppBkgndSbd, bool bCreate);
    // Brings the menu storyboard's background up to date: the background production (made
    // when missing) is its first panel, under the moniker of the menu's BkgndID, replaced only
    // when it shows anything else or the background production changed since; the storyboard
    // lasts the menu's Duration; the menu's Audio is its background audio (a file that does
    // not exist plays none), and the first panel plays its own sound only without one. A
    // production-file background whose media are missing becomes black for the menu's
    // duration; a background production without panels makes the placeholder picture
    // "%CONTENT%/DVD/Mandatory/PlaceHolder.png" the menu's Background and shows it. Running
    // it again on an unchanged menu changes nothing. E_POINTER for a null menu; failures are
    // reported and returned, with what was done before them kept.
    static HRESULT ResolveMenuBkgndSource(IDSMenu* pMenu);

    // The transition menu the button's first transition command (DiscCommand_Transition or
    // DiscCommand_TransitionClip) leads to, borrowed; null when the button has none or it
    // names no menu of the project.
    static IDSMenu* GetTransition(IDSMenuButton* pButton);
    // Makes the transition menu (tagged MenuType_Transition, its own command jumping to the
    // root menu) that the button's first transition command plays, and points the command at
    // it. A clip transition gets a menu whose Background is the clip, once: a command that
    // leads to a transition menu already keeps it, and a clip that does not exist makes none.
    // An effect transition is built by CreateAutoTransition. pszName, when not empty, names
    // the transition menu. S_OK, nothing done, for a button without a transition command.
    // E_POINTER for a null button or one in no project.
    static HRESULT CreateTransition(IDSMenuButton* pButton, const wchar_t* pszName = nullptr);
    // Builds the effect transition of the command (an entry of the button's command list whose
    // node is the effect) from the last frame of the button's menu to the first frame of the
    // title or menu the button leads to: two stills (GetThumbnailFromCache) with the effect
    // between them, in a transition menu's production shaped like the button's menu. The
    // transition menu the command leads to is used again when this button is the first of
    // the project to lead to it; otherwise a new one is appended and command.param1 names it
    // (the caller commits the list the entry belongs to). S_FALSE, nothing made, when the
    // button leads nowhere. E_POINTER for a null button or one in no menu or project.
    static HRESULT CreateAutoTransition(DiscCommandParams& command, IDSMenuButton* pButton);
    // Renders the first (bBegin) or the last whole frame of the production, 640 × 480 for a
    // 4:3 production and 640 × 360 otherwise, to "TBCache_<lId>_begin.PNG" or "…_end.PNG" in
    // the "TransitionCache" folder of the temporary folder, anew on every call, and hands its
    // path out in a new string. The first frame is taken half a frame in, the last half a
    // frame before the end of the frame before the last; a production shorter than two frames
    // gives its first. E_POINTER for a null argument; failures are reported and returned.
    static HRESULT GetThumbnailFromCache(BSTR* pbstrFile, IKVEProductionData* pProduction,
                                         bool bBegin, LONG lId);
    // Removes every transition menu of the project that no button of any menu leads to.
    // E_POINTER for a null project; the first failed removal is returned.
    static HRESULT RemoveUnreferencedTransitions(IDSProjectData* pProject);

    // Makes a still production of a resolved menu: the menu storyboard's frame at 0 rendered
    // at the height of the project's frame (CDSEncodeParams::GetFrameSize) and the width of
    // the menu's shape (4:3 or 16:9, truncated) to "MenuStill_<ID>.png" in the "Menus" folder
    // of the temporary folder, shown from the middle of the first frame to the middle of the
    // frame that holds the menu's duration (1 second with bOneSecond), with the menu's Audio
    // as background audio carrying the menu storyboard's background audio settings (a missing
    // file gives no audio). The graph manager is left rendering the menu storyboard. One
    // reference to the new production through *ppUnkStillSbd. bReserved is not used.
    // E_POINTER for a null menu, graph manager or out argument; failures are reported and
    // returned, and a written still stays on disk.
    static HRESULT CreateStillMenuProduction(const CComPtr<IDSMenu>& spMenu,
                                             const CComPtr<IKVEGraphManager>& spGraphMgr,
                                             IUnknown** ppUnkStillSbd, bool bOneSecond,
                                             bool bReserved);
    // New menus and sub-menus (navigation/MenuPages.cpp, navigation/SubMenus.cpp).

    // The templateId of AddMenu that asks for the project's default template.
    static constexpr ULONG kDefaultTemplate = 0xFFFFFFFFu;
    // Appends to the project a menu of the type (MenuType_Main, MenuType_Chapter) made from a
    // template: the one with templateId when it serves the type, else the project's default
    // (GetDefaultTemplate with MenuType_MainTemplate for a main menu, MenuType_ChapterTemplate
    // for any other). The menu takes the template's look (CMenuStyleUtil::MenuCopy) and its
    // texts and free overlays (CMenuStyleUtil::MenuElementsCopy), loops on itself when it ends,
    // is tagged with the type and, when the disc cannot play moving menus (MenuShouldBeStill),
    // flagged MenuFlag_Still. *ppMenu receives it (one reference) as soon as it is in the
    // project, also when a later step fails. E_INVALIDARG for a null project,
    // E_ADDMENU_NO_TEMPLATE when the project has no template.
    static HRESULT AddMenu(IDSProjectData* pProject, int menuType, IDSMenu** ppMenu,
                           ULONG templateId = kDefaultTemplate);
    // Hangs pMenu under a new command button of pParentMenu, or with bFindPage of the first
    // page of its chain with room (FindAvailableMenu with create): the button leads to pMenu,
    // and pMenu gets an Up button to that page and, unless the disc is a video CD (formats 5
    // and 6), a Home button to the root menu. *ppButton (when given) receives the new button
    // (one reference). Stops at the first failure.
    static HRESULT LinkSubMenu(IDSMenu* pMenu, IDSMenu* pParentMenu, IDSMenuButton** ppButton,
                               bool bFindPage);

    // Still menus (production/MenuShouldBeStill.cpp).

    // Whether the menu must be a still menu: its project's disc format cannot play moving menus
    // (CDSAppUtils::IsFormatCap with FormatCap_MotionMenus; format 1 when the project does not
    // say). False for a menu in no project.
    static bool MenuShouldBeStill(IDSMenu* pMenu);

    // Chapter menus (chapters/GenerateChapterMenus.cpp, chapters/ChapterLinks.cpp,
    // chapters/ChapterIndexButtons.cpp, chapters/UpdateChapterMenus.cpp,
    // chapters/RemoveChapterMenus.cpp). A chapter menu is a chain of pages tagged
    // MenuType_Chapter with one command button per chapter of a title, in chapter order, each
    // playing its chapter and keeping the ID of its chapter marker (-1 for chapter 1), and on
    // every page the index buttons (ButtonType_ChapterRange) of its chapter menu template,
    // which jump to nearby pages and are labelled with their chapters ("7-12"). Chapters are
    // numbered as CDSChapterList numbers them.

    // Builds a chapter menu for the title under pParentMenu: a new chain (AddMenu) with an Up
    // button to pParentMenu and a Home button to the root menu, one chapter button per
    // chapter, new pages appended as pages fill (FindAvailableMenu with create), and index
    // buttons (UpdateChapterIndexBtns). *ppChapterMenu (when given) receives its first page
    // (one reference). S_FALSE, nothing made, for a title of one chapter;
    // E_CHAPTERMENUS_NO_MARKER_LIST when the title's production has no marker list. Pages
    // made before a failure stay.
    static HRESULT GenerateChapterMenus(IDSTitle* pTitle, IDSMenu** ppChapterMenu,
                                        IDSMenu* pParentMenu);
    // The same, then hangs the new chapter menu under a new command button of pParentMenu
    // (LinkSubMenu on that very page), handed out through *ppButton when given.
    static HRESULT GenerateChapterMenus(IDSMenu* pParentMenu, IDSTitle* pTitle,
                                        IDSMenuButton** ppButton);
    // Makes the button play the title from the chapter: its main command and whatever follows
    // are replaced by the one link; transitions in front of it stay. With bSetLabel the button
    // is labelled with the chapter number. Its thumbnail takes the chapter's own picture again
    // (source time -1). S_OK without any change when the button already plays that chapter of
    // that title.
    static HRESULT LinkChapter(IDSMenuButton* pButton, IDSTitle* pTitle, LONG lChapter,
                               bool bSetLabel);
    // Makes an index button jump to the page and labels it with the page's chapters, "5-8"
    // ("0-0" for a page without chapter buttons).
    static HRESULT LinkChapIndex(IDSMenuButton* pButton, IDSMenu* pPage);
    // Gives every page of the chapter menu's chain as many index buttons as its template has
    // (fewer when the chain has fewer pages), each jumping to one page of a window around
    // the page, in page order; surplus index buttons are deleted and missing ones made from
    // the template. S_FALSE when the template has no index buttons or the chain plays no
    // chapter; E_POINTER for a null chain.
    static HRESULT UpdateChapterIndexBtns(IDSMenu* pChain);
    // Brings the chapter menu in line with the title's chapters: buttons are matched to
    // chapters by their chapter-marker IDs; buttons whose chapter is gone (or that another
    // button already stands for) are deleted, buttons whose chapter number changed are linked
    // and labelled anew, and new chapters get buttons. Every chapter then has exactly one
    // button and the title's buttons run in chapter order over the pages (pages added or
    // removed as needed), followed by buttons that play something else, which are kept. Then
    // the index buttons are updated and the pages laid out. E_CHAPTERMENUS_NO_MARKER_LIST
    // when the title's production has no marker list.
    static HRESULT UpdateChapterMenus(IDSTitle* pTitle, IDSMenu* pChapterMenu);
    // Deletes every chapter menu page of the project whose first command button plays the
    // title, and the command button above each first page that led to it (on its Up menu, or
    // the root menu when it has none).
    static HRESULT RemoveChapterMenus(IDSProjectData* pProject, LONG lTitleId);
    // Makes every command button of the project that leads to the chapter menu play the
    // menu's title instead (from its start).
    static HRESULT RepairButtonToChapterMenu(IDSMenu* pMenu);

    // Menu production: resolving a menu and its overlay sources, and the menu's durations
    // (production/ResolveMenuProduction.cpp, production/EffectDuration.cpp,
    // production/MenuDuration.cpp, production/OverlaySourceResolution.cpp, production/OverlayLimit.cpp,
    // production/OnDiscThumbnails.cpp).

    // Brings the menu's production up to date with the menu, in this order: with bRelink the
    // commands of the menu and its buttons that lead to objects no longer in the project are
    // removed; the thumbnail of every command button and every free overlay is resolved
    // (ResolveBtnThumbSource, ResolveOverlaySource); the background (ResolveMenuBkgndSource);
    // on disc formats 5 and 6 the buttons are numbered (SetNumberBtns); with bRelink the
    // buttons' arrow-key neighbours are linked (applyButtonLinkAlgorithm) and their transition
    // menus made (CreateTransition); last the effect intervals (ResolveEffectDuration). The
    // storyboard collects the changes as one (its update switch is off meanwhile), and a
    // project that had no unsaved changes before is marked unchanged again after. When ppSbd
    // is given it receives the menu's storyboard (one reference) before any step runs, also
    // when a step fails. The first failing step stops the run and is returned; what the steps
    // before it did stays. Running it again on an unchanged menu changes nothing. E_POINTER
    // for a null menu, a menu in no project or without a storyboard.
    static HRESULT ResolveMenuProduction(IDSMenu* pMenu, IUnknown** ppSbd, bool bRelink);
    // Shows every button, free overlay and text of the menu from the middle of the first frame
    // of its storyboard to the middle of the last whole frame that begins before its end (at
    // the storyboard's editing frame rate, 29.97 when it has none). E_POINTER for a null menu
    // or one without a storyboard; the elements' answers are not checked.
    static HRESULT ResolveEffectDuration(IDSMenu* pMenu);
    // The menu's stored duration in seconds (also while it is automatic). E_POINTER for a null
    // argument; a failed read is reported and returned.
    static HRESULT GetDuration(IDSMenu* pMenu, double* pdblSecs);
    // 0 makes the duration automatic (MenuFlag_AutoDuration) and keeps the stored value; any
    // other value is stored and makes it fixed. A refused value is reported and returned.
    static HRESULT SetDuration(IDSMenu* pMenu, double dblSecs);
    // The longest duration the smart audio of the menu's storyboard allows: 0.0 without smart
    // audio, -1.0 when it sets no limit. E_POINTER for a null argument; a menu without a
    // storyboard gives the failure of that lookup.
    static HRESULT GetMaxDuration(IDSMenu* pMenu, double* pdblSecs);

    // Resolves the button's first thumbnail overlay (ResolveOverlaySource as a button's
    // thumbnail) in pSbd, or in its menu's storyboard when pSbd is null; a command button that
    // leads to a menu has its thumbnail zoomed to fill. S_OK, nothing done, for a button
    // without a thumbnail. E_POINTER for a null button.
    static HRESULT ResolveBtnThumbSource(IDSMenuButton* pBtn, IUnknown* pSbd);
    // Turns the overlay's source type into a picture the storyboard (pSbd, or the overlay's
    // menu's when null) can show: an unset type becomes the button's link for a button's
    // thumbnail (bBtn) and the menu's titles for a free overlay; a file that no longer exists
    // is cleared; a link, a title, all titles or the menu's titles become one title's picture
    // (a file with its interval, a cached still, or the title's production kept in the
    // storyboard) or a montage of several. Then source and alpha mask are fitted into the
    // overlay. A picture that cannot be found leaves the overlay without a Source; failures
    // are reported and returned. E_POINTER for a null overlay or one outside any storyboard.
    static HRESULT ResolveOverlaySource(IDSMenuOverlay* pOvl, IUnknown* pSbd, bool bBtn);
    // Keeps at most three free overlays of the overlay's menu on sources that need nested
    // productions (all titles, the menu's titles): when there are more, the first beyond the
    // third is switched to the menu's project's first user title. S_FALSE for a null overlay
    // or one in no menu.
    static HRESULT LimitMenuOverlaySubproductions(IDSMenuOverlay* pOvl);

    // The path of a title's cached thumbnail for titles on a disc: "Thumbnail_T<ID>_<number>
    // .PNG" in "OnDiscCache" of the temporary folder (made when missing), number 0 taken as 1;
    // a new string the caller frees. E_POINTER for a null argument.
    static HRESULT GenerateOnDiscThumbnailCacheFileName(IDSTitle* pTitle, BSTR* pbstrFile,
                                                        int nNumber);
    // Deletes every cached thumbnail of titles on a disc ("Thumbnail_T*"); S_FALSE when one
    // could not be deleted.
    static HRESULT ClearOnDiscThumbnailCache();
};
