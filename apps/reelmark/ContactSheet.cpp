#include "ContactSheet.h"

#include "platform/Check.h"
#include "platform/Image.h"
#include "platform/TextRenderer.h"

#include <algorithm>

namespace {

constexpr int kMargin = 16;
constexpr int kLabelHeight = 28;
constexpr DWORD kGround = MakeArgb(255, 0x20, 0x22, 0x28);
constexpr DWORD kLabelColour = MakeArgb(255, 0xEE, 0xEE, 0xEE);

struct Cell
{
    BgraImage picture;
    std::wstring label;
};

HRESULT LoadCells(const std::vector<SheetEntry>& entries, std::vector<Cell>& cells, int& height)
{
    height = 0;
    for (const SheetEntry& entry : entries) {
        BgraImage full;
        CHECK_HR(LoadImageFile(entry.file, full));
        int scaledHeight = std::max(1, full.Height() * kCellWidth / std::max(1, full.Width()));
        Cell cell{BgraImage(), entry.label};
        CHECK_HR(StretchImage(full, kCellWidth, scaledHeight, cell.picture));
        height = std::max(height, scaledHeight);
        cells.push_back(std::move(cell));
    }
    return S_OK;
}

void CopyInto(const BgraImage& picture, BgraImage& sheet, int left, int top)
{
    for (int y = 0; y < picture.Height(); ++y) {
        std::copy(picture.Row(y), picture.Row(y) + picture.Stride(), sheet.Row(top + y) + left * 4);
        // The sheet is opaque wherever a picture lies, whatever the picture's own alpha.
        for (int x = 0; x < picture.Width(); ++x)
            sheet.Row(top + y)[(left + x) * 4 + 3] = 255;
    }
}

} // namespace

HRESULT WriteContactSheet(const std::vector<SheetEntry>& entries, const std::wstring& file)
{
    if (entries.empty())
        RETURN_CODE(E_INVALIDARG);
    std::vector<Cell> cells;
    int cellHeight = 0;
    CHECK_HR_SHORT(LoadCells(entries, cells, cellHeight));
    int columns = std::min<int>(kSheetColumns, int(cells.size()));
    int rows = int((cells.size() + columns - 1) / columns);
    int stepX = kCellWidth + kMargin;
    int stepY = cellHeight + kLabelHeight + kMargin;
    BgraImage sheet;
    CHECK_HR(BgraImage::Create(kMargin + columns * stepX, kMargin + rows * stepY, kGround, sheet));
    TextRenderer text;
    TextFont font;
    font.pixelSize = 15;
    for (size_t i = 0; i < cells.size(); ++i) {
        int left = kMargin + int(i % columns) * stepX;
        int top = kMargin + int(i / columns) * stepY;
        CopyInto(cells[i].picture, sheet, left, top);
        RECT box{left, top + cellHeight, left + kCellWidth, top + cellHeight + kLabelHeight};
        CHECK_HR(text.DrawText(sheet, cells[i].label, box, font, kLabelColour,
                               DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    }
    CHECK_HR(SaveImageFile(sheet, file));
    return S_OK;
}
