#include "StylePictures.h"

namespace {

// The body of a picture: the canvas less its margin.
Shape Body(const Canvas& canvas, double margin, double radius)
{
    return shapes::RoundedBox({canvas.Width() / 2.0, canvas.Height() / 2.0},
                              canvas.Width() / 2.0 - margin, canvas.Height() / 2.0 - margin,
                              radius);
}

void DropShadow(Canvas& canvas, const Shape& body, double spread, double alpha)
{
    Shape lowered{[=](double x, double y) { return body.distance(x, y - spread * 0.3); },
                  body.bounds.Grown(spread * 0.3)};
    canvas.Glow(lowered, Hex(0x000000, alpha), spread);
}

} // namespace

void PaintFramedFrame(Canvas& canvas, double margin)
{
    Shape body = Body(canvas, margin, margin * 0.9);
    DropShadow(canvas, body, margin, 0.6);
    canvas.Fill(body,
                paints::Linear({0, 0}, Hex(0xFFFFFF), {0, double(canvas.Height())}, Hex(0xDADFE6)));
}

void PaintPolaroidCard(Canvas& canvas, double margin)
{
    Shape body = Body(canvas, margin, margin * 0.25);
    DropShadow(canvas, body, margin, 0.55);
    canvas.Fill(body,
                paints::Linear({0, 0}, Hex(0xFBFAF5), {0, double(canvas.Height())}, Hex(0xECE9DF)));
}

void PaintFilmstrip(Canvas& canvas, double margin, double band)
{
    double w = canvas.Width();
    double h = canvas.Height();
    Shape body = Body(canvas, margin, margin * 0.2);
    DropShadow(canvas, body, margin, 0.6);
    canvas.Fill(body, paints::Linear({0, 0}, Hex(0x26221E), {0, h}, Hex(0x0E0C0A)));
    // Sprocket holes along both bands.
    double hole = band * 0.42;
    double pitch = hole * 2.1;
    int holes = int((w - 2 * margin) / pitch);
    double start = (w - (holes - 1) * pitch) / 2;
    for (double y : {margin + band / 2, h - margin - band / 2}) {
        for (int i = 0; i < holes; ++i) {
            canvas.Fill(
                shapes::RoundedBox({start + i * pitch, y}, hole / 2, hole * 0.6, hole * 0.18),
                paints::Solid(Hex(0xE8E2D4, 0.9)));
        }
    }
}

void PaintCaptionBar(Canvas& canvas)
{
    double h = canvas.Height();
    canvas.Fill(Body(canvas, 0.0, 0.0),
                paints::Linear({0, 0}, Hex(0x05070A, 0.35), {0, h}, Hex(0x05070A, 0.82)), 0.01);
    canvas.Fill(shapes::RoundedBox({canvas.Width() / 2.0, 1.0}, canvas.Width() / 2.0, 1.0, 0),
                paints::Solid(Hex(0xFFFFFF, 0.35)), 0.5);
}

void PaintThinBorder(Canvas& canvas, double margin)
{
    Shape body = Body(canvas, margin, margin * 0.3);
    DropShadow(canvas, body, margin, 0.6);
    canvas.Fill(body, paints::Solid(Hex(0xE9EEF4)));
}
