#include "ElementListImpl.h"

#include "Menu.h"
#include "MenuButton.h"
#include "MenuOverlay.h"
#include "MenuText.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"

#include <algorithm>

namespace objectmodel {

namespace {

std::vector<ElementNode*> NodesOf(const std::vector<CComPtr<IDSMenuElement>>& elements)
{
    std::vector<ElementNode*> nodes;
    for (const auto& element : elements)
        nodes.push_back(NodeOf(element));
    return nodes;
}

// Elements that end up in no menu have no production item, and with fresh IDs no ID either,
// whatever the file they were read from said.
void ForgetPlaces(const std::vector<ElementNode*>& roots, IdPolicy policy)
{
    std::vector<ElementNode*> nodes;
    for (ElementNode* root : roots)
        root->CollectSubtree(nodes);
    for (ElementNode* node : nodes) {
        node->SetEffectId(0);
        if (policy == IdPolicy::Fresh)
            node->SetId(0);
    }
}

} // namespace

HRESULT CreateElement(REFIID kind, CComPtr<IDSMenuElement>& element)
{
    if (kind == IID_IDSMenuButton)
        element = CMenuButton::Create().p;
    else if (kind == IID_IDSMenuText)
        element = CMenuText::Create().p;
    else if (kind == IID_IDSMenuOverlay)
        element = CMenuOverlay::Create().p;
    else
        return E_INVALIDARG;
    return S_OK;
}

HRESULT CreateElement(const std::wstring& xmlName, CComPtr<IDSMenuElement>& element)
{
    if (xmlName == L"Button")
        return CreateElement(IID_IDSMenuButton, element);
    if (xmlName == L"Text")
        return CreateElement(IID_IDSMenuText, element);
    if (xmlName == L"Overlay")
        return CreateElement(IID_IDSMenuOverlay, element);
    return E_INVALIDARG;
}

ElementListImpl::~ElementListImpl()
{
    for (Child& child : m_children)
        child.node->SetParentList(nullptr);
}

HRESULT ElementListImpl::AddElement(const GUID* iid, void** element)
{
    CHECK_NULL(iid);
    CHECK_NULL(element);
    *element = nullptr;
    CComPtr<IDSMenuElement> created;
    CHECK_HR(CreateElement(*iid, created));
    CHECK_HR(InsertAt(m_children.size(), NodeOf(created), created));
    return created->QueryInterface(*iid, element);
}

HRESULT ElementListImpl::InsertElement(LONG index, IDSMenuElement* element)
{
    CHECK_NULL(element);
    LONG count = static_cast<LONG>(m_children.size());
    if (index == -1)
        index = count + 1;
    if (index < 1 || index > count + 1)
        return E_INVALIDARG;
    ElementNode* node = NodeOf(element);
    CHECK_HR(CheckInsertable(node));
    return InsertAt(static_cast<size_t>(index - 1), node, element);
}

HRESULT ElementListImpl::RemoveElement(LONG id, IDSMenuElement** removed)
{
    if (removed)
        *removed = nullptr;
    auto found = std::find_if(m_children.begin(), m_children.end(),
                              [id](const Child& child) { return child.node->Id() == id; });
    if (found == m_children.end())
        return E_INVALIDARG;
    CComPtr<IDSMenuElement> element = found->element;
    if (CMenu* menu = ListMenu())
        menu->ReleaseElements({found->node});
    found->node->SetParentList(nullptr);
    m_children.erase(found);
    MarkChanged();
    if (removed)
        *removed = element.Detach();
    return S_OK;
}

HRESULT ElementListImpl::get_Count(LONG* count)
{
    return CopyOut(static_cast<LONG>(m_children.size()), count);
}

HRESULT ElementListImpl::get_Item(LONG index, IDSMenuElement** element)
{
    if (!element)
        return E_POINTER;
    *element = nullptr;
    if (index < 1 || index > static_cast<LONG>(m_children.size()))
        return E_INVALIDARG;
    return m_children[index - 1].element.CopyTo(element);
}

void ElementListImpl::AppendDetached(const CComPtr<IDSMenuElement>& element)
{
    ElementNode* node = NodeOf(element);
    node->SetParentList(this);
    m_children.push_back({element, node});
}

std::vector<CComPtr<IDSMenuElement>> ElementListImpl::TakeDetachedChildren()
{
    std::vector<CComPtr<IDSMenuElement>> children;
    for (Child& child : m_children) {
        child.node->SetParentList(nullptr);
        children.push_back(child.element);
    }
    m_children.clear();
    return children;
}

HRESULT ElementListImpl::ReplaceChildren(const std::vector<CComPtr<IDSMenuElement>>& children,
                                         IdPolicy policy)
{
    std::vector<ElementNode*> leaving;
    for (const Child& child : m_children)
        leaving.push_back(child.node);
    if (CMenu* menu = ListMenu())
        CHECK_HR(menu->AdmitElements(NodesOf(children), policy, leaving));
    else
        ForgetPlaces(NodesOf(children), policy);
    for (ElementNode* node : leaving)
        node->SetParentList(nullptr);
    m_children.clear();
    for (const auto& element : children)
        AppendDetached(element);
    MarkChanged();
    return S_OK;
}

HRESULT ElementListImpl::DuplicateChildren(std::vector<CComPtr<IDSMenuElement>>& copies) const
{
    copies.clear();
    for (const Child& child : m_children) {
        CComPtr<IDSMenuElement> copy;
        CHECK_HR(child.node->Duplicate(copy));
        copies.push_back(copy);
    }
    return S_OK;
}

HRESULT ElementListImpl::WriteChildrenXml(IXMLDOMNode* parent, bool nativeSources) const
{
    CComPtr<IXMLDOMElement> elements;
    CHECK_HR(AppendElement(parent, L"Elements", elements));
    for (const Child& child : m_children)
        CHECK_HR(child.node->WriteXml(elements, nativeSources));
    return S_OK;
}

HRESULT ElementListImpl::ReadChildrenXml(IXMLDOMElement* elements, int depth,
                                         std::vector<CComPtr<IDSMenuElement>>& children)
{
    if (depth > ElementNode::kMaxDepth)
        return REPORT_MALFORMED(L"elements are nested more than " +
                                std::to_wstring(ElementNode::kMaxDepth) + L" buttons deep");
    std::vector<CComPtr<IXMLDOMElement>> xmlChildren;
    CHECK_HR(ElementChildren(elements, xmlChildren));
    children.clear();
    for (const auto& xmlChild : xmlChildren) {
        std::wstring name = NodeName(xmlChild);
        CComPtr<IDSMenuElement> element;
        if (FAILED(CreateElement(name, element)))
            return REPORT_MALFORMED(L"an element list holds the element \"" + name + L"\"");
        CHECK_HR(NodeOf(element)->ReadXml(xmlChild, depth));
        children.push_back(element);
    }
    return S_OK;
}

HRESULT ElementListImpl::CheckInsertable(ElementNode* node) const
{
    // Only elements of this object model, detached, and never into what they hold themselves.
    if (!node || node->ParentList())
        return E_INVALIDARG;
    for (const ElementNode* holder = ListOwner(); holder;) {
        if (holder == node)
            return E_INVALIDARG;
        const ElementListImpl* list = holder->ParentList();
        holder = list ? list->ListOwner() : nullptr;
    }
    return S_OK;
}

HRESULT ElementListImpl::InsertAt(size_t position, ElementNode* node, IDSMenuElement* element)
{
    if (CMenu* menu = ListMenu())
        CHECK_HR(menu->AdmitElements({node}, IdPolicy::KeepIfFree, {}));
    node->SetParentList(this);
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(position),
                      {CComPtr<IDSMenuElement>(element), node});
    MarkChanged();
    return S_OK;
}

} // namespace objectmodel
