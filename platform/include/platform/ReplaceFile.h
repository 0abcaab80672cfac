// Replacing a file's content in one step, as every save of the system does.
#pragma once

#include "platform/WinTypes.h"

#include <string_view>

// Writes bytes to path through a temporary file of a unique name in the same folder, flushed
// to the disk and then renamed over path, so that a reader finds the old content or the new,
// never a part, and a failed write leaves an earlier file as it was. A symbolic link is
// followed, so that the file it names is replaced and the link stays; a file that is replaced
// keeps its permissions. Temporary files that earlier saves of the same file left when they
// were interrupted are removed first, so that leftovers never make a save fail; one that
// another save is writing at the moment is left alone. The failure result follows the error
// the system reported.
HRESULT ReplaceFileContent(std::wstring_view path, std::string_view bytes);
