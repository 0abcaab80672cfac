#include "TitleButtonSteps.h"
#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <string>
#include <vector>

namespace {

bool IsLimitReached(HRESULT hr)
{
    return hr == E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED ||
           hr == E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED;
}

// One run over the files: where the buttons go, what each title gets, and the reports of the
// files that could not be added, which the run hands to the caller at its end.
class TitlesRun
{
public:
    TitlesRun(IDSProjectData* pProj, IDSMenu* pChain, bool bChapterMenus)
        : m_spProj(pProj), m_spChain(pChain), m_bChapterMenus(bChapterMenus)
    {}

    // Adds the files in order; a limit ends the run.
    HRESULT AddAll(const std::vector<std::wstring>& files)
    {
        for (const std::wstring& file : files) {
            HRESULT hr = AddOne(file);
            if (SUCCEEDED(hr)) {
                ++m_lAdded;
                continue;
            }
            Keep(file);
            if (IsLimitReached(hr))
                return hr;
            m_bFailed = true;
        }
        return S_OK;
    }

    // The pages of the chain take their share of the buttons and are laid out once at the
    // end; a page left empty by a file taken out again goes.
    HRESULT Reflow()
    {
        if (m_spChain)
            CHECK_HR_TEXT(CDSAppUtils::ReflowMenus(m_spChain, false),
                          "ReflowMenus(spChain, false)");
        return S_OK;
    }

    // Puts the reports of the files that were not added back onto the error stack.
    void Report() const
    {
        for (const std::wstring& line : m_report)
            KVUReportError(line.c_str());
    }

    bool Failed() const { return m_bFailed; }
    LONG Added() const { return m_lAdded; }

private:
    HRESULT AddOne(const std::wstring& file)
    {
        CComPtr<IDSTitle> spTitle;
        CComBSTR bstrSourceFile(file);
        CHECK_HR(CDSAppUtils::AddTitle(m_spProj, bstrSourceFile, &spTitle));
        if (!m_spChain)
            return S_OK;
        HRESULT hr = GiveButton(spTitle);
        if (FAILED(hr))
            TakeTitleOut(m_spProj, spTitle);
        return hr;
    }

    HRESULT GiveButton(IDSTitle* spTitle)
    {
        CComPtr<IDSMenuButton> spButton;
        CHECK_HR_SHORT(AddTitleButtonOnChain(m_spChain, spTitle, false, spButton));
        if (m_bChapterMenus)
            CHECK_HR(CDSAppUtils::MakeChapterMenuBtn(spButton));
        return S_OK;
    }

    void Keep(const std::wstring& file)
    {
        std::vector<std::wstring> stack = KVUGetErrorStack();
        m_report.insert(m_report.end(), stack.begin(), stack.end());
        m_report.push_back(
            KVUErrStr(L"The title of %ls could not be added\n", file.c_str()).Text());
    }

    CComPtr<IDSProjectData> m_spProj;
    CComPtr<IDSMenu> m_spChain;
    bool m_bChapterMenus;
    bool m_bFailed = false;
    LONG m_lAdded = 0;
    std::vector<std::wstring> m_report;
};

HRESULT AddTitles(IDSProjectData* pProj, IDSMenu* pChain, const VARIANT& files, bool bChapterMenus,
                  LONG* plAdded)
{
    if (plAdded)
        *plAdded = 0;
    std::vector<std::wstring> names;
    CHECK_HR_TEXT(ReadStringList(files, names), "ReadStringList(files, names)");
    if (names.empty()) {
        KVUReportError(L"No file was given to add\n");
        LOG_HR(E_INVALIDARG, "files");
        return E_INVALIDARG;
    }
    TitlesRun run(pProj, pChain, bChapterMenus);
    HRESULT hr = run.AddAll(names);
    HRESULT hrReflow = run.Reflow();
    if (plAdded)
        *plAdded = run.Added();
    if (FAILED(hrReflow))
        return hrReflow;
    KVUClearErrorStack();
    run.Report();
    if (FAILED(hr))
        return hr;
    if (run.Failed())
        RETURN_CODE(E_ADDTITLESWITHBUTTON_FAILED);
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::AddTitlesWithButton(IDSProjectData* pProj, VARIANT files, bool bChapterMenus,
                                         LONG* plAdded)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    return AddTitles(pProj, CDSMenuUtils::GetRootMenu(pProj), files, bChapterMenus, plAdded);
}

HRESULT CDSAppUtils::AddTitlesWithButton(IDSMenu* pMenu, VARIANT files, bool bChapterMenus,
                                         LONG* plAdded)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CComPtr<IDSProjectData> spProj = GetProject(pMenu);
    CHECK_NULL_TEXT(spProj.p, "GetProject(pMenu)");
    return AddTitles(spProj, pMenu, files, bChapterMenus, plAdded);
}
