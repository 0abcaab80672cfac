// The project file service: reads and writes projects, themes (".dmsd" files, which are
// projects whose menus are templates) and button style files as XML.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

struct IDSProjectData;
struct IDSMenuButton;

DS_INTERFACE_ID(IDSProjectFile, IUnknown, "{E4CC6930-B5AE-47BF-BAA6-0EF126271E1F}");

// Failures are reported on the calling thread's error stack (cleared first) and returned: a
// missing or unreadable file gives its file error, a file that is not a well-formed document
// of the expected kind E_INVALIDARG. A failed load leaves the target as it was.
struct IDSProjectFile : IUnknown
{
    // Replaces the whole content of project (titles, menus, data files, commands, settings and
    // productions) by what the file at path holds. IDs are taken from the file; a file that
    // gives one ID to two objects is refused.
    virtual HRESULT LoadProject(BSTR path, IDSProjectData* project) = 0;
    // Writes the project to path. The file is written beside the target under a temporary
    // name and then renamed over it, so a failed save leaves an earlier file intact. Marks the
    // project unchanged on success.
    virtual HRESULT SaveProject(BSTR path, IDSProjectData* project) = 0;
    // Replaces the look, commands and elements of button by the button of a button style file.
    virtual HRESULT LoadButtonStyle(BSTR path, IDSMenuButton* button) = 0;
    // Writes button as a button style file (a document whose root is the "Button" element),
    // safely as SaveProject does.
    virtual HRESULT SaveButtonStyle(BSTR path, IDSMenuButton* button) = 0;
};
