#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// The shape of one offered layout: style, lines and buttons per line.
struct Shape
{
    LayoutStyle style;
    ULONG lines;
    ULONG buttonsPerLine;
};

// The shapes of the offers after the first, for M possible buttons.
std::vector<Shape> ShapesFor(ULONG m)
{
    ULONG half = m / 2;
    ULONG halfUp = m - half;
    return {
        {LayoutStyle_Rows, half, halfUp}, {LayoutStyle_Columns, halfUp, half},
        {LayoutStyle_Rows, 1, m},         {LayoutStyle_Columns, 1, m},
        {LayoutStyle_DiagonalDown, 1, m}, {LayoutStyle_DiagonalUp, 1, m},
    };
}

} // namespace

int CDSMenuUtils::LayoutGetBtnCount(IDSMenu* pMenu)
{
    ULONG word = 0;
    if (!pMenu || FAILED(pMenu->get_ButtonLayout(&word)))
        return 0;
    return CDSLayout(word).GetMaxButtons();
}

HRESULT CDSMenuUtils::LayoutGetPredefinedLayouts(IDSMenu* pMenu,
                                                 std::vector<sPredefinedLayout>& out)
{
    KVUClearErrorStack();
    if (!pMenu)
        return E_POINTER;
    out.clear();
    // A menu without a template of its type offers its own layout; that is no failure of
    // this operation, so the lookup's report goes.
    CComPtr<IDSMenu> spTemplate;
    if (FAILED(FindTemplate(pMenu, GetTag(pMenu), &spTemplate)))
        KVUClearErrorStack();
    IDSMenu* pSource = spTemplate ? spTemplate.p : pMenu;
    // Read straight into the word, so that a stored 0 stays 0: the offers count the buttons
    // of the layout as stored.
    CDSLayout oLayout;
    CHECK_HR(pSource->get_ButtonLayout(oLayout));
    out.push_back({0, oLayout});
    ULONG possible = static_cast<ULONG>(oLayout.GetMaxButtons());
    CDSLayout offer;
    offer.SetLineJustify(Justify_Center);
    offer.SetButtonJustify(Justify_Center);
    offer.SetWeight(Weight_LastLinesFull);
    int index = 1;
    for (const Shape& shape : ShapesFor(possible)) {
        // Lines before the style, so that only the diagonals are forced onto one line.
        offer.SetNumberOfLines(shape.lines);
        offer.SetButtonsPerLine(shape.buttonsPerLine);
        offer.SetStyle(shape.style);
        out.push_back({index++, offer});
    }
    return S_OK;
}
