// A menu: its properties, its commands, its elements and its production. The menu keeps its
// production's element items in step with its elements: every element that enters the menu,
// at any depth, gets an item (its EffectID) and an ID of the project; every element that
// leaves loses its item.
#pragma once

#include "CommandListImpl.h"
#include "ElementListImpl.h"
#include "PropertyStore.h"

#include "model/IDSMenu.h"
#include "model/KVEProductionLink.h"
#include "platform/ComObject.h"

#include <array>
#include <set>

namespace objectmodel {

class CProjectData;

using SubpictureColours = std::array<BYTE, kSubpictureColourBytes>;

struct MenuProperties
{
    ULONG tag = 0;
    ULONG flags = 0;
    std::wstring name;
    std::wstring background;
    LONG bkgndId = 0;
    std::wstring audio;
    std::wstring smartAudio;
    double duration = 15.0;
    ULONG buttonLayout = 0;
    FloatRect layoutRect = {0.0f, 0.0f, 0.0f, 0.0f};
    LONG templateId = 0;
    std::array<BYTE, 3 * kPaletteEntries> palette = {};
    SubpictureColours normal = {};
    std::array<SubpictureColours, 3> selected = {};
    std::array<SubpictureColours, 3> activated = {};

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"tag", tag);
        f.Field(L"flags", flags);
        f.Field(L"name", name);
        f.Field(L"background", background);
        f.Field(L"bkgndID", bkgndId);
        f.Field(L"audio", audio);
        f.Field(L"smartAudio", smartAudio);
        f.Field(L"duration", duration);
        f.Field(L"buttonLayout", buttonLayout);
        f.Field(L"layoutRect", layoutRect);
        f.Field(L"templateID", templateId);
        f.Field(L"palette", palette);
        f.Field(L"spuNormal", normal);
        f.Field(L"spuSelected0", selected[0]);
        f.Field(L"spuActivated0", activated[0]);
        f.Field(L"spuSelected1", selected[1]);
        f.Field(L"spuActivated1", activated[1]);
        f.Field(L"spuSelected2", selected[2]);
        f.Field(L"spuActivated2", activated[2]);
    }

    // The refusal a setter would give a value of these properties; empty when all are valid.
    std::wstring Invalidity() const;
};

class CMenu : public ComObject<CMenu, IDSMenu, ElementListImpl, CommandListImpl>,
              private PropertyStore
{
public:
    // A new menu with its production (created through the class factory), in no project.
    static HRESULT Make(CComPtr<CMenu>& menu);

    CMenu(CComPtr<IUnknown> production, CComPtr<IKVEMenuComposition> composition,
          CComPtr<IKVEProductionXml> productionXml);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Tag(ULONG* tag) override;
    HRESULT put_Tag(ULONG tag) override;
    HRESULT get_Flags(ULONG* flags) override;
    HRESULT put_Flags(ULONG flags) override;
    HRESULT get_Name(BSTR* name) override;
    HRESULT put_Name(BSTR name) override;
    HRESULT get_Background(BSTR* path) override;
    HRESULT put_Background(BSTR path) override;
    HRESULT get_BkgndID(LONG* id) override;
    HRESULT put_BkgndID(LONG id) override;
    HRESULT get_Audio(BSTR* path) override;
    HRESULT put_Audio(BSTR path) override;
    HRESULT GetSmartAudio(BSTR* path) override;
    HRESULT SetSmartAudio(BSTR path) override;
    HRESULT get_Duration(double* seconds) override;
    HRESULT put_Duration(double seconds) override;
    HRESULT get_ButtonLayout(ULONG* layout) override;
    HRESULT put_ButtonLayout(ULONG layout) override;
    HRESULT get_LayoutRect(FloatRect* rect) override;
    HRESULT put_LayoutRect(const FloatRect* rect) override;
    HRESULT get_TemplateID(LONG* id) override;
    HRESULT put_TemplateID(LONG id) override;
    HRESULT GetProject(IDSProjectData** project) override;
    HRESULT GetProduction(IUnknown** production) override;
    HRESULT GetBackgroundProduction(IUnknown** production) override;
    HRESULT GetSubpictureColours(LONG scheme, BYTE* selected, BYTE* activated) override;
    HRESULT SetSubpictureColours(LONG scheme, const BYTE* selected, const BYTE* activated) override;
    HRESULT GetPalette(PaletteEntry* palette) override;
    HRESULT SetPalette(const PaletteEntry* palette) override;
    HRESULT SaveXML(IXMLDOMNode* parent, VARIANT_BOOL forceNativeSource) override;
    HRESULT loadXML(IXMLDOMNode* source, VARIANT_BOOL asCopy) override;

    CMenu* ListMenu() const override { return const_cast<CMenu*>(this); }
    ElementNode* ListOwner() override { return nullptr; }
    const ElementNode* ListOwner() const override { return nullptr; }
    IUnknown* ListIdentity() override { return GetUnknown(); }
    void MarkChanged() override;

    LONG Id() const { return m_id; }
    void SetId(LONG id) { m_id = id; }
    CProjectData* Project() const { return m_project; }
    // Enters a project (registering the menu's elements) or leaves it (null).
    void SetProject(CProjectData* project);

    // Gives the elements under roots IDs and production items so that they can enter the
    // menu, as one step; the elements under leaving leave it in the same step (their IDs count
    // as free). On failure nothing changes.
    HRESULT AdmitElements(const std::vector<ElementNode*>& roots, IdPolicy policy,
                          const std::vector<ElementNode*>& leaving);
    // Takes the production items and project IDs of the elements under roots back.
    void ReleaseElements(const std::vector<ElementNode*>& roots);

    // Appends a "Menu" element that holds the menu; withProduction adds its production.
    HRESULT WriteXml(IXMLDOMNode* parent, bool nativeSources, bool withProduction);
    // Reads a menu that SaveXML or WriteXml wrote into this menu, as one step. withProduction
    // loads the saved production as well (for a menu made for the reading).
    HRESULT ReadXml(IXMLDOMElement* element, IdPolicy policy, bool withProduction);

protected:
    ~CMenu() override;

private:
    // A duplicate of a menu has its own background and montage titles, made when it is
    // resolved; sharing the original's would let each rebuild the other's production.
    static void ForgetPrivateTitles(MenuProperties& props,
                                    const std::vector<CComPtr<IDSMenuElement>>& children);
    // The nodes of every element of the menu at any depth.
    std::vector<ElementNode*> AllElements();
    HRESULT PlanIds(const std::vector<ElementNode*>& nodes, IdPolicy policy,
                    const std::vector<ElementNode*>& leaving, std::vector<LONG>& ids);
    HRESULT AddItems(const std::vector<ElementNode*>& nodes, const std::vector<LONG>& ids,
                     bool reuseItems, std::vector<LONG>& items);
    void RemoveItems(const std::vector<LONG>& items);
    bool ItemBelongsTo(LONG item, LONG elementId);

    LONG m_id = 0;
    CProjectData* m_project = nullptr;
    MenuProperties m_props;
    CComPtr<IUnknown> m_production;
    CComPtr<IKVEMenuComposition> m_composition;
    CComPtr<IKVEProductionXml> m_productionXml;
};

} // namespace objectmodel
