#include "AttributeWriter.h"

#include "platform/Check.h"

namespace objectmodel {

void AttributeWriter::Put(const wchar_t* name, const std::wstring& text)
{
    if (FAILED(m_hr))
        return;
    m_hr = m_element->setAttribute(CComBSTR(name), CComVariant(CComBSTR(text)));
    if (FAILED(m_hr))
        LOG_HR(m_hr, "m_element->setAttribute(CComBSTR(name), CComVariant(CComBSTR(text)))");
}

} // namespace objectmodel
