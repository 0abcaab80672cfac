// Info files: a file that is refused leaves the caller's value as it was; one that is read
// lists pairs of a file and a name, and an info file written from those pairs reads back to
// the same pairs and writes again to the same bytes.
#include "FuzzSupport.h"

#include "dsutils/DSAppUtils.h"

#include "platform/Bstr.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"
#include "platform/Variant.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kTarget = "info_file";

std::vector<std::wstring> StringsOf(const VARIANT& value)
{
    std::vector<std::wstring> strings;
    FUZZ_CHECK(kTarget, value.vt == (VT_ARRAY | VT_BSTR));
    LONG lower = 0;
    LONG upper = -1;
    FUZZ_CHECK(kTarget, SUCCEEDED(SafeArrayGetLBound(value.parray, 1, &lower)));
    FUZZ_CHECK(kTarget, SUCCEEDED(SafeArrayGetUBound(value.parray, 1, &upper)));
    for (LONG i = lower; i <= upper; ++i) {
        CComBSTR text;
        FUZZ_CHECK(kTarget, SUCCEEDED(SafeArrayGetElement(value.parray, &i, &text)));
        strings.push_back(text.Str());
    }
    return strings;
}

// Characters that XML attributes cannot hold as they are.
std::string Escaped(const std::wstring& text)
{
    std::string escaped;
    for (char c : WideToUtf8(text)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\t':
            escaped += "&#9;";
            break;
        case '\n':
            escaped += "&#10;";
            break;
        case '\r':
            escaped += "&#13;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string InfoFileOf(const std::vector<std::wstring>& pairs)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Disc>\n";
    for (size_t i = 0; i + 1 < pairs.size(); i += 2)
        text +=
            "<Title file=\"" + Escaped(pairs[i]) + "\" name=\"" + Escaped(pairs[i + 1]) + "\"/>\n";
    return text + "</Disc>\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("info.xml", data, size);
    CComVariant files(LONG(42));
    HRESULT hr = CDSAppUtils::ParseInfoFile(CComBSTR(FuzzFile("info.xml")), &files);
    if (FAILED(hr)) {
        FUZZ_CHECK(kTarget, hr == E_PARSEINFOFILE_CANT_PARSE || hr == E_OUTOFMEMORY);
        FUZZ_CHECK(kTarget, files.vt == VT_I4 && files.lVal == 42);
        return 0;
    }
    std::vector<std::wstring> pairs = StringsOf(files);
    FUZZ_CHECK(kTarget, !pairs.empty() && pairs.size() % 2 == 0);
    for (size_t i = 0; i < pairs.size(); i += 2)
        FUZZ_CHECK(kTarget, !pairs[i].empty());
    std::string written = InfoFileOf(pairs);
    WriteFuzzFile("again.xml", reinterpret_cast<const uint8_t*>(written.data()), written.size());
    CComVariant again;
    FUZZ_CHECK(kTarget,
               SUCCEEDED(CDSAppUtils::ParseInfoFile(CComBSTR(FuzzFile("again.xml")), &again)));
    FUZZ_CHECK(kTarget, StringsOf(again) == pairs);
    FUZZ_CHECK(kTarget, InfoFileOf(StringsOf(again)) == written);
    return 0;
}
