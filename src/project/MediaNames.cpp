#include "MediaNames.h"

#include "ShellNameSplitter.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

EngineNames EngineNamesOf(const std::vector<std::wstring>& names)
{
    EngineNames engine;
    for (const std::wstring& name : names) {
        CQTRShellNameSplitter split(name);
        if (split.IsLocal()) {
            engine.files.push_back(split.GetLocalPath());
        } else {
            engine.files.push_back(name);
            engine.withProtocol = true;
        }
    }
    return engine;
}

void ReportRefusedFile(const char* source, int line, HRESULT reason, const std::wstring& file)
{
    KVULogFailure(source, line, reason, ("refused \"" + WideToUtf8(file) + "\"").c_str());
}
