// The IXMLDOMNode part of the node objects (element and other node handles, and documents).
// Derived supplies Context(); each operation is carried out by the family of functions that
// owns it.
#pragma once

#include "XmlNavigation.h"
#include "XmlNodeInfo.h"
#include "XmlQuery.h"
#include "XmlSerializer.h"
#include "XmlTreeEdit.h"
#include "XmlTypedValue.h"

#include "platform/ComObject.h"

template <class Derived, class Interface>
class XmlNodeImpl : public ComObject<Derived, Interface, IXmlNodeSource>
{
    using Relation = XmlNavigation::Relation;

public:
    HRESULT get_nodeName(BSTR* name) override { return XmlNodeInfo::GetName(Here(), name); }
    HRESULT get_nodeValue(VARIANT* value) override { return XmlNodeInfo::GetValue(Here(), value); }
    HRESULT put_nodeValue(VARIANT value) override { return XmlNodeInfo::PutValue(Here(), value); }
    HRESULT get_nodeType(DOMNodeType* type) override { return XmlNodeInfo::GetType(Here(), type); }
    HRESULT get_parentNode(IXMLDOMNode** parent) override
    {
        return XmlNavigation::GetRelated(Here(), Relation::Parent, parent);
    }
    HRESULT get_childNodes(IXMLDOMNodeList** children) override
    {
        return XmlNavigation::GetChildNodes(Here(), children);
    }
    HRESULT get_firstChild(IXMLDOMNode** child) override
    {
        return XmlNavigation::GetRelated(Here(), Relation::FirstChild, child);
    }
    HRESULT get_lastChild(IXMLDOMNode** child) override
    {
        return XmlNavigation::GetRelated(Here(), Relation::LastChild, child);
    }
    HRESULT get_previousSibling(IXMLDOMNode** sibling) override
    {
        return XmlNavigation::GetRelated(Here(), Relation::PreviousSibling, sibling);
    }
    HRESULT get_nextSibling(IXMLDOMNode** sibling) override
    {
        return XmlNavigation::GetRelated(Here(), Relation::NextSibling, sibling);
    }
    HRESULT get_attributes(IXMLDOMNamedNodeMap** attributes) override
    {
        return XmlNavigation::GetAttributes(Here(), attributes);
    }
    HRESULT insertBefore(IXMLDOMNode* newChild, VARIANT refChild, IXMLDOMNode** inserted) override
    {
        return XmlTreeEdit::InsertBefore(Here(), newChild, refChild, inserted);
    }
    HRESULT replaceChild(IXMLDOMNode* newChild, IXMLDOMNode* oldChild,
                         IXMLDOMNode** replaced) override
    {
        return XmlTreeEdit::ReplaceChild(Here(), newChild, oldChild, replaced);
    }
    HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) override
    {
        return XmlTreeEdit::RemoveChild(Here(), child, removed);
    }
    HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended) override
    {
        VARIANT append;
        VariantInit(&append);
        return XmlTreeEdit::InsertBefore(Here(), newChild, append, appended);
    }
    HRESULT hasChildNodes(VARIANT_BOOL* has) override
    {
        return XmlNavigation::HasChildNodes(Here(), has);
    }
    HRESULT get_ownerDocument(IXMLDOMDocument** document) override
    {
        return XmlNodeInfo::GetOwnerDocument(Here(), document);
    }
    HRESULT cloneNode(VARIANT_BOOL deep, IXMLDOMNode** clone) override
    {
        return XmlTreeEdit::CloneNode(Here(), deep, clone);
    }
    HRESULT get_text(BSTR* text) override { return XmlNodeInfo::GetText(Here(), text); }
    HRESULT put_text(BSTR text) override { return XmlTreeEdit::PutText(Here(), ViewOf(text)); }
    HRESULT get_xml(BSTR* xml) override { return XmlSerializer::GetXml(Here(), xml); }
    HRESULT get_nodeTypedValue(VARIANT* value) override
    {
        return XmlTypedValue::GetTypedValue(Here(), value);
    }
    HRESULT put_nodeTypedValue(VARIANT value) override
    {
        return XmlTypedValue::PutTypedValue(Here(), value);
    }
    HRESULT get_dataType(VARIANT* type) override
    {
        return XmlTypedValue::GetDataType(Here(), type);
    }
    HRESULT put_dataType(BSTR type) override { return XmlTypedValue::PutDataType(Here(), type); }
    HRESULT selectNodes(BSTR query, IXMLDOMNodeList** nodes) override
    {
        return XmlQuery::SelectNodes(Here(), query, nodes);
    }
    HRESULT selectSingleNode(BSTR query, IXMLDOMNode** node) override
    {
        return XmlQuery::SelectSingleNode(Here(), query, node);
    }

private:
    XmlNodeContext Here() { return static_cast<Derived*>(this)->Context(); }
};
