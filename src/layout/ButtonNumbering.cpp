#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/WideFormat.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>

namespace {

// Only the start of a label is searched for its number.
constexpr size_t kNumberedPart = 16;

IDSMenuText* FirstTextOf(IUnknown* pHolder)
{
    for (const CComPtr<IDSMenuElement>& spElement : GetElementList(pHolder, kAllTags)) {
        // Borrowed: the holder's list keeps the text alive.
        if (CComQIPtr<IDSMenuText> spText(spElement); spText)
            return spText;
    }
    return nullptr;
}

// The whole number at the start of text (blanks before it allowed), as the runtime's "%d"
// reads it; false when there is none. Numbers beyond the int range stop at its ends.
bool ReadLeadingNumber(const std::wstring& text, int& number, size_t& length)
{
    const wchar_t* start = text.c_str();
    wchar_t* end = nullptr;
    long value = std::wcstol(start, &end, 10);
    if (end == start)
        return false;
    number = static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
    length = static_cast<size_t>(end - start);
    return true;
}

// The number a label carries: -1 when its first characters hold no full stop, 0 when they
// hold one but start with no number.
int NumberOf(const std::wstring& label)
{
    std::wstring head = label.substr(0, kNumberedPart);
    if (head.find(L'.') == std::wstring::npos)
        return -1;
    int number = 0;
    size_t length = 0;
    return ReadLeadingNumber(head, number, length) ? number : 0;
}

// The label with the number n in front. A number written as the library writes it, digits
// followed by ". ", is replaced; any other text is kept whole behind the new number, so that
// no words of the label are lost.
std::wstring WithNumber(const std::wstring& label, int n)
{
    std::wstring prefix = FormatWide(L"%d. ", n);
    int number = 0;
    size_t length = 0;
    if (NumberOf(label) > 0 && ReadLeadingNumber(label, number, length) &&
        label.compare(length, 2, L". ") == 0)
        return prefix + label.substr(length + 2);
    return prefix + label;
}

} // namespace

HRESULT CDSMenuUtils::SetNumberBtns(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    int number = 0;
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, ButtonType_Command)) {
        ++number;
        IDSMenuText* pText = GetTextElement(spButton);
        CComBSTR label;
        if (!pText || FAILED(pText->get_Label(&label)))
            continue;
        std::wstring text = label.Str();
        if (NumberOf(text) != number)
            pText->put_Label(CComBSTR(WithNumber(text, number)));
    }
    return S_OK;
}

IDSMenuText* CDSMenuUtils::GetTextElement(IDSMenuButton* pButton)
{
    return FirstTextOf(pButton);
}

IDSMenuText* CDSMenuUtils::GetTextElement(IDSMenu* pMenu)
{
    return FirstTextOf(pMenu);
}
