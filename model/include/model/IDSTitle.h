// A title of the project: a production that plays on the disc. Besides this interface a title
// answers IDSCommandList (what the player does when the title ends) and IDSEncodingParams.
#pragma once

#include "model/ProjectEnums.h"
#include "platform/Bstr.h"
#include "platform/Unknown.h"

struct IDSProjectData;

DS_INTERFACE_ID(IDSTitle, IUnknown, "{A02F478B-AE15-45B7-88D5-BF0388B6ABE4}");

struct IDSTitle : IUnknown
{
    virtual HRESULT get_ID(LONG* id) = 0;
    // TitleTypes bits.
    virtual HRESULT get_Tag(ULONG* tag) = 0;
    virtual HRESULT put_Tag(ULONG tag) = 0;
    virtual HRESULT get_Flags(ULONG* flags) = 0;
    virtual HRESULT put_Flags(ULONG flags) = 0;
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT put_Name(BSTR name) = 0;
    // VARIANT_TRUE keeps a user title out of the lists of user titles (play all, montages).
    virtual HRESULT get_Excluded(VARIANT_BOOL* excluded) = 0;
    virtual HRESULT put_Excluded(VARIANT_BOOL excluded) = 0;
    // How many items of the title's content already exist on a disc (as for a title taken
    // from a disc); 0 for a title made from files.
    virtual HRESULT get_OnDiscCount(LONG* count) = 0;
    virtual HRESULT put_OnDiscCount(LONG count) = 0;
    // VARIANT_TRUE while the title's production is up to date with what it is made from;
    // VARIANT_FALSE asks for it to be produced again.
    virtual HRESULT get_ProductionCurrent(VARIANT_BOOL* current) = 0;
    virtual HRESULT put_ProductionCurrent(VARIANT_BOOL current) = 0;

    // The title's production (one reference); it is created with the title and lives as long.
    virtual HRESULT GetProduction(IUnknown** production) = 0;
    // The project the title belongs to (one reference); S_FALSE and null once it was removed.
    virtual HRESULT GetProject(IDSProjectData** project) = 0;
};
