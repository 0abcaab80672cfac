// The catalogue of transition effects installed with the application: the effects a button's
// transition can play between a menu and its destination, read from
// "%PLUGINS%/KVTransitionPlugIns.xml".
//
// The catalogue is an XML document whose document element holds one element per effect, in
// the order they are offered: the attribute "Name" names the effect, the child "effect_id"
// identifies what the media engine draws, and the whole element is the effect's data (its
// "Duration" attribute, in seconds, is the length the engine gives it). Other children of the
// document element (comments, instructions) are passed over.
//
//     CDSTransition catalogue;                    // loads the default catalogue
//     CComPtr<IUnknown> spEffect;
//     CHECK_HR(catalogue.FindByName(L"Dissolve", &spEffect));
//     CHECK_HR(spEditData->AddTransition(1, spEffect, nullptr, nullptr));
#pragma once

#include "dsutils/DSCmdList.h"

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>
#include <vector>

class CDSTransition
{
public:
    // The largest catalogue file read, in bytes; a larger one is refused as not loadable.
    static constexpr unsigned long kMaxCatalogueBytes = 1ul << 20;

    // Loads the default catalogue. A failure leaves the catalogue empty and its reason on the
    // calling thread's error stack.
    CDSTransition();

    // Replaces the catalogue by a file's (path macros such as "%PLUGINS%" expanded); when the
    // file does not exist (null included) the default catalogue is loaded instead. Every element
    // child of the document element becomes an entry, in document order; an element without a
    // "Name" has an empty name, one without an "effect_id" child an empty identifier.
    // E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE when the file cannot be read, is not well-formed
    // XML, is not a regular file or is larger than kMaxCatalogueBytes; the catalogue is then
    // empty and the error stack names the file and the reason. A failure while reading an
    // entry is returned with the entries read before it kept.
    HRESULT Load(const wchar_t* pszFileName);

    // The first effect, in catalogue order, whose name contains pszName (case-sensitive;
    // entries without a name are passed over), resolved by ResolveTransition, with a counted
    // reference the caller owns. E_POINTER for a null out argument;
    // E_TRANSITIONFINDBYNAME_NOT_FOUND, *ppEffect untouched, when no name contains it or
    // pszName is null.
    HRESULT FindByName(const wchar_t* pszName, IUnknown** ppEffect);

    // Copies the entries out, in catalogue order; the copies share the catalogue's nodes, which
    // the caller must not change (FindByName hands out copies that may be changed).
    void GetTransitionList(std::vector<TransitionEntry>& list) const;

    // Makes an effect node fit to hand out: replaces spEffect with a deep copy whose attribute
    // "m_bstrThumbMoniker" (the picture that shows the effect to a person) names its picture
    // through the catalogue's storage, as "storage::<storage>/<value>" with any "\" of the
    // value turned to "/". The storage is the folder the catalogue was read from, kept as
    // "%PLUGINS%" for the default catalogue so that the moniker stays valid where the
    // application is installed elsewhere. A value that already names its place (holds "::",
    // starts with "/" or with a path macro "%…%") is kept, so resolving twice changes nothing;
    // so are a missing or empty attribute and every value while no catalogue is loaded. The
    // node given is never changed. E_POINTER for a null node.
    HRESULT ResolveTransition(CComPtr<IXMLDOMNode>& spEffect);

private:
    HRESULT CheckCatalogueFile(const std::wstring& path);
    HRESULT LoadDocument(const std::wstring& path);
    HRESULT ReadEntries();
    HRESULT ReadEntry(IXMLDOMNode* effectNode, IXMLDOMElement* spElem);
    const TransitionEntry* FirstNameContaining(const wchar_t* pszName) const;

    CComPtr<IXMLDOMDocument> m_spDoc;
    std::vector<TransitionEntry> m_entries;
    // Where relative thumbnail names of the loaded catalogue live; empty while none is loaded.
    std::wstring m_strStorage;
};
