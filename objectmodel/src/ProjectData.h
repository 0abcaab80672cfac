// A project: ordered lists of titles, menus and data files, the disc settings, the project's
// own commands and master encoding parameters, and the registry that gives every object of
// the project its unique ID.
#pragma once

#include "CommandListImpl.h"
#include "EncodingParamsImpl.h"

#include "model/IDSProjectData.h"
#include "model/KVEProductionLink.h"
#include "platform/ComObject.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace objectmodel {

class CDataFile;
class CMenu;
class CTitle;

struct ProjectProperties
{
    std::wstring name;
    DiscFormat discFormat = DiscFormat_None;
    DiscSize discSize = SZ_None;
    TVStandard tvStandard = TVStandard_NTSC;
    VARIANT_BOOL fitToDisc = VARIANT_FALSE;
    VARIANT_BOOL doCompression = VARIANT_TRUE;
    ULONG flags = 0;
    LONG creationSetting = 0;
    VARIANT_BOOL singleSourceOverlays = VARIANT_FALSE;

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"name", name);
        f.Field(L"discFormat", discFormat);
        f.Field(L"discSize", discSize);
        f.Field(L"tvStandard", tvStandard);
        f.Field(L"fitToDisc", fitToDisc);
        f.Field(L"doCompression", doCompression);
        f.Field(L"flags", flags);
        f.Field(L"creationSetting", creationSetting);
        f.Field(L"singleSourceOverlays", singleSourceOverlays);
    }
};

class CProjectData
    : public ComObject<CProjectData, IDSProjectData, CommandListImpl, EncodingParamsImpl>
{
public:
    // IDs run from 1 to kMaxId.
    static constexpr LONG kMaxId = 0x7FFFFFFE;
    static bool IsValidId(LONG id) { return id > 0 && id <= kMaxId; }
    // The project's IDSProjectData in *out (one reference); S_FALSE and null for no project.
    static HRESULT HandOut(CProjectData* project, IDSProjectData** out);

    CProjectData();

    HRESULT get_Name(BSTR* name) override;
    HRESULT put_Name(BSTR name) override;
    HRESULT get_DiscFormat(DiscFormat* format) override;
    HRESULT put_DiscFormat(DiscFormat format) override;
    HRESULT get_DiscSize(DiscSize* size) override;
    HRESULT put_DiscSize(DiscSize size) override;
    HRESULT get_TVStandard(TVStandard* standard) override;
    HRESULT put_TVStandard(TVStandard standard) override;
    HRESULT get_FitToDisc(VARIANT_BOOL* fit) override;
    HRESULT put_FitToDisc(VARIANT_BOOL fit) override;
    HRESULT get_DoCompression(VARIANT_BOOL* compress) override;
    HRESULT put_DoCompression(VARIANT_BOOL compress) override;
    HRESULT get_Flags(ULONG* flags) override;
    HRESULT put_Flags(ULONG flags) override;
    HRESULT get_CreationSetting(LONG* setting) override;
    HRESULT put_CreationSetting(LONG setting) override;
    HRESULT get_SingleSourceOverlays(VARIANT_BOOL* single) override;
    HRESULT put_SingleSourceOverlays(VARIANT_BOOL single) override;
    HRESULT get_ProjectSize(LONGLONG* bytes) override;
    HRESULT get_Modified(VARIANT_BOOL* modified) override;
    HRESULT ResetModified() override;
    HRESULT Clear() override;
    HRESULT AddTitle(LONG index, IDSTitle** title) override;
    HRESULT RemoveTitle(LONG id, IDSTitle** removed) override;
    HRESULT get_TitleCount(LONG* count) override;
    HRESULT get_Title(LONG index, IDSTitle** title) override;
    HRESULT AddMenu(LONG index, IDSMenu** menu) override;
    HRESULT RemoveMenu(LONG id, IDSMenu** removed) override;
    HRESULT get_MenuCount(LONG* count) override;
    HRESULT get_Menu(LONG index, IDSMenu** menu) override;
    HRESULT AddDataFile(BSTR path, IDSDataFile** file) override;
    HRESULT RemoveDataFile(LONG id, IDSDataFile** removed) override;
    HRESULT get_DataFileCount(LONG* count) override;
    HRESULT get_DataFile(LONG index, IDSDataFile** file) override;
    HRESULT FindByID(LONG id, IUnknown** object) override;
    HRESULT BeginStoryboardUndo(IUnknown* storyboard, DWORD ownerId) override;
    HRESULT UndoStoryboard() override;
    HRESULT get_StoryboardUndoCount(LONG* count) override;

    void MarkChanged() override { m_modified = true; }

    // The registry of IDs. Objects are kept borrowed: each object unregisters itself when it
    // leaves the project.
    bool IsIdFree(LONG id) const { return !m_registry.count(id); }
    // The next ID that is free and not among alsoTaken.
    HRESULT NewId(LONG& id, const std::set<LONG>& alsoTaken);
    void Register(LONG id, IUnknown* object);
    // Forgets id when it is registered for object.
    void Unregister(LONG id, IUnknown* object);
    CTitle* TitleById(LONG id) const;

    // Writes the project's content under its root element.
    HRESULT WriteXml(IXMLDOMElement* root);
    // Reads a project's content from its root element into this new, empty project.
    HRESULT ReadXml(IXMLDOMElement* root);
    // Replaces this project's content by other's, which is left empty.
    void TakeContentOf(CProjectData& other);

protected:
    ~CProjectData() override;

private:
    struct UndoStep
    {
        LONG ownerId;
        CComPtr<IKVEProductionXml> storyboard;
        CComPtr<IXMLDOMElement> state;
    };

    static constexpr size_t kMaxUndoSteps = 32;

    template <class T>
    void Adopt(std::vector<CComPtr<T>>& list, size_t position, const CComPtr<T>& object, LONG id);
    // Creates an object of T (a title, menu or data file) and inserts it before a 1-based
    // index (-1 appends).
    template <class T, class I>
    HRESULT AddObject(std::vector<CComPtr<T>>& list, LONG index, I** added);
    template <class T, class I>
    HRESULT RemoveObject(std::vector<CComPtr<T>>& list, LONG id, I** removed);
    // Reads the titles, menus and data files of a file.
    HRESULT ReadContentXml(IXMLDOMElement* root);
    template <class T, class Read>
    HRESULT ReadObjects(IXMLDOMElement* root, const wchar_t* listName, const wchar_t* itemName,
                        std::vector<CComPtr<T>>& list, Read read);
    // The ID attribute of an object of a file, refused when it is not a free valid ID.
    HRESULT ReadFileId(IXMLDOMElement* element, LONG& id) const;
    bool IsStoryboardOwner(LONG id) const;
    void DropUndoStepsOf(LONG ownerId);
    // Detaches and releases every title, menu and data file.
    void DropContent();

    ProjectProperties m_props;
    std::vector<CComPtr<CTitle>> m_titles;
    std::vector<CComPtr<CMenu>> m_menus;
    std::vector<CComPtr<CDataFile>> m_dataFiles;
    std::map<LONG, IUnknown*> m_registry;
    LONG m_nextId = 1;
    bool m_modified = false;
    std::deque<UndoStep> m_undo;
};

} // namespace objectmodel
