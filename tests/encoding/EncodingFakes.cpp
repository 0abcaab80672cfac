#include "EncodingFakes.h"

#include <cwchar>

namespace encoding_test {

HRESULT FakeProduction::GetProductionObj(IUnknown** production)
{
    *production = GetUnknown();
    (*production)->AddRef();
    return S_OK;
}

HRESULT FakeProduction::GetMetaData(BSTR name, IXMLDOMNode** node)
{
    *node = nullptr;
    if (!slideShow || std::wcscmp(name, L"SlideShowDoc") != 0)
        return S_FALSE;
    *node = FakeMetaDataNode::Create().Detach();
    return S_OK;
}

HRESULT FakeTitle::GetProduction(IUnknown** out)
{
    return production->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out));
}

HRESULT FakeTitle::GetProject(IDSProjectData** out)
{
    *out = nullptr;
    if (!project)
        return S_FALSE;
    return QueryInterfaceFor(static_cast<IDSProjectData*>(project), out);
}

FakeTitle& FakeProject::AppendTitle(const EncodingValues& titleValues)
{
    CComPtr<FakeTitle> title = FakeTitle::Create();
    title->values = titleValues;
    title->project = this;
    titles.push_back(title);
    return *title;
}

HRESULT FakeProject::get_TitleCount(LONG* count)
{
    *count = static_cast<LONG>(titles.size());
    return S_OK;
}

HRESULT FakeProject::get_Title(LONG index, IDSTitle** title)
{
    *title = nullptr;
    if (index < 1 || index > static_cast<LONG>(titles.size()))
        return E_INVALIDARG;
    return QueryInterfaceFor(static_cast<IDSTitle*>(titles[index - 1].p), title);
}

CComPtr<FakeProject> MakeProject(DiscFormat format, TVStandard tv, const EncodingValues& master)
{
    CComPtr<FakeProject> project = FakeProject::Create();
    project->disc.format = format;
    project->disc.tv = tv;
    project->values = master;
    return project;
}

} // namespace encoding_test
