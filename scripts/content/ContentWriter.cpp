#include "ContentWriter.h"

#include "platform/Check.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"

#include <filesystem>

std::wstring ContentWriter::Path(const std::wstring& relative) const
{
    return PathAppend(m_root, relative);
}

std::wstring ContentWriter::Stored(const std::wstring& relative)
{
    return PathAppend(L"%CONTENT%", relative);
}

HRESULT ContentWriter::MakeFolderFor(const std::wstring& relative) const
{
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(WideToUtf8(Path(relative))).parent_path(), error);
    if (error) {
        LOG_HR(E_FAIL, ("cannot make the folder of " + WideToUtf8(relative)).c_str());
        return E_FAIL;
    }
    return S_OK;
}

HRESULT ContentWriter::Save(const BgraImage& picture, const std::wstring& relative) const
{
    CHECK_HR(MakeFolderFor(relative));
    CHECK_HR(SaveImageFile(picture, Path(relative)));
    return S_OK;
}

HRESULT ContentWriter::Paint(const std::wstring& relative, int width, int height,
                             const std::function<void(Canvas&)>& paint) const
{
    Canvas canvas(width, height);
    paint(canvas);
    return Save(canvas.Image(), relative);
}

std::wstring ContentWriter::ScenePath(int number, bool wide)
{
    return L"Overlays/Samples/Scene" + std::to_wstring(number) +
           (wide ? L"_16x9.png" : L"_4x3.png");
}
