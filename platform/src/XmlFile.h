// Reading and writing the files of documents.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

namespace XmlFile {

// Reads a whole regular file; false with the reason when it cannot be read.
bool Read(std::wstring_view path, std::string& bytes, std::wstring& reason);

// Writes bytes to path through a temporary file in the same folder that is then renamed over
// path, so that a failed write leaves an earlier file as it was. A file that is replaced keeps
// its permissions. The failure result follows the error the system reported.
HRESULT WriteReplacing(std::wstring_view path, std::string_view bytes);

} // namespace XmlFile
