#include "MediaNames.h"
#include "ShellNameSplitter.h"
#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "model/KVGMediaFileProp.h"

#include "platform/Check.h"
#include "platform/ClassFactory.h"
#include "platform/ErrorStack.h"
#include "platform/NativePath.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <initializer_list>

namespace {

// A protocol this long is a real one; shorter ones are taken for drive letters and the like.
constexpr size_t kMinProtocolLength = 4;

// Whether the extension begins, without regard to case, with one of the words.
bool ExtensionIsOneOf(const std::wstring& extension, std::initializer_list<std::wstring_view> words)
{
    for (std::wstring_view word : words) {
        if (extension.size() >= word.size() &&
            CompareNoCase(std::wstring_view(extension).substr(0, word.size()), word) == 0)
            return true;
    }
    return false;
}

bool FileExists(const std::wstring& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::exists(NativePath(path), ignored);
}

// 0 when the engine can read the file, else its reason.
HRESULT ReadableByEngine(const std::wstring& path)
{
    CComPtr<IKVGMediaFileProp> spFileProp;
    CHECK_HR(spFileProp.CoCreateInstance(CLSID_KVGMediaFileProp));
    CComBSTR strFile(path);
    CHECK_HR(spFileProp->SetFile(strFile));
    LONG lReason = 0;
    CHECK_HR(spFileProp->CanReadFile(&lReason));
    return static_cast<HRESULT>(lReason);
}

// What is kept of one filtering: the accepted names, the last refusal and the messages of every
// refusal, which the checks of later files would otherwise clear from the error stack.
struct FilterOutcome
{
    std::vector<std::wstring> accepted;
    bool refused = false;
    HRESULT lastRefusal = S_OK;
    std::vector<std::wstring> messages;

    // The checks' own messages are on the error stack: the refusal goes on top of them.
    void Refuse(HRESULT reason, const std::wstring& file)
    {
        REPORT_REFUSED_FILE(reason, file);
        refused = true;
        lastRefusal = reason;
        std::vector<std::wstring> stack = KVUGetErrorStack();
        messages.insert(messages.end(), stack.begin(), stack.end());
    }
};

// The checks of one named file, in order; S_OK accepts it.
HRESULT CheckFile(const CQTRShellNameSplitter& split, bool allowTransportStreams)
{
    const std::wstring& extension = split.GetExtension();
    if (ExtensionIsOneOf(extension, {L"vob", L"ifo", L"dmss"}))
        return S_OK;
    std::wstring path = split.GetLocalPath();
    if (!FileExists(path))
        return E_FILTERMEDIAFILES_FILE_NOT_FOUND;
    if (allowTransportStreams &&
        ExtensionIsOneOf(extension, {L"tp", L"ts", L"m2t", L"m2ts", L"trp", L"mts", L"dvr-ms"}))
        return S_OK;
    if (!ExtensionIsOneOf(extension, {L"tivo"})) {
        HRESULT hr = ReadableByEngine(path);
        if (hr != S_OK)
            return hr;
    }
    return CDSProductionUtils::IsFileEditable(path.c_str());
}

void FilterOne(const std::wstring& name, bool allowTransportStreams, FilterOutcome& outcome)
{
    CQTRShellNameSplitter split(name);
    if (name.empty() || split.GetExtension().empty())
        return;
    std::wstring file = split.GetProtocol().size() >= kMinProtocolLength ? split.Compose() : name;
    HRESULT hr = CheckFile(split, allowTransportStreams);
    if (hr == S_OK)
        outcome.accepted.push_back(file);
    else
        outcome.Refuse(FAILED(hr) ? hr : E_FAIL, file);
    KVUClearErrorStack();
}

void StoreAccepted(const std::vector<std::wstring>& names, VARIANT* accepted)
{
    if (!accepted)
        return;
    CComVariant result =
        names.empty() ? MakeErrorVariant(DISP_E_PARAMNOTFOUND) : MakeStringArray(names);
    VariantClear(accepted);
    result.Detach(accepted);
}

} // namespace

bool CDSAppUtils::FilterMediaFiles(VARIANT files, LONG& error, VARIANT* accepted,
                                   bool allowTransportStreams)
{
    KVUClearErrorStack();
    error = S_OK;
    std::vector<std::wstring> names;
    HRESULT hr = ReadStringList(files, names);
    if (FAILED(hr) || IsMissingArgument(files)) {
        LOG_HR(E_INVALIDARG, "ReadStringList(files, names)");
        error = E_INVALIDARG;
        StoreAccepted({}, accepted);
        return false;
    }
    FilterOutcome outcome;
    for (const std::wstring& name : names)
        FilterOne(name, allowTransportStreams, outcome);
    for (const std::wstring& message : outcome.messages)
        KVUReportError(message.c_str());
    error = outcome.lastRefusal;
    StoreAccepted(outcome.accepted, accepted);
    return !outcome.refused;
}

bool CDSAppUtils::IsEditableSlideshowFile(BSTR path)
{
    std::wstring extension = CQTRShellNameSplitter(CComBSTR(path).View()).GetExtension();
    return CompareNoCase(extension, L"dmss") == 0 || CompareNoCase(extension, L"pssd") == 0;
}
