// Subpictures of a menu made by hand: the classes land exactly where the highlighted parts of
// its button are, the disc files have the disc's size and shape, and the previews show the
// colours of each state.
#include "SubpictureTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/SubPicture.h"

#include "platform/KVUTimer.h"
#include "platform/StringConv.h"
#include "support/ErrorStackText.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 720;
constexpr int kHeight = 480;

class Subpicture : public SubpictureTest
{
protected:
    explicit Subpicture(bool wide = false) : SubpictureTest(wide) {}

    BgraImage Render(int width = kWidth, int height = kHeight)
    {
        BYTE* pixels = nullptr;
        EXPECT_EQ(S_OK, GetSubpicture_32(m_menu, nullptr, &pixels, width, height))
            << KVUGetErrorStackText();
        TaskBlock owned(pixels);
        BgraImage picture;
        if (pixels) {
            EXPECT_EQ(S_OK, BgraImage::FromBuffer(pixels, width, height, picture));
        }
        return picture;
    }

    // Every pixel of the picture that the test does not pass is reported (the first few).
    static int CountFailing(const BgraImage& picture, const std::function<bool(int, int)>& test)
    {
        int failing = 0;
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                if (test(x, y))
                    continue;
                if (++failing <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is 0x" << std::hex
                                  << picture.PixelAt(x, y);
            }
        }
        return failing;
    }

    static RECT Inner(const RECT& rect) { return Grown(rect, -1); }

    RECT Pixels(IDSMenuElement* element) const
    {
        return PixelsOf(ExtentOf(element), kWidth, kHeight);
    }

    void SetDisc(TVStandard standard, VideoResolution resolution)
    {
        ASSERT_EQ(S_OK, m_project->put_TVStandard(standard));
        ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(m_project.p)->put_VideoResolution(resolution));
    }
};

TEST_F(Subpicture, HoldsTheClassesOfTheHighlightedPartsAndNothingElse)
{
    BgraImage picture = Render();
    ASSERT_FALSE(picture.Empty());
    ASSERT_EQ(S_OK, SaveImageFile(picture, m_folder.File("subpicture.png")));
    RECT region = Pixels(m_region);
    RECT boxed = Pixels(m_boxed);
    RECT copy = Pixels(m_picture);
    RECT label = Pixels(m_label);
    // Regions are wholly pattern; the picture shows its own (green) class.
    EXPECT_EQ(0, CountFailing(picture, [&](int x, int y) {
                  if (Holds(Inner(region), x, y) || Holds(Inner(boxed), x, y))
                      return picture.PixelAt(x, y) == kSubpictureRed;
                  if (Holds(Inner(copy), x, y))
                      return picture.PixelAt(x, y) == kSubpictureGreen;
                  return true;
              }));
    // The label's glyphs are pattern inside its box; outside every highlighted part there is
    // nothing, and the part that is not highlighted left no trace.
    int glyphs = 0;
    EXPECT_EQ(0, CountFailing(picture, [&](int x, int y) {
                  DWORD pixel = picture.PixelAt(x, y);
                  if (Holds(Grown(label, 1), x, y)) {
                      glyphs += pixel == kSubpictureRed ? 1 : 0;
                      return pixel == kSubpictureRed || pixel == 0;
                  }
                  return pixel == 0 || Holds(Grown(region, 1), x, y) ||
                         Holds(Grown(boxed, 1), x, y) || Holds(Grown(copy, 1), x, y);
              }));
    EXPECT_GT(glyphs, 200);
    // The glyphs stand where the text is drawn: centred in its box, so its middle is inked
    // and its ends are not.
    RECT middle{label.left + 30, label.top, label.right - 30, label.bottom};
    int inMiddle = 0;
    for (int y = middle.top; y < middle.bottom; ++y)
        for (int x = middle.left; x < middle.right; ++x)
            inMiddle += picture.PixelAt(x, y) == kSubpictureRed ? 1 : 0;
    EXPECT_EQ(inMiddle, glyphs);
}

TEST_F(Subpicture, FadedAndLateHighlightsAreThereFromTheStartAtFullStrength)
{
    // A label at a fifth of its strength would reduce to nothing; a picture shown from the
    // second second on would be missing from the first frame.
    ASSERT_EQ(S_OK, m_label->put_Opacity(0.2f));
    ASSERT_EQ(S_OK, m_picture->SetEffectInterval(2.0, 5.0));
    BgraImage picture = Render();
    RECT label = Pixels(m_label);
    int glyphs = 0;
    for (int y = label.top; y < label.bottom; ++y)
        for (int x = label.left; x < label.right; ++x)
            glyphs += picture.PixelAt(x, y) == kSubpictureRed ? 1 : 0;
    EXPECT_GT(glyphs, 200);
    RECT copy = Pixels(m_picture);
    EXPECT_EQ(picture.PixelAt((copy.left + copy.right) / 2, (copy.top + copy.bottom) / 2),
              kSubpictureGreen);
}

TEST_F(Subpicture, APalMenuOf704IsWrittenAs720WithTransparentBandsAndNoLetterboxFor4x3)
{
    SetDisc(TVStandard_PAL, VideoResolution(2));
    // The region reaches the left edge, so that the band beside it is seen to stay empty.
    ASSERT_EQ(S_OK, m_button->SetPosition(-0.8f, kButtonY));
    std::wstring file = m_folder.File("MenuSPU_pal.png");
    BSTR letterbox = nullptr;
    ASSERT_EQ(S_OK, GenerateSubPictureFiles(m_menu, nullptr, file.c_str(), &letterbox))
        << KVUGetErrorStackText();
    EXPECT_EQ(letterbox, nullptr);
    BgraImage written;
    ASSERT_EQ(S_OK, LoadImageFile(file, written));
    ASSERT_EQ(written.Width(), 720);
    ASSERT_EQ(written.Height(), 576);
    RECT region = PixelsOf(ExtentOf(m_region), 704, 576);
    ASSERT_LE(region.left, 0);
    for (int y = 0; y < 576; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(written.PixelAt(x, y), 0u) << x << "," << y;
            ASSERT_EQ(written.PixelAt(719 - x, y), 0u) << x << "," << y;
        }
    }
    int middleY = (region.top + region.bottom) / 2;
    EXPECT_EQ(written.PixelAt(8, middleY), kSubpictureRed);
    EXPECT_EQ(written.PixelAt(8 + region.right - 2, middleY), kSubpictureRed);
    EXPECT_EQ(written.PixelAt(8 + region.right + 2, middleY), 0u);
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find("_ltrbx"), std::string::npos);
}

class WideSubpicture : public Subpicture
{
protected:
    WideSubpicture() : Subpicture(true) {}
};

TEST_F(WideSubpicture, A16x9MenuAtFullWidthWritesItsLetterboxPictureBeside)
{
    SetDisc(TVStandard_NTSC, VideoResolution(1));
    std::wstring file = m_folder.File("wide.png");
    CComBSTR letterbox;
    ASSERT_EQ(S_OK, GenerateSubPictureFiles(m_menu, nullptr, file.c_str(), &letterbox))
        << KVUGetErrorStackText();
    // At full width the picture is written as rendered, without bands.
    BgraImage written;
    ASSERT_EQ(S_OK, LoadImageFile(file, written));
    ASSERT_EQ(written.Width(), 720);
    ASSERT_EQ(written.Height(), 480);
    BgraImage rendered = Render();
    for (int y = 0; y < 480; y += 3)
        for (int x = 0; x < 720; x += 3)
            ASSERT_EQ(written.PixelAt(x, y), rendered.PixelAt(x, y)) << x << "," << y;
    EXPECT_EQ(letterbox.Str(), m_folder.File("wide_ltrbx.png"));
    BgraImage squeezed;
    ASSERT_EQ(S_OK, LoadImageFile(letterbox.Str(), squeezed));
    ASSERT_EQ(squeezed.Height(), 480);
    // Bands of 60 rows above and below; the region is squeezed to three quarters between.
    EXPECT_EQ(squeezed.PixelAt(360, 30), 0u);
    RECT region = Pixels(m_region);
    int x = (region.left + region.right) / 2;
    int y = 60 + (region.top + region.bottom) / 2 * 3 / 4;
    EXPECT_EQ(squeezed.PixelAt(x, y), kSubpictureRed);
}

TEST_F(Subpicture, PreviewsShowEachStatesColoursInsideTheButton)
{
    PaletteEntry palette[kPaletteEntries] = {};
    palette[3] = {0x11, 0x22, 0x33};
    palette[5] = {0x44, 0x55, 0x66};
    palette[7] = {0x77, 0x88, 0x99};
    palette[9] = {0xAA, 0xBB, 0xCC};
    ASSERT_EQ(S_OK, m_menu->SetPalette(palette));
    // Red (the pattern) and green carry colours; white and blue stay at index 0.
    const BYTE normal[8] = {3, 0, 0, 0, 5, 0, 0, 0};
    const BYTE selected[8] = {3, 7, 0, 0, 5, 15, 0, 0};
    const BYTE activated[8] = {7, 15, 0, 0, 9, 7, 0, 0};
    ASSERT_EQ(S_OK, m_menu->SetSubpictureColours(SPU_Normal, normal, nullptr));
    ASSERT_EQ(S_OK, m_menu->SetSubpictureColours(SPU_Scheme1, selected, activated));
    ASSERT_EQ(S_OK, m_button->put_ColourScheme(SPU_Scheme1));
    // A second button that no highlight reaches, and text outside every button.
    CComPtr<IDSMenuButton> empty = AddButton(m_menu);
    ASSERT_EQ(S_OK, empty->SetPosition(-0.6f, -0.6f));

    CKVUTimer::ClearRecentScopes();
    BYTE* pNormal = nullptr;
    BYTE* pSelected = nullptr;
    BYTE* pActivated = nullptr;
    ASSERT_EQ(S_OK, GenerateSubPictureForPreview(m_menu, nullptr, kWidth, kHeight, &pNormal,
                                                 &pSelected, &pActivated))
        << KVUGetErrorStackText();
    TaskBlock n(pNormal), s(pSelected), a(pActivated);
    BYTE* buffers[3] = {pNormal, pSelected, pActivated};
    BgraImage states[3];
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(S_OK, BgraImage::FromBuffer(buffers[i], kWidth, kHeight, states[i]));
    BgraImage classes = Render();
    FloatRect active{};
    ASSERT_EQ(S_OK, CDSMenuUtils::GetActiveRegion(m_button, &active));
    RECT button{};
    ASSERT_EQ(S_OK, CDSMenuUtils::ConvertToRect(button, active, kWidth, kHeight));
    const DWORD red[3] = {0x00112233, 0x7F112233, 0xFF778899};
    const DWORD green[3] = {0x00445566, 0xFF445566, 0x7FAABBCC};
    int patterned = 0;
    for (int state = 0; state < 3; ++state) {
        EXPECT_EQ(0, CountFailing(states[state],
                                  [&](int x, int y) {
                                      DWORD cls = classes.PixelAt(x, y);
                                      DWORD shown = states[state].PixelAt(x, y);
                                      bool inside = x >= button.left && x <= button.right &&
                                                    y >= button.top && y <= button.bottom;
                                      if (!inside || cls == 0)
                                          return shown == cls;
                                      patterned += state == 0 && cls == kSubpictureRed ? 1 : 0;
                                      return shown ==
                                             (cls == kSubpictureRed ? red[state] : green[state]);
                                  }))
            << "state " << state;
    }
    EXPECT_GT(patterned, 1000);

    std::vector<std::string> scopes;
    for (const CKVUTimer::Record& record : CKVUTimer::RecentScopes())
        scopes.push_back(record.label);
    for (const char* probe :
         {"CreateOverlaySPUElement()", "CreateTextSPUElement()", "CreateSubPictureProduction()",
          "GetSubpicture32()", "GenerateSubpictureForPreview()"})
        EXPECT_NE(std::find(scopes.begin(), scopes.end(), probe), scopes.end()) << probe;
}

TEST_F(Subpicture, RefusalsLeaveNoBuffersBehind)
{
    BYTE* pixels = reinterpret_cast<BYTE*>(this);
    EXPECT_EQ(E_POINTER, GetSubpicture_32(m_project, nullptr, &pixels, kWidth, kHeight));
    EXPECT_EQ(pixels, nullptr);
    EXPECT_TRUE(StackHolds(L"(IDSMenu*)spMenu"));
    EXPECT_EQ(E_POINTER, GetSubpicture_32(m_menu, nullptr, nullptr, kWidth, kHeight));
    EXPECT_EQ(E_POINTER, GenerateSubPictureFiles(nullptr, nullptr, L"x.png", nullptr));
    EXPECT_EQ(E_POINTER, GenerateSubPictureFiles(m_menu, nullptr, nullptr, nullptr));
    // A file that cannot be written: the failure comes back, and the rendered picture is freed
    // (the leak checker of the test build would tell).
    std::wstring unwritable = m_folder.File("missing-folder/MenuSPU.png");
    HRESULT saved = GenerateSubPictureFiles(m_menu, nullptr, unwritable.c_str(), nullptr);
    EXPECT_TRUE(FAILED(saved));
    EXPECT_TRUE(StackHolds(L"SaveImage_32"));
    EXPECT_FALSE(fs::exists(fs::path(unwritable)));

    // A size of no pixels fails the preview as a whole.
    BYTE* pNormal = nullptr;
    BYTE* pSelected = nullptr;
    BYTE* pActivated = nullptr;
    HRESULT hr = GenerateSubPictureForPreview(m_menu, nullptr, 0, kHeight, &pNormal, &pSelected,
                                              &pActivated);
    EXPECT_EQ(hr, E_INVALIDARG);
    EXPECT_TRUE(StackHolds(L"GetSubpicture_32"));
    EXPECT_EQ(pNormal, nullptr);
    EXPECT_EQ(pSelected, nullptr);
    EXPECT_EQ(pActivated, nullptr);
    EXPECT_EQ(E_POINTER, GenerateSubPictureForPreview(m_menu, nullptr, kWidth, kHeight, nullptr,
                                                      &pSelected, &pActivated));
}

} // namespace
