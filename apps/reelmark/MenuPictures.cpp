#include "MenuPictures.h"

#include "ContactSheet.h"
#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/SubPicture.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"
#include "platform/TaskMemory.h"
#include "platform/WideFormat.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

using nlohmann::json;

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;
// Pictures are shown with square pixels, 480 lines high.
constexpr int kPictureHeight = 480;
constexpr int kWidePictureWidth = 854;
// The moment of the menu that is pictured: its elements show from the first frame on.
constexpr double kPictureTime = 1.0;
constexpr const char* kStates[] = {"normal", "selected", "activated"};

// A block of the task allocator, freed on every way out.
struct TaskPixels
{
    BYTE* bytes = nullptr;
    TaskPixels() = default;
    TaskPixels(const TaskPixels&) = delete;
    TaskPixels& operator=(const TaskPixels&) = delete;
    ~TaskPixels() { CoTaskMemFree(bytes); }
};

struct Page
{
    IDSMenu* menu;
    std::string stem;
    int width;
    int height;
};

std::string FileIn(const std::wstring& folder, const std::string& name)
{
    return (NativePath(folder) / name).string();
}

HRESULT SavePixels(const BYTE* pixels, const Page& page, const std::string& file)
{
    CHECK_HR(CDSProductionUtils::SaveImage_32(pixels, page.width, page.height,
                                              Utf8ToWide(file).c_str()));
    return S_OK;
}

HRESULT WriteFrame(const Page& page, IUnknown* storyboard, BgraImage& frame,
                   const std::string& file)
{
    TaskPixels pixels;
    CHECK_HR(CDSProductionUtils::GetImage_32(storyboard, nullptr, page.width, page.height,
                                             &pixels.bytes, kPictureTime));
    CHECK_HR(BgraImage::FromBuffer(pixels.bytes, page.width, page.height, frame));
    CHECK_HR(SavePixels(pixels.bytes, page, file));
    return S_OK;
}

// The highlight of one state laid over the menu's frame, as a player shows it.
HRESULT WriteHighlight(const Page& page, const BgraImage& frame, const BYTE* highlight,
                       const std::string& file)
{
    BgraImage shown = frame;
    const DWORD* source = reinterpret_cast<const DWORD*>(highlight);
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < page.width; ++x)
            BlendPixelOver(shown.Row(y) + x * 4, source[size_t(y) * page.width + x], 255);
    }
    CHECK_HR(SavePixels(shown.Data(), page, file));
    return S_OK;
}

HRESULT WriteHighlights(const Page& page, const BgraImage& frame, const std::wstring& folder,
                        json& entry)
{
    TaskPixels states[3];
    CHECK_HR(GenerateSubPictureForPreview(page.menu, nullptr, page.width, page.height,
                                          &states[0].bytes, &states[1].bytes, &states[2].bytes));
    for (int i = 0; i < 3; ++i) {
        std::string file = FileIn(folder, page.stem + "-" + kStates[i] + ".png");
        CHECK_HR(WriteHighlight(page, frame, states[i].bytes, file));
        entry["highlights"][kStates[i]] = file;
    }
    return S_OK;
}

HRESULT WritePage(const Page& page, const std::wstring& folder, json& entry)
{
    CComPtr<IUnknown> storyboard;
    CHECK_HR(CDSMenuUtils::ResolveMenuProduction(page.menu, &storyboard, true));
    BgraImage frame;
    entry["picture"] = FileIn(folder, page.stem + ".png");
    CHECK_HR(WriteFrame(page, storyboard, frame, entry["picture"]));
    entry["subpicture"] = FileIn(folder, page.stem + "-subpicture.png");
    CHECK_HR(GenerateSubPictureFiles(
        page.menu, nullptr, Utf8ToWide(entry["subpicture"].get<std::string>()).c_str(), nullptr));
    CHECK_HR(WriteHighlights(page, frame, folder, entry));
    return S_OK;
}

std::string PageStem(size_t index, ULONG tag)
{
    char number[16];
    std::snprintf(number, sizeof(number), "%02zu-", index + 1);
    return number + MenuKindOf(tag).key;
}

HRESULT WriteSheet(const json& pages, const std::wstring& folder, json& report)
{
    report["contactSheet"] = nullptr;
    if (pages.empty())
        return S_OK;
    std::vector<SheetEntry> entries;
    for (const json& page : pages) {
        std::string label =
            page["stem"].get<std::string>() + "  " + page["name"].get<std::string>();
        entries.push_back({Utf8ToWide(page["picture"].get<std::string>()), Utf8ToWide(label)});
    }
    std::string sheet = FileIn(folder, "contact-sheet.png");
    CHECK_HR(WriteContactSheet(entries, Utf8ToWide(sheet)));
    report["contactSheet"] = sheet;
    return S_OK;
}

} // namespace

std::vector<CComPtr<IDSMenu>> PicturedPages(IDSProjectData* project)
{
    std::vector<CComPtr<IDSMenu>> menus = GetMenuList(project, MenuType_Main | MenuType_Chapter);
    std::erase_if(menus, [](const CComPtr<IDSMenu>& menu) { return GetTag(menu) & kTemplateTags; });
    return menus;
}

HRESULT WriteMenuPictures(IDSProjectData* project, const std::wstring& folder,
                          const std::function<void()>& onPage, json& report)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    int width = IsAspectRatio16x9(project) ? kWidePictureWidth : kPictureHeight * 4 / 3;
    std::vector<CComPtr<IDSMenu>> pages = PicturedPages(project);
    report["pages"] = json::array();
    for (size_t i = 0; i < pages.size(); ++i) {
        ULONG tag = GetTag(pages[i]);
        Page page{pages[i], PageStem(i, tag), width, kPictureHeight};
        json entry = {{"id", GetID(pages[i])},
                      {"name", Utf8(GetDisplayName(pages[i], nullptr))},
                      {"kind", MenuKindOf(tag).key},
                      {"stem", page.stem},
                      {"width", width},
                      {"height", kPictureHeight}};
        HRESULT hr = WritePage(page, folder, entry);
        if (FAILED(hr)) {
            KVUReportError(KVUErrStr(L"The menu page %ls could not be pictured\n",
                                     Utf8ToWide(page.stem).c_str()));
            return hr;
        }
        report["pages"].push_back(entry);
        onPage();
    }
    CHECK_HR_SHORT(WriteSheet(report["pages"], folder, report));
    return S_OK;
}

void PrintMenuPictures(const json& report, std::ostream& out)
{
    out << "Pictured " << report["pages"].size() << " menu pages";
    if (!report["contactSheet"].is_null())
        out << "; all of them at a glance: " << report["contactSheet"].get<std::string>();
    out << '\n';
    for (const json& page : report["pages"]) {
        out << "  " << page["picture"].get<std::string>() << "  " << LabelOf(page["kind"]) << " "
            << Quoted(page["name"].get<std::string>())
            << ", with its subpicture and normal, selected and activated highlights\n";
    }
}
