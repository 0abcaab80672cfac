// Steps that build projects of the object model in tests: new projects, and titles, menus and
// elements added to them the way a program adds them. The object model's classes and a
// production class must be registered (see ProjectTest.h for the real engine).
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "platform/ComPtr.h"

#include <gtest/gtest.h>

CComPtr<IDSProjectData> NewProject();
// Appends a menu or a title to the project.
CComPtr<IDSMenu> AddMenu(IDSProjectData* project);
CComPtr<IDSTitle> AddTitle(IDSProjectData* project);
// Appends a new element of a kind to the list of a menu or a button.
CComPtr<IDSMenuButton> AddButton(IUnknown* parent);
CComPtr<IDSMenuText> AddText(IUnknown* parent);
CComPtr<IDSMenuOverlay> AddOverlay(IUnknown* parent);
// The title, menu or element with its tag set: Tagged(AddMenu(project), MenuType_Main).
template <class T> CComPtr<T> Tagged(CComPtr<T> object, ULONG tag)
{
    EXPECT_EQ(S_OK, object->put_Tag(tag));
    return object;
}
// The element with its tag, its centre (relative to a holding button) and its size set:
// Placed(AddButton(menu), ButtonType_Command, 0.5f, 0.0f, 0.3f, 0.2f).
template <class T>
CComPtr<T> Placed(CComPtr<T> element, ULONG tag, float x, float y, float width, float height)
{
    EXPECT_EQ(S_OK, element->put_Tag(tag));
    EXPECT_EQ(S_OK, element->SetPosition(x, y));
    EXPECT_EQ(S_OK, element->SetSize(width, height));
    return element;
}
// Gives an element the text it shows.
void SetLabel(IDSMenuElement* element, const wchar_t* label);
// The element at a 1-based index of the list of a menu or a button, and their number.
CComPtr<IDSMenuElement> Item(IUnknown* parent, LONG index);
LONG Count(IUnknown* parent);

// Gives the title's production the "SlideShowDoc" metadata that marks a slideshow.
void MakeSlideShow(IDSTitle* title);

// The ID of an element, a menu or a title; -1 for anything else.
LONG IdOf(IUnknown* object);
