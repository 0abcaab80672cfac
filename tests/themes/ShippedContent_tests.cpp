// The content shipped with the library: every theme and button style loads through the object
// model, holds what menus are made from, and renders through the engine with its buttons and
// texts where its templates put them. Each theme's templates are also written, rendered, to
// PNG files under the build tree (DSUTILS_CONTENT_PREVIEWS) for people to look at.
#include "dsutils/DSButtonStyleInfo.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/IDSEncodingParams.h"
#include "model/IDSProjectFile.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionData.h"
#include "model/ModelClasses.h"
#include "platform/Image.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "platform/TaskMemory.h"
#include "support/FrameGrab.h"
#include "support/ProjectTest.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

struct PixelRect
{
    int left, top, right, bottom;
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
    bool Holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

int Distance(DWORD a, DWORD b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

DWORD ArgbOf(COLORREF colour)
{
    return MakeArgb(0xFF, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

class ShippedContent : public ProjectTest
{
protected:
    void SetUp() override { FlushButtonStyleCache(); }
    void TearDown() override { FlushButtonStyleCache(); }

    static std::vector<std::wstring> FilesIn(CDSFileUtils::DirectoryType folder,
                                             const wchar_t* pattern)
    {
        CDSFileUtils files;
        CComBSTR directory;
        EXPECT_EQ(S_OK, files.GetDirectory(folder, nullptr, directory));
        std::vector<std::wstring> found;
        CComBSTR file;
        HRESULT hr = files.FindFile(PathAppend(directory.Str(), pattern).c_str(), &file);
        while (SUCCEEDED(hr)) {
            found.push_back(file.Str());
            file.Empty();
            hr = files.FindNextFileW(&file);
        }
        return found;
    }

    static std::vector<std::wstring> Themes(bool wide)
    {
        return FilesIn(wide ? CDSFileUtils::DirThemes16x9 : CDSFileUtils::DirThemes4x3, L"*.dmsd");
    }

    static std::vector<std::wstring> AllThemes()
    {
        std::vector<std::wstring> themes = Themes(false);
        for (std::wstring& theme : Themes(true))
            themes.push_back(std::move(theme));
        return themes;
    }

    static bool IsWide(const std::wstring& theme) { return theme.find(L"/16x9/") != theme.npos; }

    static CComPtr<IDSProjectData> LoadTheme(const std::wstring& path)
    {
        CComPtr<IDSProjectFile> files;
        EXPECT_EQ(S_OK, files.CoCreateInstance(CLSID_CDSProjectFile));
        CComPtr<IDSProjectData> theme = NewProject();
        EXPECT_EQ(S_OK, files->LoadProject(CComBSTR(path), theme)) << KVUGetErrorStackText();
        return theme;
    }

    static CComPtr<IDSMenu> Template(IDSProjectData* theme, ULONG tag)
    {
        std::vector<CComPtr<IDSMenu>> templates = GetMenuList(theme, tag);
        EXPECT_EQ(templates.size(), 1u) << "templates tagged " << tag;
        return templates.empty() ? nullptr : templates.front();
    }

    // The elements of one interface among those of a holder that match a mask.
    template <class T> static std::vector<CComPtr<T>> ElementsOf(IUnknown* holder, ULONG mask)
    {
        std::vector<CComPtr<T>> found;
        for (const CComPtr<IDSMenuElement>& element : GetElementList(holder, mask)) {
            if (CComQIPtr<T> typed{element.p})
                found.push_back(CComPtr<T>(typed.p));
        }
        return found;
    }

    static std::vector<CComPtr<IDSMenuText>> Texts(IUnknown* holder, ULONG mask)
    {
        return ElementsOf<IDSMenuText>(holder, mask);
    }

    static std::vector<CComPtr<IDSMenuOverlay>> Overlays(IUnknown* holder, ULONG mask)
    {
        return ElementsOf<IDSMenuOverlay>(holder, mask);
    }

    static std::wstring LabelOf(IDSMenuElement* element)
    {
        CComBSTR label;
        EXPECT_EQ(S_OK, element->get_Label(&label));
        return label.Str();
    }

    static SIZE FrameSize(const std::wstring& theme)
    {
        if (theme.find(L"/HD_") != theme.npos)
            return SIZE{1280, 720};
        return IsWide(theme) ? SIZE{854, 480} : SIZE{640, 480};
    }

    static BgraImage Render(IUnknown* production, SIZE size)
    {
        CComPtr<IKVEGraphManager> graph;
        EXPECT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
        EXPECT_EQ(S_OK, graph->SetProduction(production));
        BYTE* pixels = nullptr;
        EXPECT_EQ(S_OK, graph->ExtractThumbnail(1.0, size, &pixels));
        BgraImage frame;
        if (pixels) {
            EXPECT_EQ(S_OK, BgraImage::FromBuffer(pixels, size.cx, size.cy, frame));
        }
        CoTaskMemFree(pixels);
        return frame;
    }

    static BgraImage RenderMenu(IDSMenu* menu, SIZE size)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, menu->GetProduction(&production));
        return Render(production, size);
    }

    // The menu's background alone, in a production of the shape of the menu's.
    static BgraImage RenderBackground(IDSMenu* menu, SIZE size)
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, MenuBackgroundProduction(menu, production));
        return Render(production, size);
    }

    static PixelRect PixelsOf(IDSMenuElement* element, SIZE size)
    {
        FloatRect extent{};
        EXPECT_EQ(S_OK, element->GetExtent(&extent));
        return {int(std::lround((extent.left + 1) / 2 * size.cx)),
                int(std::lround((1 - extent.top) / 2 * size.cy)),
                int(std::lround((extent.right + 1) / 2 * size.cx)),
                int(std::lround((1 - extent.bottom) / 2 * size.cy))};
    }

    // The pixels of a rectangle that show a colour (within a tolerance) where the background
    // does not.
    static int InkOf(const BgraImage& frame, const BgraImage& background, const PixelRect& rect,
                     DWORD colour)
    {
        int ink = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                ink += Distance(frame.PixelAt(x, y), colour) <= 24 &&
                               Distance(background.PixelAt(x, y), colour) > 24
                           ? 1
                           : 0;
            }
        }
        return ink;
    }

    // The share of a rectangle's pixels that the frame shows clearly apart from the background.
    static double ChangedShare(const BgraImage& frame, const BgraImage& background,
                               const PixelRect& rect)
    {
        int changed = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                changed += Distance(frame.PixelAt(x, y), background.PixelAt(x, y)) > 6 ? 1 : 0;
        int area = std::max(1, (rect.right - rect.left) * (rect.bottom - rect.top));
        return double(changed) / area;
    }

    // The smallest distance of a colour from the pixels around a point, so that a sharp edge
    // of a stretched picture lying a pixel away does not count.
    static int NearestDistance(const BgraImage& frame, int x, int y, DWORD colour)
    {
        int nearest = 255;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                nearest = std::min(nearest, Distance(frame.PixelAt(x + dx, y + dy), colour));
        return nearest;
    }

    static void WritePreview(const BgraImage& frame, const std::wstring& theme, const char* kind)
    {
        fs::path folder = DSUTILS_CONTENT_PREVIEWS;
        fs::create_directories(folder);
        std::string name = (IsWide(theme) ? "16x9_" : "4x3_") +
                           fs::path(WideToUtf8(theme)).stem().string() + "_" + kind + ".png";
        EXPECT_EQ(S_OK, SaveImageFile(frame, (folder / name).wstring()));
    }

    // Renders a template and checks, on pixels, that its buttons and texts show where it puts
    // them and that nothing shows elsewhere.
    static void CheckRendering(IDSMenu* menu, const std::wstring& theme, const char* kind)
    {
        SIZE size = FrameSize(theme);
        BgraImage frame = RenderMenu(menu, size);
        BgraImage background = RenderBackground(menu, size);
        ASSERT_FALSE(frame.Empty());
        ASSERT_FALSE(background.Empty());
        WritePreview(frame, theme, kind);
        std::vector<PixelRect> drawn;
        for (const CComPtr<IDSMenuText>& title : Texts(menu, kAllTags))
            CheckText(frame, background, title, size, drawn);
        for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, kAllTags))
            CheckButton(frame, background, button, size, drawn);
        CheckNothingElse(frame, background, drawn);
    }

    static void CheckText(const BgraImage& frame, const BgraImage& background, IDSMenuText* text,
                          SIZE size, std::vector<PixelRect>& drawn)
    {
        COLORREF face = 0;
        ASSERT_EQ(S_OK, text->GetColor(TextColour_Face, &face));
        PixelRect rect = PixelsOf(text, size);
        EXPECT_GE(InkOf(frame, background, rect, ArgbOf(face)), 8)
            << "text \"" << WideToUtf8(LabelOf(text)) << "\"";
        drawn.push_back(rect);
    }

    static void CheckButton(const BgraImage& frame, const BgraImage& background,
                            IDSMenuButton* button, SIZE size, std::vector<PixelRect>& drawn)
    {
        for (const CComPtr<IDSMenuOverlay>& thumbnail : Overlays(button, OverlayType_Thumbnail)) {
            CheckThumbnail(frame, thumbnail, size);
        }
        for (const CComPtr<IDSMenuOverlay>& overlay : Overlays(button, kAllTags)) {
            PixelRect rect = PixelsOf(overlay, size);
            EXPECT_GT(ChangedShare(frame, background, rect), 0.4)
                << "overlay of button " << GetID(button);
            drawn.push_back(rect);
        }
        for (const CComPtr<IDSMenuText>& label : Texts(button, kAllTags))
            CheckText(frame, background, label, size, drawn);
    }

    // The thumbnail shows its picture, stretched over its extent.
    static void CheckThumbnail(const BgraImage& frame, IDSMenuOverlay* thumbnail, SIZE size)
    {
        CComBSTR source;
        ASSERT_EQ(S_OK, thumbnail->get_Source(&source));
        BgraImage picture;
        ASSERT_EQ(S_OK, LoadImageFile(ResolveContentPath(source.Str()), picture));
        PixelRect rect = PixelsOf(thumbnail, size);
        for (double fx : {0.25, 0.5, 0.75}) {
            for (double fy : {0.25, 0.5, 0.75}) {
                DWORD expected =
                    picture.PixelAt(int(fx * picture.Width()), int(fy * picture.Height()));
                int x = rect.left + int(fx * (rect.right - rect.left));
                int y = rect.top + int(fy * (rect.bottom - rect.top));
                EXPECT_LE(NearestDistance(frame, x, y, expected), 24)
                    << "thumbnail at " << x << "," << y;
            }
        }
    }

    // Away from every element, the frame is the background.
    static void CheckNothingElse(const BgraImage& frame, const BgraImage& background,
                                 const std::vector<PixelRect>& drawn)
    {
        int checked = 0;
        for (int y = 2; y < frame.Height(); y += 8) {
            for (int x = 2; x < frame.Width(); x += 8) {
                bool near = std::any_of(drawn.begin(), drawn.end(), [&](const PixelRect& r) {
                    return PixelRect{r.left - 3, r.top - 3, r.right + 3, r.bottom + 3}.Holds(x, y);
                });
                if (near)
                    continue;
                ++checked;
                ASSERT_LE(Distance(frame.PixelAt(x, y), background.PixelAt(x, y)), 2)
                    << "stray pixel at " << x << "," << y;
            }
        }
        EXPECT_GT(checked, 500);
    }
};

TEST_F(ShippedContent, MandatoryPicturesAreThereUnderEitherSpelling)
{
    BgraImage pattern;
    ASSERT_EQ(S_OK, LoadImageFile(ResolveContentPath(L"%CONTENT%/DVD/MANDATORY/SP_Pattern.png"),
                                  pattern));
    for (int y = 0; y < pattern.Height(); y += 7)
        for (int x = 0; x < pattern.Width(); x += 7)
            ASSERT_EQ(pattern.PixelAt(x, y), 0xFFFF0000u);
    BgraImage placeHolder;
    ASSERT_EQ(S_OK, LoadImageFile(ResolveContentPath(L"%CONTENT%/DVD/Mandatory/PlaceHolder.png"),
                                  placeHolder));
    EXPECT_EQ(placeHolder.Width(), 720);
    EXPECT_NE(placeHolder.PixelAt(2, 2), placeHolder.PixelAt(360, 240));
    BgraImage mask;
    ASSERT_EQ(S_OK,
              LoadImageFile(ResolveContentPath(L"%CONTENT%/Overlays/Masks/Wide_mask.png"), mask));
    EXPECT_EQ(mask.Width() * 9, mask.Height() * 16);
    EXPECT_EQ(mask.PixelAt(mask.Width() / 2, mask.Height() / 2), 0xFFFFFFFFu);
    EXPECT_LT(mask.PixelAt(0, 0) & 0xFF, 40u);

    // One folder serves both spellings.
    int mandatory = 0;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(WideToUtf8(ContentFolder())) / "DVD"))
        mandatory += CompareNoCase(Utf8ToWide(entry.path().filename().string()), L"mandatory") == 0;
    EXPECT_EQ(mandatory, 1);
}

TEST_F(ShippedContent, EachAspectShipsThemesAndHighDefinitionHasItsOwn)
{
    EXPECT_GE(Themes(false).size(), 2u);
    size_t hd = 0;
    size_t sd = 0;
    for (const std::wstring& theme : Themes(true)) {
        bool isHd = fs::path(WideToUtf8(theme)).filename().string().rfind("HD_", 0) == 0;
        (isHd ? hd : sd) += 1;
        EXPECT_EQ(isHd, IsHDProject(LoadTheme(theme))) << WideToUtf8(theme);
    }
    EXPECT_GE(sd, 2u);
    EXPECT_GE(hd, 1u);
    for (const std::wstring& theme : AllThemes()) {
        CComQIPtr<IDSEncodingParams> encoding(LoadTheme(theme).p);
        AspectRatio aspect = AspectRatio_4x3;
        ASSERT_EQ(S_OK, encoding->get_AspectRatio(&aspect));
        EXPECT_EQ(aspect, IsWide(theme) ? AspectRatio_16x9 : AspectRatio_4x3) << WideToUtf8(theme);
    }
}

TEST_F(ShippedContent, EveryThemeHoldsTheTemplatesMenusAreMadeFrom)
{
    for (const std::wstring& theme : AllThemes()) {
        SCOPED_TRACE(WideToUtf8(theme));
        CComPtr<IDSProjectData> project = LoadTheme(theme);
        CComPtr<IDSMenu> main = Template(project, MenuType_MainTemplate);
        CComPtr<IDSMenu> chapter = Template(project, MenuType_ChapterTemplate);
        ASSERT_TRUE(main && chapter);
        // The templates form a ring.
        EXPECT_EQ(GetTemplateID(main), GetID(chapter));
        EXPECT_EQ(GetTemplateID(chapter), GetID(main));
        for (IDSMenu* menu : {main.p, chapter.p}) {
            SCOPED_TRACE(GetID(menu));
            EXPECT_EQ(Texts(menu, kAllTags).size(), 1u);
            CComBSTR background;
            ASSERT_EQ(S_OK, menu->get_Background(&background));
            EXPECT_TRUE(fs::is_regular_file(WideToUtf8(ResolveContentPath(background.Str()))));
            for (ULONG type : {ButtonType_Next, ButtonType_Prev, ButtonType_Up, ButtonType_Home})
                EXPECT_EQ(GetButtonList(menu, type).size(), 1u) << "navigation " << type;
            std::vector<CComPtr<IDSMenuButton>> commands = GetButtonList(menu, ButtonType_Command);
            EXPECT_GE(commands.size(), 1u);
            for (const CComPtr<IDSMenuButton>& button : commands) {
                EXPECT_EQ(Overlays(button, OverlayType_Thumbnail).size(), 1u);
                EXPECT_EQ(Texts(button, TextType_Label).size(), 1u);
            }
        }
        std::vector<std::wstring> ranges;
        for (const CComPtr<IDSMenuButton>& index :
             GetButtonList(chapter, ButtonType_ChapterRange)) {
            std::vector<CComPtr<IDSMenuText>> labels = Texts(index, TextType_Label);
            ASSERT_EQ(labels.size(), 1u);
            ranges.push_back(LabelOf(labels.front()));
        }
        EXPECT_EQ(ranges, (std::vector<std::wstring>{L"1-6", L"7-12", L"13-18"}));
        EXPECT_TRUE(GetButtonList(main, ButtonType_ChapterRange).empty());
    }
}

TEST_F(ShippedContent, EveryThemeHighlightsItsButtonsVisibly)
{
    for (const std::wstring& theme : AllThemes()) {
        SCOPED_TRACE(WideToUtf8(theme));
        CComPtr<IDSProjectData> project = LoadTheme(theme);
        for (const CComPtr<IDSMenu>& menu : GetMenuList(project, kAllTags)) {
            PaletteEntry palette[kPaletteEntries];
            ASSERT_EQ(S_OK, menu->GetPalette(palette));
            for (LONG scheme = SPU_Scheme0; scheme <= SPU_Scheme2; ++scheme) {
                BYTE selected[kSubpictureColourBytes];
                BYTE activated[kSubpictureColourBytes];
                ASSERT_EQ(S_OK, menu->GetSubpictureColours(scheme, selected, activated));
                // The pattern class (bytes 0 and 1) shows in a colour that is no black.
                EXPECT_GE(selected[1], 6);
                EXPECT_GE(activated[1], 6);
                const PaletteEntry& colour = palette[selected[0]];
                EXPECT_GT(colour.red + colour.green + colour.blue, 120);
                EXPECT_TRUE(selected[0] != activated[0] || selected[1] != activated[1]);
            }
            // Every button has a part that the subpicture highlights.
            for (const CComPtr<IDSMenuButton>& button : GetButtonList(menu, kAllTags)) {
                bool highlighted = false;
                for (const CComPtr<IDSMenuElement>& part : GetElementList(button, kAllTags)) {
                    LONG mode = 0;
                    ASSERT_EQ(S_OK, part->get_Highlight(&mode));
                    highlighted = highlighted || mode != 0;
                }
                EXPECT_TRUE(highlighted) << "button " << GetID(button);
            }
        }
    }
}

TEST_F(ShippedContent, EveryThemeRendersItsElementsWhereItsTemplatesPutThem)
{
    for (const std::wstring& theme : AllThemes()) {
        SCOPED_TRACE(WideToUtf8(theme));
        CComPtr<IDSProjectData> project = LoadTheme(theme);
        CheckRendering(Template(project, MenuType_MainTemplate), theme, "main");
        CheckRendering(Template(project, MenuType_ChapterTemplate), theme, "chapter");
    }
}

TEST_F(ShippedContent, EachAspectShipsButtonStylesWithPreviewsAndALinkedOne)
{
    for (bool b4x3 : {true, false}) {
        SCOPED_TRACE(b4x3 ? "4:3" : "16:9");
        std::vector<const DSButtonStyleInfo*> styles;
        ASSERT_EQ(S_OK, GetButtonStyleInfo(styles, kAllTags, b4x3));
        EXPECT_EQ(
            styles.size(),
            FilesIn(b4x3 ? CDSFileUtils::DirButtons4x3 : CDSFileUtils::DirButtons16x9, L"*.xml")
                .size());
        EXPECT_GE(styles.size(), 4u);
        int linked = 0;
        for (const DSButtonStyleInfo* style : styles) {
            SCOPED_TRACE(WideToUtf8(style->m_strPath));
            EXPECT_FALSE(style->m_strName.empty());
            EXPECT_TRUE(IsFileButtonStyle(style->m_strPath.c_str(), b4x3));
            EXPECT_FALSE(IsFileButtonStyle(style->m_strPath.c_str(), !b4x3));
            BgraImage preview;
            EXPECT_EQ(S_OK, LoadImageFile(style->m_strPreview, preview));
            CComPtr<IXMLDOMDocument> document;
            ASSERT_EQ(S_OK, CreateXMLDocument(&document));
            VARIANT_BOOL loaded = VARIANT_FALSE;
            ASSERT_EQ(S_OK, document->load(CComVariant(style->m_strPath.c_str()), &loaded));
            CComPtr<IXMLDOMElement> root;
            ASSERT_EQ(S_OK, document->get_documentElement(&root));
            CComBSTR rootName;
            ASSERT_EQ(S_OK, root->get_tagName(&rootName));
            linked += rootName == CComBSTR(L"LinkedButton") ? 1 : 0;

            CComPtr<IDSMenuButton> button;
            ASSERT_EQ(S_OK, button.CoCreateInstance(uuidof<CDSMenuButton>()));
            ASSERT_EQ(S_OK, LoadButtonFromFile(style->m_strPath.c_str(), button));
            EXPECT_EQ(Overlays(button, OverlayType_Thumbnail).size(), 1u);
            EXPECT_EQ(Texts(button, TextType_Label).size(), 1u);
        }
        EXPECT_GE(linked, 1);
    }
}

} // namespace
