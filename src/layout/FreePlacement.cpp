#include "FreePlacement.h"

#include "dsutils/DSMenuElementVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Steps up the diagonal for buttons stacked at the origin; the diagonal ends below 1.
constexpr float kDiagonalStep = 0.05f;
constexpr float kDiagonalEnd = 1.0f;
// How far below the button before it a button on the template's place goes.
constexpr float kStackStep = 0.15f;

struct Point
{
    float x = 0.0f;
    float y = 0.0f;
};

// The next multiple of the step after the k-th that no button holds yet; none once the
// diagonal is used up. The search goes on from where the last one stopped.
std::optional<float> NextFreeDiagonal(const std::vector<float>& taken, int& k)
{
    for (++k; k * kDiagonalStep < kDiagonalEnd; ++k) {
        float value = k * kDiagonalStep;
        if (std::find(taken.begin(), taken.end(), value) == taken.end())
            return value;
    }
    return std::nullopt;
}

HRESULT MoveOffTheOrigin(const DSMenuButtonVec& buttons)
{
    std::vector<float> taken;
    DSMenuButtonVec atOrigin;
    for (const CComPtr<IDSMenuButton>& spButton : buttons) {
        Point at;
        CHECK_HR(spButton->GetPosition(&at.x, &at.y));
        if (at.x != at.y)
            continue;
        if (at.x == 0.0f)
            atOrigin.push_back(spButton);
        else
            taken.push_back(at.x);
    }
    int k = 0;
    // The first button at the origin stays there.
    for (size_t i = 1; i < atOrigin.size(); ++i) {
        std::optional<float> value = NextFreeDiagonal(taken, k);
        if (!value)
            break;
        taken.push_back(*value);
        CHECK_HR(atOrigin[i]->SetPosition(*value, *value));
    }
    return S_OK;
}

// Where new buttons made from the template land: its first command button's place.
HRESULT TemplatePlace(IDSMenu* pMenu, std::optional<Point>& place)
{
    CComPtr<IDSMenu> spTemplate = CDSMenuUtils::GetMenuTemplate(pMenu);
    DSMenuButtonVec model = GetButtonList(spTemplate, ButtonType_Command);
    if (!model.First())
        return S_OK;
    Point at;
    CHECK_HR(model.First()->GetPosition(&at.x, &at.y));
    place = at;
    return S_OK;
}

HRESULT MoveOffTheTemplatePlace(IDSMenu* pMenu, const DSMenuButtonVec& buttons)
{
    std::optional<Point> place;
    CHECK_HR(TemplatePlace(pMenu, place));
    if (!place || buttons.empty())
        return S_OK;
    Point previous;
    CHECK_HR(buttons.First()->GetPosition(&previous.x, &previous.y));
    for (size_t i = 1; i < buttons.size(); ++i) {
        Point at;
        CHECK_HR(buttons[i]->GetPosition(&at.x, &at.y));
        if (at.x == place->x && at.y == place->y) {
            at = Point{previous.x, previous.y - kStackStep};
            CHECK_HR(buttons[i]->SetPosition(at.x, at.y));
        }
        previous = at;
    }
    return S_OK;
}

} // namespace

HRESULT SpreadHandPlacedButtons(IDSMenu* pMenu)
{
    DSMenuButtonVec buttons = GetButtonList(pMenu, ButtonType_Command);
    CHECK_HR(MoveOffTheOrigin(buttons));
    CHECK_HR(MoveOffTheTemplatePlace(pMenu, buttons));
    return S_OK;
}
