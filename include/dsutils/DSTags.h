// IDs, tags and flags of titles, menus and menu elements, read and changed without regard to
// the interface an object has, and what the project's settings say about its format. Every
// function takes any object pointer and asks it, in this order, for IDSMenuElement, IDSMenu
// and IDSTitle; an object that is none of them (or null) gives the neutral answer. Nothing is
// reported on the error stack: a failed read gives the neutral answer too.
#pragma once

#include "model/IDSEncodingParams.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/ProjectEnums.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

// ---- IDs, tags and flags (DSTags.cpp)

// The object's ID; 0 otherwise.
LONG GetID(IUnknown* pObject);
// The object's tag; 0 otherwise.
ULONG GetTag(IUnknown* pObject);
// Adds bits to the tag of an element or a menu and returns the new tag. A title's tag is not
// written (the combined value is returned all the same); nothing is written when the tag
// cannot be read.
ULONG SetTag(IUnknown* pObject, ULONG bits);
// Removes bits from the tag, written like SetTag.
ULONG ClearTag(IUnknown* pObject, ULONG bits);
// The object's flags word; 0 otherwise.
ULONG GetFlag(IUnknown* pObject);
// Adds bits to the flags of an element or a menu, written like SetTag.
ULONG SetFlag(IUnknown* pObject, ULONG bits);
ULONG ClearFlag(IUnknown* pObject, ULONG bits);
// The template ID of a menu; 0 for anything else.
LONG GetTemplateID(IUnknown* pObject);

// ---- places and names (ObjectNames.cpp)

// The 1-based place of a menu among its project's main and chapter menus, of a button among the
// command buttons of its menu, or of a title among its project's titles; 0 when the object is in
// no such list or is of another kind. Objects are compared by identity.
int GetOrdinal(IUnknown* pObject);
// What the user calls the object: a menu's first text, a button's label (its first text tagged
// TextType_Label; without one its own text, else its name), a title's name; empty for anything
// else. *pbFromText, when given, says whether the name is the text of a text element.
CComBSTR GetDisplayName(IUnknown* pObject, bool* pbFromText);

// ---- projects and lookups (ObjectLookup.cpp)

// What the ID stands for in the project (DVDObject_None when nothing has it): a button with a
// label is DVDObject_TextButton, without one DVDObject_Button. Clears the error stack.
DVDObjectType GetDVDObjectType(IUnknown* pProject, LONG id);
// The project of an element (through its menu), a menu or a title; null otherwise.
CComPtr<IDSProjectData> GetProject(IUnknown* pObject);
CComPtr<IDSProjectData> GetProject(IDSMenu* pMenu);
CComPtr<IDSProjectData> GetProject(IDSTitle* pTitle);
CComPtr<IDSProjectData> GetProject(IDSMenuButton* pButton);
CComPtr<IDSProjectData> GetProject(IDSMenuOverlay* pOverlay);
// The object of the project with that ID as the interface asked for; null when no object has
// the ID, or the object is of another kind.
CComPtr<IDSMenu> FindMenu(IDSProjectData* pProject, ULONG id);
CComPtr<IDSTitle> FindTitle(IDSProjectData* pProject, ULONG id);
CComPtr<IDSMenuButton> FindMenuButton(IDSProjectData* pProject, ULONG id);
CComPtr<IDSMenuText> FindMenuText(IDSProjectData* pProject, ULONG id);
CComPtr<IDSMenuOverlay> FindMenuOverlay(IDSProjectData* pProject, ULONG id);

// ---- project predicates (ProjectPredicates.cpp)

// Whether the project of the object (or the object itself, when it is a project) is NTSC; true
// also when there is no project or its standard cannot be read.
bool IsNTSC(IUnknown* pObject);
// Whether the object's encoding parameters are 16:9. An element answers for its menu, and a
// menu (which has no encoding parameters of its own) for its project; anything else is 4:3.
bool IsAspectRatio16x9(IUnknown* pObject);
bool IsAspectRatio4x3(IUnknown* pObject);
// Whether the object is a project of a DVD format (1 to 4); its disc format goes to *pFormat
// when given and read.
bool IsDVDProject(IUnknown* pObject, DiscFormat* pFormat = nullptr);
// Whether the project has a high-definition format (7 to 11); false for null.
bool IsHDProject(IDSProjectData* pProject);
// Whether the project has no main or chapter menu; false for null or an unreadable project.
bool IsMenuless(IDSProjectData* pProject);
