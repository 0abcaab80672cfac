#include "MenuProduction.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/Check.h"

HRESULT ShapeMenuProduction(IDSMenu* menu, bool wide, CComQIPtr<IEditData>& edit)
{
    CComPtr<IUnknown> production;
    CHECK_HR(menu->GetProduction(&production));
    CComQIPtr<IKVEProductionData> data(production.p);
    CHECK_NULL(data.p);
    CComPtr<IUnknown> object;
    CHECK_HR(data->GetProductionObj(&object));
    CComQIPtr<IProductionInfo> info(object.p);
    CHECK_NULL(info.p);
    CHECK_HR(info->put_AspectRatio(wide ? 16.0 / 9.0 : 4.0 / 3.0));
    edit = production.p;
    CHECK_NULL(edit.p);
    return S_OK;
}
