// What each disc format allows: one row per capability, one column per disc format 1 to 11.
// Ask with CDSAppUtils::IsFormatCap (dsutils/DSAppUtils.h).
#pragma once

enum eFormatCaps : int
{
    FormatCap_Row0 = 0,              // held by no format
    FormatCap_Row1 = 1,              // formats 1-3 and 7-10
    FormatCap_Row2 = 2,              // formats 1, 2, 4-7, 9 and 11
    FormatCap_Row3 = 3,              // the same formats as row 2
    FormatCap_MotionMenus = 4,       // menus may move; without it every menu is a still menu
    FormatCap_ChooseTitleAspect = 5, // a new title's aspect ratio may be chosen; else 4:3
    FormatCap_WideTitles = 6,        // new titles are 16:9 (the high-definition formats 7-11)
    FormatCap_Row7 = 7,              // formats 1 and 4-6
    FormatCap_Row8 = 8,              // held by every format
    FormatCap_Row9 = 9,              // held by no format
    FormatCap_Count = 10
};
