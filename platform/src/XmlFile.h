// Reading the files of documents (platform/FileReplace.h writes them).
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

namespace XmlFile {

// Reads a whole regular file; false with the reason when it cannot be read.
bool Read(std::wstring_view path, std::string& bytes, std::wstring& reason);

} // namespace XmlFile
