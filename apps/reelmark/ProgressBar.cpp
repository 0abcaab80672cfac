#include "ProgressBar.h"

#include <algorithm>
#include <ostream>

namespace {

constexpr int kCells = 30;

} // namespace

ProgressBar::ProgressBar(std::ostream& stream, bool terminal, std::string label, int total)
    : m_stream(&stream), m_terminal(terminal), m_label(std::move(label)),
      m_total(std::max(total, 1))
{
    Draw();
}

ProgressBar::ProgressBar(ProgressBar&& other) noexcept
    : m_stream(other.m_stream), m_terminal(other.m_terminal), m_label(std::move(other.m_label)),
      m_total(other.m_total), m_done(other.m_done), m_drawnPercent(other.m_drawnPercent)
{
    // The moved-from bar no longer owns the line.
    other.m_terminal = false;
}

ProgressBar::~ProgressBar()
{
    if (m_terminal && m_drawnPercent >= 0)
        *m_stream << "\r\033[K" << std::flush;
}

void ProgressBar::Advance(int steps)
{
    m_done = std::clamp(m_done + steps, 0, m_total);
    Draw();
}

void ProgressBar::Draw()
{
    if (!m_terminal)
        return;
    int percent = m_done * 100 / m_total;
    if (percent == m_drawnPercent)
        return;
    m_drawnPercent = percent;
    int cells = m_done * kCells / m_total;
    *m_stream << '\r' << m_label << " [" << std::string(cells, '#')
              << std::string(kCells - cells, ' ') << "] " << percent << "%" << std::flush;
}
