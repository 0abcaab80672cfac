#include "dsutils/DSAppUtils.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/Config.h"
#include "platform/ErrorReport.h"
#include "platform/ErrorStack.h"

HRESULT CDSAppUtils::PhoneHome(const wchar_t* message, int key)
{
    KVUClearErrorStack();
    CHECK_NULL(message);
    CDSConfig config;
    if (!config.GetBool(DSConfig_WebReporting) || !config.GetBool(key))
        return S_FALSE;
    // The key is cleared before anything is sent, so that a message is never sent twice.
    CHECK_HR(config.SetBool(key, false));
    CComPtr<IDSErrorReport> spReport;
    CHECK_HR(spReport.CoCreateInstance(CLSID_DSErrorReport));
    CHECK_HR(spReport->Send(CComBSTR(message), ErrorReport_Message));
    return S_OK;
}

HRESULT DSConfigGetWebReportFlags(bool* pbWebReporting, bool* pbDetails)
{
    KVUClearErrorStack();
    CHECK_NULL(pbWebReporting);
    CHECK_NULL(pbDetails);
    CDSConfig config;
    *pbWebReporting = config.GetBool(DSConfig_WebReporting);
    *pbDetails = config.GetBool(DSConfig_WebReportDetails);
    return S_OK;
}

HRESULT DSConfigSetWebReportFlags(bool bWebReporting, bool bDetails)
{
    KVUClearErrorStack();
    CDSConfig config;
    CHECK_HR(config.SetBool(DSConfig_WebReporting, bWebReporting));
    CHECK_HR(config.SetBool(DSConfig_WebReportDetails, bDetails));
    return S_OK;
}
