// Navigation commands: what the disc player does when a button is activated, when a menu ends
// or when a title ends. Command lists of the object model hand out and take arrays of
// DiscCommandParams entries.
#pragma once

#include "platform/WinTypes.h"
#include "platform/Xml.h"

// A 32-bit command kind. Kinds 5 and 6 are the transition commands; every other kind is a
// non-transition command. Kinds of 0 or less carry no object reference.
enum DiscCommand : LONG
{
    DiscCommand_None = 0,
    // param1: ID of the title; param2: the chapter to start at.
    DiscCommand_PlayTitle = 1,
    // param1: ID of the menu; param2: 1 when a menu's own command names that same menu.
    DiscCommand_JumpMenu = 2,
    // node: an element whose attribute "Name" is the transition's name.
    DiscCommand_Transition = 5,
    // node: an element "file" whose text is the path of the transition clip.
    DiscCommand_TransitionClip = 6,
    // Stands for every user title of the project.
    DiscCommand_PlayAll = 7,
    // Stands for the titles linked from the buttons of the menu.
    DiscCommand_PlayMenuTitles = 8,
    // The own command of each title of a project without menus.
    DiscCommand_MenulessTitleEnd = 9,
};

// One command. The field order is shared with every holder of command arrays; the node slot is
// pointer-sized, so an entry is 24 bytes on a 64-bit platform. The entry owns one reference on
// its node.
struct DiscCommandParams
{
    DiscCommand command;
    LONG param1;
    LONG param2;
    IXMLDOMNode* node;
};

static_assert(sizeof(DiscCommandParams) == 8 + 2 * sizeof(void*),
              "a command entry is three 32-bit words and a pointer-sized node slot");
