// The capacity checks of the validator: whether one more title, chapter or button fits within
// the configured limits.
#include "dsutils/DSProjectValidator.h"

#include "DiscObjects.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// The sub-keys of the limits kept per disc format and per aspect ratio.
constexpr LONG kDefaultSubKey = 0;
constexpr LONG kDiscFormat2SubKey = 4;
constexpr LONG kWideMenuSubKey = 0x1000;

// The chapters of a title, or of a production given itself.
LONG ChapterCount(IUnknown* pObject)
{
    CComPtr<IUnknown> spProduction;
    if (CComQIPtr<IDSTitle> spTitle(pObject); spTitle) {
        if (FAILED(spTitle->GetProduction(&spProduction)))
            return 0;
        pObject = spProduction;
    }
    return CDSChapterList(pObject).GetChapterCount();
}

HRESULT WithinLimit(LONG count, LONG limit, HRESULT reached)
{
    return count >= limit ? reached : S_OK;
}

} // namespace

HRESULT CDSProjectValidator::CheckMaxTitlesPerProject(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    DiscFormat format = DiscFormat_None;
    CHECK_HR(pProject->get_DiscFormat(&format));
    LONG limit =
        CDSConfig().GetCapability(DSConfig_MaxTitlesPerProject,
                                  format == DiscFormat_DVD2 ? kDiscFormat2SubKey : kDefaultSubKey);
    LONG count = static_cast<LONG>(GetPlayableTitles(pProject).size());
    return WithinLimit(count, limit, E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED);
}

HRESULT CDSProjectValidator::CheckMaxChaptersPerTitle(IUnknown* pObject)
{
    KVUClearErrorStack();
    if (!pObject)
        return S_FALSE;
    LONG limit = CDSConfig().GetCapability(DSConfig_MaxChaptersPerTitle);
    return WithinLimit(ChapterCount(pObject), limit, E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED);
}

HRESULT CDSProjectValidator::CheckMaxChaptersPerProject(IUnknown* pObject)
{
    KVUClearErrorStack();
    if (!pObject)
        return S_FALSE;
    CComQIPtr<IDSProjectData> spProject(pObject);
    if (!spProject)
        spProject = GetProject(pObject);
    CHECK_NULL_TEXT(spProject.p, "GetProject(pObject)");
    LONG count = 0;
    for (const CComPtr<IDSTitle>& spTitle : GetPlayableTitles(spProject))
        count += ChapterCount(spTitle);
    LONG limit = CDSConfig().GetCapability(DSConfig_MaxChaptersPerProject);
    return WithinLimit(count, limit, E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED);
}

HRESULT CDSProjectValidator::CheckMaxButtonsPerMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    LONG limit = CDSConfig().GetCapability(
        DSConfig_MaxButtonsPerMenu, IsAspectRatio4x3(pMenu) ? kDefaultSubKey : kWideMenuSubKey);
    LONG count = static_cast<LONG>(GetButtonList(pMenu, kAllTags).size());
    return WithinLimit(count, limit, E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED);
}
