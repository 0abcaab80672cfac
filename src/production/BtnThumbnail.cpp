#include "BtnThumbnail.h"

#include "dsutils/DSTagLists.h"

CComPtr<IDSMenuOverlay> GetBtnThumbnail(IDSMenuButton* pButton)
{
    std::vector<CComPtr<IDSMenuOverlay>> thumbnails =
        GetOverlayList(pButton, OverlayType_Thumbnail);
    return thumbnails.empty() ? nullptr : thumbnails.front();
}
