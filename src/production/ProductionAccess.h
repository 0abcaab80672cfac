// Reaching the parts of a production from what callers hand in: titles and menus stand for
// their storyboards, and a storyboard's information and metadata live on its production
// object.
#pragma once

#include "model/IDSMenuElement.h"
#include "model/KVEAudio.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <vector>

// The information of a storyboard, its production object, a title or a menu; null when there
// is none.
CComPtr<IProductionInfo> ProductionInfoOf(IUnknown* pObject);

// The "SlideShowDoc" metadata element of the production, live; null when it has none.
CComPtr<IXMLDOMNode> SlideShowDocOf(IUnknown* pObject);

// The item that carries the element's effect data in a menu's storyboard, and its ID; null
// (and 0) when the storyboard keeps no item for that element.
CComPtr<IKVEEffectInfo> ElementItemOf(IKVEProductionData* pSbd, IDSMenuElement* pElement,
                                      LONG* pItemId = nullptr);

// The first child element of a name of an element, appended when it has none.
HRESULT ChildElementOf(IXMLDOMNode* pParent, const wchar_t* name, CComPtr<IXMLDOMElement>& spChild);

// The storyboard's background audio objects (kind enBackgroundAudio), plain files and smart
// audio alike, in the order they were added; a storyboard holds one at most when only the
// library edits it.
std::vector<CComPtr<IKVEAudioSubObject>> BackgroundAudiosOf(IKVEProductionData* pSbd);

// Whether an engine query gave an answer. A missing interface is no answer; any other failure
// is added to the caller's error stack with the text of the query.
bool Answered(HRESULT hr, const char* query);
