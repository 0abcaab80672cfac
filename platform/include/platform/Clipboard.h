// The desktop's clipboard. On the desktop platform it is shared by every program; here it is
// shared by the whole process, and ClipboardOtherProgram acts as another program on it, so
// that a program can see its data and its ownership taken away as the user copies elsewhere.
//
// A program opens the clipboard for one of its windows (or none), empties it to become its
// owner, puts movable memory blocks on it under formats, and closes it again. While one thread
// or program holds it open, every other one fails to open it. Blocks put on the clipboard
// belong to it: it frees them when it is emptied or their format is set again.
#pragma once

#include "platform/GlobalMemory.h"
#include "platform/Image.h"
#include "platform/WinTypes.h"

#include <cstdint>

// Standard formats.
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_DIB = 8;
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT CF_HDROP = 15;

// The first number given to a registered format.
constexpr UINT kFirstRegisteredClipboardFormat = 0xC000;

// The format registered under the name (without regard to case), registering it when it is
// new; the same name always gives the same format. 0 for a null or empty name.
UINT RegisterClipboardFormatW(LPCWSTR name);

// Opens the clipboard for the calling thread on behalf of owner (a window of this program, or
// null). FALSE when another thread or program holds it open or owner is no window; the thread
// that holds it open may open it again.
BOOL OpenClipboard(HWND owner);

// Closes the clipboard; FALSE when the calling thread does not hold it open.
BOOL CloseClipboard();

// Frees everything on the clipboard and makes the window it was opened for its owner. FALSE
// when the calling thread does not hold it open.
BOOL EmptyClipboard();

// Puts a block on the clipboard under the format, replacing (and freeing) what the format
// held; the clipboard owns the block from then on. Returns the block, or null (the caller
// still owns it) when the calling thread does not hold the clipboard open, the format is 0 or
// the block is not a non-empty block of GlobalAlloc.
HANDLE SetClipboardData(UINT format, HANDLE data);

// The block held under the format, still owned by the clipboard; null when the calling thread
// does not hold the clipboard open or the format holds nothing.
HANDLE GetClipboardData(UINT format);

// Whether the clipboard holds data of the format; the clipboard need not be open.
BOOL IsClipboardFormatAvailable(UINT format);

// The window that last emptied the clipboard (null when that was done without a window or by
// nobody), and the window it is open for (null when it is closed or opened without one).
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

// A number that changes whenever the clipboard's contents change.
DWORD GetClipboardSequenceNumber();

// Holds the clipboard open for the life of a scope, when it can be opened.
class ScopedClipboard
{
public:
    explicit ScopedClipboard(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
    ~ScopedClipboard()
    {
        if (m_open)
            CloseClipboard();
    }
    ScopedClipboard(const ScopedClipboard&) = delete;
    ScopedClipboard& operator=(const ScopedClipboard&) = delete;

    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// Another program on the same desktop, for tests and tools: it opens, fills and closes the
// clipboard as such a program does, so that this program loses what it put there. Its window
// is none of this program's windows.
class ClipboardOtherProgram
{
public:
    ClipboardOtherProgram();
    // Closes the clipboard when this program still holds it open.
    ~ClipboardOtherProgram();
    ClipboardOtherProgram(const ClipboardOtherProgram&) = delete;
    ClipboardOtherProgram& operator=(const ClipboardOtherProgram&) = delete;

    // The calls of this program, with the rules above.
    BOOL Open();
    BOOL Close();
    BOOL Empty();
    HANDLE SetData(UINT format, HANDLE data);

    // Copies as the user copying in that program: opens, empties, puts a copy of the bytes
    // under the format and closes. E_ACCESSDENIED when the clipboard cannot be opened,
    // E_OUTOFMEMORY when no block can be had.
    HRESULT Copy(UINT format, const void* bytes, size_t size);
    // Empties the clipboard as that program would: open, empty, close. E_ACCESSDENIED when
    // the clipboard cannot be opened.
    HRESULT Clear();
    // Unicode text with its terminating zero (CF_UNICODETEXT).
    HRESULT CopyText(const wchar_t* text);
    // A picture as a packed bitmap (CF_DIB).
    HRESULT CopyPicture(const BgraImage& picture);

    HWND Window() const { return m_window; }

private:
    HRESULT CopyBlock(UINT format, HGLOBAL block);

    uint64_t m_program;
    HWND m_window;
};
