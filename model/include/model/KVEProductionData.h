// A production (storyboard) as a sequence of panels laid end to end from time 0: source files,
// solid colours and nested productions on the even positions 0, 2, 4 …, a transition on the
// odd position between two of them, overlapping both by its duration. Times and durations are
// seconds. Create one with CLSID_KVEProduction; the same object answers IEditData,
// IProductionInfo, IKVEMarkerList, IKVEProductionXml and IKVEMenuComposition.
#pragma once

#include "KVEPanels.h"
#include "KVEProductionLink.h"

DS_INTERFACE_ID(IKVEProductionData, IUnknown, "{7DE2C398-DC62-4481-B6AB-182335D5D5EC}");

struct IKVEProductionData : IUnknown
{
    // The number of panels, transitions included.
    virtual HRESULT GetNumberOfPanels(LONG* count) = 0;
    // The panel at a position, counted; E_INVALIDARG outside 0 … count − 1.
    virtual HRESULT GetPanelBaseObject(LONG position, IBaseObject** panel) = 0;
    // The source panel shown at a time (the later one where a transition overlaps two) and its
    // position; S_FALSE with a null panel and position −1 when the time lies outside the
    // production. Either out argument may be null.
    virtual HRESULT GetPanelAt(double time, LONG* position, IBaseObject** panel) = 0;
    // Deletes a panel; the transitions that lose a neighbour go with a source panel, and the
    // panels after it move up to close the gap.
    virtual HRESULT DeletePanel(LONG position) = 0;
    // Deletes several panels at once: the array holds positions (byId FALSE) or panel IDs
    // (byId TRUE). Unknown entries give E_INVALIDARG and delete nothing.
    virtual HRESULT DeletePanels(const LONG* entries, LONG count, BOOL byId) = 0;
    // The production object, which answers IProductionInfo.
    virtual HRESULT GetProductionObj(IUnknown** production) = 0;
    // Replaces the whole production with a production file (".dmsm" and its kin). flags is
    // reserved (0). A missing, unreadable or malformed file gives a failure and leaves the
    // production as it was.
    virtual HRESULT LoadProduction(BSTR file, LONG flags) = 0;
    // Writes the production, its nested productions and, for a menu's production, the menu's
    // drawn elements to a production file.
    virtual HRESULT SaveAsProduction(BSTR file) = 0;
    // Nested productions kept under a moniker ("moniker::dvdproduction_%d"); S_FALSE and null
    // when none is kept under that name. Setting null removes it.
    virtual HRESULT GetSubProduction(BSTR moniker, IUnknown** production) = 0;
    virtual HRESULT SetSubProduction(BSTR moniker, IUnknown* production) = 0;
    // Any object of the production by its ID: panels, audio objects and element items;
    // E_INVALIDARG when there is none.
    virtual HRESULT GetObjectByID(LONG id, IUnknown** object) = 0;
    // The source files of panels firstPanel … firstPanel + panelCount − 1 (panelCount 0: to the
    // end) that do not exist, each once, in panel order, searching nested productions too when
    // asked. *names is always a VT_ARRAY | VT_BSTR array; S_FALSE when it is empty.
    virtual HRESULT GetMissingSourceFileNames(LONG firstPanel, LONG panelCount,
                                              VARIANT_BOOL searchNested, VARIANT* names) = 0;
    // The audio of a kind (KVEAudioKind) that plays at a time; S_FALSE and null when none.
    virtual HRESULT GetAudioAt(LONG kind, double time, IUnknown** audio) = 0;
    // The effect of a layer at a time: layer 0 is the panel's own effect (a transition's
    // effect where one runs), layers 1 … 4 the effects applied over the whole production.
    // S_FALSE and null when none.
    virtual HRESULT GetEffectAt(LONG layer, double time, IUnknown** effect) = 0;
    // Inserts source files at a position, one source panel each, in array order (VT_BSTR
    // names, VT_I4 tagENM_3DSOURCE_TYPE values, VT_BOOL eye orders; the last two may be null
    // for plain 2D sources). withProtocol keeps names with a protocol prefix ("file://…") as
    // they are. *first (optional) is the first panel added.
    virtual HRESULT Add3DSourceFiles(SAFEARRAY* files, SAFEARRAY* sourceTypes,
                                     SAFEARRAY* leftEyeFirst, LONG position,
                                     VARIANT_BOOL withProtocol, IUnknown** first) = 0;
    // Whether frames keep their source's aspect ratio (letterboxed) rather than filling the
    // frame.
    virtual HRESULT get_UseSourceAspectRatio(VARIANT_BOOL* use) = 0;
    virtual HRESULT put_UseSourceAspectRatio(VARIANT_BOOL use) = 0;
    // The update switch: while off, edits are collected and the production reports them as one
    // change when it is switched on again.
    virtual HRESULT EnableUpdates(VARIANT_BOOL enable) = 0;
    // The change mark: set by every reported change, kept until cleared.
    virtual HRESULT IsChanged(VARIANT_BOOL* changed) = 0;
    virtual HRESULT ClearChangeMark() = 0;
    // The production's audio objects in the order they were added.
    virtual HRESULT GetNumberOfAudios(LONG* count) = 0;
    virtual HRESULT GetAudioItem(LONG index, IUnknown** audio) = 0;
};
