// The file-size check of CDSAppUtils::CheckDiskFileSizeLimit with the question about the
// volume's file system handed in, so that tests can answer it.
#pragma once

#include "VolumeQueries.h"

// Whether a file of size bytes can be kept on the volume of path, by the file system the query
// names: FAT holds files up to 2 GiB − 1 bytes, FAT32 up to 4 GiB − 1, every other file system
// any size. A volume whose file system cannot be learnt counts as one without a limit.
bool CheckFileSizeLimit(const std::filesystem::path& path, ULONGLONG size,
                        const FileSystemNameQuery& query);
