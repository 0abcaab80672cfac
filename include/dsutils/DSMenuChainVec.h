// The pages of a menu chain: the menus that Prev and Next buttons join, from the first page to
// the last.
#pragma once

#include "dsutils/DSMenuElementVec.h"

#include "model/IDSMenu.h"

class DSMenuChainVec : public DSComVec<IDSMenu>
{
public:
    DSMenuChainVec() = default;
    // The chain that holds the menu, each page with one reference: from the first page
    // (CDSMenuUtils::GetFirstMenuInChain) along the Next links. Each page is taken once, so a
    // chain whose links run in a circle ends before the first page seen again. Empty for null.
    explicit DSMenuChainVec(IDSMenu* pMenu);
    DSMenuChainVec(const DSMenuChainVec&) = default;
    DSMenuChainVec& operator=(const DSMenuChainVec&) = default;
    virtual ~DSMenuChainVec();

    // The page at the index, borrowed from the vector. Throws std::out_of_range ("invalid
    // vector<T> subscript") for an index outside it, as std::vector::at does.
    IDSMenu* operator[](int index) const;
};
