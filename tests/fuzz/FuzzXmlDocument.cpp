// XML documents: a document that is refused leaves the target document empty with the reason,
// as the XML layer promises (its callers rely on it); one that is taken is walked whole (names,
// values, typed values, attributes) and saves, loads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

#include "platform/Variant.h"
#include "platform/Xml.h"

#include <vector>

namespace {

constexpr const char* kTarget = "xml_document";

CComPtr<IXMLDOMDocument> KnownDocument()
{
    CComPtr<IXMLDOMDocument> document;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(CreateXMLDocument(&document)) ||
        FAILED(document->loadXML(CComBSTR(L"<kept a=\"1\">text</kept>"), &loaded)) || !loaded)
        FuzzFailure(kTarget, "no document");
    return document;
}

std::wstring XmlOf(IXMLDOMNode* node)
{
    CComBSTR xml;
    FUZZ_CHECK(kTarget, SUCCEEDED(node->get_xml(&xml)));
    return xml.Str();
}

std::string Saved(IXMLDOMDocument* document, const char* name)
{
    FUZZ_CHECK(kTarget, SUCCEEDED(document->save(CComVariant(FuzzFile(name).c_str()))));
    return ReadFuzzFile(name);
}

// Reads every node's name, value and typed value, and every attribute, without recursing.
void Walk(IXMLDOMNode* root)
{
    std::vector<CComPtr<IXMLDOMNode>> pending{root};
    while (!pending.empty()) {
        CComPtr<IXMLDOMNode> node = pending.back();
        pending.pop_back();
        CComBSTR name;
        CComVariant value;
        CComVariant typed;
        node->get_nodeName(&name);
        node->get_nodeValue(&value);
        node->get_nodeTypedValue(&typed);
        CComPtr<IXMLDOMNamedNodeMap> attributes;
        LONG count = 0;
        if (node->get_attributes(&attributes) == S_OK && attributes &&
            SUCCEEDED(attributes->get_length(&count))) {
            for (LONG i = 0; i < count; ++i) {
                CComPtr<IXMLDOMNode> attribute;
                if (attributes->get_item(i, &attribute) == S_OK)
                    attribute->get_nodeTypedValue(&typed);
            }
        }
        CComPtr<IXMLDOMNode> child;
        for (HRESULT hr = node->get_firstChild(&child); hr == S_OK && child;) {
            pending.push_back(child);
            CComPtr<IXMLDOMNode> next;
            hr = child->get_nextSibling(&next);
            child = next;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("input.xml", data, size);
    CComPtr<IXMLDOMDocument> target = KnownDocument();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    HRESULT hr = target->load(CComVariant(FuzzFile("input.xml").c_str()), &loaded);
    if (hr != S_OK || !loaded) {
        CComBSTR reason;
        FUZZ_CHECK(kTarget, hr == S_FALSE && !loaded);
        FUZZ_CHECK(kTarget, XmlOf(target).empty());
        FUZZ_CHECK(kTarget, target->get_parseErrorReason(&reason) == S_OK && !reason.IsEmpty());
        return 0;
    }
    Walk(target);
    std::string first = Saved(target, "first.xml");
    CComPtr<IXMLDOMDocument> again = KnownDocument();
    FUZZ_CHECK(kTarget,
               SUCCEEDED(again->load(CComVariant(FuzzFile("first.xml").c_str()), &loaded)));
    FUZZ_CHECK(kTarget, loaded == VARIANT_TRUE);
    FUZZ_CHECK(kTarget, Saved(again, "second.xml") == first);
    return 0;
}
