#include "FuzzSupport.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "platform/NativePath.h"
#include "platform/Xml.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

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
    std::filesystem::path folder =
        std::filesystem::temp_directory_path(error) /
        ("dsutils-fuzz-" + std::string(target) + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder, error);
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

void FuzzFailure(const char* target, const char* reason)
{
    std::fprintf(stderr, "fuzz target %s: %s\n", target, reason);
    std::abort();
}
