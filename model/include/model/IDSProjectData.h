// The project: ordered lists of titles, menus and data files, the disc settings, and the
// operations that add, find and remove its objects. Besides this interface a project answers
// IDSCommandList (its own commands) and IDSEncodingParams (the master encoding parameters).
//
// IDs: every title, menu, data file and menu element of a project has an ID unique within the
// project, given when the object enters it. FindByID finds any of them, elements at any depth
// included. Lists are 1-based.
#pragma once

#include "model/ProjectEnums.h"
#include "platform/Bstr.h"
#include "platform/Unknown.h"

struct IDSTitle;
struct IDSMenu;
struct IDSDataFile;

DS_INTERFACE_ID(IDSProjectData, IUnknown, "{68A8B2C9-A907-42C1-A0C1-8F25222DEDAF}");

struct IDSProjectData : IUnknown
{
    // A name for people (a theme's name, for example).
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT put_Name(BSTR name) = 0;
    virtual HRESULT get_DiscFormat(DiscFormat* format) = 0;
    virtual HRESULT put_DiscFormat(DiscFormat format) = 0;
    virtual HRESULT get_DiscSize(DiscSize* size) = 0;
    virtual HRESULT put_DiscSize(DiscSize size) = 0;
    virtual HRESULT get_TVStandard(TVStandard* standard) = 0;
    virtual HRESULT put_TVStandard(TVStandard standard) = 0;
    virtual HRESULT get_FitToDisc(VARIANT_BOOL* fit) = 0;
    virtual HRESULT put_FitToDisc(VARIANT_BOOL fit) = 0;
    virtual HRESULT get_DoCompression(VARIANT_BOOL* compress) = 0;
    virtual HRESULT put_DoCompression(VARIANT_BOOL compress) = 0;
    // The project's flags word.
    virtual HRESULT get_Flags(ULONG* flags) = 0;
    virtual HRESULT put_Flags(ULONG flags) = 0;
    // The setting a new project was created with, kept for the application.
    virtual HRESULT get_CreationSetting(LONG* setting) = 0;
    virtual HRESULT put_CreationSetting(LONG setting) = 0;
    // VARIANT_TRUE: overlays that stand for several titles show only the first of them instead
    // of a montage.
    virtual HRESULT get_SingleSourceOverlays(VARIANT_BOOL* single) = 0;
    virtual HRESULT put_SingleSourceOverlays(VARIANT_BOOL single) = 0;
    // The estimated size in bytes of what the project puts on the disc: the data files as they
    // are and every title at the project's encoding bitrates for the duration of its
    // production.
    virtual HRESULT get_ProjectSize(LONGLONG* bytes) = 0;

    // VARIANT_TRUE once anything of the project changed since it was created, loaded or saved,
    // or since the last ResetModified.
    virtual HRESULT get_Modified(VARIANT_BOOL* modified) = 0;
    // Marks the project unchanged (VARIANT_FALSE) without undoing anything.
    virtual HRESULT ResetModified() = 0;
    // Makes the project new: removes every title, menu and data file (releasing what they own),
    // empties its commands and undo steps and puts every property back to its default.
    virtual HRESULT Clear() = 0;

    // Creates a title with its production and inserts it before position index (1-based); -1
    // appends. Hands the title out through *title when title is not null (one reference). Fails
    // with the class factory's result when no production can be created, adding nothing.
    virtual HRESULT AddTitle(LONG index, IDSTitle** title) = 0;
    // Removes the title with that ID. Through *removed (when not null) the caller receives the
    // detached title; otherwise the title and what it owns are released. E_INVALIDARG when no
    // title has that ID.
    virtual HRESULT RemoveTitle(LONG id, IDSTitle** removed) = 0;
    virtual HRESULT get_TitleCount(LONG* count) = 0;
    // The title at a 1-based index (one reference); E_INVALIDARG out of range.
    virtual HRESULT get_Title(LONG index, IDSTitle** title) = 0;

    // The same for menus; a new menu's production draws the menu.
    virtual HRESULT AddMenu(LONG index, IDSMenu** menu) = 0;
    virtual HRESULT RemoveMenu(LONG id, IDSMenu** removed) = 0;
    virtual HRESULT get_MenuCount(LONG* count) = 0;
    virtual HRESULT get_Menu(LONG index, IDSMenu** menu) = 0;

    // Appends a data file for the path (one reference through *file when not null).
    virtual HRESULT AddDataFile(BSTR path, IDSDataFile** file) = 0;
    virtual HRESULT RemoveDataFile(LONG id, IDSDataFile** removed) = 0;
    virtual HRESULT get_DataFileCount(LONG* count) = 0;
    virtual HRESULT get_DataFile(LONG index, IDSDataFile** file) = 0;

    // The title, menu, data file or menu element with that ID, as IUnknown (one reference).
    // E_INVALIDARG and null when the project has no object with that ID.
    virtual HRESULT FindByID(LONG id, IUnknown** object) = 0;

    // Records the current state of a storyboard (a production of this project's titles or
    // menus) as an undo step of the object with the ID ownerId, before the caller edits it.
    virtual HRESULT BeginStoryboardUndo(IUnknown* storyboard, DWORD ownerId) = 0;
    // Puts the storyboard of the latest undo step back into its recorded state and drops the
    // step; S_FALSE when there is no step. The project keeps at most 32 steps.
    virtual HRESULT UndoStoryboard() = 0;
    virtual HRESULT get_StoryboardUndoCount(LONG* count) = 0;
};
