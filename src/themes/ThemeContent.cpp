#include "ElementSteps.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/WideFormat.h"

namespace {

// What a theme check found missing; each finding goes onto the error stack as it is made.
class ThemeFindings
{
public:
    void Report(const std::wstring& text)
    {
        KVUReportError(FormatWide(L"Theme content: %ls\n", text.c_str()).c_str());
        m_bIncomplete = true;
    }
    bool Incomplete() const { return m_bIncomplete; }

private:
    bool m_bIncomplete = false;
};

void CheckFile(ThemeFindings& findings, IDSMenu* pTemplate, const wchar_t* what,
               const CComBSTR& path)
{
    if (path.IsEmpty() || IsProductionMoniker(path.View()) || IsExistingFile(path.Str()))
        return;
    findings.Report(FormatWide(L"the %ls of template %d is missing: %ls", what, GetID(pTemplate),
                               path.Str().c_str()));
}

void CheckTemplateFiles(ThemeFindings& findings, IDSMenu* pTemplate)
{
    CComBSTR bstrBackground;
    if (SUCCEEDED(pTemplate->get_Background(&bstrBackground)))
        CheckFile(findings, pTemplate, L"background", bstrBackground);
    CComBSTR bstrAudio;
    if (SUCCEEDED(pTemplate->get_Audio(&bstrAudio)))
        CheckFile(findings, pTemplate, L"audio", bstrAudio);
}

// Main menus are made from the first main-menu template, and their title buttons from its
// first command button.
void CheckMainTemplate(ThemeFindings& findings, IDSProjectData* pTheme)
{
    std::vector<CComPtr<IDSMenu>> mainTemplates = GetMenuList(pTheme, MenuType_MainTemplate);
    if (mainTemplates.empty()) {
        findings.Report(L"the theme has no main-menu template");
        return;
    }
    if (GetButtonList(mainTemplates.front(), ButtonType_Command).empty())
        findings.Report(FormatWide(L"the main-menu template %d has no command button",
                                   GetID(mainTemplates.front())));
}

} // namespace

HRESULT CDSAppUtils::VerifyActiveThemeContent(IDSProjectData* pTheme)
{
    KVUClearErrorStack();
    CHECK_NULL(pTheme);
    ThemeFindings findings;
    CheckMainTemplate(findings, pTheme);
    for (const CComPtr<IDSMenu>& spTemplate :
         GetMenuList(pTheme, MenuType_MainTemplate | MenuType_ChapterTemplate))
        CheckTemplateFiles(findings, spTemplate);
    if (findings.Incomplete())
        RETURN_CODE(E_VERIFYACTIVETHEMECONTENT_INCOMPLETE);
    return S_OK;
}
