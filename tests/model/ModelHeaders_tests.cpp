// Every interface header of the object model compiles on its own, and the identities they
// declare are all different (two equal identities would make QueryInterface answer for the
// wrong interface).
#include "model/DiscCommand.h"
#include "model/FloatRect.h"
#include "model/IDSCommandList.h"
#include "model/IDSDataFile.h"
#include "model/IDSEncodingParams.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "model/IDSTitle.h"
#include "model/KVEProductionLink.h"
#include "model/ModelClasses.h"
#include "model/ProjectEnums.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ModelHeaders, EveryInterfaceAndClassIdentityIsDistinct)
{
    const std::vector<GUID> ids = {IID_IDSProjectData,    IID_IDSTitle,
                                   IID_IDSMenu,           IID_IDSMenuElementList,
                                   IID_IDSMenuElement,    IID_IDSMenuButton,
                                   IID_IDSMenuOverlay,    IID_IDSMenuText,
                                   IID_IDSCommandList,    IID_IDSEncodingParams,
                                   IID_IDSDataFile,       IID_IDSProjectFile,
                                   IID_IKVEProductionXml, IID_IKVEMenuComposition,
                                   CLSID_KVEProduction,   CLSID_CDSProjectData,
                                   CLSID_CDSMenuButton,   CLSID_CDSProjectFile,
                                   IID_IUnknown,          IID_IXMLDOMNode};
    for (size_t i = 0; i < ids.size(); ++i) {
        for (size_t j = i + 1; j < ids.size(); ++j)
            EXPECT_NE(ids[i], ids[j]) << "identities " << i << " and " << j;
    }
}

TEST(ModelHeaders, ClassTagsNameTheirClassIdentity)
{
    EXPECT_EQ(uuidof<CDSMenuButton>(), CLSID_CDSMenuButton);
    EXPECT_EQ(uuidof<CDSProjectData>(), CLSID_CDSProjectData);
}
