// A progress bar for work that takes more than a moment: one line on a terminal, redrawn in
// place as the work advances and cleared when it ends. Where the output is not a terminal it
// writes nothing at all.
#pragma once

#include <iosfwd>
#include <string>

class ProgressBar
{
public:
    // total steps of work; drawn on stream only when terminal is true.
    ProgressBar(std::ostream& stream, bool terminal, std::string label, int total);
    // Clears the bar's line when it was drawn.
    ~ProgressBar();
    ProgressBar(ProgressBar&& other) noexcept;
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;
    ProgressBar& operator=(ProgressBar&&) = delete;

    // Records steps more done, redrawing the bar when its picture changes.
    void Advance(int steps = 1);

private:
    void Draw();

    std::ostream* m_stream;
    bool m_terminal;
    std::string m_label;
    int m_total;
    int m_done = 0;
    // The percentage last drawn, -1 before the first drawing.
    int m_drawnPercent = -1;
};
