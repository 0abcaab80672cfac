// Writing whole files so that nobody ever finds half of one under its name, as every save of
// the system does: the bytes go to a hidden temporary file of a unique name beside the target,
// are flushed to the disk, and the temporary file is renamed over the target.
#pragma once

#include "platform/WinTypes.h"

#include <string_view>

// Writes bytes to path. A reader finds the old content or the new, never a part, and a failed
// write removes its temporary file and leaves an earlier file of the name as it was. A file
// that is replaced keeps its permissions; a symbolic link is followed, so that the file it
// names is replaced and the link stays. Temporary files that earlier saves of the same file
// left when they were interrupted are removed first, so that leftovers never make a save fail;
// one that another save is writing at the moment is left alone. The failure result follows the
// error the system reported.
HRESULT WriteFileReplacing(std::wstring_view path, std::string_view bytes);
