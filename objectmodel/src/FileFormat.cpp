#include "FileFormat.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "XmlNodes.h"

namespace objectmodel {

HRESULT WriteFormatVersion(IXMLDOMElement* root)
{
    AttributeWriter writer(root);
    writer.Field(L"version", kFormatVersion);
    return writer.Result();
}

HRESULT CheckFormatVersion(IXMLDOMElement* root, bool required)
{
    constexpr LONG kAbsent = 0;
    LONG version = kAbsent;
    AttributeReader reader(root);
    if (required)
        reader.Required(L"version", version);
    else
        reader.Field(L"version", version);
    if (SUCCEEDED(reader.Result()) && version != kAbsent &&
        (version < 1 || version > kFormatVersion))
        reader.Refuse(L"the format version " + std::to_wstring(version) +
                      L" is not one this program reads (it reads up to " +
                      std::to_wstring(kFormatVersion) + L")");
    return reader.Result();
}

} // namespace objectmodel
