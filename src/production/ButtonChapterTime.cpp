#include "dsutils/DSChapterList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSMenuElement.h"
#include "model/IDSTitle.h"

double CDSProductionUtils::GetBtnChapterTime(IDSMenuButton* pButton)
{
    CComQIPtr<IDSMenuButton> spButton(pButton);
    LONG commands = 0;
    if (!spButton || FAILED(spButton->get_CommandCount(&commands)) || commands <= 0)
        return 0.0;
    int chapter = 0;
    IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(spButton, &chapter, false);
    CComPtr<IUnknown> spProduction;
    double seconds = 0.0;
    if (!pTitle || FAILED(pTitle->GetProduction(&spProduction)))
        return 0.0;
    if (chapter <= 1)
        return 0.0;
    CDSChapterList chapters(spProduction);
    if (FAILED(chapters.GetChapterTime(chapter, seconds)))
        return 0.0;
    return seconds;
}
