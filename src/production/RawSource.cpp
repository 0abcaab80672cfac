#include "RawSource.h"

#include "model/KVEProductionLink.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A source panel ends where the next picture begins: the last moment it holds lies a little
// before its end.
constexpr double kBeforeEnd = 0.001;

struct SourcePanelFacts
{
    CComQIPtr<ISourceFile> source;
    double start = 0.0;
    double duration = 0.0;
};

// The panel at a position when it is a source file.
bool ReadSourcePanel(IKVEProductionData* pProduction, LONG position, SourcePanelFacts& facts)
{
    CComPtr<IBaseObject> spPanel;
    LONG kind = 0;
    if (FAILED(pProduction->GetPanelBaseObject(position, &spPanel)) ||
        FAILED(spPanel->get_Kind(&kind)) || kind != KVE_PANEL_SOURCE_FILE)
        return false;
    facts.source = spPanel.p;
    return facts.source && SUCCEEDED(spPanel->GetStartTime(&facts.start)) &&
           SUCCEEDED(spPanel->get_Duration(&facts.duration));
}

// How far a time lies from a panel's interval; 0 inside it.
double DistanceTo(const SourcePanelFacts& facts, double time)
{
    if (time < facts.start)
        return facts.start - time;
    return std::max(0.0, time - (facts.start + facts.duration));
}

HRESULT DescribeSource(const SourcePanelFacts& facts, double dOffset, RawSourceInfo& info)
{
    CComBSTR bstrFile;
    double dIn = 0.0;
    CHECK_HR(facts.source->get_FileName(&bstrFile));
    CHECK_HR(facts.source->get_InPoint(&dIn));
    CHECK_HR(facts.source->get_OutPoint(&info.m_dOutPoint));
    CHECK_HR(facts.source->get_Rotation(&info.m_lAngle));
    CHECK_HR(facts.source->get_AspectRatio(&info.m_dAspectRatio));
    double local =
        std::clamp(dOffset - facts.start, 0.0, std::max(0.0, facts.duration - kBeforeEnd));
    info.m_szSrcFile = bstrFile.Str();
    info.m_dInPoint = dIn + local;
    info.m_dStart = facts.start;
    return S_OK;
}

// The source file panel nearest to the time, the earlier of two as near.
bool FindClosestSource(IKVEProductionData* pProduction, double dOffset, SourcePanelFacts& closest)
{
    LONG count = 0;
    if (FAILED(pProduction->GetNumberOfPanels(&count)))
        return false;
    double best = std::numeric_limits<double>::infinity();
    for (LONG position = 0; position < count; position += 2) {
        SourcePanelFacts facts;
        if (ReadSourcePanel(pProduction, position, facts) && DistanceTo(facts, dOffset) < best) {
            best = DistanceTo(facts, dOffset);
            closest = facts;
        }
    }
    return best < std::numeric_limits<double>::infinity();
}

} // namespace

HRESULT ExtractRawSource(IKVEProductionData* pProduction, double dOffset, RawSourceInfo& info)
{
    CHECK_NULL(pProduction);
    LONG position = -1;
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, pProduction->GetPanelAt(dOffset, &position, nullptr));
    SourcePanelFacts facts;
    if (hr == S_OK && ReadSourcePanel(pProduction, position, facts)) {
        CHECK_HR_SHORT(DescribeSource(facts, dOffset, info));
        return S_OK;
    }
    if (!FindClosestSource(pProduction, dOffset, facts))
        return E_OVERLAYSOURCE_CANT_RESOLVE;
    CHECK_HR_SHORT(DescribeSource(facts, dOffset, info));
    return S_FALSE;
}

HRESULT ExtractFirstSource(const std::wstring& productionFile, RawSourceInfo& info)
{
    CComPtr<IKVEProductionData> spProduction;
    CHECK_HR(spProduction.CoCreateInstance(CLSID_KVEProduction));
    CHECK_HR(spProduction->LoadProduction(CComBSTR(productionFile.c_str()), 0));
    return ExtractRawSource(spProduction, 0.0, info);
}

bool IsDiscSource(std::wstring_view source)
{
    return source.size() >= 4 && CompareNoCase(source.substr(0, 4), L"vob:") == 0;
}
