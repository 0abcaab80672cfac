// The elements of a menu (buttons, texts and overlays) and the element lists that menus and
// buttons hold. A button's list holds its own elements (its thumbnail, its label, further
// texts, overlays and buttons), so elements nest to any depth.
//
// Geometry is in menu space (FloatRect.h). An element's position is its centre; the position
// of an element inside a button is relative to the button's position, so moving a button moves
// what it holds. Extents and regions are absolute menu-space rectangles.
//
// IDs: an element gets an ID unique within the project when it enters a list of a menu that
// belongs to a project (with everything it holds). A detached element (a fresh copy, a button
// created on its own) has ID 0 until then. An element removed from a list keeps its ID, and
// keeps it when it enters a project again while no other object of that project has it.
#pragma once

#include "model/FloatRect.h"
#include "model/ProjectEnums.h"
#include "platform/Bstr.h"
#include "platform/Xml.h"

struct IDSMenu;
struct IDSMenuText;

DS_INTERFACE_ID(IDSMenuElementList, IUnknown, "{35A967C6-73A5-45F8-B9A1-5B4C559A485A}");
DS_INTERFACE_ID(IDSMenuElement, IUnknown, "{B9AE39BC-057F-4FFB-A0FA-9C2432A73D47}");
DS_INTERFACE_ID(IDSMenuButton, IDSMenuElement, "{F41B3CA9-E382-46DA-826F-A6DC58C97041}");
DS_INTERFACE_ID(IDSMenuOverlay, IDSMenuElement, "{2F5BB915-A905-49D4-8E56-777F7E79C0BA}");
DS_INTERFACE_ID(IDSMenuText, IDSMenuElement, "{D24D0D2F-E8F1-4098-90DB-758E31120F93}");

// The arrow-key neighbours of an element: element IDs, 0 where an arrow key has no neighbour.
struct ElementNeighbours
{
    LONG left;
    LONG right;
    LONG up;
    LONG down;
};

// An ordered list of elements, held by a menu and by every button; callers ask the menu or the
// button for this interface. Indices count from 1.
struct IDSMenuElementList : IUnknown
{
    // Creates an element of the kind that iid names (IID_IDSMenuButton, IID_IDSMenuText or
    // IID_IDSMenuOverlay), appends it and hands out that interface of it (one reference for the
    // caller). E_INVALIDARG for any other iid, E_POINTER for a null argument.
    virtual HRESULT AddElement(const GUID* iid, void** element) = 0;
    // Inserts a detached element before position index (1-based); -1 (or count + 1) appends.
    // The list takes its own reference. E_INVALIDARG when the element already is in a list,
    // when it would come to hold itself, or when index is out of range.
    virtual HRESULT InsertElement(LONG index, IDSMenuElement* element) = 0;
    // Detaches the element with that ID (searched in this list only) and hands it out through
    // *removed when removed is not null (one reference for the caller); otherwise it is
    // released. E_INVALIDARG when no element of the list has that ID.
    virtual HRESULT RemoveElement(LONG id, IDSMenuElement** removed) = 0;
    virtual HRESULT get_Count(LONG* count) = 0;
    // The element at a 1-based index (one reference for the caller); E_INVALIDARG out of range.
    virtual HRESULT get_Item(LONG index, IDSMenuElement** element) = 0;
};

// What every element has.
struct IDSMenuElement : IUnknown
{
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Tag(ULONG* tag) = 0;
    virtual HRESULT put_Tag(ULONG tag) = 0;
    virtual HRESULT get_Flags(ULONG* flags) = 0;
    virtual HRESULT put_Flags(ULONG flags) = 0;
    // A name for people (a button style's name, for example).
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT put_Name(BSTR name) = 0;
    // The words of the element: a text's text, an overlay's caption, a button's own text.
    virtual HRESULT get_Label(BSTR* label) = 0;
    virtual HRESULT put_Label(BSTR label) = 0;
    // Rotation in degrees, counter-clockwise.
    virtual HRESULT get_Rotation(float* degrees) = 0;
    virtual HRESULT put_Rotation(float degrees) = 0;
    // Opacity from 0 (invisible) to 1 (opaque); the element transform carries it beside the
    // rotation.
    virtual HRESULT get_Opacity(float* opacity) = 0;
    virtual HRESULT put_Opacity(float opacity) = 0;
    // Highlight mode in the subpicture (OverlayHighlight for overlays, TextHighlight for texts).
    virtual HRESULT get_Highlight(LONG* mode) = 0;
    virtual HRESULT put_Highlight(LONG mode) = 0;

    // The centre, relative to the holding button's position inside a button.
    virtual HRESULT GetPosition(float* x, float* y) = 0;
    virtual HRESULT SetPosition(float x, float y) = 0;
    // Width and height in menu-space units.
    virtual HRESULT GetSize(float* width, float* height) = 0;
    virtual HRESULT SetSize(float width, float height) = 0;
    // The absolute rectangle the element covers: its size around its centre; for a button also
    // the extents of everything it holds (the union).
    virtual HRESULT GetExtent(FloatRect* extent) = 0;

    // The interval in seconds of the menu's production during which the element is shown.
    virtual HRESULT GetEffectInterval(double* start, double* end) = 0;
    virtual HRESULT SetEffectInterval(double start, double end) = 0;

    // Hands out a copy of the neighbour record allocated with CoTaskMemAlloc; the caller frees
    // it with CoTaskMemFree.
    virtual HRESULT GetNeighbours(ElementNeighbours** neighbours) = 0;
    virtual HRESULT SetNeighbours(LONG left, LONG right, LONG up, LONG down) = 0;

    // The ID of the element's item in its menu's production (the item that carries the
    // element's effect data); 0 while the element is in no menu.
    virtual HRESULT get_EffectID(LONG* id) = 0;

    // A detached duplicate of the element and everything it holds (commands with copies of
    // their nodes included), in no list and with ID 0 until inserted; one reference for the
    // caller. The duplicate shares nothing with the original.
    virtual HRESULT Copy(IDSMenuElement** copy) = 0;
    // The menu the element is in, at any depth (one reference); S_FALSE and null when it is in
    // no menu.
    virtual HRESULT GetMenu(IDSMenu** menu) = 0;
    // The list that holds the element, that is its menu or its button (one reference); S_FALSE
    // and null for a detached element.
    virtual HRESULT GetParentList(IDSMenuElementList** list) = 0;
};

// A button: a selectable element with a command list (ask it for IDSCommandList) and an element
// list of its own (ask it for IDSMenuElementList).
struct IDSMenuButton : IDSMenuElement
{
    // The region that the player highlights and activates, absolute. *valid is VARIANT_FALSE
    // (and *region unchanged) when no region was set; callers then use GetHighlightRegion.
    virtual HRESULT get_ActiveRegion(FloatRect* region, VARIANT_BOOL* valid) = 0;
    // Sets the region (absolute; it moves with the button afterwards). valid VARIANT_FALSE
    // forgets it, and region may then be null.
    virtual HRESULT put_ActiveRegion(const FloatRect* region, VARIANT_BOOL valid) = 0;
    // The union of the extents of the elements the button holds whose Highlight mode is not
    // none; S_FALSE (region unchanged) when none of them is highlighted.
    virtual HRESULT GetHighlightRegion(FloatRect* region) = 0;
    // The subpicture colour scheme the button uses (SPU_Scheme0 to SPU_Scheme2).
    virtual HRESULT get_ColourScheme(LONG* scheme) = 0;
    virtual HRESULT put_ColourScheme(LONG scheme) = 0;
    // The ID of the chapter marker of the title production that a chapter button stands for;
    // -1 for chapter 1 (which has no marker) and for buttons that stand for no chapter.
    virtual HRESULT get_ChapterMarkerID(LONG* id) = 0;
    virtual HRESULT put_ChapterMarkerID(LONG id) = 0;
    // The number of commands in the button's command list.
    virtual HRESULT get_CommandCount(LONG* count) = 0;
    // The button's label: its first text whose tag has TextType_Label (one reference); S_FALSE
    // and null when it has none.
    virtual HRESULT GetLabel(IDSMenuText** label) = 0;
    // Gives destination this button's look: tag, flags, size, rotation, opacity, highlight,
    // colour scheme and active region, and replaces the destination's elements by copies of
    // this button's. The destination keeps its ID, position, label text, name, commands,
    // neighbours, chapter-marker ID and effect interval.
    virtual HRESULT ApplyTo(IDSMenuButton* destination) = 0;
    // Appends one "Button" element that holds the whole button (look, commands and elements at
    // every depth) to parent.
    virtual HRESULT SaveXML(IXMLDOMNode* parent) = 0;
    // Replaces the button's look, commands and elements by those of a "Button" element written
    // by SaveXML (as in a button style file or a theme). The button keeps its ID and place;
    // its new elements get fresh IDs. A malformed element gives E_INVALIDARG, reported on the
    // error stack, and leaves the button as it was.
    virtual HRESULT loadXML(IXMLDOMNode* element) = 0;
};

// An overlay: a picture, a video or a nested production shown on the menu or inside a button.
struct IDSMenuOverlay : IDSMenuElement
{
    // The resolved picture: a file path or a production moniker; empty when there is none.
    virtual HRESULT get_Source(BSTR* source) = 0;
    virtual HRESULT put_Source(BSTR source) = 0;
    // The picture whose alpha shapes the overlay; empty for none.
    virtual HRESULT get_AlphaMask(BSTR* path) = 0;
    virtual HRESULT put_AlphaMask(BSTR path) = 0;
    // The interval of the source that plays, in seconds.
    virtual HRESULT get_InPoint(double* seconds) = 0;
    virtual HRESULT put_InPoint(double seconds) = 0;
    virtual HRESULT get_OutPoint(double* seconds) = 0;
    virtual HRESULT put_OutPoint(double seconds) = 0;
    // VARIANT_TRUE: the overlay shows a still picture rather than motion.
    virtual HRESULT get_StillImage(VARIANT_BOOL* still) = 0;
    virtual HRESULT put_StillImage(VARIANT_BOOL still) = 0;
    // The ID of the private title whose production holds the overlay's montage; 0 for none.
    virtual HRESULT get_PrivateId(LONG* id) = 0;
    virtual HRESULT put_PrivateId(LONG id) = 0;
    // Divides the overlay's size when its source is fitted; ignored at 0.001 or less.
    virtual HRESULT get_DynamicScalingFactor(double* factor) = 0;
    virtual HRESULT put_DynamicScalingFactor(double factor) = 0;
    // Rotation of the source picture in degrees.
    virtual HRESULT get_SourceRotation(LONG* degrees) = 0;
    virtual HRESULT put_SourceRotation(LONG degrees) = 0;
    // VARIANT_TRUE: the source is zoomed to fill the overlay (cropped) instead of fitting
    // inside it. Set for a button thumbnail whose button links to a menu.
    virtual HRESULT get_ZoomToFill(VARIANT_BOOL* fill) = 0;
    virtual HRESULT put_ZoomToFill(VARIANT_BOOL fill) = 0;
    // VARIANT_TRUE: an overlay with an alpha mask scales the mask to the menu's aspect ratio.
    virtual HRESULT get_FitMaskToMenu(VARIANT_BOOL* fit) = 0;
    virtual HRESULT put_FitMaskToMenu(VARIANT_BOOL fit) = 0;
    // The time in seconds inside the source title at which the picture is taken; -1 takes the
    // thumbnail time of the linked chapter.
    virtual HRESULT get_SourceTime(double* seconds) = 0;
    virtual HRESULT put_SourceTime(double seconds) = 0;
    // Where the picture comes from (OverlaySourceType) and the ID that goes with the type.
    virtual HRESULT GetSourceType(LONG* type, LONG* id) = 0;
    virtual HRESULT SetSourceType(LONG type, LONG id) = 0;
    // The scale of the source inside the overlay.
    virtual HRESULT GetSourceScale(double* x, double* y) = 0;
    virtual HRESULT SetSourceScale(double x, double y) = 0;
    // The scale of the alpha mask inside the overlay.
    virtual HRESULT GetMaskSize(double* x, double* y) = 0;
    virtual HRESULT SetMaskSize(double x, double y) = 0;
    // Makes the resolved source stale so that the next resolution rebuilds it: for a source
    // type other than a file, Source, InPoint and OutPoint are cleared; the private title is
    // forgotten (PrivateId 0) and source scale and mask size return to 1 x 1.
    virtual HRESULT ResetResolvedSource() = 0;
};

// A text. Its look (font and colours) is its effect description, an XML element "TextEffect"
// with the child "font" (attributes "face", "size" in menu-space units of height, "bold",
// "italic") and the child "colors" (attributes "face", "edge", "shadow" as "#RRGGBB"); other
// content of the element is kept as given.
struct IDSMenuText : IDSMenuElement
{
    // The 1 to 9 alignment code of the text in its box (TextAlignment).
    virtual HRESULT get_Alignment(LONG* code) = 0;
    // E_INVALIDARG for a code outside 1 to 9.
    virtual HRESULT put_Alignment(LONG code) = 0;
    virtual HRESULT get_FontName(BSTR* face) = 0;
    virtual HRESULT put_FontName(BSTR face) = 0;
    // The height of a line in menu-space units.
    virtual HRESULT get_FontSize(float* size) = 0;
    virtual HRESULT put_FontSize(float size) = 0;
    // A colour of the text (TextColourKind) as a COLORREF (0x00BBGGRR).
    virtual HRESULT GetColor(LONG kind, COLORREF* colour) = 0;
    // E_INVALIDARG for an unknown kind.
    virtual HRESULT SetColor(LONG kind, COLORREF colour) = 0;
    // A detached copy of the effect description (one reference for the caller, who may change
    // it freely).
    virtual HRESULT GetEffectXML(IXMLDOMNode** effect) = 0;
    // Replaces the effect description by a deep copy of effect, a "TextEffect" element;
    // E_INVALIDARG for any other node, the text unchanged.
    virtual HRESULT SetEffectXML(IXMLDOMNode* effect) = 0;
};
