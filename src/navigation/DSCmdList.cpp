#include "dsutils/DSCmdList.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/TaskMemory.h"

#include <cstring>
#include <new>
#include <utility>

// The list owns one reference on the node of each entry in use. Those references are taken
// and dropped by hand here, and only here, because the entries are plain records shared with
// the object model's arrays.

namespace {

bool IsTransition(DiscCommand command)
{
    return command == DiscCommand_Transition || command == DiscCommand_TransitionClip;
}

void ReleaseNode(DiscCommandParams& entry)
{
    if (IXMLDOMNode* node = std::exchange(entry.node, nullptr))
        node->Release();
}

void ReleaseNodes(DiscCommandParams* entries, LONG from, LONG to)
{
    for (LONG i = from; i < to; ++i)
        ReleaseNode(entries[i]);
}

// A node of one's own for a copied entry: a deep clone, or the same node with one more
// reference when it cannot be cloned.
IXMLDOMNode* OwnCopyOf(IXMLDOMNode* node)
{
    if (!node)
        return nullptr;
    CComPtr<IXMLDOMNode> spClone;
    if (SUCCEEDED(node->cloneNode(VARIANT_TRUE, &spClone)) && spClone)
        return spClone.Detach();
    node->AddRef();
    return node;
}

// The entry handed out for an index outside the list: one per thread, blanked on every use.
DiscCommandParams& ScratchEntry()
{
    thread_local DiscCommandParams scratch;
    scratch = DiscCommandParams{DiscCommand_None, 0, 0, nullptr};
    return scratch;
}

// The clip document: the declaration and an empty root "Root" that declares the data-types
// namespace.
HRESULT StartClipDocument(IXMLDOMDocument* pDoc, IXMLDOMElement** ppRoot)
{
    CComPtr<IXMLDOMNode> spDeclaration;
    CHECK_HR(pDoc->createProcessingInstruction(
        CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-16\""), &spDeclaration));
    CHECK_HR(pDoc->appendChild(spDeclaration, nullptr));
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR(pDoc->createElement(CComBSTR(L"Root"), &spRoot));
    CHECK_HR(spRoot->setAttribute(CComBSTR(L"xmlns:dt"), CComVariant(kXmlDataTypesNamespace)));
    CHECK_HR(pDoc->appendChild(spRoot, nullptr));
    *ppRoot = spRoot.Detach();
    return S_OK;
}

// Appends <file Name="clip" dt:dt="string">path</file> to the root.
HRESULT AppendClipFile(IXMLDOMDocument* pDoc, IXMLDOMElement* pRoot, BSTR path)
{
    CComPtr<IXMLDOMElement> spFile;
    CHECK_HR(pDoc->createElement(CComBSTR(L"file"), &spFile));
    CHECK_HR(spFile->setAttribute(CComBSTR(L"Name"), CComVariant(L"clip")));
    CHECK_HR(pRoot->appendChild(spFile, nullptr));
    CHECK_HR(spFile->put_dataType(CComBSTR(L"string")));
    CHECK_HR(spFile->put_nodeTypedValue(CComVariant(static_cast<const OLECHAR*>(path))));
    return S_OK;
}

// The clip path of a kind 6 entry: S_FALSE, name unchanged, when it is empty.
HRESULT ReadClipPath(IXMLDOMElement* spElem, BSTR* name)
{
    CComBSTR bstrFile;
    CHECK_HR(spElem->get_text(&bstrFile));
    if (bstrFile.IsEmpty())
        return S_FALSE;
    if (!SysReAllocString(name, bstrFile))
        throw std::bad_alloc();
    return S_OK;
}

// The transition name of a kind 5 entry: S_FALSE, name unchanged, when "Name" is no string.
HRESULT ReadTransitionName(IXMLDOMElement* spElem, BSTR* name)
{
    CComVariant varName;
    CHECK_HR_TEXT(spElem->getAttribute(CComBSTR(L"Name"), &varName),
                  "spElem->getAttribute(L\"Name\", &varName)");
    if (varName.vt != VT_BSTR)
        return S_FALSE;
    if (!SysReAllocString(name, varName.bstrVal))
        throw std::bad_alloc();
    return S_OK;
}

} // namespace

CCommandList::CCommandList() = default;

CCommandList::CCommandList(LONG count, DiscCommandParams* entries)
{
    Attach(count, entries);
}

CCommandList::CCommandList(IDSCommandList* pList)
{
    Init(pList);
}

CCommandList::CCommandList(IUnknown* pObject)
{
    Init(pObject);
}

CCommandList::CCommandList(const CCommandList& other) : m_spAttached(other.m_spAttached)
{
    CopyEntriesFrom(other);
}

CCommandList& CCommandList::operator=(const CCommandList& other)
{
    if (this != &other) {
        CCommandList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CCommandList::CCommandList(CCommandList&& other) noexcept
    : m_lCount(std::exchange(other.m_lCount, 0)),
      m_pEntries(std::exchange(other.m_pEntries, nullptr)),
      m_spAttached(std::move(other.m_spAttached))
{}

CCommandList& CCommandList::operator=(CCommandList&& other) noexcept
{
    if (this != &other) {
        Clear();
        m_lCount = std::exchange(other.m_lCount, 0);
        m_pEntries = std::exchange(other.m_pEntries, nullptr);
        m_spAttached = std::move(other.m_spAttached);
    }
    return *this;
}

CCommandList::~CCommandList()
{
    Clear();
}

void CCommandList::CopyEntriesFrom(const CCommandList& other)
{
    if (other.m_lCount == 0)
        return;
    size_t bytes = sizeof(DiscCommandParams) * static_cast<size_t>(other.m_lCount);
    m_pEntries = static_cast<DiscCommandParams*>(CoTaskMemAlloc(bytes));
    if (!m_pEntries)
        throw std::bad_alloc();
    std::memcpy(m_pEntries, other.m_pEntries, bytes);
    for (LONG i = 0; i < other.m_lCount; ++i)
        m_pEntries[i].node = OwnCopyOf(other.m_pEntries[i].node);
    m_lCount = other.m_lCount;
}

// A value class reports its failures and leaves the caller's earlier messages on the stack:
// every link lookup loads a list.
HRESULT CCommandList::Init(IDSCommandList* pList)
{
    CHECK_NULL(pList);
    m_spAttached = pList;
    Clear();
    LONG count = 0;
    DiscCommandParams* entries = nullptr;
    HRESULT hr = pList->GetCommands(&count, &entries);
    Attach(count, entries);
    return hr;
}

HRESULT CCommandList::Init(IUnknown* pObject)
{
    CComQIPtr<IDSCommandList> spList(pObject);
    return Init(spList.p);
}

void CCommandList::Attach(LONG count, DiscCommandParams* entries)
{
    Clear();
    m_pEntries = entries;
    m_lCount = entries && count > 0 ? count : 0;
}

LONG CCommandList::Detach(DiscCommandParams** out)
{
    if (!out)
        return 0;
    *out = std::exchange(m_pEntries, nullptr);
    return std::exchange(m_lCount, 0);
}

HRESULT CCommandList::Commit(IDSCommandList* target)
{
    KVUClearErrorStack();
    IDSCommandList* pTarget = target ? target : m_spAttached.p;
    CHECK_NULL(pTarget);
    return pTarget->SetCommands(m_lCount, m_pEntries);
}

void CCommandList::Clear()
{
    if (m_pEntries)
        ReleaseNodes(m_pEntries, 0, m_lCount);
    CoTaskMemFree(std::exchange(m_pEntries, nullptr));
    m_lCount = 0;
}

bool CCommandList::GrowByOne()
{
    size_t bytes = sizeof(DiscCommandParams) * (static_cast<size_t>(m_lCount) + 1);
    void* grown = CoTaskMemRealloc(m_pEntries, bytes);
    if (!grown)
        return false;
    m_pEntries = static_cast<DiscCommandParams*>(grown);
    return true;
}

DiscCommandParams& CCommandList::operator[](int i)
{
    if (i < 0 || i > m_lCount)
        return ScratchEntry();
    if (i == m_lCount) {
        if (!GrowByOne())
            throw std::bad_alloc();
        m_pEntries[m_lCount++] = DiscCommandParams{DiscCommand_JumpMenu, 0, 0, nullptr};
    }
    return m_pEntries[i];
}

HRESULT CCommandList::SetCmd(int i, DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node)
{
    KVUClearErrorStack();
    if (i < 0 || i >= m_lCount)
        RETURN_CODE(E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    DiscCommandParams& entry = m_pEntries[i];
    entry.command = cmd;
    entry.param1 = p1;
    entry.param2 = p2;
    ReleaseNode(entry);
    if (!node)
        return S_OK;
    CComPtr<IXMLDOMNode> spClone;
    CHECK_HR(node->cloneNode(VARIANT_TRUE, &spClone));
    entry.node = spClone.Detach();
    return S_OK;
}

HRESULT CCommandList::InsertCmd(int i, DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node)
{
    KVUClearErrorStack();
    if (i < 0 || i > m_lCount)
        RETURN_CODE(E_COMMANDLIST_INDEX_OUT_OF_RANGE);
    if (!GrowByOne())
        return E_OUTOFMEMORY;
    std::memmove(m_pEntries + i + 1, m_pEntries + i,
                 sizeof(DiscCommandParams) * static_cast<size_t>(m_lCount - i));
    // The node of the old entry i now belongs to entry i + 1.
    m_pEntries[i] = DiscCommandParams{DiscCommand_None, 0, 0, nullptr};
    ++m_lCount;
    return SetCmd(i, cmd, p1, p2, node);
}

HRESULT CCommandList::Remove(int i)
{
    KVUClearErrorStack();
    if (i < 0 || i >= m_lCount)
        return E_INVALIDARG;
    ReleaseNode(m_pEntries[i]);
    std::memmove(m_pEntries + i, m_pEntries + i + 1,
                 sizeof(DiscCommandParams) * static_cast<size_t>(m_lCount - i - 1));
    --m_lCount;
    return S_OK;
}

HRESULT CCommandList::Erase(int n)
{
    if (n < 0 || n > m_lCount)
        return E_INVALIDARG;
    ReleaseNodes(m_pEntries, n, m_lCount);
    m_lCount = n;
    return S_OK;
}

int CCommandList::FindTransition(int start) const
{
    for (int i = start < 0 ? 0 : start; i < m_lCount; ++i) {
        if (IsTransition(m_pEntries[i].command))
            return i;
    }
    return -1;
}

int CCommandList::FindNonTransition(int start) const
{
    for (int i = start < 0 ? 0 : start; i < m_lCount; ++i) {
        if (!IsTransition(m_pEntries[i].command))
            return i;
    }
    return -1;
}

bool CCommandList::IsPostCommand(int i) const
{
    return i >= m_lCount - 1 && i != FindNonTransition(0);
}

HRESULT CCommandList::ReplaceCommand(DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node)
{
    int main = FindNonTransition(0);
    if (main < 0)
        return InsertCmd(m_lCount, cmd, p1, p2, node);
    return SetCmd(main, cmd, p1, p2, node);
}

HRESULT CCommandList::ReplacePostCommand(DiscCommand cmd, LONG p1, LONG p2, IXMLDOMNode* node)
{
    KVUClearErrorStack();
    int main = FindNonTransition(0);
    if (main < 0)
        RETURN_CODE(E_REPLACEPOSTCOMMAND_NO_MAIN_COMMAND);
    int post = FindNonTransition(main + 1);
    if (post < 0)
        return InsertCmd(m_lCount, cmd, p1, p2, node);
    return SetCmd(post, cmd, p1, p2, node);
}

HRESULT CCommandList::SetTransition(DiscCommand cmd, IXMLDOMNode* node, int start)
{
    KVUClearErrorStack();
    if (!IsTransition(cmd))
        RETURN_CODE(E_SETTRANSITION_NOT_A_TRANSITION);
    int found = FindTransition(start);
    if (found >= 0)
        return SetCmd(found, cmd, 0, 0, node);
    return InsertCmd(0, cmd, 0, 0, node);
}

HRESULT CCommandList::SetTransition(IXMLDOMNode* node)
{
    return SetTransition(DiscCommand_Transition, node, 0);
}

HRESULT CCommandList::SetTransitionClip(BSTR path)
{
    KVUClearErrorStack();
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(CreateXMLDocument(&spDoc));
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR_SHORT(StartClipDocument(spDoc, &spRoot));
    CHECK_HR_SHORT(AppendClipFile(spDoc, spRoot, path));
    CComPtr<IXMLDOMNode> spFile;
    CHECK_HR_SHORT(spRoot->selectSingleNode(CComBSTR(L"file"), &spFile));
    CHECK_NULL(spFile);
    return SetTransition(DiscCommand_TransitionClip, spFile, 0);
}

HRESULT CCommandList::GetTransition(DiscCommand& cmd, BSTR* name, int start)
{
    KVUClearErrorStack();
    CHECK_NULL(name);
    int found = start < m_lCount ? FindTransition(start) : -1;
    if (found < 0)
        RETURN_CODE(E_GETTRANSITION_NOT_FOUND);
    const DiscCommandParams& entry = m_pEntries[found];
    cmd = entry.command;
    if (!entry.node)
        RETURN_CODE(E_GETTRANSITION_NO_NODE);
    CComQIPtr<IXMLDOMElement> spElem(entry.node);
    CHECK_NULL(spElem);
    if (cmd == DiscCommand_TransitionClip)
        return ReadClipPath(spElem, name);
    return ReadTransitionName(spElem, name);
}
