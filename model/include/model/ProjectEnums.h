// The tag and flag codes that titles, menus and menu elements carry, and the enumerations that
// are property types of the project object model. Values are those stored in project files;
// they never change.
#pragma once

#include "platform/WinTypes.h"

// Tags. A tag is a 32-bit bit set saying what role an object plays; an object matches a tag mask
// when its tag shares a bit with the mask (a mask of -1, all bits, matches every object).

enum MenuTypes : ULONG
{
    MenuType_Main = 0x01,
    MenuType_Chapter = 0x02,
    // Template for main menus (in themes and among a project's hidden template menus).
    MenuType_MainTemplate = 0x04,
    // Template for chapter menus.
    MenuType_ChapterTemplate = 0x08,
    // A menu created to hold a transition.
    MenuType_Transition = 0x10,
};

enum ButtonTypes : ULONG
{
    ButtonType_Next = 0x01,
    ButtonType_Prev = 0x02,
    ButtonType_Home = 0x04,
    ButtonType_Up = 0x08,
    // A button standing for a range of chapters (the index buttons of chapter menus).
    ButtonType_ChapterRange = 0x10,
    // A button that links to a title, a chapter or a menu.
    ButtonType_Command = 0x20,
};

// The four navigation button tags together.
inline constexpr ULONG ButtonType_Navigation = 0x0F;

enum OverlayTypes : ULONG
{
    OverlayType_Generic = 0x01,
    // The thumbnail picture inside a button.
    OverlayType_Thumbnail = 0x04,
};

enum TextTypes : ULONG
{
    // A text with this bit is the label of the button that holds it.
    TextType_Label = 0x01,
};

enum TitleTypes : ULONG
{
    // A user's title; play-all lists are collected with this mask.
    TitleType_User = 0x01,
    // The title played first when the disc starts.
    TitleType_FirstPlay = 0x02,
    // A title the library makes for its own use (a menu background, an overlay montage).
    TitleType_Private = 0x08,
};

// Flag bits of a menu's flags word.
enum MenuFlags : ULONG
{
    // The menu is to be a still menu; menu production also reads this bit as "the duration is
    // automatic".
    MenuFlag_Still = 0x01,
    MenuFlag_AutoDuration = 0x01,
    // The user has placed the buttons by hand; arranging them on the grid is not wanted.
    MenuFlag_FreePlacement = 0x02,
};

// Element kinds, in the order element-creating operations number them.
enum eMenuElementType : LONG
{
    etmButton = 0,
    etmText = 1,
    etmOverlay = 2,
};

// What an ID of a project stands for.
enum DVDObjectType : LONG
{
    DVDObject_None = 0,
    DVDObject_Text = 1,
    DVDObject_Overlay = 2,
    // A button without a label text.
    DVDObject_Button = 4,
    // A button that holds a label text.
    DVDObject_TextButton = 5,
    DVDObject_Title = 0x10,
    DVDObject_Menu = 0x20,
};

// Disc formats 1 to 11 (0 when not set): 1 to 4 are the DVD formats, 5 and 6 the video CD
// formats, 7 to 11 the high-definition formats.
enum DiscFormat : LONG
{
    DiscFormat_None = 0,
    DiscFormat_DVD = 1,
    DiscFormat_DVD2 = 2,
    DiscFormat_DVD3 = 3,
    DiscFormat_DVD4 = 4,
    DiscFormat_VCD = 5,
    DiscFormat_SVCD = 6,
    DiscFormat_BluRay = 7,
    DiscFormat_BluRay2 = 8,
    DiscFormat_HDDVD = 9,
    DiscFormat_HDDVD2 = 10,
    DiscFormat_AVCHD = 11,
};

// Disc sizes; only the values the library writes have names, the others are kept as numbers.
enum DiscSize : LONG
{
    SZ_None = 0,
    SZ_BD25 = 8,
};

enum TVStandard : LONG
{
    TVStandard_NTSC = 1,
    TVStandard_PAL = 2,
};

enum AspectRatio : LONG
{
    AspectRatio_4x3 = 1,
    AspectRatio_16x9 = 2,
};

// Frame sizes: 1 to 5 are standard definition (width 720, 704, 352, 352 with half the frame
// height, 480); 6 to 15 are the high-definition sizes.
enum VideoResolution : LONG
{
    VideoResolution_None = 0,
    VideoResolution_720 = 1,
    VideoResolution_704 = 2,
    VideoResolution_352 = 3,
    VideoResolution_352Half = 4,
    VideoResolution_480 = 5,
    VideoResolution_HD6 = 6,
    VideoResolution_HD7 = 7,
    VideoResolution_HD8 = 8,
    VideoResolution_HD9 = 9,
    VideoResolution_HD10 = 10,
    VideoResolution_HD11 = 11,
    VideoResolution_HD12 = 12,
    VideoResolution_HD13 = 13,
    VideoResolution_HD14 = 14,
    VideoResolution_HD15 = 15,
};

enum VideoFormat : LONG
{
    VideoFormat_MPEG2 = 0,
    VideoFormat_AVC = 1,
    VideoFormat_MPEG1 = 3,
};

enum AudioFormat : LONG
{
    AudioFormat_None = 0,
    AudioFormat_LPCM = 1,
    // MPEG-1 Layer II.
    AudioFormat_MPEG = 2,
    AudioFormat_AC3 = 3,
};

enum SubpictureFormat : LONG
{
    SubpictureFormat_SD = 1,
    SubpictureFormat_HD = 2,
};

// Subpicture colour schemes of a menu: SPU_Normal carries one colour set, each numbered scheme
// a selected and an activated set. A button names its scheme by number.
enum SPUColourTypes : LONG
{
    SPU_Normal = -1,
    SPU_Scheme0 = 0,
    SPU_Scheme1 = 1,
    SPU_Scheme2 = 2,
};

// How an element takes part in the subpicture highlight (an element's Highlight property).
enum OverlayHighlight : LONG
{
    OverlayHLI_None = 0,
    // The element's extent is a highlight region.
    OverlayHLI_Region = 1,
    // The overlay's picture itself is drawn in the highlight colours.
    OverlayHLI_Picture = 2,
};

enum TextHighlight : LONG
{
    TextHLI_None = 0,
    TextHLI_Region = 1,
    // The text itself is drawn in the highlight colours.
    TextHLI_Text = 4,
};

// Where an overlay takes its picture from (IDSMenuOverlay::GetSourceType); types 4 to 9 need a
// nested production.
enum OverlaySourceType : LONG
{
    OverlaySource_None = 0,
    // The overlay's Source is a file.
    OverlaySource_File = 1,
    // The title or menu its button's command links to.
    OverlaySource_ButtonLink = 2,
    // One title, named by the source ID.
    OverlaySource_Title = 3,
    // Every user title of the project.
    OverlaySource_AllTitles = 4,
    // Every title reached from the buttons of the overlay's menu.
    OverlaySource_AllMenuTitles = 5,
};

// Alignment codes of a text over a 3 x 3 grid: code = 3 x row + column + 1, rows top to bottom,
// columns left to right.
enum TextAlignment : LONG
{
    TextAlign_TopLeft = 1,
    TextAlign_TopCenter = 2,
    TextAlign_TopRight = 3,
    TextAlign_MiddleLeft = 4,
    TextAlign_Center = 5,
    TextAlign_MiddleRight = 6,
    TextAlign_BottomLeft = 7,
    TextAlign_BottomCenter = 8,
    TextAlign_BottomRight = 9,
};

// The colours of a text (IDSMenuText::GetColor / SetColor).
enum TextColourKind : LONG
{
    TextColour_Face = 0,
    TextColour_Edge = 1,
    TextColour_Shadow = 2,
};
