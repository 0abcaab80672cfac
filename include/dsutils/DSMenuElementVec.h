// Lists of menu elements that hold counted references, in the order they were gathered (for
// lists read from a menu or a button: element order).
#pragma once

#include "model/IDSMenuElement.h"

#include "platform/ComPtr.h"

#include <utility>
#include <vector>

template <class I> class DSComVec : public std::vector<CComPtr<I>>
{
public:
    using Base = std::vector<CComPtr<I>>;
    using Base::Base;
    DSComVec() = default;
    DSComVec(Base list) : Base(std::move(list)) {}

    // The first element, borrowed from the list; null when the list is empty.
    I* First() const { return this->empty() ? nullptr : this->front().p; }
};

using DSMenuElementVec = DSComVec<IDSMenuElement>;
using DSMenuButtonVec = DSComVec<IDSMenuButton>;
using DSMenuTextVec = DSComVec<IDSMenuText>;
using DSMenuOverlayVec = DSComVec<IDSMenuOverlay>;
