#include "ThemePictures.h"

#include "ThemeLayout.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A vertical gradient through three colours, the middle one at a fraction of the height.
void FillThreeStops(Canvas& canvas, Colour top, Colour middle, double at, Colour bottom)
{
    double w = canvas.Width();
    double h = canvas.Height();
    double split = h * at;
    canvas.Fill(shapes::RoundedBox({w / 2, split / 2}, w / 2, split / 2, 0),
                paints::Linear({0, 0}, top, {0, split}, middle), 0.01);
    canvas.Fill(shapes::RoundedBox({w / 2, (split + h) / 2}, w / 2, (h - split) / 2, 0),
                paints::Linear({0, split}, middle, {0, h}, bottom), 0.01);
}

// Darkens the corners.
void Vignette(Canvas& canvas, double strength)
{
    double w = canvas.Width();
    double h = canvas.Height();
    canvas.Fill(canvas.Whole(), paints::Radial({w / 2, h / 2}, std::hypot(w, h) / 2, Hex(0, 0.0),
                                               Hex(0, strength)));
}

// A band along a gentle wave across the canvas: its middle line at y(x), thick(x) high.
template <class Middle, class Thickness>
Shape WaveBand(double width, Middle middle, Thickness thick)
{
    std::vector<Point> corners;
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) {
        double x = width * i / kSteps;
        corners.push_back({x, middle(x) - thick(x) / 2});
    }
    for (int i = kSteps; i >= 0; --i) {
        double x = width * i / kSteps;
        corners.push_back({x, middle(x) + thick(x) / 2});
    }
    return shapes::Polygon(corners);
}

// A ridge of hills across the canvas down to its bottom edge.
template <class Height> Shape Ridge(double width, double bottom, Height top)
{
    std::vector<Point> corners{{0, bottom}};
    constexpr int kSteps = 64;
    for (int i = 0; i <= kSteps; ++i) {
        double x = width * i / kSteps;
        corners.push_back({x, top(x)});
    }
    corners.push_back({width, bottom});
    return shapes::Polygon(corners);
}

// Points of light scattered over a region of the canvas.
void Scatter(Canvas& canvas, unsigned seed, int count, double top, double bottom, double size,
             Colour colour, double glow)
{
    double w = canvas.Width();
    for (int i = 0; i < count; ++i) {
        double x = ScatterFraction(seed, 4 * i) * w;
        double y = top + ScatterFraction(seed, 4 * i + 1) * (bottom - top);
        double r = size * (0.35 + 0.65 * ScatterFraction(seed, 4 * i + 2));
        double a = 0.35 + 0.65 * ScatterFraction(seed, 4 * i + 3);
        Shape dot = shapes::Circle({x, y}, r);
        if (glow > 0.0 && r > size * 0.8)
            canvas.Glow(dot, colour.WithAlpha(colour.a * a * 0.35), r * glow);
        canvas.Fill(dot, paints::Solid(colour.WithAlpha(colour.a * a)));
    }
}

void PaintAurora(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    FillThreeStops(canvas, Hex(0x02061A), Hex(0x0A2345), 0.62, Hex(0x061329));
    Scatter(canvas, 7, int(w * h / 2600), 0, h * 0.72, h / 420, Hex(0xDCEBFF), 4.0);
    // Curtains of light, brightest along their lower edge.
    struct Curtain
    {
        double base, amplitude, wave, phase, thickness;
        unsigned colour;
        double alpha;
    } curtains[] = {
        {0.34, 0.06, 1.3, 0.4, 0.20, 0x3DF2A0, 0.30},
        {0.42, 0.05, 0.9, 2.1, 0.16, 0x2AD4C8, 0.22},
        {0.28, 0.04, 1.7, 4.0, 0.12, 0x9A6BFF, 0.16},
    };
    for (const Curtain& c : curtains) {
        auto middle = [&](double x) {
            return h * (c.base + c.amplitude * std::sin(2 * kPi * c.wave * x / w + c.phase));
        };
        auto thick = [&](double x) {
            return h * c.thickness * (0.75 + 0.25 * std::sin(2 * kPi * 2.3 * x / w + c.phase));
        };
        Shape band = WaveBand(w, middle, thick);
        canvas.Fill(band,
                    paints::Linear({0, h * (c.base - c.thickness)}, Hex(c.colour, 0.0),
                                   {0, h * (c.base + c.thickness / 2)}, Hex(c.colour, c.alpha)),
                    h * 0.05);
    }
    auto farHills = [&](double x) {
        return h * (0.80 - 0.06 * std::sin(2 * kPi * x / w * 1.6 + 0.8) -
                    0.03 * std::sin(2 * kPi * x / w * 4.1));
    };
    auto nearHills = [&](double x) {
        return h * (0.87 - 0.05 * std::sin(2 * kPi * x / w * 1.1 + 2.4) -
                    0.02 * std::sin(2 * kPi * x / w * 5.3 + 1.0));
    };
    canvas.Fill(Ridge(w, h, farHills), paints::Solid(Hex(0x071631)));
    canvas.Fill(Ridge(w, h, nearHills), paints::Solid(Hex(0x020814)));
    Vignette(canvas, 0.45);
}

void PaintEmber(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    FillThreeStops(canvas, Hex(0x160302), Hex(0x3C0C05), 0.58, Hex(0x5C1A07));
    canvas.Light({w / 2, h * 1.15}, h * 0.95, Hex(0xFF7A1A, 0.50));
    canvas.Light({w * 0.15, h * 1.05}, h * 0.6, Hex(0xFFB347, 0.22));
    // Embers rise thinning out towards the top.
    Scatter(canvas, 11, int(w * h / 9000), h * 0.45, h, h / 240, Hex(0xFFB04A, 0.9), 3.5);
    Scatter(canvas, 12, int(w * h / 18000), h * 0.12, h * 0.6, h / 330, Hex(0xFF8A3A, 0.6), 3.0);
    // Bands that keep the title and the bottom row calm, edged with a line of gold.
    double header = h * ThemeLayout::headerBottom / ThemeLayout::height;
    double footer = h * ThemeLayout::footerTop / ThemeLayout::height;
    canvas.Fill(shapes::RoundedBox({w / 2, header / 2}, w / 2, header / 2, 0),
                paints::Linear({0, 0}, Hex(0x0A0101, 0.75), {0, header}, Hex(0x0A0101, 0.35)), 1);
    canvas.Fill(shapes::RoundedBox({w / 2, (footer + h) / 2}, w / 2, (h - footer) / 2, 0),
                paints::Linear({0, footer}, Hex(0x0A0101, 0.35), {0, h}, Hex(0x0A0101, 0.7)), 1);
    for (double y : {header, footer}) {
        canvas.Fill(
            shapes::RoundedBox({w / 2, y}, w * 0.42, h / 540, h / 540),
            paints::Linear({w * 0.08, 0}, Hex(0xE0A040, 0.0), {w / 2, 0}, Hex(0xE0A040, 0.85)), 1);
        canvas.Fill(
            shapes::RoundedBox({w / 2, y}, w * 0.42, h / 540, h / 540),
            paints::Linear({w / 2, 0}, Hex(0xE0A040, 0.85), {w * 0.92, 0}, Hex(0xE0A040, 0.0)), 1);
    }
    Vignette(canvas, 0.5);
}

void PaintCobalt(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    canvas.Fill(canvas.Whole(), paints::Linear({0, 0}, Hex(0x091627), {w, h}, Hex(0x1E4670)), 0.01);
    canvas.Light({w * 0.85, h * 0.05}, h * 0.9, Hex(0x5FB0FF, 0.22));
    // Streaks of light slanting across.
    struct Streak
    {
        double at, width, alpha;
    } streaks[] = {{0.10, 0.05, 0.05},  {0.22, 0.012, 0.09}, {0.47, 0.09, 0.035},
                   {0.63, 0.018, 0.08}, {0.80, 0.04, 0.05},  {0.93, 0.008, 0.10}};
    double slant = h * 0.55;
    for (const Streak& s : streaks) {
        double x = w * s.at;
        double half = w * s.width / 2;
        canvas.Fill(shapes::Polygon({{x - half + slant, -1},
                                     {x + half + slant, -1},
                                     {x + half - slant, h + 1},
                                     {x - half - slant, h + 1}}),
                    paints::Linear({0, 0}, Hex(0xBFE4FF, s.alpha), {0, h}, Hex(0xBFE4FF, 0.0)),
                    h * 0.004);
    }
    double header = h * ThemeLayout::headerBottom / ThemeLayout::height;
    double footer = h * ThemeLayout::footerTop / ThemeLayout::height;
    canvas.Fill(shapes::RoundedBox({w / 2, (footer + h) / 2}, w / 2, (h - footer) / 2, 0),
                paints::Linear({0, footer}, Hex(0x040B16, 0.0), {0, h}, Hex(0x040B16, 0.65)), 1);
    Shape line = shapes::RoundedBox({w / 2, header - h * 0.012}, w * 0.3, h / 700, h / 700);
    canvas.Glow(line, Hex(0x4FC3F7, 0.5), h * 0.012);
    canvas.Fill(line,
                paints::Linear({w * 0.2, 0}, Hex(0x8FDBFF, 0.2), {w / 2, 0}, Hex(0x8FDBFF, 1.0)));
    Vignette(canvas, 0.35);
}

// A frond: a curved stem with leaflets that shrink towards its tip.
void PaintFrond(Canvas& canvas, Point root, double angle, double length, double bend, Colour colour)
{
    constexpr int kLeaves = 14;
    auto along = [&](double t) {
        double a = angle + bend * t;
        return Point{root.x + std::cos(a) * length * t, root.y + std::sin(a) * length * t};
    };
    for (int i = 1; i <= kLeaves; ++i) {
        double t = double(i) / (kLeaves + 1);
        Point at = along(t);
        double a = angle + bend * t;
        double leaf = length * 0.22 * (1.0 - t * 0.85);
        for (double side : {-1.0, 1.0}) {
            double la = a + side * 1.05;
            Point tip{at.x + std::cos(la) * leaf, at.y + std::sin(la) * leaf};
            Point mid{(at.x + tip.x) / 2, (at.y + tip.y) / 2};
            double nx = -std::sin(la) * leaf * 0.22;
            double ny = std::cos(la) * leaf * 0.22;
            canvas.Fill(
                shapes::Polygon({at, {mid.x + nx, mid.y + ny}, tip, {mid.x - nx, mid.y - ny}}),
                paints::Solid(colour), 1.2);
        }
    }
    std::vector<Point> stem;
    for (int i = 0; i <= 20; ++i)
        stem.push_back(along(i / 20.0));
    for (size_t i = 1; i < stem.size(); ++i) {
        double width = length * 0.012 * (1.0 - i / 24.0);
        canvas.Fill(shapes::Outline(shapes::Polygon({stem[i - 1], stem[i]}), width),
                    paints::Solid(colour), 1.0);
    }
}

void PaintFern(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    FillThreeStops(canvas, Hex(0xF6FBEF), Hex(0xE3F1D6), 0.6, Hex(0xC6E2B0));
    canvas.Light({w * 0.1, h * 0.05}, h * 0.8, Hex(0xFFFBE0, 0.8));
    auto back = [&](double x) { return h * (0.86 - 0.05 * std::sin(2 * kPi * x / w * 0.9 + 0.5)); };
    auto front = [&](double x) {
        return h * (0.92 - 0.035 * std::sin(2 * kPi * x / w * 1.4 + 2.2));
    };
    canvas.Fill(Ridge(w, h, back), paints::Solid(Hex(0xB3D79A, 0.85)), 2);
    canvas.Fill(Ridge(w, h, front), paints::Solid(Hex(0x98C97E, 0.85)), 2);
    double s = h / 480.0;
    // Fronds reach in from the corners, below the buttons' rows.
    PaintFrond(canvas, {-30 * s, h + 10 * s}, -0.75, 230 * s, 0.4, Hex(0x4E8F3A, 0.55));
    PaintFrond(canvas, {40 * s, h + 30 * s}, -1.05, 170 * s, 0.3, Hex(0x3C7A2E, 0.45));
    PaintFrond(canvas, {w + 30 * s, h + 10 * s}, -2.4, 220 * s, -0.4, Hex(0x4E8F3A, 0.5));
    PaintFrond(canvas, {w + 30 * s, -30 * s}, 2.55, 200 * s, 0.35, Hex(0x5FA048, 0.35));
}

void PaintPremiere(Canvas& canvas)
{
    double w = canvas.Width();
    double h = canvas.Height();
    FillThreeStops(canvas, Hex(0x1A040C), Hex(0x0E0206), 0.7, Hex(0x050102));
    canvas.Light({w / 2, h * 0.02}, h * 0.95, Hex(0xFFD9A0, 0.20));
    // The curtains on either side, gathered in folds.
    double side = w * 0.085;
    double fold = w * 0.017;
    auto curtain = [&](double x) {
        double shade = 0.5 + 0.5 * std::cos(2 * kPi * x / fold);
        return Hex(0x3A0612).Mix(Hex(0x9A1E34), shade * shade);
    };
    auto leftShape = shapes::Polygon({{0, 0}, {side, 0}, {side * 0.82, h}, {0, h}});
    auto rightShape = shapes::Polygon({{w, 0}, {w - side, 0}, {w - side * 0.82, h}, {w, h}});
    canvas.Glow(leftShape, Hex(0, 0.6), side * 0.35);
    canvas.Glow(rightShape, Hex(0, 0.6), side * 0.35);
    canvas.Fill(
        leftShape, [&](double x, double) { return curtain(x); }, 2);
    canvas.Fill(
        rightShape, [&](double x, double) { return curtain(w - x); }, 2);
    // The valance across the top with a scalloped edge and a gold trim.
    double valance = h * 0.075;
    Shape drape = shapes::RoundedBox({w / 2, valance / 2}, w / 2, valance / 2, 0);
    double scallop = w / 16;
    for (int i = 0; i <= 16; ++i)
        drape = shapes::Union(drape, shapes::Circle({scallop * i, valance}, scallop * 0.55));
    canvas.Glow(drape, Hex(0, 0.7), h * 0.03);
    canvas.Fill(drape, paints::Linear({0, 0}, Hex(0x5E0E1E), {0, valance * 1.5}, Hex(0x8E1A2E)), 2);
    canvas.Fill(shapes::RoundedBox({w / 2, valance * 0.45}, w / 2, h * 0.004, 0),
                paints::Solid(Hex(0xD4AF37, 0.9)), 1.5);
    // The stage floor.
    double floor = h * 0.9;
    canvas.Fill(shapes::RoundedBox({w / 2, (floor + h) / 2}, w / 2, (h - floor) / 2, 0),
                paints::Linear({0, floor}, Hex(0x2A0C08, 0.9), {0, h}, Hex(0x0C0302, 1.0)), 1);
    canvas.Fill(shapes::RoundedBox({w / 2, floor}, w * 0.42, h / 900, h / 900),
                paints::Linear({w * 0.1, 0}, Hex(0xD4AF37, 0.0), {w / 2, 0}, Hex(0xD4AF37, 0.6)));
    canvas.Fill(shapes::RoundedBox({w / 2, floor}, w * 0.42, h / 900, h / 900),
                paints::Linear({w / 2, 0}, Hex(0xD4AF37, 0.6), {w * 0.9, 0}, Hex(0xD4AF37, 0.0)));
    Vignette(canvas, 0.4);
}

Colour BadgeColour(const ThemeLook& look)
{
    return Hex(look.badge, look.kind == LookKind::Fern ? 0.85 : 0.9);
}

// A shadow under a body, softer and wider for light looks where it reads as depth.
void Shadow(const ThemeLook& look, Canvas& canvas, const Shape& body, double spread)
{
    double alpha = look.kind == LookKind::Fern ? 0.28 : 0.6;
    Shape lowered{[=](double x, double y) { return body.distance(x, y - spread * 0.25); },
                  Bounds{body.bounds.left, body.bounds.top + spread * 0.25, body.bounds.right,
                         body.bounds.bottom + spread * 0.25}};
    canvas.Glow(lowered, Hex(look.dark, alpha), spread);
}

} // namespace

SIZE BackgroundSize(const ThemeLook& look)
{
    if (look.hd)
        return SIZE{1920, 1080};
    return look.wide ? SIZE{1024, 576} : SIZE{720, 540};
}

void PaintBackground(const ThemeLook& look, Canvas& canvas)
{
    switch (look.kind) {
    case LookKind::Aurora:
        return PaintAurora(canvas);
    case LookKind::Ember:
        return PaintEmber(canvas);
    case LookKind::Cobalt:
        return PaintCobalt(canvas);
    case LookKind::Fern:
        return PaintFern(canvas);
    case LookKind::Premiere:
        return PaintPremiere(canvas);
    }
}

void PaintThumbFrame(const ThemeLook& look, Canvas& canvas, double margin)
{
    double w = canvas.Width();
    double h = canvas.Height();
    Point centre{w / 2, h / 2};
    double hw = w / 2 - margin;
    double hh = h / 2 - margin;
    double unit = margin / 8.0;
    switch (look.kind) {
    case LookKind::Aurora: {
        Shape body = shapes::RoundedBox(centre, hw, hh, 7 * unit);
        canvas.Glow(body, Hex(look.accent, 0.45), margin);
        canvas.Fill(body, paints::Linear({0, 0}, Hex(0xF4FBFF), {0, h}, Hex(0xB8D8F0)));
        break;
    }
    case LookKind::Ember: {
        Shape body = shapes::RoundedBox(centre, hw, hh, 3 * unit);
        Shadow(look, canvas, body, margin);
        canvas.Fill(body, paints::Linear({0, 0}, Hex(0xFFDD8A), {w, h}, Hex(0xA8541A)));
        canvas.Fill(
            shapes::Outline(shapes::RoundedBox(centre, hw - 4 * unit, hh - 4 * unit, 2 * unit),
                            1.5 * unit),
            paints::Solid(Hex(0x3A0C04, 0.8)));
        break;
    }
    case LookKind::Cobalt: {
        Shape body = shapes::RoundedBox(centre, hw, hh, 2 * unit);
        Shadow(look, canvas, body, margin);
        canvas.Fill(body, paints::Linear({0, 0}, Hex(0xEAF6FF), {0, h}, Hex(0xB9D4EC)));
        canvas.Fill(
            shapes::Outline(shapes::RoundedBox(centre, hw - 0.5 * unit, hh - 0.5 * unit, 2 * unit),
                            1.2 * unit),
            paints::Solid(Hex(look.accent, 0.9)));
        break;
    }
    case LookKind::Fern: {
        Shape body = shapes::RoundedBox(centre, hw, hh, 5 * unit);
        Shadow(look, canvas, body, margin);
        canvas.Fill(body, paints::Solid(Hex(0xFFFFFF)));
        break;
    }
    case LookKind::Premiere: {
        Shape body = shapes::RoundedBox(centre, hw - 2 * unit, hh - 2 * unit, 2 * unit);
        Shadow(look, canvas, body, margin);
        canvas.Fill(shapes::Outline(shapes::RoundedBox(centre, hw, hh, 3 * unit), 1.2 * unit),
                    paints::Solid(Hex(0xE2B84A, 0.9)));
        canvas.Fill(body, paints::Linear({0, 0}, Hex(0xF6D77E), {w, h}, Hex(0x9C7424)));
        canvas.Fill(
            shapes::Outline(shapes::RoundedBox(centre, hw - 6 * unit, hh - 6 * unit, 1.5 * unit),
                            1.2 * unit),
            paints::Solid(Hex(0x2A0A04, 0.85)));
        break;
    }
    }
}

Shape SignShape(NavSign sign, Point c, double side)
{
    double s = side / 2;
    switch (sign) {
    case NavSign::Next:
        return shapes::Polygon({{c.x - s * 0.34, c.y - s * 0.5},
                                {c.x + s * 0.52, c.y},
                                {c.x - s * 0.34, c.y + s * 0.5}});
    case NavSign::Prev:
        return shapes::Polygon({{c.x + s * 0.34, c.y - s * 0.5},
                                {c.x - s * 0.52, c.y},
                                {c.x + s * 0.34, c.y + s * 0.5}});
    case NavSign::Up:
        return shapes::Union(shapes::Polygon({{c.x, c.y - s * 0.55},
                                              {c.x + s * 0.5, c.y - s * 0.02},
                                              {c.x - s * 0.5, c.y - s * 0.02}}),
                             shapes::RoundedBox({c.x, c.y + s * 0.22}, s * 0.16, s * 0.32, 0));
    case NavSign::Home: {
        Shape roof = shapes::Polygon({{c.x, c.y - s * 0.56},
                                      {c.x + s * 0.58, c.y - s * 0.02},
                                      {c.x - s * 0.58, c.y - s * 0.02}});
        Shape walls = shapes::RoundedBox({c.x, c.y + s * 0.22}, s * 0.38, s * 0.3, 0);
        Shape door = shapes::RoundedBox({c.x, c.y + s * 0.32}, s * 0.11, s * 0.2, 0);
        return shapes::Cut(shapes::Union(roof, walls), door);
    }
    }
    return shapes::Circle(c, 0);
}

void PaintBadge(const ThemeLook& look, NavSign sign, Canvas& canvas, double margin)
{
    double w = canvas.Width();
    double h = canvas.Height();
    Point centre{w / 2, h / 2};
    double side = std::min(w, h) - 2 * margin;
    Shape body = shapes::RoundedBox(centre, side / 2, side / 2, side * 0.28);
    Shadow(look, canvas, body, margin);
    Colour fill = BadgeColour(look);
    canvas.Fill(body, paints::Linear({0, centre.y - side / 2}, fill.Mix(Hex(0xFFFFFF), 0.12),
                                     {0, centre.y + side / 2}, fill));
    canvas.Fill(shapes::Outline(body, side * 0.05), paints::Solid(Hex(look.accent, 0.85)));
    canvas.Fill(SignShape(sign, centre, side * 0.8), paints::Solid(Hex(look.glyph)));
}

void PaintPill(const ThemeLook& look, Canvas& canvas, double margin)
{
    double w = canvas.Width();
    double h = canvas.Height();
    Point centre{w / 2, h / 2};
    double hh = h / 2 - margin;
    Shape body = shapes::RoundedBox(centre, w / 2 - margin, hh, hh);
    Shadow(look, canvas, body, margin);
    Colour fill = BadgeColour(look);
    canvas.Fill(body, paints::Linear({0, centre.y - hh}, fill.Mix(Hex(0xFFFFFF), 0.1),
                                     {0, centre.y + hh}, fill));
    canvas.Fill(shapes::Outline(body, hh * 0.12), paints::Solid(Hex(look.accent, 0.8)));
}
