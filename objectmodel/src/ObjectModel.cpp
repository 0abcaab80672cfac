#include "objectmodel/ObjectModel.h"

#include "MenuButton.h"
#include "ProjectData.h"
#include "ProjectFileService.h"

#include "model/ModelClasses.h"
#include "platform/Check.h"
#include "platform/ClassFactory.h"

using namespace objectmodel;

HRESULT RegisterObjectModelClasses()
{
    CHECK_HR(CoRegisterClass(CLSID_CDSProjectData, CreatorOf<CProjectData>()));
    CHECK_HR(CoRegisterClass(CLSID_CDSMenuButton, CreatorOf<CMenuButton>()));
    CHECK_HR(CoRegisterClass(CLSID_CDSProjectFile, CreatorOf<CProjectFileService>()));
    return S_OK;
}

HRESULT RevokeObjectModelClasses()
{
    CoRevokeClass(CLSID_CDSProjectData);
    CoRevokeClass(CLSID_CDSMenuButton);
    CoRevokeClass(CLSID_CDSProjectFile);
    return S_OK;
}
