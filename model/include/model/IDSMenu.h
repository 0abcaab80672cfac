// A menu of the project. Besides this interface a menu answers IDSMenuElementList (its elements
// in drawing order) and IDSCommandList (what the player does when the menu ends).
#pragma once

#include "model/FloatRect.h"
#include "model/ProjectEnums.h"
#include "platform/Bstr.h"
#include "platform/Xml.h"

struct IDSProjectData;

DS_INTERFACE_ID(IDSMenu, IUnknown, "{008B9653-76F4-4890-AC85-B471AF7E84EC}");

// One colour of the menu palette.
struct PaletteEntry
{
    BYTE red;
    BYTE green;
    BYTE blue;
};

// The number of entries of a menu palette.
inline constexpr int kPaletteEntries = 16;

// The bytes of one subpicture colour set: pairs of palette index and contrast (0 to 15) for the
// colour classes 0xFF0000 (bytes 0 and 1), 0xFFFFFF (2 and 3), 0x00FF00 (4 and 5) and 0x0000FF
// (6 and 7).
inline constexpr int kSubpictureColourBytes = 8;

struct IDSMenu : IUnknown
{
    virtual HRESULT get_ID(LONG* id) = 0;
    // MenuTypes bits.
    virtual HRESULT get_Tag(ULONG* tag) = 0;
    virtual HRESULT put_Tag(ULONG tag) = 0;
    // MenuFlags bits.
    virtual HRESULT get_Flags(ULONG* flags) = 0;
    virtual HRESULT put_Flags(ULONG flags) = 0;
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT put_Name(BSTR name) = 0;
    // The background source: a picture, a video or a production file path (path macros such as
    // "%CONTENT%" are kept as given).
    virtual HRESULT get_Background(BSTR* path) = 0;
    virtual HRESULT put_Background(BSTR path) = 0;
    // The ID of the private title whose production holds the background; 0 for none.
    virtual HRESULT get_BkgndID(LONG* id) = 0;
    virtual HRESULT put_BkgndID(LONG id) = 0;
    // The background audio file; empty for none.
    virtual HRESULT get_Audio(BSTR* path) = 0;
    virtual HRESULT put_Audio(BSTR path) = 0;
    // The smart-audio track of the menu; empty for none.
    virtual HRESULT GetSmartAudio(BSTR* path) = 0;
    virtual HRESULT SetSmartAudio(BSTR path) = 0;
    // Seconds. E_INVALIDARG for a negative or not-a-number value.
    virtual HRESULT get_Duration(double* seconds) = 0;
    virtual HRESULT put_Duration(double seconds) = 0;
    // The packed button layout word; 0 stands for the default layout.
    virtual HRESULT get_ButtonLayout(ULONG* layout) = 0;
    virtual HRESULT put_ButtonLayout(ULONG layout) = 0;
    // The area the buttons are laid out in (menu space).
    virtual HRESULT get_LayoutRect(FloatRect* rect) = 0;
    virtual HRESULT put_LayoutRect(const FloatRect* rect) = 0;
    // The ID of the template menu this menu was made from (for template menus: the next
    // template of the set).
    virtual HRESULT get_TemplateID(LONG* id) = 0;
    virtual HRESULT put_TemplateID(LONG id) = 0;

    // The project the menu belongs to (one reference); S_FALSE and null once it was removed.
    virtual HRESULT GetProject(IDSProjectData** project) = 0;
    // The menu's production (one reference); it is created with the menu and lives as long.
    virtual HRESULT GetProduction(IUnknown** production) = 0;
    // The production of the private background title named by BkgndID (one reference);
    // S_FALSE and null when the menu has no background title in its project.
    virtual HRESULT GetBackgroundProduction(IUnknown** production) = 0;

    // Reads a colour scheme: for SPU_Normal its one set into selected (activated is not
    // written); for SPU_Scheme0 to SPU_Scheme2 the selected and the activated set. Either
    // pointer may be null; each names kSubpictureColourBytes bytes. E_INVALIDARG for another
    // scheme.
    virtual HRESULT GetSubpictureColours(LONG scheme, BYTE* selected, BYTE* activated) = 0;
    // Writes a colour scheme the same way; a null pointer leaves that set unchanged. Index and
    // contrast values above 15 give E_INVALIDARG and change nothing.
    virtual HRESULT SetSubpictureColours(LONG scheme, const BYTE* selected,
                                         const BYTE* activated) = 0;
    // Copies the kPaletteEntries colours of the palette out or in.
    virtual HRESULT GetPalette(PaletteEntry* palette) = 0;
    virtual HRESULT SetPalette(const PaletteEntry* palette) = 0;

    // Appends one "Menu" element that holds the whole menu (properties, commands and elements
    // at every depth) to parent. With forceNativeSource, overlays that take their picture from
    // titles of the project are written as file sources of the picture they show now, so that
    // the saved menu depends on no title (as a template must not).
    virtual HRESULT SaveXML(IXMLDOMNode* parent, VARIANT_BOOL forceNativeSource) = 0;
    // Replaces the menu's properties, commands and elements by those of a "Menu" element that
    // SaveXML wrote; source may be that element or a node holding it as a child. With asCopy
    // the menu keeps its own ID and its elements get fresh IDs (it becomes a duplicate of the
    // saved menu, with no background title (BkgndID 0) and no overlay montage titles
    // (PrivateId 0) of its own yet, so that it never shares the original's); without it each
    // element keeps the ID saved with it while no other object of the project has that ID, and gets
    // a new one otherwise. The menu's own ID and its production never change. A malformed element
    // gives E_INVALIDARG, reported on the error stack, and leaves the menu as it was.
    virtual HRESULT loadXML(IXMLDOMNode* source, VARIANT_BOOL asCopy) = 0;
};
