#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kHuge = 1.0e7;

double Clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

BYTE Channel(double value)
{
    return BYTE(std::lround(Clamp01(value) * 255.0));
}

double Length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

Bounds Join(const Bounds& a, const Bounds& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The distance from a point to the segment a–b.
double SegmentDistance(Point p, Point a, Point b)
{
    double ex = b.x - a.x;
    double ey = b.y - a.y;
    double wx = p.x - a.x;
    double wy = p.y - a.y;
    double length2 = ex * ex + ey * ey;
    double t = length2 > 0.0 ? std::clamp((wx * ex + wy * ey) / length2, 0.0, 1.0) : 0.0;
    return Length(wx - ex * t, wy - ey * t);
}

} // namespace

Colour Colour::Hex(unsigned rgb, double alpha)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Colour Colour::Mix(const Colour& other, double t) const
{
    return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t,
            a + (other.a - a) * t};
}

DWORD Colour::Argb() const
{
    return MakeArgb(Channel(a), Channel(r), Channel(g), Channel(b));
}

namespace shapes {

Shape Everywhere()
{
    return {[](double, double) { return -kHuge; }, {-kHuge, -kHuge, kHuge, kHuge}};
}

Shape Circle(Point centre, double radius)
{
    return {[=](double x, double y) { return Length(x - centre.x, y - centre.y) - radius; },
            Bounds{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}};
}

Shape RoundedBox(Point centre, double halfWidth, double halfHeight, double radius)
{
    radius = std::min({radius, halfWidth, halfHeight});
    return {[=](double x, double y) {
                double qx = std::abs(x - centre.x) - (halfWidth - radius);
                double qy = std::abs(y - centre.y) - (halfHeight - radius);
                return Length(std::max(qx, 0.0), std::max(qy, 0.0)) +
                       std::min(std::max(qx, qy), 0.0) - radius;
            },
            Bounds{centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth,
                   centre.y + halfHeight}};
}

Shape Polygon(std::vector<Point> corners)
{
    Bounds bounds{kHuge, kHuge, -kHuge, -kHuge};
    for (const Point& p : corners)
        bounds = Join(bounds, Bounds{p.x, p.y, p.x, p.y});
    return {[corners](double x, double y) {
                Point p{x, y};
                double nearest = std::numeric_limits<double>::max();
                bool inside = false;
                for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                    const Point& a = corners[i];
                    const Point& b = corners[j];
                    nearest = std::min(nearest, SegmentDistance(p, a, b));
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                        inside = !inside;
                }
                return inside ? -nearest : nearest;
            },
            bounds};
}

Shape Outline(Shape shape, double width)
{
    auto distance = shape.distance;
    return {[=](double x, double y) { return std::abs(distance(x, y)) - width / 2.0; },
            shape.bounds.Grown(width / 2.0)};
}

Shape Union(Shape first, Shape second)
{
    auto a = first.distance;
    auto b = second.distance;
    return {[=](double x, double y) { return std::min(a(x, y), b(x, y)); },
            Join(first.bounds, second.bounds)};
}

Shape Cut(Shape first, Shape second)
{
    auto a = first.distance;
    auto b = second.distance;
    return {[=](double x, double y) { return std::max(a(x, y), -b(x, y)); }, first.bounds};
}

} // namespace shapes

namespace paints {

Paint Solid(Colour colour)
{
    return [=](double, double) { return colour; };
}

Paint Linear(Point from, Colour first, Point to, Colour second)
{
    double dx = to.x - from.x;
    double dy = to.y - from.y;
    double length2 = std::max(dx * dx + dy * dy, 1e-9);
    return [=](double x, double y) {
        double t = Clamp01(((x - from.x) * dx + (y - from.y) * dy) / length2);
        return first.Mix(second, t);
    };
}

Paint Radial(Point centre, double radius, Colour inner, Colour outer)
{
    return [=](double x, double y) {
        return inner.Mix(outer, Clamp01(Length(x - centre.x, y - centre.y) / radius));
    };
}

} // namespace paints

Canvas::Canvas(int width, int height) : m_image(width, height) {}

Shape Canvas::Whole() const
{
    return shapes::RoundedBox({Width() / 2.0, Height() / 2.0}, Width() / 2.0, Height() / 2.0, 0.0);
}

void Canvas::Light(Point centre, double radius, Colour colour)
{
    Fill(Whole(), paints::Radial(centre, radius, colour, colour.WithAlpha(0.0)));
}

void Canvas::Cover(const Shape& shape, const Paint& paint,
                   const std::function<double(double)>& ramp)
{
    int x0 = std::max(0, int(std::floor(shape.bounds.left)));
    int y0 = std::max(0, int(std::floor(shape.bounds.top)));
    int x1 = std::min(Width(), int(std::ceil(shape.bounds.right)) + 1);
    int y1 = std::min(Height(), int(std::ceil(shape.bounds.bottom)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            double cx = x + 0.5;
            double cy = y + 0.5;
            double coverage = ramp(shape.distance(cx, cy));
            if (coverage <= 0.0)
                continue;
            Colour colour = paint(cx, cy);
            BlendPixelOver(m_image.Row(y) + size_t(x) * 4, colour.Argb(),
                           unsigned(std::lround(coverage * 255.0)));
        }
    }
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double feather)
{
    Shape grown{shape.distance, shape.bounds.Grown(feather)};
    Cover(grown, paint, [feather](double d) { return Clamp01(0.5 - d / feather); });
}

void Canvas::Glow(const Shape& shape, Colour colour, double spread)
{
    Shape grown{shape.distance, shape.bounds.Grown(spread)};
    Cover(grown, paints::Solid(colour), [spread](double d) {
        double t = Clamp01(1.0 - d / spread);
        return t * t * (3.0 - 2.0 * t);
    });
}

HRESULT Canvas::Text(const std::wstring& text, const RECT& box, const TextFont& font, Colour colour,
                     UINT flags)
{
    return m_text.DrawText(m_image, text, box, font, colour.Argb(), flags);
}

unsigned Scatter(unsigned seed, unsigned index)
{
    // A 32-bit integer mix (as in hash tables): every input bit moves every output bit.
    unsigned h = seed * 0x9E3779B9u ^ (index + 0x7F4A7C15u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double ScatterFraction(unsigned seed, unsigned index)
{
    return Scatter(seed, index) / 4294967295.0;
}
