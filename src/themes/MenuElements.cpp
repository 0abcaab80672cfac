#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "ElementSteps.h"

#include "platform/Check.h"
#include "platform/DebugOutput.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/WideFormat.h"

namespace {

// The interface identifier the element list makes an element of each kind by.
const GUID* ElementKindIid(eMenuElementType kind)
{
    switch (kind) {
    case etmButton:
        return &IID_IDSMenuButton;
    case etmText:
        return &IID_IDSMenuText;
    case etmOverlay:
        return &IID_IDSMenuOverlay;
    }
    return nullptr;
}

// The template button a new button of the type is copied from: for chapter-range buttons the
// one at the index when there is one (each index button of a chapter menu has its own place),
// else the first; null when the template has none.
CComPtr<IDSMenuButton> ModelButton(IDSMenu* pTemplate, ULONG type, int index)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pTemplate, type);
    if (buttons.empty())
        return nullptr;
    if (type == ButtonType_ChapterRange && index > 0 && size_t(index) < buttons.size())
        return buttons[size_t(index)];
    return buttons.front();
}

// A button of the type made without a model, for a template that has none.
HRESULT AddPlainButton(IDSMenu* pParent, IDSMenu* pTemplate, ULONG type,
                       CComPtr<IDSMenuButton>& spButton)
{
    CComBSTR bstrName;
    pTemplate->get_Name(&bstrName);
    OutputDebugStringW(FormatWide(L"Template %ls has no buttons!", bstrName.Str().c_str()).c_str());
    CComPtr<IDSMenuElement> spElem;
    CHECK_HR(CDSMenuUtils::AddMenuElement(pParent, etmButton, &spElem));
    CHECK_HR(spElem->put_Tag(type));
    spButton = CComQIPtr<IDSMenuButton>(spElem);
    CHECK_NULL(spButton);
    return S_OK;
}

// The menu a parent element list belongs to: the parent itself or the menu of a button.
CComPtr<IDSMenu> MenuOfParent(IUnknown* pParent)
{
    if (CComQIPtr<IDSMenu> spMenu(pParent); spMenu)
        return CComPtr<IDSMenu>(spMenu);
    CComQIPtr<IDSMenuElement> spElement(pParent);
    CComPtr<IDSMenu> spMenu;
    if (spElement)
        spElement->GetMenu(&spMenu);
    return spMenu;
}

// Appends a new element of the kind and hands out its interface I.
template <class I>
HRESULT AddElementOfKind(IUnknown* pParent, eMenuElementType kind, CComPtr<I>& spOut)
{
    CComPtr<IDSMenuElement> spElem;
    CHECK_HR_SHORT(CDSMenuUtils::AddMenuElement(pParent, kind, &spElem));
    spOut = CComQIPtr<I>(spElem);
    CHECK_NULL(spOut);
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::AddButton(IDSMenu* pMenu, IDSMenuButton** ppButton, ULONG type, int index)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(ppButton);
    CKVUTimer timer("DSMenuUtils::AddButton", 0);
    CComPtr<IDSMenu> spTemplate = GetMenuTemplate(pMenu);
    CHECK_NULL(spTemplate);
    timer.AddEntry("PreBtnCopy");
    CComPtr<IDSMenuButton> spButton;
    if (CComPtr<IDSMenuButton> spModel = ModelButton(spTemplate, type, index)) {
        CComPtr<IDSMenuElement> spElem;
        CHECK_HR(spModel->Copy(&spElem));
        timer.AddEntry("PostBtnCopy");
        CComQIPtr<IDSMenuElementList> spList(pMenu);
        CHECK_NULL(spList);
        CHECK_HR(spList->InsertElement(-1, spElem));
        timer.AddEntry("PostInsert");
        spButton = CComQIPtr<IDSMenuButton>(spElem);
    } else {
        CHECK_HR_TEXT(AddPlainButton(pMenu, spTemplate, type, spButton),
                      "AddMenuElement(pParent, etmButton, &spElem)");
    }
    CHECK_NULL(spButton);
    *ppButton = spButton.Detach();
    return S_OK;
}

HRESULT CDSMenuUtils::AddMenuElement(IUnknown* pParent, eMenuElementType kind,
                                     IDSMenuElement** ppElement)
{
    KVUClearErrorStack();
    CHECK_NULL(pParent);
    CHECK_NULL(ppElement);
    const GUID* pIid = ElementKindIid(kind);
    CComQIPtr<IDSMenuElementList> spList(pParent);
    if (!pIid || !spList)
        return E_INVALIDARG;
    CComPtr<IUnknown> spAdded;
    CHECK_HR(spList->AddElement(pIid, reinterpret_cast<void**>(&spAdded)));
    CComQIPtr<IDSMenuElement> spElement(spAdded);
    CHECK_NULL(spElement);
    *ppElement = spElement.Detach();
    return S_OK;
}

HRESULT CDSMenuUtils::AddText(IUnknown* pParent, IDSMenuText** ppText)
{
    KVUClearErrorStack();
    CHECK_NULL(ppText);
    CComPtr<IDSMenuText> spText;
    CHECK_HR_SHORT(AddElementOfKind(pParent, etmText, spText));
    if (CComPtr<IDSMenuText> spModel =
            FirstOf(GetTextList(GetMenuTemplate(MenuOfParent(pParent)), kAllTags)))
        CHECK_HR_SHORT(CMenuStyleUtil::TextCopy(spText, spModel));
    CHECK_HR_SHORT(spText->SetPosition(0.0f, 0.0f));
    *ppText = spText.Detach();
    return S_OK;
}

HRESULT CDSMenuUtils::AddOverlay(IUnknown* pParent, IDSMenuOverlay** ppOverlay)
{
    KVUClearErrorStack();
    CHECK_NULL(ppOverlay);
    CComPtr<IDSMenuOverlay> spOverlay;
    CHECK_HR_SHORT(AddElementOfKind(pParent, etmOverlay, spOverlay));
    *ppOverlay = spOverlay.Detach();
    return S_OK;
}

HRESULT CDSMenuUtils::MoveMenuElement(IDSMenu* pMenu, IDSMenuElement* pElement)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pElement);
    CComPtr<IDSMenuElement> spElem(pElement);
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(spElem->GetMenu(&spMenu));
    if (!spMenu || !spMenu.IsEqualObject(pMenu))
        return E_INVALIDARG;
    CComQIPtr<IDSMenuElementList> spMenuList(spMenu);
    CHECK_NULL(spMenuList);
    CHECK_HR_SHORT(MoveElementInto(spElem, spMenuList, nullptr));
    return S_OK;
}
