#include "PictureSaving.h"

#include "RawBitmap.h"

#include "platform/Check.h"
#include "platform/DebugOutput.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Letterbox names tried before giving up: far more than deletable files a folder ever holds.
constexpr int kLetterboxAttempts = 1000;

// Where the name part of a path starts, and where its extension does (its end when none).
size_t NameStart(const std::wstring& path)
{
    size_t slash = path.find_last_of(L'/');
    return slash == std::wstring::npos ? 0 : slash + 1;
}

size_t ExtensionStart(const std::wstring& path)
{
    size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos || dot < NameStart(path) ? path.size() : dot;
}

// The file the raw bitmap writer takes for a path, or empty when it takes none.
std::wstring RawBitmapPath(const std::wstring& path)
{
    std::wstring_view extension = std::wstring_view(path).substr(ExtensionStart(path));
    if (CompareNoCase(extension, L".bmp") == 0)
        return path;
    if (std::wstring_view(path).substr(NameStart(path)).starts_with(L"MenuSPU"))
        return path + L".BMP";
    return std::wstring();
}

// Whether a new file may take the name: no file has it, or the one that has it can be
// deleted. A folder of the name is never deleted.
bool NameIsFree(const std::wstring& path)
{
    std::string native = WideToUtf8(path);
    struct stat status;
    if (::lstat(native.c_str(), &status) != 0)
        return errno == ENOENT;
    return ::unlink(native.c_str()) == 0;
}

} // namespace

HRESULT SavePicture(const BgraImage& image, const std::wstring& path, std::wstring* pWritten,
                    PictureEncoder encode)
{
    HRESULT hr = encode(image, path);
    OutputDebugStringW(KVUErrStr(L"CImage.Save %ls %x %d %d %x", path.c_str(), unsigned(hr),
                                 image.Width(), image.Height(), 0u));
    std::wstring written = path;
    if (FAILED(hr)) {
        written = RawBitmapPath(path);
        if (written.empty() ||
            FAILED(WriteRawBitmap(written, image.Data(), image.Width(), image.Height(), 32)))
            return hr;
    }
    if (pWritten)
        *pWritten = written;
    return S_OK;
}

BgraImage LetterboxOf(const BgraImage& image)
{
    int width = image.Width();
    int height = image.Height();
    int top = height / 8;
    int rows = height * 3 / 4;
    BgraImage letterbox(width, height);
    for (int row = 0; row < rows; ++row) {
        // The source row under the middle of the squeezed one.
        int source = int((int64_t(row) * 2 + 1) * height / (int64_t(rows) * 2));
        std::memcpy(letterbox.Row(top + row), image.Row(source), image.Stride());
    }
    return letterbox;
}

std::wstring LetterboxName(const std::wstring& path, int attempt)
{
    size_t extension = ExtensionStart(path);
    std::wstring suffix = attempt > 0 ? L"_ltrbx" + std::to_wstring(attempt) : L"_ltrbx";
    return path.substr(0, extension) + suffix + path.substr(extension);
}

HRESULT SaveLetterbox(const BgraImage& image, const std::wstring& path, std::wstring& written,
                      PictureEncoder encode)
{
    for (int attempt = 0; attempt < kLetterboxAttempts; ++attempt) {
        std::wstring name = LetterboxName(path, attempt);
        if (NameIsFree(name))
            return SavePicture(LetterboxOf(image), name, &written, encode);
    }
    return HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS);
}
