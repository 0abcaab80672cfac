// Drawing for the shipped pictures: shapes given by their signed distance (negative inside),
// filled with smooth edges by a paint (a solid colour or a gradient), laid over a BGRA
// picture; and text through the platform's text renderer. Everything is computed from the
// arguments alone, so a picture drawn twice is the same to the byte.
#pragma once

#include "platform/Image.h"
#include "platform/TextRenderer.h"

#include <functional>
#include <string>
#include <vector>

// A colour with its opacity, each channel 0 … 1.
struct Colour
{
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;

    // From 0xRRGGBB and an opacity.
    static Colour Hex(unsigned rgb, double alpha = 1.0);
    Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    // The colour a fraction t of the way to other.
    Colour Mix(const Colour& other, double t) const;
    DWORD Argb() const;
};

// A colour of 0xRRGGBB with an opacity.
inline Colour Hex(unsigned rgb, double alpha = 1.0)
{
    return Colour::Hex(rgb, alpha);
}

struct Point
{
    double x = 0.0;
    double y = 0.0;
};

// A box of pixel coordinates.
struct Bounds
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    Bounds Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

// A shape: the signed distance of a pixel centre from its edge, in pixels, and the bounds
// outside which it covers nothing.
struct Shape
{
    std::function<double(double x, double y)> distance;
    Bounds bounds;
};
// The colour at a pixel centre.
using Paint = std::function<Colour(double x, double y)>;

namespace shapes {

// The whole plane.
Shape Everywhere();
Shape Circle(Point centre, double radius);
// A box of a centre and half sides with rounded corners.
Shape RoundedBox(Point centre, double halfWidth, double halfHeight, double radius);
// A convex or concave polygon, corners in order.
Shape Polygon(std::vector<Point> corners);
// A band of a width along the edge of a shape.
Shape Outline(Shape shape, double width);
Shape Union(Shape first, Shape second);
// What first covers and second does not.
Shape Cut(Shape first, Shape second);

} // namespace shapes

namespace paints {

Paint Solid(Colour colour);
// From one colour at `from` to another at `to`, constant across the line between them.
Paint Linear(Point from, Colour first, Point to, Colour second);
// From one colour at the centre to another at the radius and beyond.
Paint Radial(Point centre, double radius, Colour inner, Colour outer);

} // namespace paints

class Canvas
{
public:
    // A transparent picture.
    Canvas(int width, int height);

    int Width() const { return m_image.Width(); }
    int Height() const { return m_image.Height(); }
    const BgraImage& Image() const { return m_image; }
    // The whole picture as a shape.
    Shape Whole() const;

    // Lays the paint over the shape; feather is the width in pixels of the edge over which the
    // shape fades (1 gives a crisp smooth edge, more a soft one).
    void Fill(const Shape& shape, const Paint& paint, double feather = 1.0);
    // A soft light or shadow: the colour fades from the shape's edge out over spread pixels.
    void Glow(const Shape& shape, Colour colour, double spread);
    // A light over the whole picture: the colour at the centre fading out to the radius.
    void Light(Point centre, double radius, Colour colour);
    // Text in a box (pixels), placed by DrawText flags. Fails when no font is found.
    HRESULT Text(const std::wstring& text, const RECT& box, const TextFont& font, Colour colour,
                 UINT flags);

private:
    void Cover(const Shape& shape, const Paint& paint, const std::function<double(double)>& ramp);

    BgraImage m_image;
    TextRenderer m_text;
};

// A whole number from a seed and an index that looks random and is the same on every run.
unsigned Scatter(unsigned seed, unsigned index);
// The same as a fraction 0 … 1.
double ScatterFraction(unsigned seed, unsigned index);
