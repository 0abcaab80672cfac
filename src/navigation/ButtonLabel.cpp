#include "ButtonLabel.h"

#include "dsutils/DSMenuUtils.h"

#include "platform/Check.h"

HRESULT SetButtonLabel(IDSMenuButton* pButton, const CComBSTR& label)
{
    CHECK_NULL(pButton);
    HRESULT hr = S_OK;
    if (IDSMenuText* pText = CDSMenuUtils::GetTextElement(pButton))
        CHECK_HR_ASSIGN(hr, pText->put_Label(label));
    else
        CHECK_HR_ASSIGN(hr, pButton->put_Label(label));
    return hr;
}
