// An object of the project model seen through the interface that fits it. Objects are asked,
// in this order, for IDSMenuElement, IDSMenu and IDSTitle; at most one of the three is set.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

struct ModelObject
{
    explicit ModelObject(IUnknown* object) : element(object)
    {
        if (element)
            return;
        menu = CComQIPtr<IDSMenu>(object);
        if (!menu)
            title = CComQIPtr<IDSTitle>(object);
    }

    CComQIPtr<IDSMenuElement> element;
    CComQIPtr<IDSMenu> menu;
    CComQIPtr<IDSTitle> title;
};
