// The transition catalogue: a file that cannot be read leaves the catalogue empty; one that is
// read gives the same entries every time, every named entry is found by its name, and an
// effect handed out resolves to itself again.
#include "FuzzSupport.h"

#include "dsutils/DSTransition.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/ResultCodes.h"
#include "platform/Xml.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kTarget = "transition_catalogue";

struct Entry
{
    std::wstring name;
    std::wstring effectId;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> EntriesOf(const CDSTransition& catalogue)
{
    std::vector<TransitionEntry> list;
    catalogue.GetTransitionList(list);
    std::vector<Entry> entries;
    for (const TransitionEntry& entry : list)
        entries.push_back({entry.m_bstrName.Str(), entry.m_bstrEffectID.Str()});
    return entries;
}

std::wstring XmlOf(IXMLDOMNode* node)
{
    CComBSTR xml;
    FUZZ_CHECK(kTarget, SUCCEEDED(node->get_xml(&xml)));
    return xml.Str();
}

// Every named entry is found, and resolving what FindByName hands out changes nothing more.
void CheckNamedEntries(CDSTransition& catalogue, const std::vector<Entry>& entries)
{
    for (const Entry& entry : entries) {
        if (entry.name.empty())
            continue;
        CComPtr<IUnknown> effect;
        FUZZ_CHECK(kTarget, SUCCEEDED(catalogue.FindByName(entry.name.c_str(), &effect)));
        CComQIPtr<IXMLDOMNode> node(effect);
        FUZZ_CHECK(kTarget, node);
        std::wstring once = XmlOf(node);
        CComPtr<IXMLDOMNode> again(node);
        FUZZ_CHECK(kTarget, SUCCEEDED(catalogue.ResolveTransition(again)));
        FUZZ_CHECK(kTarget, XmlOf(again) == once);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("catalogue.xml", data, size);
    std::wstring path = FuzzFile("catalogue.xml");
    CDSTransition catalogue;
    HRESULT hr = catalogue.Load(path.c_str());
    if (hr == E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE) {
        FUZZ_CHECK(kTarget, EntriesOf(catalogue).empty());
        return 0;
    }
    if (FAILED(hr))
        return 0;
    std::vector<Entry> entries = EntriesOf(catalogue);
    CDSTransition again;
    FUZZ_CHECK(kTarget, SUCCEEDED(again.Load(path.c_str())));
    FUZZ_CHECK(kTarget, EntriesOf(again) == entries);
    CheckNamedEntries(catalogue, entries);
    return 0;
}
