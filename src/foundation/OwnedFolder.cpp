#include "OwnedFolder.h"

#include "FileOperations.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path Resolved(const std::wstring& path)
{
    std::error_code error;
    fs::path absolute = fs::absolute(NativePath(path), error);
    if (error)
        return {};
    fs::path resolved = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : resolved;
}

// The path's components without the empty one a trailing separator leaves.
std::vector<fs::path> Components(const fs::path& path)
{
    std::vector<fs::path> parts;
    for (const fs::path& part : path) {
        if (!part.empty())
            parts.push_back(part);
    }
    return parts;
}

} // namespace

bool LiesWithin(const std::wstring& path, const std::wstring& root)
{
    if (root.empty() || path.empty())
        return false;
    std::vector<fs::path> inner = Components(Resolved(path));
    std::vector<fs::path> outer = Components(Resolved(root));
    if (outer.empty() || inner.size() < outer.size())
        return false;
    for (size_t i = 0; i < outer.size(); ++i) {
        if (inner[i] != outer[i])
            return false;
    }
    return true;
}

bool HasParentStep(std::wstring_view path)
{
    for (const fs::path& part : NativePath(std::wstring(path))) {
        if (part == "..")
            return true;
    }
    return false;
}

bool StaysBelow(std::wstring_view relative)
{
    return (relative.empty() || relative.front() != L'/') && !HasParentStep(relative);
}
