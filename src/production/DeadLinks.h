// Commands that lead nowhere any more.
#pragma once

#include "model/IDSMenu.h"

// Removes from the command list of the menu and of each of its buttons every command that
// plays a title or jumps to a menu the project no longer has, and every play-all command
// while the project has no user titles. Failures are passed over: what could not be read or
// written stays as it was.
void PurgeDeadLinks(IDSMenu* pMenu);
