// The button layout of a menu: one 32-bit word, stored per menu by the object model
// (IDSMenu::get_ButtonLayout), that describes the grid of lines the menu's buttons are laid
// out on. Bits, from the least significant:
//
//     0-3    version           1 in the default layout
//     4-9    number of lines   rows or columns of the grid, 0 to 63
//     10-15  buttons per line  0 to 63
//     16-19  style             LayoutStyle
//     20-21  line justify      LayoutJustify of the lines within the layout area
//     22-23  button justify    LayoutJustify of the buttons within a line
//     24-25  weight            Weight
//     26-31  unused; kept as they are
//
// A stored word of 0 stands for the default layout wherever a layout is read from a menu.
#pragma once

#include "platform/WinTypes.h"

enum LayoutStyle : ULONG
{
    // Horizontal rows, filled left to right, rows top to bottom.
    LayoutStyle_Rows = 0,
    // Vertical columns, filled top to bottom, columns left to right.
    LayoutStyle_Columns = 1,
    // One line along the diagonal from the top-left corner to the bottom-right one.
    LayoutStyle_DiagonalDown = 2,
    // One line along the diagonal from the bottom-left corner to the top-right one.
    LayoutStyle_DiagonalUp = 3,
};

// For lines: Start puts them from the top (rows) or the left (columns), Center spreads them
// evenly, End puts them from the bottom or the right; the value 3 counts as Center. For the
// buttons of a line: Start puts each at the start of its cell, Center spreads the line's
// buttons evenly over the line, End places them from the end of the line backwards; the value
// 3 gives no position.
enum LayoutJustify : ULONG
{
    Justify_Start = 0,
    Justify_Center = 1,
    Justify_End = 2,
};

// Which line holds the remainder when the buttons do not fill the grid.
enum Weight : ULONG
{
    // The first lines are full; the last one holds the remainder.
    Weight_FirstLinesFull = 0,
    // The first line holds the remainder; the following ones are full.
    Weight_LastLinesFull = 1,
};

enum HorizontalJustify : ULONG
{
    HJustify_Left = 0,
    HJustify_Right = 1,
    HJustify_Center = 2,
};

enum VerticalJustify : ULONG
{
    VJustify_Top = 0,
    VJustify_Bottom = 1,
    VJustify_Center = 2,
};

// The layout word as a value. Setters keep only the low bits of their argument that fit the
// field and leave every other bit alone. With a diagonal style the grid has one line: setting
// the style or the number of lines keeps it so.
class CDSLayout
{
public:
    // The default layout 0x01500C21: version 1, 2 rows of 3 buttons, lines and buttons
    // centred, Weight_LastLinesFull.
    static constexpr ULONG kDefault = 0x01500C21u;

    CDSLayout() = default;
    // The word as it is, or the default layout for 0.
    explicit CDSLayout(ULONG word) : m_word(word ? word : kDefault) {}
    // A layout of those fields; version and unused bits are 0.
    CDSLayout(unsigned int lines, unsigned int buttonsPerLine, LayoutStyle style,
              LayoutJustify lineJustify, LayoutJustify buttonJustify, Weight weight);

    operator ULONG() const { return m_word; }
    // The address of the word, so that a layout can be read straight from a menu:
    //     CDSLayout layout;
    //     pMenu->get_ButtonLayout(layout);
    operator ULONG*() { return &m_word; }

    ULONG GetVersion() const;
    void SetVersion(ULONG version);
    ULONG GetNumberOfLines() const;
    void SetNumberOfLines(ULONG lines);
    ULONG GetButtonsPerLine() const;
    void SetButtonsPerLine(ULONG buttons);
    // The raw field: values 4 to 15 are not valid styles.
    LayoutStyle GetStyle() const;
    void SetStyle(ULONG style);
    // The raw fields, 0 to 3.
    LayoutJustify GetLineJustify() const;
    void SetLineJustify(ULONG justify);
    LayoutJustify GetButtonJustify() const;
    void SetButtonJustify(ULONG justify);
    Weight GetWeight() const;
    void SetWeight(ULONG weight);

    // Lines × buttons per line.
    int GetMaxButtons() const;
    // Where a column layout puts its columns: by the line justify (3 counts as centred);
    // centred for every other style.
    HorizontalJustify GetButtonHJustify() const;
    // Where a row layout puts its rows: by the line justify (3 counts as centred); centred for
    // every other style.
    VerticalJustify GetButtonVJustify() const;

private:
    ULONG Field(int shift, int width) const;
    void SetField(int shift, int width, ULONG value);
    void KeepDiagonalsOnOneLine();

    ULONG m_word = kDefault;
};
