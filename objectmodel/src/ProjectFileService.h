// The project file service: projects, themes and button style files as XML documents.
#pragma once

#include "model/IDSProjectFile.h"
#include "platform/ComObject.h"

namespace objectmodel {

class CProjectFileService : public ComObject<CProjectFileService, IDSProjectFile>
{
public:
    HRESULT LoadProject(BSTR path, IDSProjectData* project) override;
    HRESULT SaveProject(BSTR path, IDSProjectData* project) override;
    HRESULT LoadButtonStyle(BSTR path, IDSMenuButton* button) override;
    HRESULT SaveButtonStyle(BSTR path, IDSMenuButton* button) override;

protected:
    ~CProjectFileService() override = default;
};

} // namespace objectmodel
