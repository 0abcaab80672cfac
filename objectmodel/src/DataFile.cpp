#include "DataFile.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "ProjectData.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/NativePath.h"

namespace objectmodel {

HRESULT CDataFile::Make(CComPtr<CDataFile>& file)
{
    file = Create();
    return S_OK;
}

HRESULT CDataFile::get_ID(LONG* id)
{
    return CopyOut(m_id, id);
}

HRESULT CDataFile::get_SourcePath(BSTR* path)
{
    return CopyOut(m_sourcePath, path);
}

HRESULT CDataFile::put_SourcePath(BSTR path)
{
    std::wstring text = TextOf(path);
    if (HRESULT hr = CheckPathLength(text); FAILED(hr))
        return hr;
    m_sourcePath = std::move(text);
    if (m_project)
        m_project->MarkChanged();
    return S_OK;
}

HRESULT CDataFile::GetProject(IDSProjectData** project)
{
    return CProjectData::HandOut(m_project, project);
}

HRESULT CDataFile::WriteXml(IXMLDOMNode* parent)
{
    CComPtr<IXMLDOMElement> element;
    return AppendFields(parent, L"DataFile", m_id, *this, element);
}

HRESULT CDataFile::ReadXml(IXMLDOMElement* element)
{
    AttributeReader reader(element);
    VisitFields(reader);
    reader.CheckPath(L"sourcePath", m_sourcePath);
    return reader.Result();
}

} // namespace objectmodel
