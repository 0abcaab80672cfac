// Production files and the XML form of productions.
#include "MenuReader.h"
#include "Production.h"
#include "ProductionXmlReader.h"
#include "ProductionXmlWriter.h"
#include "XmlHelpers.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

constexpr HRESULT kInvalidData = HRESULT_FROM_WIN32(13); // ERROR_INVALID_DATA

// The production files being loaded on this thread, outermost first. A production file that
// names itself as a source, directly or through other files, comes round again while it is
// still being loaded; it is refused there instead of being loaded without end.
thread_local std::vector<std::filesystem::path> tFilesLoading;

std::filesystem::path FileKey(const std::wstring& path)
{
    std::error_code failed;
    std::filesystem::path key = std::filesystem::weakly_canonical(path, failed);
    return failed ? std::filesystem::path(path).lexically_normal() : key;
}

// Marks a file as being loaded for the life of the scope.
class LoadingScope
{
public:
    explicit LoadingScope(std::filesystem::path key) { tFilesLoading.push_back(std::move(key)); }
    ~LoadingScope() { tFilesLoading.pop_back(); }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

    static bool IsLoading(const std::filesystem::path& key)
    {
        return std::find(tFilesLoading.begin(), tFilesLoading.end(), key) != tFilesLoading.end();
    }
};

} // namespace

Production::State Production::CurrentState() const
{
    State state;
    for (LONG i = 0; i < m_timeline.Count(); ++i)
        state.panels.push_back(m_timeline.ObjectAt(i));
    state.audio = m_audio;
    state.markers = m_markers.Entries();
    state.subProductions = m_subProductions;
    state.metadata = m_metadata;
    state.elementItems = m_elementItems;
    SnapshotMenu(state.menu);
    state.aspect = m_aspect;
    state.frameRate = m_frameRate;
    state.is3D = m_is3D;
    state.useSourceAspect = m_useSourceAspect;
    state.nextId = m_nextId;
    return state;
}

HRESULT Production::TakeState(State state)
{
    MarkerList markers;
    HRESULT hr = markers.Restore(state.markers);
    Timeline timeline;
    std::vector<Panel*> panels;
    for (const CComPtr<IBaseObject>& object : state.panels)
        panels.push_back(PanelOf(object));
    if (SUCCEEDED(hr))
        hr = timeline.Restore(panels);
    if (FAILED(hr))
        return hr;
    DetachPanels();
    LONG highest = 0;
    for (Panel* panel : panels) {
        panel->Attach(this, panel->Id());
        highest = std::max(highest, panel->Id());
    }
    for (const auto& item : state.elementItems)
        highest = std::max(highest, item.first);
    for (const CComPtr<IUnknown>& audio : state.audio)
        highest = std::max(highest, PlacementOf(audio)->id);
    m_timeline = std::move(timeline);
    m_markers = std::move(markers);
    m_audio = std::move(state.audio);
    m_subProductions = std::move(state.subProductions);
    m_metadata = std::move(state.metadata);
    m_elementItems = std::move(state.elementItems);
    m_savedMenu = std::move(state.menu);
    m_aspect = state.aspect;
    m_frameRate = state.frameRate;
    m_is3D = state.is3D;
    m_useSourceAspect = state.useSourceAspect;
    m_nextId = std::max(state.nextId, highest + 1);
    m_timeline.LayOut();
    ReportChange();
    return S_OK;
}

HRESULT Production::SaveToXml(IXMLDOMNode* parent)
{
    return WriteProductionXml(CurrentState(), parent);
}

HRESULT Production::LoadFromXml(IXMLDOMNode* element)
{
    State state;
    HRESULT hr = ReadProductionXml(element, state);
    return FAILED(hr) ? hr : TakeState(std::move(state));
}

HRESULT Production::LoadProduction(BSTR file, LONG)
{
    KVUClearErrorStack();
    std::wstring path = CComBSTR(file).Str();
    if (path.empty())
        CHECK_HR_TEXT(E_INVALIDARG, "LoadProduction without a file");
    std::filesystem::path key = FileKey(path);
    if (LoadingScope::IsLoading(key))
        CHECK_HR_TEXT(kInvalidData, WideToUtf8(L"Production file contains itself " + path).c_str());
    LoadingScope loading(key);
    CComPtr<IXMLDOMElement> root;
    CHECK_HR_TEXT(LoadXmlFile(path, root), WideToUtf8(L"LoadXmlFile " + path).c_str());
    HRESULT hr = LoadFromXml(root);
    if (hr == E_INVALIDARG)
        hr = kInvalidData;
    CHECK_HR_TEXT(hr, WideToUtf8(L"LoadFromXml " + path).c_str());
    return S_OK;
}

HRESULT Production::SaveAsProduction(BSTR file)
{
    KVUClearErrorStack();
    std::wstring path = CComBSTR(file).Str();
    if (path.empty())
        CHECK_HR_TEXT(E_INVALIDARG, "SaveAsProduction without a file");
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(NewXmlDocument(document));
    CComPtr<IXMLDOMNode> declaration;
    CHECK_HR(document->createProcessingInstruction(
        CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-8\""), &declaration));
    CHECK_HR(document->appendChild(declaration, nullptr));
    CHECK_HR(SaveToXml(document));
    CHECK_HR_TEXT(document->save(CComVariant(path.c_str())),
                  WideToUtf8(L"document->save " + path).c_str());
    return S_OK;
}

HRESULT Production::SnapshotMenu(MenuSnapshot& snapshot) const
{
    if (m_menu)
        return ReadMenuSnapshot(m_menu, snapshot);
    snapshot = m_savedMenu;
    return S_OK;
}
