// The settings file: whatever it holds, every setting reads back, and a file written from what
// was read reads back to the same settings and writes again to the same bytes.
#include "FuzzSupport.h"

#include "platform/Bstr.h"
#include "platform/ComPtr.h"

#include "platform/Config.h"

#include <vector>

namespace {

constexpr const char* kTarget = "settings_file";
// A setting beyond those read below.
constexpr int kUnread = 1000;

struct Reading
{
    std::vector<LONG> numbers;
    std::vector<std::wstring> strings;
    bool operator==(const Reading&) const = default;
};

Reading ReadAll(const CDSConfig& config)
{
    Reading reading;
    for (int key = 0; key < 100; ++key) {
        reading.numbers.push_back(config.GetNumber(key));
        reading.numbers.push_back(config.GetCapability(key, 4));
        reading.numbers.push_back(config.GetCapability(key, 0x1000));
        reading.strings.push_back(config.GetString(key).Str());
    }
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment(kTarget);
    WriteFuzzFile("settings.ini", data, size);
    CDSConfig config(FuzzFile("settings.ini"));
    Reading read = ReadAll(config);
    // Writing a setting that is not read rewrites the whole file from what was read.
    FUZZ_CHECK(kTarget, SUCCEEDED(config.SetNumber(kUnread, 1)));
    std::string first = ReadFuzzFile("settings.ini");
    CDSConfig again(FuzzFile("settings.ini"));
    FUZZ_CHECK(kTarget, ReadAll(again) == read);
    FUZZ_CHECK(kTarget, SUCCEEDED(again.SetNumber(kUnread, 1)));
    FUZZ_CHECK(kTarget, ReadFuzzFile("settings.ini") == first);
    return 0;
}
