// A data file of the project: a file copied to the disc as it is.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

struct IDSProjectData;

DS_INTERFACE_ID(IDSDataFile, IUnknown, "{CF04E201-66DC-418E-B8D2-0A17D35035F4}");

struct IDSDataFile : IUnknown
{
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_SourcePath(BSTR* path) = 0;
    virtual HRESULT put_SourcePath(BSTR path) = 0;
    // The project the file belongs to (one reference); S_FALSE and null once it was removed.
    virtual HRESULT GetProject(IDSProjectData** project) = 0;
};
