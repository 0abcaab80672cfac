#include "SharedPictures.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A range of hills across a box down to its bottom.
Shape Hills(double width, double bottom, double base, double amplitude, double waves, double phase)
{
    std::vector<Point> corners{{0, bottom}};
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) {
        double x = width * i / kSteps;
        double t = 2 * kPi * x / width;
        corners.push_back({x, base - amplitude * (std::sin(t * waves + phase) * 0.7 +
                                                  std::sin(t * waves * 2.3 + phase * 1.7) * 0.3)});
    }
    corners.push_back({width, bottom});
    return shapes::Polygon(corners);
}

// The colours of a scene: its sky from top to horizon, its sun, and its hills from far to
// near.
struct SceneColours
{
    unsigned skyTop;
    unsigned skyHorizon;
    unsigned sun;
    double sunX;
    double sunY;
    unsigned hills[3];
};

constexpr SceneColours kScenes[] = {
    {0x3B6FB6, 0xF7C59F, 0xFFF3C4, 0.72, 0.52, {0x8E7FA8, 0x5C5480, 0x2E2A4A}}, // dawn
    {0x2F86D6, 0xBFE3FA, 0xFFFFF0, 0.25, 0.22, {0x8FBF73, 0x5E9A4A, 0x34682C}}, // noon
    {0x412E6B, 0xFF8A4C, 0xFFD27A, 0.5, 0.62, {0xA2476A, 0x6E2C4E, 0x361630}},  // sunset
    {0x0E1B3D, 0x5A6FA8, 0xE8EEFF, 0.8, 0.25, {0x3A4A78, 0x24305A, 0x121A36}},  // moonlight
    {0x6FA8C8, 0xE4F1F6, 0xFFFFFF, 0.15, 0.35, {0xA9C9D8, 0x7FA6BA, 0x4E7488}}, // winter
    {0x5A3D7A, 0xF2A65A, 0xFFE6A0, 0.35, 0.58, {0xC07A4A, 0x8A4A32, 0x4A2418}}, // desert
};

} // namespace

void PaintPlaceHolder(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    canvas.Fill(canvas.Whole(), paints::Linear({0, 0}, Hex(0x2E343D), {0, h}, Hex(0x14171C)), 0.01);
    canvas.Light({w / 2, h / 2}, h * 0.7, Hex(0x3C4550, 0.5));
    // The usual sign of a picture: a frame holding a sun over two hills.
    double side = h * 0.16;
    Point c{w / 2, h / 2};
    Shape frame = shapes::RoundedBox(c, side * 1.2, side, side * 0.12);
    Colour ink = Hex(0x8C96A3, 0.55);
    canvas.Fill(shapes::Outline(frame, side * 0.07), paints::Solid(ink), 1.2);
    Shape inner = shapes::RoundedBox(c, side * 1.05, side * 0.85, side * 0.06);
    canvas.Fill(shapes::Circle({c.x + side * 0.5, c.y - side * 0.38}, side * 0.17),
                paints::Solid(ink), 1.2);
    Shape hills = shapes::Polygon({{c.x - side * 1.05, c.y + side * 0.85},
                                   {c.x - side * 0.35, c.y - side * 0.2},
                                   {c.x + side * 0.1, c.y + side * 0.35},
                                   {c.x + side * 0.45, c.y + side * 0.05},
                                   {c.x + side * 1.05, c.y + side * 0.85}});
    canvas.Fill(shapes::Cut(hills, shapes::Cut(shapes::Everywhere(), inner)), paints::Solid(ink),
                1.2);
}

void PaintPattern(Canvas& canvas)
{
    canvas.Fill(canvas.Whole(), paints::Solid(Hex(0xFF0000)), 0.01);
}

void PaintWideMask(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    canvas.Fill(canvas.Whole(), paints::Solid(Hex(0x000000)), 0.01);
    canvas.Fill(shapes::RoundedBox({w / 2, h / 2}, w / 2 - 3, h / 2 - 3, h * 0.09),
                paints::Solid(Hex(0xFFFFFF)), 4.0);
}

void PaintScene(int index, Canvas& canvas)
{
    const SceneColours& scene = kScenes[index % kSampleScenes];
    double w = canvas.Width();
    double h = canvas.Height();
    canvas.Fill(canvas.Whole(),
                paints::Linear({0, 0}, Hex(scene.skyTop), {0, h * 0.7}, Hex(scene.skyHorizon)),
                0.01);
    Point sun{w * scene.sunX, h * scene.sunY};
    double radius = h * 0.09;
    canvas.Glow(shapes::Circle(sun, radius), Hex(scene.sun, 0.45), radius * 2.5);
    canvas.Fill(shapes::Circle(sun, radius), paints::Solid(Hex(scene.sun)));
    for (int layer = 0; layer < 3; ++layer) {
        double base = h * (0.62 + 0.11 * layer);
        double amplitude = h * (0.09 - 0.02 * layer);
        canvas.Fill(Hills(w, h, base, amplitude, 1.2 + 0.7 * layer, index * 1.3 + layer * 2.1),
                    paints::Solid(Hex(scene.hills[layer])));
    }
}
