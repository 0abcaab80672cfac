#include "ButtonCatalogue.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSButtonStyleInfo.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/NativePath.h"

#include <filesystem>

using nlohmann::json;

namespace {

json PreviewEntry(const std::wstring& file)
{
    if (file.empty())
        return nullptr;
    BgraImage picture;
    bool readable = SUCCEEDED(LoadImageFile(file, picture));
    return {{"file", Utf8(file.c_str())},
            {"readable", readable},
            {"width", picture.Width()},
            {"height", picture.Height()}};
}

json StyleEntry(const DSButtonStyleInfo& style, AspectRatio aspect)
{
    json types = json::array();
    for (const DisplayName& kind : ButtonKindsOf(style.m_dwTypeMask))
        types.push_back(kind.key);
    std::wstring stem = WidePath(NativePath(style.m_strPath).stem());
    return {{"name", Utf8(stem.c_str())},
            {"title", Utf8(style.m_strName.c_str())},
            {"file", Utf8(style.m_strPath.c_str())},
            {"aspect", NameOf(aspect).key},
            {"types", types},
            {"preview", PreviewEntry(style.m_strPreview)}};
}

HRESULT FolderEntry(AspectRatio aspect, json& entry)
{
    CDSFileUtils files;
    CComBSTR folder;
    CHECK_HR(files.GetDirectory(aspect == AspectRatio_4x3 ? CDSFileUtils::DirButtons4x3
                                                          : CDSFileUtils::DirButtons16x9,
                                nullptr, folder, false));
    entry = {{"aspect", NameOf(aspect).key}, {"folder", Utf8(folder)}};
    return S_OK;
}

} // namespace

HRESULT ListButtonStyles(const std::vector<AspectRatio>& aspects, json& report)
{
    KVUClearErrorStack();
    report["folders"] = json::array();
    report["styles"] = json::array();
    for (AspectRatio aspect : aspects) {
        json folder;
        CHECK_HR_SHORT(FolderEntry(aspect, folder));
        report["folders"].push_back(folder);
        std::vector<const DSButtonStyleInfo*> styles;
        CHECK_HR(GetButtonStyleInfo(styles, kAllTags, aspect == AspectRatio_4x3));
        for (const DSButtonStyleInfo* style : styles)
            report["styles"].push_back(StyleEntry(*style, aspect));
    }
    return S_OK;
}
