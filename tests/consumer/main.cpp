#include <dsutils/dsutils.h>
#include <platform/Bstr.h>

#include <cstdio>
#include <cwchar>

int main()
{
    TmpStr text(L"%ls %d", L"titles", 99);
    CComBSTR copy(static_cast<const wchar_t*>(text));
    if (copy != L"titles 99") {
        std::fputs("consumer: unexpected text\n", stderr);
        return 1;
    }
    std::puts("consumer: built and ran against the installed dsutils");
    return 0;
}
