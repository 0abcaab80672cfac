// A formatted temporary wide string, owned by value.
#pragma once

#include <cstddef>

class TmpStr
{
public:
    // printf rules; "%ls" takes a wide string argument and "%s" a narrow one in UTF-8. A
    // format that cannot be produced gives the empty text.
    TmpStr(const wchar_t* format, ...);
    // The narrow format (UTF-8) is widened first (formats up to 255 characters), then used
    // with the same arguments as the wide constructor would.
    TmpStr(const char* format, ...);
    TmpStr(const TmpStr& other);
    TmpStr(TmpStr&& other) noexcept;
    ~TmpStr();
    // Copies the text: each object owns its own buffer.
    TmpStr& operator=(const TmpStr& other);
    TmpStr& operator=(TmpStr&& other) noexcept;

    operator wchar_t*() const { return m_text; }
    const wchar_t* c_str() const { return m_text; }

private:
    wchar_t* m_text;
};
