#include "ProductionLoad.h"

#include "platform/Check.h"
#include "platform/NativePath.h"

#include <algorithm>

namespace {

constexpr HRESULT kInvalidData = HRESULT_FROM_WIN32(13); // ERROR_INVALID_DATA

// The file as the file system resolves it, so that two names of one file compare equal.
std::string ResolvedFile(const std::wstring& file)
{
    std::error_code error;
    std::filesystem::path native = NativePath(file);
    std::filesystem::path resolved = std::filesystem::weakly_canonical(native, error);
    return error ? native.lexically_normal().native() : resolved.native();
}

} // namespace

ProductionLoad::Scope::Scope(ProductionLoad& load) : m_load(load), m_hr(load.m_refusal)
{
    if (FAILED(m_hr))
        return;
    if (load.m_depth >= kMaxDepth) {
        m_hr = load.Refuse(kInvalidData, "productions are nested more than " +
                                             std::to_string(kMaxDepth) + " deep");
        return;
    }
    ++load.m_depth;
    m_level = true;
}

ProductionLoad::Scope::Scope(ProductionLoad& load, const std::wstring& file)
    : m_load(load), m_hr(load.m_refusal)
{
    if (FAILED(m_hr))
        return;
    std::string resolved = ResolvedFile(file);
    if (std::find(load.m_files.begin(), load.m_files.end(), resolved) != load.m_files.end()) {
        m_hr = load.Refuse(kInvalidData, "the production file \"" + resolved +
                                             "\" plays itself, directly or through others");
        return;
    }
    load.m_files.push_back(std::move(resolved));
    m_file = true;
}

ProductionLoad::Scope::~Scope()
{
    if (m_level)
        --m_load.m_depth;
    if (m_file)
        m_load.m_files.pop_back();
}

HRESULT ProductionLoad::Refuse(HRESULT hr, const std::string& reason)
{
    LOG_HR(hr, reason.c_str());
    m_refusal = hr;
    return hr;
}
