// Spreading the command buttons of a menu chain over its pages in a chosen order.
#pragma once

#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuElementVec.h"

// The command buttons of every page of the chain, page by page in element order.
DSMenuButtonVec GetChainButtons(const DSMenuChainVec& chain);

// Lays the buttons, which must be every command button of the chain of pChainMember, over its
// pages in the order given: from the first page on, each page takes as many as its layout
// holds (at least one), in that order; pages are appended when the buttons do not fit
// (FindAvailableMenu with create), and pages left without buttons at the end are taken out
// (LinkRemoveMenu), except the first page. A button that changes pages keeps its ID and loses
// its resolved sources (CDSMenuUtils::ClearForResolve). Buttons are not moved on the screen.
// Stops at the first failure; a button that cannot be put on its new page goes back where it
// was.
HRESULT FlowButtonsOverChain(IDSMenu* pChainMember, const DSMenuButtonVec& order);
