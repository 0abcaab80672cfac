// Media file names on their way to the media engine, and the report of a file that is refused.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// The names as the engine takes them: "file" names become the paths of their files, other
// names keep their protocol, which withProtocol then tells the engine.
struct EngineNames
{
    std::vector<std::wstring> files;
    bool withProtocol = false;
};

EngineNames EngineNamesOf(const std::vector<std::wstring>& names);

// Reports on the error stack that the file is refused for the reason (a result code):
// "<source>(<line>): *** Error <reason> = refused "<file>"".
void ReportRefusedFile(const char* source, int line, HRESULT reason, const std::wstring& file);
#define REPORT_REFUSED_FILE(reason, file) ReportRefusedFile(__FILE__, __LINE__, (reason), (file))
