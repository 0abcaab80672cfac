#include "support/ModelBuilder.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "model/ModelClasses.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

CComPtr<IDSProjectData> NewProject()
{
    CComPtr<IDSProjectData> project;
    EXPECT_EQ(S_OK, project.CoCreateInstance(CLSID_CDSProjectData));
    return project;
}

CComPtr<IDSMenu> AddMenu(IDSProjectData* project)
{
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(S_OK, project->AddMenu(-1, &menu));
    return menu;
}

CComPtr<IDSTitle> AddTitle(IDSProjectData* project)
{
    CComPtr<IDSTitle> title;
    EXPECT_EQ(S_OK, project->AddTitle(-1, &title));
    return title;
}

template <class I> static CComPtr<I> AddElementOf(IUnknown* parent)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    CComPtr<I> element;
    EXPECT_TRUE(list);
    if (list) {
        EXPECT_EQ(S_OK, list->AddElement(&uuidof<I>(), reinterpret_cast<void**>(&element)));
    }
    return element;
}

CComPtr<IDSMenuButton> AddButton(IUnknown* parent)
{
    return AddElementOf<IDSMenuButton>(parent);
}

CComPtr<IDSMenuText> AddText(IUnknown* parent)
{
    return AddElementOf<IDSMenuText>(parent);
}

CComPtr<IDSMenuOverlay> AddOverlay(IUnknown* parent)
{
    return AddElementOf<IDSMenuOverlay>(parent);
}

void SetLabel(IDSMenuElement* element, const wchar_t* label)
{
    ASSERT_EQ(S_OK, element->put_Label(CComBSTR(label)));
}

CComPtr<IDSMenuElement> Item(IUnknown* parent, LONG index)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    CComPtr<IDSMenuElement> element;
    EXPECT_EQ(S_OK, list->get_Item(index, &element));
    return element;
}

LONG Count(IUnknown* parent)
{
    CComQIPtr<IDSMenuElementList> list(parent);
    LONG count = -1;
    EXPECT_EQ(S_OK, list->get_Count(&count));
    return count;
}

LONG IdOf(IUnknown* object)
{
    LONG id = -1;
    if (CComQIPtr<IDSMenuElement> element(object); element)
        element->get_ID(&id);
    else if (CComQIPtr<IDSMenu> menu(object); menu)
        menu->get_ID(&id);
    else if (CComQIPtr<IDSTitle> title(object); title)
        title->get_ID(&id);
    return id;
}

void MakeSlideShow(IDSTitle* title)
{
    CComPtr<IUnknown> production;
    ASSERT_EQ(S_OK, title->GetProduction(&production));
    CComPtr<IUnknown> productionObj;
    ASSERT_EQ(S_OK, CComQIPtr<IKVEProductionData>(production)->GetProductionObj(&productionObj));
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    CComPtr<IXMLDOMElement> slideShowDoc;
    ASSERT_EQ(S_OK, document->createElement(CComBSTR(L"SlideShowDoc"), &slideShowDoc));
    ASSERT_EQ(S_OK, CComQIPtr<IProductionInfo>(productionObj)
                        ->SetMetaData(CComBSTR(L"SlideShowDoc"), slideShowDoc));
}
