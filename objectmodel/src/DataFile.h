// A data file of the project: a file that goes onto the disc as it is.
#pragma once

#include "model/IDSDataFile.h"
#include "platform/ComObject.h"
#include "platform/Xml.h"

#include <string>

namespace objectmodel {

class CProjectData;

class CDataFile : public ComObject<CDataFile, IDSDataFile>
{
public:
    // A new data file with no path, in no project.
    static HRESULT Make(CComPtr<CDataFile>& file);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_SourcePath(BSTR* path) override;
    HRESULT put_SourcePath(BSTR path) override;
    HRESULT GetProject(IDSProjectData** project) override;

    LONG Id() const { return m_id; }
    void SetId(LONG id) { m_id = id; }
    CProjectData* Project() const { return m_project; }
    void SetProject(CProjectData* project) { m_project = project; }
    const std::wstring& SourcePath() const { return m_sourcePath; }

    // Appends a "DataFile" element to parent.
    HRESULT WriteXml(IXMLDOMNode* parent);
    // Reads a data file written by WriteXml (the ID is the caller's).
    HRESULT ReadXml(IXMLDOMElement* element);

    template <class Fields> void VisitFields(Fields& f) { f.Field(L"sourcePath", m_sourcePath); }

protected:
    ~CDataFile() override = default;

private:
    LONG m_id = 0;
    CProjectData* m_project = nullptr;
    std::wstring m_sourcePath;
};

} // namespace objectmodel
