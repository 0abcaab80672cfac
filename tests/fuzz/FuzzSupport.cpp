#include "FuzzSupport.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ComPtr.h"
#include "platform/NativePath.h"
#include "platform/Xml.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::filesystem::path& WorkingFolder()
{
    static std::filesystem::path folder;
    return folder;
}

void RemoveWorkingFolder()
{
    std::error_code error;
    std::filesystem::current_path("/", error);
    std::filesystem::remove_all(WorkingFolder(), error);
}

} // namespace

void FuzzEnvironment(const char* target)
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    if (FAILED(RegisterXmlClasses()) || FAILED(RegisterMediaEngineClasses()) ||
        FAILED(RegisterObjectModelClasses()))
        FuzzFailure(target, "the classes cannot be registered");
    std::error_code error;
    // Every save is flushed to the disk: in memory, where there is such a folder, flushing
    // costs nothing and the fuzzer runs many times faster.
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path(error);
    std::filesystem::path folder =
        base / ("dsutils-fuzz-" + std::string(target) + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder, error);
    WorkingFolder() = folder;
    std::atexit(RemoveWorkingFolder);
    std::filesystem::current_path(folder, error);
    if (error)
        FuzzFailure(target, "the working folder cannot be entered");
    // The settings the library reads stay in the working folder too.
    ::setenv("REELMARK_HOME", folder.c_str(), 1);
}

std::wstring FuzzFile(const char* name)
{
    std::error_code error;
    return WidePath(std::filesystem::current_path(error) / name);
}

void WriteFuzzFile(const char* name, const uint8_t* data, size_t size)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string ReadFuzzFile(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

std::string Saved(const FuzzFileKind& kind, IUnknown* object, const std::string& name)
{
    if (FAILED(kind.save(object, FuzzFile(name.c_str()))))
        FuzzFailure(kind.target, "an object that loaded cannot be saved");
    return ReadFuzzFile(name.c_str());
}

} // namespace

void CheckLoadAndRoundTrip(const FuzzFileKind& kind, const uint8_t* data, size_t size)
{
    std::string extension = kind.extension;
    WriteFuzzFile(("input" + extension).c_str(), data, size);
    CComPtr<IUnknown> target = kind.make();
    std::string before = Saved(kind, target, "before" + extension);
    if (FAILED(kind.load(target, FuzzFile(("input" + extension).c_str())))) {
        FUZZ_CHECK(kind.target, Saved(kind, target, "after" + extension) == before);
        return;
    }
    std::string first = Saved(kind, target, "first" + extension);
    CComPtr<IUnknown> again = kind.make();
    FUZZ_CHECK(kind.target, SUCCEEDED(kind.load(again, FuzzFile(("first" + extension).c_str()))));
    FUZZ_CHECK(kind.target, Saved(kind, again, "second" + extension) == first);
}

void FuzzFailure(const char* target, const char* reason)
{
    std::fprintf(stderr, "fuzz target %s: %s\n", target, reason);
    std::abort();
}
