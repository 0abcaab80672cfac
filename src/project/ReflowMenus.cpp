#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "ChainFlow.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <deque>
#include <set>

namespace {

// The menus whose chains a reflow goes through: main and chapter menus; templates and
// transition menus hold no pages of buttons.
constexpr ULONG kPageMenus = MenuType_Main | MenuType_Chapter;

// One reflow run: the chains waiting, and the pages of every chain reflowed or waiting, so
// that each chain is reflowed once even when links lead back to it.
class ReflowRun
{
public:
    explicit ReflowRun(bool bForce) : m_bForce(bForce) {}

    HRESULT Run(IDSMenu* pMenu)
    {
        MarkPages(DSMenuChainVec(pMenu));
        m_pending.push_back(pMenu);
        while (!m_pending.empty()) {
            CComPtr<IDSMenu> spMenu = m_pending.front();
            m_pending.pop_front();
            CHECK_HR_SHORT(ReflowChain(spMenu));
        }
        return S_OK;
    }

private:
    // Puts the chain of a menu that a button leads to in line, unless one of its pages was
    // seen before.
    void Enqueue(IDSMenu* pMenu)
    {
        if (!pMenu || !(GetTag(pMenu) & kPageMenus) || m_seen.count(GetID(pMenu)))
            return;
        MarkPages(DSMenuChainVec(pMenu));
        m_pending.push_back(pMenu);
    }

    void MarkPages(const DSMenuChainVec& chain)
    {
        for (const CComPtr<IDSMenu>& spPage : chain)
            m_seen.insert(GetID(spPage));
    }

    // Spreads the chain's command buttons over its pages in their order, lays the pages out
    // and puts the menus its buttons lead to in line.
    HRESULT ReflowChain(IDSMenu* pMenu)
    {
        DSMenuChainVec chain(pMenu);
        IDSMenu* pFirst = chain.First();
        DSMenuButtonVec buttons = GetChainButtons(chain);
        CHECK_HR_SHORT(FlowButtonsOverChain(pFirst, buttons));
        MarkPages(DSMenuChainVec(pFirst));
        // Index buttons follow the pages of a chapter menu, which may have changed.
        if (GetTag(pFirst) & MenuType_Chapter)
            CHECK_HR_SHORT(CDSMenuUtils::UpdateChapterIndexBtns(pFirst));
        CHECK_HR_SHORT(CDSAppUtils::ArrangeButtonsInChainEx(pFirst, m_bForce));
        for (const CComPtr<IDSMenuButton>& spButton : buttons)
            Enqueue(CDSMenuUtils::GetLinkedMenu(spButton));
        return S_OK;
    }

    bool m_bForce;
    std::set<LONG> m_seen;
    std::deque<CComPtr<IDSMenu>> m_pending;
};

} // namespace

HRESULT CDSAppUtils::ReflowMenus(IDSMenu* pMenu, bool bForce)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_HR_SHORT(ReflowRun(bForce).Run(pMenu));
    return S_OK;
}
