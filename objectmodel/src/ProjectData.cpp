#include "ProjectData.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "DataFile.h"
#include "Menu.h"
#include "PropertyAccess.h"
#include "Title.h"
#include "XmlNodes.h"

#include "model/KVEProductionInfo.h"
#include "platform/Check.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace objectmodel {

namespace {

// A 1-based insertion index: -1 or count + 1 appends.
bool ToPosition(LONG index, size_t count, size_t& position)
{
    LONG size = static_cast<LONG>(count);
    if (index == -1)
        index = size + 1;
    if (index < 1 || index > size + 1)
        return false;
    position = static_cast<size_t>(index - 1);
    return true;
}

template <class T> auto FindById(std::vector<CComPtr<T>>& list, LONG id)
{
    return std::find_if(list.begin(), list.end(),
                        [id](const CComPtr<T>& o) { return o->Id() == id; });
}

// The object at a 1-based index, as the interface I (one reference).
template <class I, class T> HRESULT ItemAt(const std::vector<CComPtr<T>>& list, LONG index, I** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (index < 1 || index > static_cast<LONG>(list.size()))
        return E_INVALIDARG;
    return list[index - 1]->QueryInterface(uuidof<I>(), reinterpret_cast<void**>(out));
}

// Takes the object with an ID out of a list; the caller detaches it.
template <class T> HRESULT TakeOut(std::vector<CComPtr<T>>& list, LONG id, CComPtr<T>& taken)
{
    auto found = FindById(list, id);
    if (found == list.end())
        return E_INVALIDARG;
    taken = *found;
    list.erase(found);
    return S_OK;
}

// Hands a detached object out through removed when the caller wants it.
template <class I, class T> HRESULT HandOutAs(const CComPtr<T>& object, I** removed)
{
    if (!removed)
        return S_OK;
    return object->QueryInterface(uuidof<I>(), reinterpret_cast<void**>(removed));
}

template <class T> HRESULT CountOf(const std::vector<CComPtr<T>>& list, LONG* count)
{
    return CopyOut(static_cast<LONG>(list.size()), count);
}

// What a title takes on the disc: the duration of its production at its bitrates (the
// project's when the title follows them). Titles the library keeps for itself take nothing.
LONGLONG TitleBytes(const CTitle& title, const EncodingValues& master)
{
    if (title.Properties().tag & TitleType_Private)
        return 0;
    CComQIPtr<IProductionInfo> info(title.Production());
    double seconds = 0.0;
    if (!info || FAILED(info->get_Duration(&seconds)) || !(seconds > 0.0))
        return 0;
    const EncodingValues& rates = title.Encoding().syncToProject ? master : title.Encoding();
    double bitsPerSecond = static_cast<double>(rates.videoBitrate) + rates.audioBitrate;
    return std::llround(seconds * bitsPerSecond / 8.0);
}

LONGLONG FileSize(const std::wstring& path)
{
    std::error_code error;
    auto size = std::filesystem::file_size(NativePath(path), error);
    return error ? 0 : static_cast<LONGLONG>(size);
}

// The children of a list element of the root, each of which must be named itemName.
HRESULT ListItems(IXMLDOMElement* root, const wchar_t* listName, const wchar_t* itemName,
                  std::vector<CComPtr<IXMLDOMElement>>& items)
{
    items.clear();
    CComPtr<IXMLDOMElement> list;
    CHECK_HR(FirstChildElement(root, listName, list));
    if (!list)
        return S_OK;
    CHECK_HR(ElementChildren(list, items));
    for (const auto& item : items) {
        if (NodeName(item) != itemName)
            return REPORT_MALFORMED(L"the list \"" + std::wstring(listName) +
                                    L"\" holds the element \"" + NodeName(item) + L"\"");
    }
    return S_OK;
}

} // namespace

HRESULT CProjectData::HandOut(CProjectData* project, IDSProjectData** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!project)
        return S_FALSE;
    return project->QueryInterface(IID_IDSProjectData, reinterpret_cast<void**>(out));
}

CProjectData::CProjectData() = default;

CProjectData::~CProjectData()
{
    DropContent();
}

HRESULT CProjectData::get_Name(BSTR* name)
{
    return CopyOut(m_props.name, name);
}

HRESULT CProjectData::put_Name(BSTR name)
{
    return Store(m_props.name, TextOf(name));
}

HRESULT CProjectData::get_DiscFormat(DiscFormat* format)
{
    return CopyOut(m_props.discFormat, format);
}

HRESULT CProjectData::put_DiscFormat(DiscFormat format)
{
    return Store(m_props.discFormat, format);
}

HRESULT CProjectData::get_DiscSize(DiscSize* size)
{
    return CopyOut(m_props.discSize, size);
}

HRESULT CProjectData::put_DiscSize(DiscSize size)
{
    return Store(m_props.discSize, size);
}

HRESULT CProjectData::get_TVStandard(TVStandard* standard)
{
    return CopyOut(m_props.tvStandard, standard);
}

HRESULT CProjectData::put_TVStandard(TVStandard standard)
{
    return Store(m_props.tvStandard, standard);
}

HRESULT CProjectData::get_FitToDisc(VARIANT_BOOL* fit)
{
    return CopyOut(m_props.fitToDisc, fit);
}

HRESULT CProjectData::put_FitToDisc(VARIANT_BOOL fit)
{
    return StoreSwitch(m_props.fitToDisc, fit);
}

HRESULT CProjectData::get_DoCompression(VARIANT_BOOL* compress)
{
    return CopyOut(m_props.doCompression, compress);
}

HRESULT CProjectData::put_DoCompression(VARIANT_BOOL compress)
{
    return StoreSwitch(m_props.doCompression, compress);
}

HRESULT CProjectData::get_Flags(ULONG* flags)
{
    return CopyOut(m_props.flags, flags);
}

HRESULT CProjectData::put_Flags(ULONG flags)
{
    return Store(m_props.flags, flags);
}

HRESULT CProjectData::get_CreationSetting(LONG* setting)
{
    return CopyOut(m_props.creationSetting, setting);
}

HRESULT CProjectData::put_CreationSetting(LONG setting)
{
    return Store(m_props.creationSetting, setting);
}

HRESULT CProjectData::get_SingleSourceOverlays(VARIANT_BOOL* single)
{
    return CopyOut(m_props.singleSourceOverlays, single);
}

HRESULT CProjectData::put_SingleSourceOverlays(VARIANT_BOOL single)
{
    return StoreSwitch(m_props.singleSourceOverlays, single);
}

HRESULT CProjectData::get_ProjectSize(LONGLONG* bytes)
{
    if (!bytes)
        return E_POINTER;
    LONGLONG total = 0;
    for (const auto& file : m_dataFiles)
        total += FileSize(file->SourcePath());
    for (const auto& title : m_titles)
        total += TitleBytes(*title, Encoding());
    *bytes = total;
    return S_OK;
}

HRESULT CProjectData::get_Modified(VARIANT_BOOL* modified)
{
    return CopyOut(ToVariantBool(m_modified), modified);
}

HRESULT CProjectData::ResetModified()
{
    m_modified = false;
    return S_OK;
}

HRESULT CProjectData::Clear()
{
    DropContent();
    m_props = ProjectProperties();
    Commands().Clear();
    SetEncoding(EncodingValues());
    m_nextId = 1;
    m_modified = false;
    return S_OK;
}

template <class T>
void CProjectData::Adopt(std::vector<CComPtr<T>>& list, size_t position, const CComPtr<T>& object,
                         LONG id)
{
    object->SetId(id);
    Register(id, object->GetUnknown());
    object->SetProject(this);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), object);
}

template <class T, class I>
HRESULT CProjectData::AddObject(std::vector<CComPtr<T>>& list, LONG index, I** added)
{
    if (added)
        *added = nullptr;
    size_t position = 0;
    if (!ToPosition(index, list.size(), position))
        return E_INVALIDARG;
    CComPtr<T> created;
    CHECK_HR(T::Make(created));
    LONG id = 0;
    CHECK_HR(NewId(id, {}));
    Adopt(list, position, created, id);
    MarkChanged();
    return HandOutAs(created, added);
}

template <class T, class I>
HRESULT CProjectData::RemoveObject(std::vector<CComPtr<T>>& list, LONG id, I** removed)
{
    if (removed)
        *removed = nullptr;
    CComPtr<T> object;
    CHECK_HR_SHORT(TakeOut(list, id, object));
    Unregister(id, object->GetUnknown());
    object->SetProject(nullptr);
    DropUndoStepsOf(id);
    MarkChanged();
    return HandOutAs(object, removed);
}

HRESULT CProjectData::AddTitle(LONG index, IDSTitle** title)
{
    return AddObject(m_titles, index, title);
}

HRESULT CProjectData::RemoveTitle(LONG id, IDSTitle** removed)
{
    return RemoveObject(m_titles, id, removed);
}

HRESULT CProjectData::get_TitleCount(LONG* count)
{
    return CountOf(m_titles, count);
}

HRESULT CProjectData::get_Title(LONG index, IDSTitle** title)
{
    return ItemAt(m_titles, index, title);
}

HRESULT CProjectData::AddMenu(LONG index, IDSMenu** menu)
{
    return AddObject(m_menus, index, menu);
}

HRESULT CProjectData::RemoveMenu(LONG id, IDSMenu** removed)
{
    return RemoveObject(m_menus, id, removed);
}

HRESULT CProjectData::get_MenuCount(LONG* count)
{
    return CountOf(m_menus, count);
}

HRESULT CProjectData::get_Menu(LONG index, IDSMenu** menu)
{
    return ItemAt(m_menus, index, menu);
}

HRESULT CProjectData::AddDataFile(BSTR path, IDSDataFile** file)
{
    CHECK_HR(CheckPathLength(TextOf(path)));
    CHECK_HR(AddObject(m_dataFiles, -1, file));
    return m_dataFiles.back()->put_SourcePath(path);
}

HRESULT CProjectData::RemoveDataFile(LONG id, IDSDataFile** removed)
{
    return RemoveObject(m_dataFiles, id, removed);
}

HRESULT CProjectData::get_DataFileCount(LONG* count)
{
    return CountOf(m_dataFiles, count);
}

HRESULT CProjectData::get_DataFile(LONG index, IDSDataFile** file)
{
    return ItemAt(m_dataFiles, index, file);
}

HRESULT CProjectData::FindByID(LONG id, IUnknown** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    auto found = m_registry.find(id);
    if (found == m_registry.end())
        return E_INVALIDARG;
    return found->second->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(object));
}

HRESULT CProjectData::BeginStoryboardUndo(IUnknown* storyboard, DWORD ownerId)
{
    CHECK_NULL(storyboard);
    CComQIPtr<IKVEProductionXml> production(storyboard);
    CHECK_NULL_TEXT(production.p, "(IKVEProductionXml*) production");
    LONG owner = static_cast<LONG>(ownerId);
    if (!IsStoryboardOwner(owner))
        return E_INVALIDARG;
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(CreateXMLDocument(&document));
    CComPtr<IXMLDOMElement> holder;
    CHECK_HR(AppendElement(document, L"UndoStep", holder));
    CHECK_HR(production->SaveToXml(holder));
    CComPtr<IXMLDOMElement> state;
    CHECK_HR(FirstChildElement(holder, nullptr, state));
    CHECK_NULL_TEXT(state.p, "the storyboard's saved state");
    m_undo.push_back({owner, production, state});
    if (m_undo.size() > kMaxUndoSteps)
        m_undo.pop_front();
    return S_OK;
}

HRESULT CProjectData::UndoStoryboard()
{
    if (m_undo.empty())
        return S_FALSE;
    UndoStep& step = m_undo.back();
    CHECK_HR(step.storyboard->LoadFromXml(step.state));
    m_undo.pop_back();
    MarkChanged();
    return S_OK;
}

HRESULT CProjectData::get_StoryboardUndoCount(LONG* count)
{
    return CopyOut(static_cast<LONG>(m_undo.size()), count);
}

HRESULT CProjectData::NewId(LONG& id, const std::set<LONG>& alsoTaken)
{
    while (m_nextId <= kMaxId && (!IsIdFree(m_nextId) || alsoTaken.count(m_nextId)))
        ++m_nextId;
    if (m_nextId > kMaxId) {
        LOG_HR(E_UNEXPECTED, "the project has given every ID");
        return E_UNEXPECTED;
    }
    id = m_nextId++;
    return S_OK;
}

void CProjectData::Register(LONG id, IUnknown* object)
{
    if (!IsValidId(id))
        return;
    m_registry[id] = object;
    m_nextId = std::max(m_nextId, id + 1);
}

void CProjectData::Unregister(LONG id, IUnknown* object)
{
    auto found = m_registry.find(id);
    if (found != m_registry.end() && found->second == object)
        m_registry.erase(found);
}

CTitle* CProjectData::TitleById(LONG id) const
{
    auto found = std::find_if(m_titles.begin(), m_titles.end(),
                              [id](const CComPtr<CTitle>& title) { return title->Id() == id; });
    return found == m_titles.end() ? nullptr : found->p;
}

bool CProjectData::IsStoryboardOwner(LONG id) const
{
    return TitleById(id) ||
           std::any_of(m_menus.begin(), m_menus.end(),
                       [id](const CComPtr<CMenu>& menu) { return menu->Id() == id; });
}

void CProjectData::DropUndoStepsOf(LONG ownerId)
{
    std::erase_if(m_undo, [ownerId](const UndoStep& step) { return step.ownerId == ownerId; });
}

void CProjectData::DropContent()
{
    for (const auto& title : m_titles)
        title->SetProject(nullptr);
    for (const auto& menu : m_menus)
        menu->SetProject(nullptr);
    for (const auto& file : m_dataFiles)
        file->SetProject(nullptr);
    m_titles.clear();
    m_menus.clear();
    m_dataFiles.clear();
    m_registry.clear();
    m_undo.clear();
}

HRESULT CProjectData::WriteXml(IXMLDOMElement* root)
{
    AttributeWriter writer(root);
    // Once kMaxId is given no ID is left; the file says kMaxId, the highest a file may name,
    // and the ID registered on loading leaves none again.
    LONG nextId = std::min(m_nextId, kMaxId);
    writer.Field(L"nextID", nextId);
    m_props.VisitFields(writer);
    CHECK_HR(writer.Result());
    CHECK_HR(WriteEncodingXml(root));
    CHECK_HR(Commands().WriteXml(root));
    CComPtr<IXMLDOMElement> list;
    CHECK_HR(AppendElement(root, L"Titles", list));
    for (const auto& title : m_titles)
        CHECK_HR(title->WriteXml(list));
    CHECK_HR(AppendElement(root, L"Menus", list));
    for (const auto& menu : m_menus)
        CHECK_HR(menu->WriteXml(list, false, true));
    CHECK_HR(AppendElement(root, L"DataFiles", list));
    for (const auto& file : m_dataFiles)
        CHECK_HR(file->WriteXml(list));
    return S_OK;
}

HRESULT CProjectData::ReadXml(IXMLDOMElement* root)
{
    LONG nextId = 1;
    AttributeReader reader(root);
    reader.Field(L"nextID", nextId);
    m_props.VisitFields(reader);
    if (SUCCEEDED(reader.Result()) && (nextId < 1 || nextId > kMaxId))
        reader.Refuse(L"the next ID lies outside 1 to " + std::to_wstring(kMaxId));
    CHECK_HR(reader.Result());
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(root, L"Encoding", part));
    if (part)
        CHECK_HR(ReadEncodingXml(part));
    CHECK_HR(FirstChildElement(root, L"Commands", part));
    if (part)
        CHECK_HR(Commands().ReadXml(part));
    CHECK_HR(ReadContentXml(root));
    m_nextId = std::max(m_nextId, nextId);
    m_modified = false;
    return S_OK;
}

HRESULT CProjectData::ReadFileId(IXMLDOMElement* element, LONG& id) const
{
    AttributeReader reader(element);
    reader.Required(L"ID", id);
    if (SUCCEEDED(reader.Result()) && (!IsValidId(id) || !IsIdFree(id)))
        reader.Refuse(L"the ID " + std::to_wstring(id) + L" is not a valid ID or is given twice");
    return reader.Result();
}

template <class T, class Read>
HRESULT CProjectData::ReadObjects(IXMLDOMElement* root, const wchar_t* listName,
                                  const wchar_t* itemName, std::vector<CComPtr<T>>& list, Read read)
{
    std::vector<CComPtr<IXMLDOMElement>> items;
    CHECK_HR(ListItems(root, listName, itemName, items));
    for (const auto& item : items) {
        LONG id = 0;
        CHECK_HR(ReadFileId(item, id));
        CComPtr<T> object;
        CHECK_HR(T::Make(object));
        Adopt(list, list.size(), object, id);
        CHECK_HR(read(*object, item));
    }
    return S_OK;
}

HRESULT CProjectData::ReadContentXml(IXMLDOMElement* root)
{
    CHECK_HR(ReadObjects(root, L"Titles", L"Title", m_titles,
                         [](CTitle& title, IXMLDOMElement* item) { return title.ReadXml(item); }));
    CHECK_HR(ReadObjects(root, L"Menus", L"Menu", m_menus, [](CMenu& menu, IXMLDOMElement* item) {
        return menu.ReadXml(item, IdPolicy::FromFile, true);
    }));
    return ReadObjects(root, L"DataFiles", L"DataFile", m_dataFiles,
                       [](CDataFile& file, IXMLDOMElement* item) { return file.ReadXml(item); });
}

void CProjectData::TakeContentOf(CProjectData& other)
{
    DropContent();
    m_nextId = 1;
    m_props = other.m_props;
    Commands() = other.Commands();
    SetEncoding(other.Encoding());
    auto titles = std::move(other.m_titles);
    auto menus = std::move(other.m_menus);
    auto files = std::move(other.m_dataFiles);
    other.DropContent();
    for (const auto& title : titles)
        Adopt(m_titles, m_titles.size(), title, title->Id());
    for (const auto& menu : menus)
        Adopt(m_menus, m_menus.size(), menu, menu->Id());
    for (const auto& file : files)
        Adopt(m_dataFiles, m_dataFiles.size(), file, file->Id());
    m_nextId = std::max(m_nextId, other.m_nextId);
    m_modified = false;
}

} // namespace objectmodel
