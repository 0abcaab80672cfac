// Makes the shipped content: the pictures the library names, the sample scenes of thumbnails,
// the themes and the button styles. Run it with the content folder to write:
//
//     make_content content
//
// (`make content` at the repository root does this). Everything is drawn and built from the
// source here, without the clock or random numbers, so running it again gives the same files.
#include "ButtonStyleBuilder.h"
#include "ContentWriter.h"
#include "SharedPictures.h"
#include "ThemeBuilder.h"
#include "ThemeLooks.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/Xml.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

HRESULT MakeSharedPictures(const ContentWriter& out)
{
    CHECK_HR(out.Paint(L"DVD/Mandatory/PlaceHolder.png", 720, 480, PaintPlaceHolder));
    CHECK_HR(out.Paint(L"DVD/Mandatory/SP_Pattern.png", 320, 240, PaintPattern));
    CHECK_HR(out.Paint(L"Overlays/Masks/Wide_mask.png", 320, 180, PaintWideMask));
    for (int number = 1; number <= kSampleScenes; ++number) {
        auto paint = [number](Canvas& canvas) { PaintScene(number - 1, canvas); };
        CHECK_HR(out.Paint(ContentWriter::ScenePath(number, false), 256, 192, paint));
        CHECK_HR(out.Paint(ContentWriter::ScenePath(number, true), 320, 180, paint));
    }
    return S_OK;
}

// The themes, then the button styles of each aspect, whose linked style names the first
// command button of the aspect's first theme.
HRESULT MakeThemesAndStyles(const ContentWriter& out)
{
    const ThemeLook* first[2] = {nullptr, nullptr};
    LONG button[2] = {0, 0};
    for (const ThemeLook& look : ShippedLooks()) {
        LONG id = 0;
        CHECK_HR(MakeTheme(look, out, id));
        std::printf("theme %s\n", WideToUtf8(ThemeFile(look)).c_str());
        if (!first[look.wide]) {
            first[look.wide] = &look;
            button[look.wide] = id;
        }
    }
    for (bool wide : {false, true}) {
        CHECK_NULL(first[wide]);
        CHECK_HR(MakeButtonStyles(wide, out, first[wide]->file, button[wide]));
        std::printf("button styles %s/Button\n", WideToUtf8(AspectFolder(wide)).c_str());
    }
    return S_OK;
}

HRESULT RegisterClasses()
{
    CHECK_HR(RegisterXmlClasses());
    CHECK_HR(RegisterMediaEngineClasses());
    CHECK_HR(RegisterObjectModelClasses());
    return S_OK;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <content folder>\n", argv[0]);
        return 2;
    }
    std::filesystem::path root = std::filesystem::absolute(argv[1]);
    // The pictures are named through "%CONTENT%", which must find the ones just made.
    setenv("REELMARK_CONTENT", root.c_str(), 1);
    ContentWriter out(Utf8ToWide(root.string()));
    HRESULT hr = RegisterClasses();
    if (SUCCEEDED(hr))
        hr = MakeSharedPictures(out);
    if (SUCCEEDED(hr))
        hr = MakeThemesAndStyles(out);
    RevokeObjectModelClasses();
    if (FAILED(hr)) {
        std::fprintf(stderr, "make_content failed:\n%s",
                     WideToUtf8(KVUGetErrorStackText()).c_str());
        return 1;
    }
    std::printf("content written to %s\n", root.c_str());
    return 0;
}
