// What every panel of a production shares: its ID, its place on the production's time line,
// its effect data and the production it tells about changes.
#pragma once

#include "EffectData.h"
#include "OutValue.h"
#include "XmlHelpers.h"

#include "model/KVEPanels.h"

#include "platform/ComObject.h"

#include <string>

class BgraImage;
class ElementWriter;
class FrameRenderer;
class Production;

// The production side of a panel: told when a panel changes so that the time line is laid out
// again and the change is reported.
class ChangeSink
{
public:
    virtual void OnPanelChanged() = 0;

protected:
    ~ChangeSink() = default;
};

// The sound settings of panels and audio objects, behind their IKVEAudioObject.
struct AudioSettings
{
    double volume = 1.0;
    bool native = true;

    HRESULT GetVolume(double* level) const;
    HRESULT PutVolume(double level);
    HRESULT GetNative(VARIANT_BOOL* use) const;
    HRESULT PutNative(VARIANT_BOOL use);
};

// The engine's view of a panel, beside its COM interfaces. What differs between kinds of
// panel is asked of the panel itself, one operation per concern, so that a new kind is one
// new class.
class Panel
{
public:
    virtual ~Panel() = default;

    virtual KVEPanelKind Kind() const = 0;
    virtual double Duration() const = 0;
    // The panel as IBaseObject, borrowed.
    virtual IBaseObject* Base() = 0;
    // The production the panel plays, borrowed; null for a panel that plays none.
    virtual IUnknown* NestedProduction() const { return nullptr; }
    // What a production file keeps of the panel beyond its ID: its attributes, its effect and
    // any further children, written on its element.
    virtual HRESULT WriteXml(ElementWriter& out) const = 0;
    // Draws the panel at a time of its own (seconds from its start) over frame, which is the
    // production's frame; a panel that shows nothing of its own leaves the frame as it is.
    virtual HRESULT Render(FrameRenderer&, const Production&, double, BgraImage&, int) const
    {
        return S_OK;
    }
    // Draws the passage from the picture of the panel before this one (outgoing) to that of
    // the panel after it (incoming) at progress (0 … 1) into outgoing; both pictures have the
    // same size. Only a transition stands between two panels and passes from one to the other.
    virtual void Blend(BgraImage&, const BgraImage&, double) const {}
    // The file the panel plays when that file is gone; empty otherwise.
    virtual std::wstring MissingFile() const { return {}; }

    LONG Id() const { return m_id; }
    double Start() const { return m_start; }
    double End() const { return m_start + Duration(); }
    void SetStart(double start) { m_start = start; }
    // Joins a production under an ID; null leaves it.
    void Attach(ChangeSink* owner, LONG id)
    {
        m_owner = owner;
        if (owner)
            m_id = id;
    }
    EffectData& Effect() { return m_effect; }
    const EffectData& Effect() const { return m_effect; }
    // Gives the panel the ID it had when it was saved.
    void SetId(LONG id) { m_id = id; }

protected:
    void Changed()
    {
        if (m_owner)
            m_owner->OnPanelChanged();
    }
    // Reports a change when an edit succeeded, and passes its result on.
    HRESULT Notify(HRESULT hr)
    {
        if (SUCCEEDED(hr))
            Changed();
        return hr;
    }

private:
    LONG m_id = 0;
    double m_start = 0.0;
    ChangeSink* m_owner = nullptr;
    EffectData m_effect;
};

// A panel class: Derived implements DoSetDuration and the further interfaces Extra.
template <class Derived, class... Extra>
class PanelObject : public ComObject<Derived, IBaseObject, IKVEEffectInfo, Extra...>, public Panel
{
public:
    IBaseObject* Base() override { return this; }

    HRESULT get_ID(LONG* id) override { return ReturnValue(id, Id()); }
    HRESULT get_Kind(LONG* kind) override { return ReturnValue(kind, Kind()); }
    HRESULT GetStartTime(double* seconds) override { return ReturnValue(seconds, Start()); }
    HRESULT get_Duration(double* seconds) override { return ReturnValue(seconds, Duration()); }
    HRESULT put_Duration(double seconds) override
    {
        if (!(seconds > 0.0))
            return E_INVALIDARG;
        return Notify(static_cast<Derived*>(this)->DoSetDuration(seconds));
    }
    HRESULT GetEffectInfo(IXMLDOMNode** effect) override { return Effect().Get(effect); }
    HRESULT PutData(IXMLDOMNode* data) override { return Notify(Effect().Put(data)); }
};

// The Panel of a panel object, or null for an object that is not one of ours.
Panel* PanelOf(IUnknown* object);
