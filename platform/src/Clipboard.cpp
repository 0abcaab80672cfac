#include "platform/Clipboard.h"

#include "platform/Dib.h"
#include "platform/StringConv.h"
#include "platform/Window.h"

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Who holds the clipboard open: a thread of this program (program 0), or another program
// whichever thread acts for it.
struct Session
{
    uint64_t program = 0;
    std::thread::id thread;

    bool operator==(const Session& other) const
    {
        return program == other.program && thread == other.thread;
    }
};

Session ThisThread()
{
    return Session{0, std::this_thread::get_id()};
}

// The blocks are not freed when the process ends: the block table frees its memory itself.
struct ClipboardState
{
    std::mutex lock;
    std::optional<Session> openBy;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> data;
    DWORD sequence = 1;
    // Format kFirstRegisteredClipboardFormat + i is named formatNames[i].
    std::vector<std::wstring> formatNames;
    uint64_t nextProgram = 1;
};

ClipboardState& State()
{
    static ClipboardState state;
    return state;
}

std::wstring Folded(std::wstring_view name)
{
    std::wstring folded(name);
    for (wchar_t& c : folded)
        c = ToLowerChar(c);
    return folded;
}

bool HoldsOpen(const ClipboardState& state, const Session& session)
{
    return state.openBy && *state.openBy == session;
}

void FreeAll(ClipboardState& state)
{
    for (const auto& [format, block] : state.data)
        GlobalFree(block);
    state.data.clear();
}

BOOL OpenFor(const Session& session, HWND owner)
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.openBy && !(*state.openBy == session))
        return FALSE;
    state.openBy = session;
    state.openWindow = owner;
    return TRUE;
}

// What change gives when the session holds the clipboard open, else refused.
template <class Result, class Change>
Result IfHeldOpen(const Session& session, Result refused, Change change)
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return HoldsOpen(state, session) ? change(state) : refused;
}

BOOL CloseFor(const Session& session)
{
    return IfHeldOpen(session, BOOL(FALSE), [](ClipboardState& state) {
        state.openBy.reset();
        state.openWindow = nullptr;
        return BOOL(TRUE);
    });
}

BOOL EmptyFor(const Session& session)
{
    return IfHeldOpen(session, BOOL(FALSE), [](ClipboardState& state) {
        FreeAll(state);
        state.owner = state.openWindow;
        ++state.sequence;
        return BOOL(TRUE);
    });
}

HANDLE SetFor(const Session& session, UINT format, HANDLE data)
{
    HGLOBAL block = static_cast<HGLOBAL>(data);
    if (format == 0 || GlobalSize(block) == 0)
        return HANDLE(nullptr);
    return IfHeldOpen(session, HANDLE(nullptr), [&](ClipboardState& state) {
        HGLOBAL& slot = state.data[format];
        if (slot && slot != block)
            GlobalFree(slot);
        slot = block;
        ++state.sequence;
        return data;
    });
}

} // namespace

UINT RegisterClipboardFormatW(LPCWSTR name)
{
    if (!name || !*name)
        return 0;
    std::wstring folded = Folded(name);
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    for (size_t i = 0; i < state.formatNames.size(); ++i) {
        if (state.formatNames[i] == folded)
            return kFirstRegisteredClipboardFormat + static_cast<UINT>(i);
    }
    state.formatNames.push_back(folded);
    return kFirstRegisteredClipboardFormat + static_cast<UINT>(state.formatNames.size() - 1);
}

BOOL OpenClipboard(HWND owner)
{
    if (owner && !IsWindow(owner))
        return FALSE;
    return OpenFor(ThisThread(), owner);
}

BOOL CloseClipboard()
{
    return CloseFor(ThisThread());
}

BOOL EmptyClipboard()
{
    return EmptyFor(ThisThread());
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    return SetFor(ThisThread(), format, data);
}

HANDLE GetClipboardData(UINT format)
{
    return IfHeldOpen(ThisThread(), HANDLE(nullptr), [format](ClipboardState& state) {
        auto found = state.data.find(format);
        return found == state.data.end() ? HANDLE(nullptr) : HANDLE(found->second);
    });
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.data.count(format) ? TRUE : FALSE;
}

HWND GetClipboardOwner()
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.owner;
}

HWND GetOpenClipboardWindow()
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.openBy ? state.openWindow : nullptr;
}

DWORD GetClipboardSequenceNumber()
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.sequence;
}

// ---- another program

ClipboardOtherProgram::ClipboardOtherProgram()
{
    ClipboardState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    m_program = state.nextProgram++;
    // A handle of that program's own, far from the handles of this program's windows.
    m_window = reinterpret_cast<HWND>(uintptr_t(0x7F000000) + m_program * 16);
}

ClipboardOtherProgram::~ClipboardOtherProgram()
{
    Close();
}

BOOL ClipboardOtherProgram::Open()
{
    return OpenFor(Session{m_program, {}}, m_window);
}

BOOL ClipboardOtherProgram::Close()
{
    return CloseFor(Session{m_program, {}});
}

BOOL ClipboardOtherProgram::Empty()
{
    return EmptyFor(Session{m_program, {}});
}

HANDLE ClipboardOtherProgram::SetData(UINT format, HANDLE data)
{
    return SetFor(Session{m_program, {}}, format, data);
}

HRESULT ClipboardOtherProgram::Copy(UINT format, const void* bytes, size_t size)
{
    if (!bytes || size == 0)
        return E_INVALIDARG;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return E_OUTOFMEMORY;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return CopyBlock(format, block);
}

HRESULT ClipboardOtherProgram::Clear()
{
    if (!Open())
        return E_ACCESSDENIED;
    Empty();
    Close();
    return S_OK;
}

HRESULT ClipboardOtherProgram::CopyText(const wchar_t* text)
{
    const wchar_t* copied = text ? text : L"";
    return Copy(CF_UNICODETEXT, copied, (std::wcslen(copied) + 1) * sizeof(wchar_t));
}

HRESULT ClipboardOtherProgram::CopyPicture(const BgraImage& picture)
{
    HGLOBAL block = nullptr;
    HRESULT hr = CreatePackedDib(picture, &block);
    if (FAILED(hr))
        return hr;
    return CopyBlock(CF_DIB, block);
}

HRESULT ClipboardOtherProgram::CopyBlock(UINT format, HGLOBAL block)
{
    if (!Open()) {
        GlobalFree(block);
        return E_ACCESSDENIED;
    }
    Empty();
    HRESULT hr = SetData(format, block) ? S_OK : E_INVALIDARG;
    if (FAILED(hr))
        GlobalFree(block);
    Close();
    return hr;
}
