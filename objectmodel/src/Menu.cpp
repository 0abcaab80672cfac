#include "Menu.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "ProductionXml.h"
#include "ProjectData.h"
#include "PropertyAccess.h"
#include "Title.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/ClassFactory.h"

#include <algorithm>

namespace objectmodel {

namespace {

bool AreNibbles(const BYTE* bytes)
{
    return !bytes ||
           std::all_of(bytes, bytes + kSubpictureColourBytes, [](BYTE b) { return b <= 15; });
}

void CopyColours(const BYTE* from, SubpictureColours& to)
{
    if (from)
        std::copy(from, from + kSubpictureColourBytes, to.begin());
}

void CopyColours(const SubpictureColours& from, BYTE* to)
{
    if (to)
        std::copy(from.begin(), from.end(), to);
}

bool IsNumberedScheme(LONG scheme)
{
    return scheme >= SPU_Scheme0 && scheme <= SPU_Scheme2;
}

HRESULT FindMenuElement(IXMLDOMNode* source, CComPtr<IXMLDOMElement>& element)
{
    CComQIPtr<IXMLDOMElement> self(source);
    if (self && NodeName(self) == L"Menu") {
        element = self;
        return S_OK;
    }
    CHECK_HR(FirstChildElement(source, L"Menu", element));
    if (!element)
        return REPORT_MALFORMED(L"the node \"" + NodeName(source) + L"\" holds no menu");
    return S_OK;
}

} // namespace

std::wstring MenuProperties::Invalidity() const
{
    if (!(duration >= 0.0))
        return L"the duration is negative";
    auto nibbles = [](const SubpictureColours& set) { return AreNibbles(set.data()); };
    if (!nibbles(normal) || !std::all_of(selected.begin(), selected.end(), nibbles) ||
        !std::all_of(activated.begin(), activated.end(), nibbles))
        return L"a subpicture colour index or contrast lies above 15";
    for (const std::wstring* path : {&background, &audio, &smartAudio}) {
        if (FAILED(CheckPathLength(*path)))
            return L"a path is longer than the file system takes";
    }
    return std::wstring();
}

HRESULT CMenu::Make(CComPtr<CMenu>& menu)
{
    CComPtr<IUnknown> production;
    CHECK_HR(CoCreateInstance(CLSID_KVEProduction, nullptr, 0, IID_IUnknown,
                              reinterpret_cast<void**>(&production)));
    CComQIPtr<IKVEMenuComposition> composition(production);
    CComQIPtr<IKVEProductionXml> productionXml(production);
    CHECK_HR(RequireInterface(composition.p, "the production draws no menu"));
    CHECK_HR(RequireInterface(productionXml.p, "the production has no XML form"));
    CComPtr<CMenu> created = Create(production, composition, productionXml);
    CHECK_HR(composition->SetMenu(created->GetUnknown()));
    menu = created;
    return S_OK;
}

CMenu::CMenu(CComPtr<IUnknown> production, CComPtr<IKVEMenuComposition> composition,
             CComPtr<IKVEProductionXml> productionXml)
    : m_production(std::move(production)), m_composition(std::move(composition)),
      m_productionXml(std::move(productionXml))
{}

CMenu::~CMenu()
{
    for (ElementNode* node : AllElements())
        node->SetEffectId(0);
    m_composition->SetMenu(nullptr);
}

HRESULT CMenu::get_ID(LONG* id)
{
    return CopyOut(m_id, id);
}

HRESULT CMenu::get_Tag(ULONG* tag)
{
    return CopyOut(m_props.tag, tag);
}

HRESULT CMenu::put_Tag(ULONG tag)
{
    return Store(m_props.tag, tag);
}

HRESULT CMenu::get_Flags(ULONG* flags)
{
    return CopyOut(m_props.flags, flags);
}

HRESULT CMenu::put_Flags(ULONG flags)
{
    return Store(m_props.flags, flags);
}

HRESULT CMenu::get_Name(BSTR* name)
{
    return CopyOut(m_props.name, name);
}

HRESULT CMenu::put_Name(BSTR name)
{
    return Store(m_props.name, TextOf(name));
}

HRESULT CMenu::get_Background(BSTR* path)
{
    return CopyOut(m_props.background, path);
}

HRESULT CMenu::put_Background(BSTR path)
{
    return StorePath(m_props.background, TextOf(path));
}

HRESULT CMenu::get_BkgndID(LONG* id)
{
    return CopyOut(m_props.bkgndId, id);
}

HRESULT CMenu::put_BkgndID(LONG id)
{
    return Store(m_props.bkgndId, id);
}

HRESULT CMenu::get_Audio(BSTR* path)
{
    return CopyOut(m_props.audio, path);
}

HRESULT CMenu::put_Audio(BSTR path)
{
    return StorePath(m_props.audio, TextOf(path));
}

HRESULT CMenu::GetSmartAudio(BSTR* path)
{
    return CopyOut(m_props.smartAudio, path);
}

HRESULT CMenu::SetSmartAudio(BSTR path)
{
    return StorePath(m_props.smartAudio, TextOf(path));
}

HRESULT CMenu::get_Duration(double* seconds)
{
    return CopyOut(m_props.duration, seconds);
}

HRESULT CMenu::put_Duration(double seconds)
{
    if (!AllFinite({seconds}) || seconds < 0.0)
        return E_INVALIDARG;
    return Store(m_props.duration, seconds);
}

HRESULT CMenu::get_ButtonLayout(ULONG* layout)
{
    return CopyOut(m_props.buttonLayout, layout);
}

HRESULT CMenu::put_ButtonLayout(ULONG layout)
{
    return Store(m_props.buttonLayout, layout);
}

HRESULT CMenu::get_LayoutRect(FloatRect* rect)
{
    return CopyOut(m_props.layoutRect, rect);
}

HRESULT CMenu::put_LayoutRect(const FloatRect* rect)
{
    if (!rect)
        return E_POINTER;
    if (!AllFinite({rect->left, rect->top, rect->right, rect->bottom}))
        return E_INVALIDARG;
    return Store(m_props.layoutRect, *rect);
}

HRESULT CMenu::get_TemplateID(LONG* id)
{
    return CopyOut(m_props.templateId, id);
}

HRESULT CMenu::put_TemplateID(LONG id)
{
    return Store(m_props.templateId, id);
}

HRESULT CMenu::GetProject(IDSProjectData** project)
{
    return CProjectData::HandOut(m_project, project);
}

HRESULT CMenu::GetProduction(IUnknown** production)
{
    return m_production.CopyTo(production);
}

HRESULT CMenu::GetBackgroundProduction(IUnknown** production)
{
    if (!production)
        return E_POINTER;
    *production = nullptr;
    CTitle* title = m_project ? m_project->TitleById(m_props.bkgndId) : nullptr;
    if (!title)
        return S_FALSE;
    return title->GetProduction(production);
}

HRESULT CMenu::GetSubpictureColours(LONG scheme, BYTE* selected, BYTE* activated)
{
    if (scheme == SPU_Normal) {
        CopyColours(m_props.normal, selected);
        return S_OK;
    }
    if (!IsNumberedScheme(scheme))
        return E_INVALIDARG;
    CopyColours(m_props.selected[scheme], selected);
    CopyColours(m_props.activated[scheme], activated);
    return S_OK;
}

HRESULT CMenu::SetSubpictureColours(LONG scheme, const BYTE* selected, const BYTE* activated)
{
    if ((scheme != SPU_Normal && !IsNumberedScheme(scheme)) || !AreNibbles(selected) ||
        !AreNibbles(activated))
        return E_INVALIDARG;
    if (scheme == SPU_Normal) {
        CopyColours(selected, m_props.normal);
    } else {
        CopyColours(selected, m_props.selected[scheme]);
        CopyColours(activated, m_props.activated[scheme]);
    }
    MarkChanged();
    return S_OK;
}

HRESULT CMenu::GetPalette(PaletteEntry* palette)
{
    if (!palette)
        return E_POINTER;
    for (int i = 0; i < kPaletteEntries; ++i)
        palette[i] = {m_props.palette[3 * i], m_props.palette[3 * i + 1],
                      m_props.palette[3 * i + 2]};
    return S_OK;
}

HRESULT CMenu::SetPalette(const PaletteEntry* palette)
{
    if (!palette)
        return E_POINTER;
    for (int i = 0; i < kPaletteEntries; ++i) {
        m_props.palette[3 * i] = palette[i].red;
        m_props.palette[3 * i + 1] = palette[i].green;
        m_props.palette[3 * i + 2] = palette[i].blue;
    }
    MarkChanged();
    return S_OK;
}

HRESULT CMenu::SaveXML(IXMLDOMNode* parent, VARIANT_BOOL forceNativeSource)
{
    CHECK_NULL(parent);
    return WriteXml(parent, forceNativeSource != VARIANT_FALSE, false);
}

HRESULT CMenu::loadXML(IXMLDOMNode* source, VARIANT_BOOL asCopy)
{
    CHECK_NULL(source);
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(FindMenuElement(source, element));
    return ReadXml(element, asCopy ? IdPolicy::Fresh : IdPolicy::KeepIfFree, false);
}

void CMenu::MarkChanged()
{
    if (m_project)
        m_project->MarkChanged();
}

void CMenu::SetProject(CProjectData* project)
{
    if (m_project) {
        for (ElementNode* node : AllElements())
            m_project->Unregister(node->Id(), node->Element());
    }
    m_project = project;
    if (m_project) {
        for (ElementNode* node : AllElements())
            m_project->Register(node->Id(), node->Element());
    }
}

HRESULT CMenu::AdmitElements(const std::vector<ElementNode*>& roots, IdPolicy policy,
                             const std::vector<ElementNode*>& leaving)
{
    std::vector<ElementNode*> nodes;
    for (ElementNode* root : roots)
        root->CollectSubtree(nodes);
    std::vector<ElementNode*> leavingNodes;
    for (ElementNode* root : leaving)
        root->CollectSubtree(leavingNodes);
    std::vector<LONG> ids;
    CHECK_HR(PlanIds(nodes, policy, leavingNodes, ids));
    std::vector<LONG> items;
    CHECK_HR(AddItems(nodes, ids, policy == IdPolicy::FromFile, items));
    ReleaseElements(leaving);
    for (size_t i = 0; i < nodes.size(); ++i) {
        nodes[i]->SetId(ids[i]);
        nodes[i]->SetEffectId(items[i]);
        if (m_project)
            m_project->Register(ids[i], nodes[i]->Element());
    }
    return S_OK;
}

void CMenu::ReleaseElements(const std::vector<ElementNode*>& roots)
{
    std::vector<ElementNode*> nodes;
    for (ElementNode* root : roots)
        root->CollectSubtree(nodes);
    for (ElementNode* node : nodes) {
        // An item the production no longer has is gone already; nothing is left to undo.
        if (node->EffectId() > 0)
            m_composition->RemoveElementItem(node->EffectId());
        node->SetEffectId(0);
        if (m_project)
            m_project->Unregister(node->Id(), node->Element());
    }
}

HRESULT CMenu::WriteXml(IXMLDOMNode* parent, bool nativeSources, bool withProduction)
{
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(AppendFields(parent, L"Menu", m_id, m_props, element));
    CHECK_HR(Commands().WriteXml(element));
    CHECK_HR(WriteChildrenXml(element, nativeSources));
    if (withProduction)
        CHECK_HR(WriteProductionXml(m_productionXml, element));
    return S_OK;
}

HRESULT CMenu::ReadXml(IXMLDOMElement* element, IdPolicy policy, bool withProduction)
{
    MenuProperties props;
    AttributeReader reader(element);
    props.VisitFields(reader);
    std::wstring invalidity = props.Invalidity();
    if (!invalidity.empty())
        reader.Refuse(invalidity);
    CHECK_HR(reader.Result());
    CommandStore commands;
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(element, L"Commands", part));
    if (part)
        CHECK_HR(commands.ReadXml(part));
    std::vector<CComPtr<IDSMenuElement>> children;
    CHECK_HR(FirstChildElement(element, L"Elements", part));
    if (part)
        CHECK_HR(ReadChildrenXml(part, 0, children));
    CHECK_HR(FirstChildElement(element, L"Production", part));
    if (withProduction && part)
        CHECK_HR(ReadProductionXml(m_productionXml, part));
    if (policy == IdPolicy::Fresh)
        ForgetPrivateTitles(props, children);
    CHECK_HR(ReplaceChildren(children, policy));
    m_props = props;
    Commands() = commands;
    MarkChanged();
    return S_OK;
}

void CMenu::ForgetPrivateTitles(MenuProperties& props,
                                const std::vector<CComPtr<IDSMenuElement>>& children)
{
    props.bkgndId = 0;
    std::vector<ElementNode*> nodes;
    for (const auto& child : children)
        NodeOf(child)->CollectSubtree(nodes);
    for (ElementNode* node : nodes)
        node->ForgetPrivateTitles();
}

std::vector<ElementNode*> CMenu::AllElements()
{
    std::vector<ElementNode*> nodes;
    for (size_t i = 0; i < ChildCount(); ++i)
        ChildNode(i)->CollectSubtree(nodes);
    return nodes;
}

HRESULT CMenu::PlanIds(const std::vector<ElementNode*>& nodes, IdPolicy policy,
                       const std::vector<ElementNode*>& leaving, std::vector<LONG>& ids)
{
    ids.clear();
    std::set<LONG> freed;
    std::set<LONG> planned;
    for (ElementNode* node : leaving)
        freed.insert(node->Id());
    for (ElementNode* node : nodes) {
        LONG id = policy == IdPolicy::Fresh ? 0 : node->Id();
        if (m_project) {
            bool usable = CProjectData::IsValidId(id) && !planned.count(id) &&
                          (m_project->IsIdFree(id) || freed.count(id));
            if (policy == IdPolicy::FromFile && !usable)
                return REPORT_MALFORMED(L"the element ID " + std::to_wstring(id) +
                                        L" is not a valid ID or is given twice");
            if (policy == IdPolicy::Fresh || !usable)
                CHECK_HR(m_project->NewId(id, planned));
        }
        planned.insert(id);
        ids.push_back(id);
    }
    return S_OK;
}

HRESULT CMenu::AddItems(const std::vector<ElementNode*>& nodes, const std::vector<LONG>& ids,
                        bool reuseItems, std::vector<LONG>& items)
{
    items.assign(nodes.size(), 0);
    std::vector<LONG> added;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (ids[i] <= 0)
            continue;
        if (reuseItems && ItemBelongsTo(nodes[i]->EffectId(), ids[i])) {
            items[i] = nodes[i]->EffectId();
            continue;
        }
        HRESULT hr = m_composition->AddElementItem(ids[i], &items[i]);
        if (FAILED(hr)) {
            RemoveItems(added);
            LOG_HR(hr, "m_composition->AddElementItem(ids[i], &items[i])");
            return hr;
        }
        added.push_back(items[i]);
    }
    return S_OK;
}

void CMenu::RemoveItems(const std::vector<LONG>& items)
{
    for (LONG item : items)
        m_composition->RemoveElementItem(item);
}

bool CMenu::ItemBelongsTo(LONG item, LONG elementId)
{
    LONG owner = 0;
    return item > 0 && SUCCEEDED(m_composition->GetElementOfItem(item, &owner)) &&
           owner == elementId;
}

} // namespace objectmodel
