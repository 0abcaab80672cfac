#include "MenuButton.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "FileFormat.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"

namespace objectmodel {

namespace {

FloatRect Offset(const FloatRect& rect, float x, float y)
{
    return {rect.left + x, rect.top + y, rect.right + x, rect.bottom + y};
}

} // namespace

HRESULT CMenuButton::get_ActiveRegion(FloatRect* region, VARIANT_BOOL* valid)
{
    if (!region || !valid)
        return E_POINTER;
    *valid = m_button.activeRegionValid;
    if (!m_button.activeRegionValid)
        return S_OK;
    float x = 0.0f;
    float y = 0.0f;
    AbsolutePosition(x, y);
    *region = Offset(m_button.activeRegion, x, y);
    return S_OK;
}

HRESULT CMenuButton::put_ActiveRegion(const FloatRect* region, VARIANT_BOOL valid)
{
    if (!IsVariantBool(valid))
        return E_INVALIDARG;
    if (valid && !region)
        return E_POINTER;
    if (valid && !AllFinite({region->left, region->top, region->right, region->bottom}))
        return E_INVALIDARG;
    m_button.activeRegionValid = valid;
    m_button.activeRegion = {0.0f, 0.0f, 0.0f, 0.0f};
    if (valid) {
        float x = 0.0f;
        float y = 0.0f;
        AbsolutePosition(x, y);
        m_button.activeRegion = Offset(*region, -x, -y);
    }
    MarkProjectChanged();
    return S_OK;
}

HRESULT CMenuButton::GetHighlightRegion(FloatRect* region)
{
    if (!region)
        return E_POINTER;
    bool found = false;
    FloatRect covered = {};
    for (size_t i = 0; i < ChildCount(); ++i) {
        const ElementNode* child = ChildNode(i);
        if (child->Properties().highlight == 0)
            continue;
        covered = found ? UnionOf(covered, child->Extent()) : child->Extent();
        found = true;
    }
    if (!found)
        return S_FALSE;
    *region = covered;
    return S_OK;
}

HRESULT CMenuButton::get_ColourScheme(LONG* scheme)
{
    return CopyOut(m_button.colourScheme, scheme);
}

HRESULT CMenuButton::put_ColourScheme(LONG scheme)
{
    return Store(m_button.colourScheme, scheme);
}

HRESULT CMenuButton::get_ChapterMarkerID(LONG* id)
{
    return CopyOut(m_button.chapterMarkerId, id);
}

HRESULT CMenuButton::put_ChapterMarkerID(LONG id)
{
    return Store(m_button.chapterMarkerId, id);
}

HRESULT CMenuButton::get_CommandCount(LONG* count)
{
    return CopyOut(Commands().Count(), count);
}

HRESULT CMenuButton::GetLabel(IDSMenuText** label)
{
    if (!label)
        return E_POINTER;
    *label = nullptr;
    for (size_t i = 0; i < ChildCount(); ++i) {
        ElementNode* child = ChildNode(i);
        CComQIPtr<IDSMenuText> text(child->Element());
        if (text && (child->Properties().tag & TextType_Label)) {
            *label = text.Detach();
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT CMenuButton::ApplyTo(IDSMenuButton* destination)
{
    CHECK_NULL(destination);
    auto* target = dynamic_cast<CMenuButton*>(destination);
    if (!target)
        return E_INVALIDARG;
    if (target == this)
        return S_OK;
    std::vector<CComPtr<IDSMenuElement>> copies;
    CHECK_HR(DuplicateChildren(copies));
    CHECK_HR(target->ReplaceChildren(copies, IdPolicy::Fresh));
    target->TakeLookOf(*this);
    return S_OK;
}

HRESULT CMenuButton::SaveXML(IXMLDOMNode* parent)
{
    CHECK_NULL(parent);
    return WriteXml(parent, false);
}

HRESULT CMenuButton::loadXML(IXMLDOMNode* element)
{
    CHECK_NULL(element);
    CComQIPtr<IXMLDOMElement> source(element);
    if (!source || NodeName(source) != L"Button")
        return REPORT_MALFORMED(L"a button is read from an element \"" + NodeName(element) + L"\"");
    CHECK_HR(CheckFormatVersion(source, false));
    CComPtr<CMenuButton> loaded = Create();
    CHECK_HR(loaded->ReadXml(source, 0));
    CHECK_HR(ReplaceChildren(loaded->TakeDetachedChildren(), IdPolicy::Fresh));
    TakeLoadedStateOf(*loaded);
    return S_OK;
}

HRESULT CMenuButton::Duplicate(CComPtr<IDSMenuElement>& copy)
{
    CComPtr<CMenuButton> duplicate = Create();
    duplicate->CopyPropertiesFrom(*this);
    duplicate->m_button = m_button;
    duplicate->Commands() = Commands();
    std::vector<CComPtr<IDSMenuElement>> children;
    CHECK_HR(DuplicateChildren(children));
    for (const auto& child : children)
        duplicate->AppendDetached(child);
    copy = duplicate.p;
    return S_OK;
}

FloatRect CMenuButton::Extent() const
{
    bool hasOwnSize = Properties().width > 0.0f || Properties().height > 0.0f;
    bool found = hasOwnSize || ChildCount() == 0;
    FloatRect covered = OwnRect();
    for (size_t i = 0; i < ChildCount(); ++i) {
        FloatRect child = ChildNode(i)->Extent();
        covered = found ? UnionOf(covered, child) : child;
        found = true;
    }
    return covered;
}

void CMenuButton::WriteOwnFields(AttributeWriter& writer, bool)
{
    m_button.VisitFields(writer);
}

void CMenuButton::ReadOwnFields(AttributeReader& reader)
{
    m_button.VisitFields(reader);
}

HRESULT CMenuButton::WriteContent(IXMLDOMElement* element, bool nativeSources)
{
    CHECK_HR(Commands().WriteXml(element));
    return WriteChildrenXml(element, nativeSources);
}

HRESULT CMenuButton::ReadContent(IXMLDOMElement* element, int depth)
{
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(element, L"Commands", part));
    if (part)
        CHECK_HR(Commands().ReadXml(part));
    CHECK_HR(FirstChildElement(element, L"Elements", part));
    if (!part)
        return S_OK;
    std::vector<CComPtr<IDSMenuElement>> children;
    CHECK_HR(ReadChildrenXml(part, depth + 1, children));
    for (const auto& child : children)
        AppendDetached(child);
    return S_OK;
}

void CMenuButton::TakeLookOf(const CMenuButton& source)
{
    const ElementProperties& look = source.Properties();
    ElementProperties& own = Properties();
    own.tag = look.tag;
    own.flags = look.flags;
    own.width = look.width;
    own.height = look.height;
    own.rotation = look.rotation;
    own.opacity = look.opacity;
    own.highlight = look.highlight;
    m_button.activeRegion = source.m_button.activeRegion;
    m_button.activeRegionValid = source.m_button.activeRegionValid;
    m_button.colourScheme = source.m_button.colourScheme;
    MarkProjectChanged();
}

void CMenuButton::TakeLoadedStateOf(CMenuButton& loaded)
{
    ElementProperties kept = Properties();
    Properties() = loaded.Properties();
    Properties().x = kept.x;
    Properties().y = kept.y;
    Properties().neighbours = kept.neighbours;
    m_button = loaded.m_button;
    Commands() = loaded.Commands();
    MarkProjectChanged();
}

} // namespace objectmodel
