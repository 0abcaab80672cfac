// The words a button shows.
#pragma once

#include "model/IDSMenuElement.h"

#include "platform/Bstr.h"

// Writes the label into the button's first text element (CDSMenuUtils::GetTextElement), or
// into the button's own text when it holds no text element. The result of that write; the
// failure is reported.
HRESULT SetButtonLabel(IDSMenuButton* pButton, const CComBSTR& label);
