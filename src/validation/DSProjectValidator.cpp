// The validator's run, its list of findings, and the checks of the working space and of the
// audio of NTSC discs.
#include "dsutils/DSProjectValidator.h"

#include "Findings.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "foundation/FileOperations.h"

#include "model/IDSEncodingParams.h"
#include "model/IDSProjectData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <algorithm>

namespace {

// What a disc that is not high-definition needs in the working folder, whatever its size.
constexpr ULONGLONG kMinimumWorkingSpace = 524288000; // 500 MiB

// How many times the project's size a high-definition disc needs while it is made.
double WorkingSpaceFactor(DiscFormat format)
{
    return format == DiscFormat_BluRay ? 2.0 : 3.0;
}

// The folder that holds the folder (the path up to its last separator).
std::wstring ParentFolder(const std::wstring& folder)
{
    std::wstring path = folder;
    while (path.size() > 1 && path.back() == L'/')
        path.pop_back();
    size_t cut = path.find_last_of(L'/');
    return cut == std::wstring::npos ? path : path.substr(0, std::max<size_t>(cut, 1));
}

// The disc formats whose players may lack MPEG audio on NTSC.
bool ChecksNTSCAudio(DiscFormat format)
{
    return format == DiscFormat_DVD || format == DiscFormat_DVD2 || format == DiscFormat_DVD3 ||
           format == DiscFormat_HDDVD;
}

} // namespace

CDSProjectValidator::CDSProjectValidator() : m_freeSpace(QueryFreeDiskSpace) {}

HRESULT CDSProjectValidator::validateProject(IUnknown* pProject)
{
    KVUClearErrorStack();
    CComQIPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL_TEXT(spProject.p, "(IDSProjectData*) spProject");
    CHECK_HR(this->findTooBigSlideshows(spProject));
    CHECK_HR(this->findOrphans(spProject));
    CHECK_HR(this->findOverlappingButtons(spProject));
    CHECK_HR(this->findMissingOrCorruptFiles(spProject));
    CHECK_HR(this->checkForRemainingDiskSpace(spProject));
    CHECK_HR(this->checkForNTSCwithMPEG(spProject));
    return S_OK;
}

bool CDSProjectValidator::areErrorsPreventingBurn() const
{
    return std::any_of(m_errors.begin(), m_errors.end(), [](const CErrorInfo& error) {
        return error.getErrorSeverity() == ErrorSeverity_Fatal;
    });
}

void CDSProjectValidator::setFreeSpaceQuery(FreeSpaceQuery query)
{
    m_freeSpace = query ? std::move(query) : FreeSpaceQuery(QueryFreeDiskSpace);
}

HRESULT CDSProjectValidator::checkForRemainingDiskSpace(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CComPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL(spProject.p);
    LONGLONG nProjectSize = 0;
    CHECK_HR(spProject->get_ProjectSize(&nProjectSize));
    CDSFileUtils fu;
    CComBSTR bstrDirectory;
    CHECK_HR(fu.GetDirectory(CDSFileUtils::Temp_Files, L"", bstrDirectory));
    std::wstring folder = bstrDirectory.Str();
    double needed = static_cast<double>(kMinimumWorkingSpace);
    DiscFormat format = DiscFormat_None;
    if (IsHDProject(spProject) && SUCCEEDED(spProject->get_DiscFormat(&format))) {
        folder = ParentFolder(folder);
        needed = static_cast<double>(nProjectSize) * WorkingSpaceFactor(format);
    }
    // Space that cannot be measured cannot be counted on.
    ULONGLONG nFree = 0;
    HRESULT hr = m_freeSpace(folder, nFree);
    if (FAILED(hr))
        TRACE_LINE("Free space of %s unknown: 0x%08X", WideToUtf8(folder).c_str(),
                   static_cast<unsigned>(hr));
    if (FAILED(hr) || static_cast<double>(nFree) < needed)
        AddFinding(m_errors, ErrorCode_NotEnoughDiskSpace, ErrorSeverity_Fatal, -1)
            .setFileName(folder.c_str());
    return S_OK;
}

HRESULT CDSProjectValidator::checkForNTSCwithMPEG(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CComPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL(spProject.p);
    DiscFormat format = DiscFormat_None;
    CHECK_HR(spProject->get_DiscFormat(&format));
    TVStandard standard = TVStandard_PAL;
    CHECK_HR(spProject->get_TVStandard(&standard));
    CComQIPtr<IDSEncodingParams> spEncodingParams(spProject);
    if (!ChecksNTSCAudio(format) || standard != TVStandard_NTSC || !spEncodingParams)
        return S_OK;
    AudioFormat eAudioFormat = AudioFormat_None;
    CHECK_HR(spEncodingParams->get_AudioFormat(&eAudioFormat));
    std::vector<LONG> titles;
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(spProject, kAllTags)) {
        CComQIPtr<IDSEncodingParams> spTitleParams(spTitle);
        AudioFormat eTitleAudio = AudioFormat_None;
        if (spTitleParams)
            CHECK_HR(spTitleParams->get_AudioFormat(&eTitleAudio));
        if (eTitleAudio == AudioFormat_MPEG)
            titles.push_back(GetID(spTitle));
    }
    if (eAudioFormat != AudioFormat_MPEG && titles.empty())
        return S_OK;
    CErrorInfo& error = AddFinding(m_errors, ErrorCode_NTSCWithMPEGAudio, ErrorSeverity_Info, -1);
    for (LONG lTitleID : titles)
        error.addAffectedTitle(lTitleID);
    return S_OK;
}
