// Writing whole files so that nobody ever finds half of one under its name: the bytes go to a
// hidden temporary file beside the target, are flushed to the disk, and the temporary file is
// renamed over the target. A failed write removes its temporary file and leaves an earlier
// file of the name as it was.
#pragma once

#include "platform/WinTypes.h"

#include <string_view>

// Writes bytes to path. A file that is replaced keeps its permissions; a symbolic link is
// followed, so that the file it names is replaced and the link stays. The failure result
// follows the error the system reported.
HRESULT WriteFileReplacing(std::wstring_view path, std::string_view bytes);
