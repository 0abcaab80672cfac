// A production: panels on a time line, audio, markers, information and metadata, nested
// productions by moniker, and, for a menu's production, the menu it draws.
#pragma once

#include "AudioObject.h"
#include "ElementItem.h"
#include "MarkerList.h"
#include "MenuSnapshot.h"
#include "Panel.h"
#include "ProductionLoad.h"
#include "Timeline.h"

#include "model/KVEEditData.h"
#include "model/KVEMarkerList.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include <map>
#include <string>
#include <vector>

class Production final
    : public ComObject<Production, IKVEProductionData, IEditData, IProductionInfo, IKVEMarkerList,
                       IKVEProductionXml, IKVEMenuComposition>,
      public ChangeSink
{
public:
    // Panels, audio objects and element items share one range of IDs, 1 to kMaxId.
    static constexpr LONG kMaxId = 0x7FFFFFFE;

    // IKVEProductionData
    HRESULT GetNumberOfPanels(LONG* count) override;
    HRESULT GetPanelBaseObject(LONG position, IBaseObject** panel) override;
    HRESULT GetPanelAt(double time, LONG* position, IBaseObject** panel) override;
    HRESULT DeletePanel(LONG position) override;
    HRESULT DeletePanels(const LONG* entries, LONG count, BOOL byId) override;
    HRESULT GetProductionObj(IUnknown** production) override;
    HRESULT LoadProduction(BSTR file, LONG flags) override;
    HRESULT SaveAsProduction(BSTR file) override;
    HRESULT GetSubProduction(BSTR moniker, IUnknown** production) override;
    HRESULT SetSubProduction(BSTR moniker, IUnknown* production) override;
    HRESULT GetObjectByID(LONG id, IUnknown** object) override;
    HRESULT GetMissingSourceFileNames(LONG firstPanel, LONG panelCount, VARIANT_BOOL searchNested,
                                      VARIANT* names) override;
    HRESULT GetAudioAt(LONG kind, double time, IUnknown** audio) override;
    HRESULT GetEffectAt(LONG layer, double time, IUnknown** effect) override;
    HRESULT Add3DSourceFiles(SAFEARRAY* files, SAFEARRAY* sourceTypes, SAFEARRAY* leftEyeFirst,
                             LONG position, VARIANT_BOOL withProtocol, IUnknown** first) override;
    HRESULT get_UseSourceAspectRatio(VARIANT_BOOL* use) override;
    HRESULT put_UseSourceAspectRatio(VARIANT_BOOL use) override;
    HRESULT EnableUpdates(VARIANT_BOOL enable) override;
    HRESULT IsChanged(VARIANT_BOOL* changed) override;
    HRESULT ClearChangeMark() override;
    HRESULT GetNumberOfAudios(LONG* count) override;
    HRESULT GetAudioItem(LONG index, IUnknown** audio) override;

    // IEditData
    HRESULT AddSourceFile(LONG position, BSTR file, double inPoint, double outPoint,
                          VARIANT_BOOL useNativeAudio, IUnknown** panel) override;
    HRESULT AddSolidColor(LONG position, DWORD colour, IUnknown** panel) override;
    HRESULT AddProductionMoniker(LONG position, BSTR moniker, IUnknown* production, double offset,
                                 double duration, VARIANT_BOOL useNativeAudio,
                                 IUnknown** panel) override;
    HRESULT AddTransition(LONG position, IUnknown* effectXml, IUnknown** transition,
                          const double* duration) override;
    HRESULT AddProductionAudio(BSTR file, LONG kind, double start, IUnknown** audio) override;
    HRESULT AddProductionSmartAudio(BSTR file, LONG kind, double start, double duration,
                                    IUnknown** audio) override;
    HRESULT DeleteProductionAudio(LONG id) override;
    HRESULT Add3DVOBMoniker(LONG position, BSTR moniker, tagENM_3DSOURCE_TYPE type,
                            VARIANT_BOOL leftEyeFirst, VARIANT_BOOL useNativeAudio,
                            IUnknown** panel) override;

    // IProductionInfo
    HRESULT get_AspectRatio(double* ratio) override;
    HRESULT put_AspectRatio(double ratio) override;
    HRESULT get_Duration(double* seconds) override;
    HRESULT get_EditingFrameRate(double* rate) override;
    HRESULT put_EditingFrameRate(double rate) override;
    HRESULT get_Is3D(VARIANT_BOOL* is3D) override;
    HRESULT put_Is3D(VARIANT_BOOL is3D) override;
    HRESULT GetMetaData(BSTR name, IXMLDOMNode** node) override;
    HRESULT SetMetaData(BSTR name, IXMLDOMNode* node) override;

    // IKVEMarkerList
    HRESULT AddMarker(double time, LONG kind, LONG flags, LONG* id) override;
    HRESULT RemoveMarker(LONG id) override;
    HRESULT GetMarkerCount(LONG kind, LONG* count) override;
    HRESULT GetMarkerItem(LONG index, LONG kind, KVEMarker* marker) override;
    HRESULT GetMarkerByID(LONG id, KVEMarker* marker) override;
    HRESULT GetMarkerIndex(LONG id, LONG* index) override;
    HRESULT SetMarkerLink(LONG id, LONG link) override;
    HRESULT RemoveAllMarkers() override;
    HRESULT SetMarkerName(LONG id, BSTR name) override;
    HRESULT GetMarkerName(LONG id, BSTR* name) override;
    HRESULT RemoveMarkersOfKind(LONG kind) override;
    HRESULT FindMarkerNear(double time, LONG kind, double tolerance, LONG* id) override;
    HRESULT GetTotalMarkerCount(LONG* count) override;
    HRESULT CopyMarkersFrom(IKVEMarkerList* source) override;
    HRESULT SetMarkerTime(LONG id, double time) override;

    // IKVEProductionXml
    HRESULT SaveToXml(IXMLDOMNode* parent) override;
    HRESULT LoadFromXml(IXMLDOMNode* element) override;

    // IKVEMenuComposition
    HRESULT SetMenu(IUnknown* menu) override;
    HRESULT GetMenu(IUnknown** menu) override;
    HRESULT AddElementItem(LONG elementId, LONG* itemId) override;
    HRESULT RemoveElementItem(LONG itemId) override;
    HRESULT GetElementOfItem(LONG itemId, LONG* elementId) override;
    HRESULT GetElementItemCount(LONG* count) override;

    // ChangeSink
    void OnPanelChanged() override;

    // What renderers read.
    const Timeline& Panels() const { return m_timeline; }
    bool UsesSourceAspectRatio() const { return m_useSourceAspect; }
    double AspectRatio() const { return m_aspect; }
    // Counts reported changes, so that renderers know when what they keep has gone stale.
    ULONG Revision() const { return m_revision; }
    // The sub-production kept under a moniker, borrowed; null when none.
    IUnknown* SubProduction(const std::wstring& moniker) const
    {
        auto found = m_subProductions.find(moniker);
        return found == m_subProductions.end() ? nullptr : found->second.p;
    }
    // Whether this production holds target at any depth (as itself, a sub-production or what
    // a panel plays); a nesting too deep to follow counts as holding it.
    bool Holds(const Production* target) const;
    const std::map<std::wstring, CComPtr<IUnknown>>& SubProductions() const
    {
        return m_subProductions;
    }
    // The menu's elements as drawn now: read from the menu while one is set, else the elements
    // a production file brought.
    HRESULT SnapshotMenu(MenuSnapshot& snapshot) const;
    // The elements drawn while no menu is set (what a production file of a menu brought).
    void SetSavedMenu(MenuSnapshot menu) { m_savedMenu = std::move(menu); }

    // The whole state of a production, as the XML reader makes it and the writer reads it.
    struct State
    {
        std::vector<CComPtr<IBaseObject>> panels;
        std::vector<CComPtr<IUnknown>> audio;
        std::vector<MarkerList::Entry> markers;
        std::map<std::wstring, CComPtr<IUnknown>> subProductions;
        std::map<std::wstring, CComPtr<IXMLDOMNode>> metadata;
        std::map<LONG, CComPtr<ElementItem>> elementItems;
        MenuSnapshot menu;
        double aspect = 4.0 / 3.0;
        double frameRate = 29.97;
        bool is3D = false;
        bool useSourceAspect = true;
        LONG nextId = 1;
    };
    // The state as it stands, sharing the production's objects; fails when the menu it draws
    // cannot be read.
    HRESULT CurrentState(State& state) const;

    // Reads a production file, or a "Production" element, as one level of a load that may
    // nest further productions; what it refuses is reported on the error stack.
    HRESULT LoadFile(const std::wstring& path, ProductionLoad& load);
    HRESULT ReadXml(IXMLDOMNode* element, ProductionLoad& load);

private:
    friend ComObject<Production, IKVEProductionData, IEditData, IProductionInfo, IKVEMarkerList,
                     IKVEProductionXml, IKVEMenuComposition>;
    Production() = default;
    ~Production() override;

    // Whether count more IDs can be given; once kMaxId is given no more are.
    bool IdsLeft(LONG count) const { return m_nextId <= kMaxId && kMaxId - m_nextId >= count - 1; }
    // The next ID; IdsLeft(1) must hold.
    LONG NextId() { return m_nextId++; }
    HRESULT InsertSource(LONG position, Panel* panel, IUnknown** out);
    HRESULT AddAudioObject(IUnknown* audio, IUnknown** out);
    void ReportChange();
    void DetachPanels();
    // Replaces the whole state; a state whose panels are out of order changes nothing.
    HRESULT TakeState(State state);

    Timeline m_timeline;
    std::vector<CComPtr<IUnknown>> m_audio;
    MarkerList m_markers;
    std::map<std::wstring, CComPtr<IUnknown>> m_subProductions;
    std::map<std::wstring, CComPtr<IXMLDOMNode>> m_metadata;
    std::map<LONG, CComPtr<ElementItem>> m_elementItems;
    IUnknown* m_menu = nullptr;
    MenuSnapshot m_savedMenu;
    double m_aspect = 4.0 / 3.0;
    double m_frameRate = 29.97;
    bool m_is3D = false;
    bool m_useSourceAspect = true;
    bool m_updatesEnabled = true;
    bool m_pendingChange = false;
    bool m_changed = false;
    ULONG m_revision = 0;
    LONG m_nextId = 1;
};

// The Production behind an object of ours, or null.
Production* ProductionOf(IUnknown* object);
