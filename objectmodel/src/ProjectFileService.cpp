#include "ProjectFileService.h"

#include "DocumentFile.h"
#include "FileFormat.h"
#include "ProjectData.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "model/IDSMenuElement.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace objectmodel {

namespace {

// Only projects of this object model can be filled from or written to files.
HRESULT OwnProject(IDSProjectData* project, CProjectData*& own)
{
    own = dynamic_cast<CProjectData*>(project);
    if (!own) {
        LOG_HR(E_INVALIDARG, "the project is not one of this object model");
        return E_INVALIDARG;
    }
    return S_OK;
}

} // namespace

HRESULT CProjectFileService::LoadProject(BSTR path, IDSProjectData* project)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    CProjectData* target = nullptr;
    CHECK_HR(OwnProject(project, target));
    CComPtr<IXMLDOMElement> root;
    CHECK_HR(OpenDocument(TextOf(path), L"DSProject", root));
    CComPtr<CProjectData> loaded = CProjectData::Create();
    CHECK_HR(loaded->ReadXml(root));
    target->TakeContentOf(*loaded);
    return S_OK;
}

HRESULT CProjectFileService::SaveProject(BSTR path, IDSProjectData* project)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    CProjectData* source = nullptr;
    CHECK_HR(OwnProject(project, source));
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(NewDocument(document));
    CComPtr<IXMLDOMElement> root;
    CHECK_HR(AppendElement(document, L"DSProject", root));
    CHECK_HR(WriteFormatVersion(root));
    CHECK_HR(source->WriteXml(root));
    CHECK_HR(SaveDocument(document, TextOf(path)));
    source->ResetModified();
    return S_OK;
}

HRESULT CProjectFileService::LoadButtonStyle(BSTR path, IDSMenuButton* button)
{
    KVUClearErrorStack();
    CHECK_NULL(button);
    CComPtr<IXMLDOMElement> root;
    CHECK_HR(OpenDocument(TextOf(path), L"Button", root));
    CHECK_HR(button->loadXML(root));
    return S_OK;
}

HRESULT CProjectFileService::SaveButtonStyle(BSTR path, IDSMenuButton* button)
{
    KVUClearErrorStack();
    CHECK_NULL(button);
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(NewDocument(document));
    CHECK_HR(button->SaveXML(document));
    CComPtr<IXMLDOMElement> root;
    CHECK_HR(document->get_documentElement(&root));
    CHECK_NULL(root.p);
    CHECK_HR(WriteFormatVersion(root));
    CHECK_HR(SaveDocument(document, TextOf(path)));
    return S_OK;
}

} // namespace objectmodel
