// The classes of the project object model that callers create through the class factory:
//
//     CComPtr<IDSProjectData> project;
//     hr = project.CoCreateInstance(CLSID_DSProjectData);
//     CComPtr<IDSMenuButton> button;
//     hr = button.CoCreateInstance(uuidof<CDSMenuButton>());
#pragma once

#include "platform/Guid.h"

// Declares a class tag and its CLSID, so that uuidof<Class>() names the class.
#define DS_CLASS_ID(Class, text)                                                                   \
    struct Class;                                                                                  \
    inline constexpr CLSID CLSID_##Class = MakeGuid(text);                                         \
    constexpr const GUID& DsInterfaceIid(const Class*)                                             \
    {                                                                                              \
        return CLSID_##Class;                                                                      \
    }                                                                                              \
    static_assert(true, "")

// An empty project (IDSProjectData, IDSCommandList, IDSEncodingParams).
DS_CLASS_ID(CDSProjectData, "{6284D12B-5179-48A6-ADFD-DF0AD6178AB4}");
// A detached button (IDSMenuButton, IDSMenuElementList, IDSCommandList), as a button style is
// loaded into.
DS_CLASS_ID(CDSMenuButton, "{79B5E098-1E8C-4E4A-8912-C6F6A401AECD}");
// The project file service (IDSProjectFile).
DS_CLASS_ID(CDSProjectFile, "{3CF92C1C-F1D9-4064-A52B-294E8D3E96D8}");
