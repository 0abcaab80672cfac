#include "SPUPattern.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

constexpr int kWidePatternX = 320;
constexpr int kWidePatternY = 180;

// The 16:9 pattern in the temporary folder, made when it is not there yet.
HRESULT WidePattern(CComBSTR& bstrFile)
{
    CDSFileUtils fileUtils;
    CHECK_HR(fileUtils.GetFilePath(CDSFileUtils::DirTemp, nullptr, true, L"SPU_16x9Pattern", L"png",
                                   false, bstrFile, 0));
    if (IsExistingFile(bstrFile.Str()))
        return S_OK;
    CHECK_HR(CDSProductionUtils::CreateImageWithText(bstrFile, kWidePatternX, kWidePatternY,
                                                     dwPATTERN_RGB));
    return S_OK;
}

} // namespace

HRESULT GetSPUPatternSource(bool b16x9, BSTR* pbstrSource)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrSource);
    CComBSTR bstrSource(kSPUPattern4x3);
    CComBSTR bstrWide;
    if (b16x9) {
        HRESULT hr = WidePattern(bstrWide);
        if (SUCCEEDED(hr))
            bstrSource = bstrWide;
        else
            TRACE_LINE("The 16:9 pattern cannot be made (0x%08X); the 4:3 pattern stands in",
                       unsigned(hr));
    }
    *pbstrSource = bstrSource.Detach();
    return S_OK;
}
