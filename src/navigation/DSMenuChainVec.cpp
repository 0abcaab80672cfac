#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"

#include "ChainWalk.h"

#include <stdexcept>

DSMenuChainVec::DSMenuChainVec(IDSMenu* pMenu)
{
    WalkPages(CDSMenuUtils::GetFirstMenuInChain(pMenu), &CDSMenuUtils::GetNextMenu,
              [this](IDSMenu* pPage) { push_back(pPage); });
}

DSMenuChainVec::~DSMenuChainVec() = default;

IDSMenu* DSMenuChainVec::operator[](int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= size())
        throw std::out_of_range("invalid vector<T> subscript");
    return at(static_cast<size_t>(index)).p;
}
