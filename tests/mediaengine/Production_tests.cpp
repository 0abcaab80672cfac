#include "EngineTestSupport.h"

#include "model/KVEMarkerList.h"

#include "platform/Variant.h"

#include <cmath>
#include <filesystem>

namespace {

class ProductionTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_production = NewProduction();
        m_edit = Edit(m_production);
    }

    void AddColour(LONG position, DWORD colour, double duration)
    {
        EngineTest::AddColour(m_production, position, colour, duration);
    }

    DWORD ColourAt(LONG position)
    {
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, m_production->GetPanelBaseObject(position, &panel));
        DWORD colour = 0xDEAD;
        CComQIPtr<IKVESolidColor>(panel)->get_Color(&colour);
        return colour;
    }

    double StartOf(LONG position)
    {
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, m_production->GetPanelBaseObject(position, &panel));
        double start = -1;
        panel->GetStartTime(&start);
        return start;
    }

    double Duration()
    {
        CComQIPtr<IProductionInfo> info(m_production);
        double duration = -1;
        info->get_Duration(&duration);
        return duration;
    }

    LONG Panels()
    {
        LONG count = -1;
        m_production->GetNumberOfPanels(&count);
        return count;
    }

    CComPtr<IKVEProductionData> m_production;
    CComQIPtr<IEditData> m_edit;
};

TEST_F(ProductionTest, SourcesTakeEvenPositionsWithCutsBetween)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x222222, 3.0);
    AddColour(4, 0x333333, 1.0);
    EXPECT_EQ(5, Panels());
    CComPtr<IBaseObject> cut;
    ASSERT_EQ(S_OK, m_production->GetPanelBaseObject(1, &cut));
    LONG kind = 0;
    cut->get_Kind(&kind);
    EXPECT_EQ(KVE_PANEL_TRANSITION, kind);
    EXPECT_DOUBLE_EQ(2.0, StartOf(2));
    EXPECT_DOUBLE_EQ(5.0, StartOf(4));
    EXPECT_DOUBLE_EQ(6.0, Duration());
}

TEST_F(ProductionTest, InsertingAtAnEvenPositionPushesLaterPanelsBack)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x333333, 2.0);
    AddColour(2, 0x222222, 1.0);
    EXPECT_EQ(0x222222u, ColourAt(2));
    EXPECT_EQ(0x333333u, ColourAt(4));
    EXPECT_DOUBLE_EQ(3.0, StartOf(4));
    EXPECT_EQ(E_INVALIDARG, m_edit->AddSolidColor(1, 0x444444, nullptr));
}

TEST_F(ProductionTest, PositionsFromTheEndOnAppend)
{
    AddColour(0, 0x111111, 1.0);
    AddColour(7, 0x222222, 1.0);
    EXPECT_EQ(3, Panels());
    EXPECT_EQ(0x222222u, ColourAt(2));
}

TEST_F(ProductionTest, DeletingASourceTakesItsTransitionsAndClosesTheGap)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x222222, 3.0);
    AddColour(4, 0x333333, 1.0);
    ASSERT_EQ(S_OK, m_production->DeletePanel(2));
    EXPECT_EQ(3, Panels());
    EXPECT_EQ(0x333333u, ColourAt(2));
    EXPECT_DOUBLE_EQ(3.0, Duration());
    ASSERT_EQ(S_OK, m_production->DeletePanel(2));
    EXPECT_EQ(1, Panels());
}

TEST_F(ProductionTest, DeletePanelsRemovesEverythingAtOnce)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x222222, 3.0);
    AddColour(4, 0x333333, 1.0);
    LONG all[] = {0, 1, 2, 3, 4};
    ASSERT_EQ(S_OK, m_production->DeletePanels(all, 5, FALSE));
    EXPECT_EQ(0, Panels());
    EXPECT_DOUBLE_EQ(0.0, Duration());
}

TEST_F(ProductionTest, DeletePanelsByIdAndRefusesUnknownEntries)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x222222, 3.0);
    CComPtr<IBaseObject> second;
    ASSERT_EQ(S_OK, m_production->GetPanelBaseObject(2, &second));
    LONG id = 0;
    second->get_ID(&id);
    LONG unknown[] = {id, 999};
    EXPECT_EQ(E_INVALIDARG, m_production->DeletePanels(unknown, 2, TRUE));
    EXPECT_EQ(3, Panels());
    ASSERT_EQ(S_OK, m_production->DeletePanels(&id, 1, TRUE));
    EXPECT_EQ(1, Panels());
    EXPECT_EQ(0x111111u, ColourAt(0));
}

TEST_F(ProductionTest, PanelAtTimeFindsTheSourceShown)
{
    AddColour(0, 0x111111, 2.0);
    AddColour(2, 0x222222, 3.0);
    LONG position = -5;
    CComPtr<IBaseObject> panel;
    EXPECT_EQ(S_OK, m_production->GetPanelAt(2.5, &position, &panel));
    EXPECT_EQ(2, position);
    EXPECT_EQ(S_OK, m_production->GetPanelAt(1.99, &position, nullptr));
    EXPECT_EQ(0, position);
    EXPECT_EQ(S_FALSE, m_production->GetPanelAt(7.0, &position, nullptr));
    EXPECT_EQ(-1, position);
}

TEST_F(ProductionTest, NestedProductionThatShowsItsHostIsRefused)
{
    CComPtr<IKVEProductionData> inner = NewProduction();
    ASSERT_EQ(S_OK, Edit(inner)->AddProductionMoniker(0, CComBSTR(L"moniker::a"), m_production, 0.0,
                                                      1.0, VARIANT_TRUE, nullptr));
    EXPECT_EQ(E_INVALIDARG, m_edit->AddProductionMoniker(0, CComBSTR(L"moniker::b"), inner, 0.0,
                                                         1.0, VARIANT_TRUE, nullptr));
    EXPECT_EQ(E_INVALIDARG, m_edit->AddProductionMoniker(0, CComBSTR(L"moniker::c"), m_production,
                                                         0.0, 1.0, VARIANT_TRUE, nullptr));
}

TEST_F(ProductionTest, SubProductionThatHoldsItsHostIsRefused)
{
    CComPtr<IKVEProductionData> inner = NewProduction();
    ASSERT_EQ(S_OK, inner->SetSubProduction(CComBSTR(L"moniker::a"), m_production));
    EXPECT_EQ(E_INVALIDARG, m_production->SetSubProduction(CComBSTR(L"moniker::b"), inner));
    EXPECT_EQ(E_INVALIDARG, m_production->SetSubProduction(CComBSTR(L"moniker::c"), m_production));
    EXPECT_EQ(E_INVALIDARG, m_edit->AddProductionMoniker(0, CComBSTR(L"moniker::d"), inner, 0.0,
                                                         1.0, VARIANT_TRUE, nullptr));
    // What was refused can be written out: nothing holds itself.
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(S_OK, CreateXMLDocument(&document));
    EXPECT_EQ(S_OK, CComQIPtr<IKVEProductionXml>(inner)->SaveToXml(document));
}

TEST_F(ProductionTest, NestedProductionLastsWhatIsLeftAfterItsOffset)
{
    CComPtr<IKVEProductionData> inner = NewProduction();
    ASSERT_EQ(S_OK, Edit(inner)->AddSolidColor(0, 0xFF0000, nullptr));
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, m_edit->AddProductionMoniker(0, CComBSTR(L"moniker::dvdproduction_4"), inner,
                                                 1.5, 0.0, VARIANT_TRUE, &panel));
    EXPECT_DOUBLE_EQ(3.5, Duration());
    CComQIPtr<IKVEProductionMoniker> moniker(panel);
    CComBSTR name;
    ASSERT_EQ(S_OK, moniker->get_Moniker(&name));
    EXPECT_EQ(L"moniker::dvdproduction_4", name.Str());
}

TEST_F(ProductionTest, MarkersCountWithinTheirKindInTimeOrder)
{
    CComQIPtr<IKVEMarkerList> markers(m_production);
    ASSERT_TRUE(markers);
    LONG late = 0, early = 0, thumb = 0;
    ASSERT_EQ(S_OK, markers->AddMarker(120.0, KVE_MARKER_CHAPTER, 0, &late));
    ASSERT_EQ(S_OK, markers->AddMarker(60.0, KVE_MARKER_CHAPTER, 0, &early));
    ASSERT_EQ(S_OK, markers->AddMarker(30.0, KVE_MARKER_THUMBNAIL, 0, &thumb));
    LONG count = 0;
    markers->GetMarkerCount(KVE_MARKER_CHAPTER, &count);
    EXPECT_EQ(2, count);
    KVEMarker first{};
    ASSERT_EQ(S_OK, markers->GetMarkerItem(0, KVE_MARKER_CHAPTER, &first));
    EXPECT_EQ(early, first.lID);
    EXPECT_EQ(-1, first.lLink);
    ASSERT_EQ(S_OK, markers->SetMarkerTime(early, 150.0));
    ASSERT_EQ(S_OK, markers->GetMarkerItem(0, KVE_MARKER_CHAPTER, &first));
    EXPECT_EQ(late, first.lID);
    EXPECT_EQ(E_INVALIDARG, markers->GetMarkerItem(2, KVE_MARKER_CHAPTER, &first));
}

TEST_F(ProductionTest, MarkerLinksIdsAndRemovalHold)
{
    CComQIPtr<IKVEMarkerList> markers(m_production);
    LONG chapter = 0, thumb = 0;
    ASSERT_EQ(S_OK, markers->AddMarker(10.0, KVE_MARKER_CHAPTER, 0, &chapter));
    ASSERT_EQ(S_OK, markers->AddMarker(12.0, KVE_MARKER_THUMBNAIL, 0, &thumb));
    ASSERT_EQ(S_OK, markers->SetMarkerLink(chapter, thumb));
    KVEMarker record{};
    ASSERT_EQ(S_OK, markers->GetMarkerByID(chapter, &record));
    EXPECT_EQ(thumb, record.lLink);
    EXPECT_DOUBLE_EQ(10.0, record.dTime);
    ASSERT_EQ(S_OK, markers->RemoveMarker(thumb));
    EXPECT_EQ(E_INVALIDARG, markers->GetMarkerByID(thumb, &record));
    EXPECT_EQ(E_INVALIDARG, markers->RemoveMarker(thumb));
    ASSERT_EQ(S_OK, markers->RemoveAllMarkers());
    LONG total = -1;
    markers->GetTotalMarkerCount(&total);
    EXPECT_EQ(0, total);
}

TEST_F(ProductionTest, MarkerTimesMustBeRealAndNotNegative)
{
    CComQIPtr<IKVEMarkerList> markers(m_production);
    LONG id = 0;
    EXPECT_EQ(E_INVALIDARG, markers->AddMarker(-1.0, KVE_MARKER_CHAPTER, 0, &id));
    EXPECT_EQ(E_INVALIDARG, markers->AddMarker(std::nan(""), KVE_MARKER_CHAPTER, 0, &id));
    EXPECT_EQ(E_INVALIDARG, markers->AddMarker(1.0, 7, 0, &id));
    ASSERT_EQ(S_OK, markers->AddMarker(1.0, KVE_MARKER_CHAPTER, 0, &id));
    EXPECT_EQ(E_INVALIDARG, markers->SetMarkerTime(id, -0.5));
}

TEST_F(ProductionTest, UpdateSwitchGathersEditsIntoOneChange)
{
    VARIANT_BOOL changed = VARIANT_TRUE;
    ASSERT_EQ(S_OK, m_production->EnableUpdates(VARIANT_FALSE));
    AddColour(0, 0x111111, 2.0);
    m_production->IsChanged(&changed);
    EXPECT_EQ(VARIANT_FALSE, changed);
    ASSERT_EQ(S_OK, m_production->EnableUpdates(VARIANT_TRUE));
    m_production->IsChanged(&changed);
    EXPECT_EQ(VARIANT_TRUE, changed);
    ASSERT_EQ(S_OK, m_production->ClearChangeMark());
    m_production->IsChanged(&changed);
    EXPECT_EQ(VARIANT_FALSE, changed);
}

TEST_F(ProductionTest, ChangingAPanelSetsTheChangeMark)
{
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, m_edit->AddSolidColor(0, 0x111111, &panel));
    m_production->ClearChangeMark();
    ASSERT_EQ(S_OK, CComQIPtr<IKVESolidColor>(panel)->put_Color(0x222222));
    VARIANT_BOOL changed = VARIANT_FALSE;
    m_production->IsChanged(&changed);
    EXPECT_EQ(VARIANT_TRUE, changed);
}

TEST_F(ProductionTest, ColourDurationsMustBePositive)
{
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, m_edit->AddSolidColor(0, 0x111111, &panel));
    CComQIPtr<IBaseObject> base(panel);
    EXPECT_EQ(E_INVALIDARG, base->put_Duration(0.0));
    EXPECT_EQ(E_INVALIDARG, base->put_Duration(-3.0));
    ASSERT_EQ(S_OK, base->put_Duration(15.0));
    EXPECT_DOUBLE_EQ(15.0, Duration());
}

TEST_F(ProductionTest, InformationRefusesImpossibleValues)
{
    CComQIPtr<IProductionInfo> info(m_production);
    EXPECT_EQ(E_INVALIDARG, info->put_AspectRatio(0.0));
    EXPECT_EQ(E_INVALIDARG, info->put_EditingFrameRate(-25.0));
    ASSERT_EQ(S_OK, info->put_AspectRatio(16.0 / 9.0));
    double ratio = 0;
    info->get_AspectRatio(&ratio);
    EXPECT_DOUBLE_EQ(16.0 / 9.0, ratio);
    CComPtr<IUnknown> object;
    ASSERT_EQ(S_OK, m_production->GetProductionObj(&object));
    EXPECT_TRUE(CComQIPtr<IProductionInfo>(object));
}

class SourcePanels : public ProductionTest
{
protected:
    std::wstring Clip(const char* name)
    {
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, WriteColourClip(path, ClipShape()));
        return path;
    }

    std::wstring Picture(const char* name)
    {
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, SaveImageFile(BgraImage(32, 24), path));
        return path;
    }
};

TEST_F(SourcePanels, VideoSourceKnowsItsTypeLengthAndShape)
{
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK,
              m_edit->AddSourceFile(0, CComBSTR(Clip("clip.mp4")), 0.5, 0.0, VARIANT_TRUE, &panel));
    CComQIPtr<ISourceFile> source(panel);
    LONG type = 0;
    double fileDuration = 0, aspect = 0, out = 0;
    source->get_SourceType(&type);
    source->get_FileDuration(&fileDuration);
    source->get_AspectRatio(&aspect);
    source->get_OutPoint(&out);
    EXPECT_EQ(KVE_SOURCE_VIDEO, type);
    EXPECT_NEAR(2.0, fileDuration, 0.01);
    EXPECT_NEAR(4.0 / 3.0, aspect, 1e-9);
    EXPECT_NEAR(2.0, out, 0.01);
    EXPECT_NEAR(1.5, Duration(), 0.01);
}

TEST_F(SourcePanels, VideoCannotPlayPastItsEnd)
{
    CComPtr<IUnknown> panel;
    EXPECT_EQ(E_INVALIDARG,
              m_edit->AddSourceFile(0, CComBSTR(Clip("clip.mp4")), 0.0, 9.0, VARIANT_TRUE, &panel));
    ASSERT_EQ(S_OK,
              m_edit->AddSourceFile(0, CComBSTR(Clip("clip.mp4")), 1.0, 1.5, VARIANT_TRUE, &panel));
    CComQIPtr<IBaseObject> base(panel);
    EXPECT_EQ(E_FAIL, base->put_Duration(5.0));
    ASSERT_EQ(S_OK, base->put_Duration(0.75));
    EXPECT_DOUBLE_EQ(0.75, Duration());
}

TEST_F(SourcePanels, StillWithoutIntervalShowsForTheDefaultTime)
{
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, m_edit->AddSourceFile(0, CComBSTR(Picture("still.png")), 0.0, 0.0,
                                          VARIANT_FALSE, &panel));
    LONG type = 0;
    CComQIPtr<ISourceFile>(panel)->get_SourceType(&type);
    EXPECT_EQ(KVE_SOURCE_STILL, type);
    EXPECT_DOUBLE_EQ(kKVEDefaultStillDuration, Duration());
    ASSERT_EQ(S_OK, m_edit->AddSourceFile(2, CComBSTR(Picture("still.png")), 0.02, 1.02,
                                          VARIANT_FALSE, nullptr));
    EXPECT_DOUBLE_EQ(kKVEDefaultStillDuration + 1.0, Duration());
}

TEST_F(SourcePanels, MissingFilesCannotBeAddedButAreReportedOnceMissing)
{
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              m_edit->AddSourceFile(0, CComBSTR(m_folder.File("absent.png")), 0.0, 0.0,
                                    VARIANT_FALSE, nullptr));
    std::wstring still = Picture("still.png");
    ASSERT_EQ(S_OK, m_edit->AddSourceFile(0, CComBSTR(still), 0.0, 0.0, VARIANT_FALSE, nullptr));
    ASSERT_EQ(S_OK, m_edit->AddSourceFile(2, CComBSTR(still), 0.0, 0.0, VARIANT_FALSE, nullptr));
    CComVariant names;
    EXPECT_EQ(S_FALSE, m_production->GetMissingSourceFileNames(0, 0, VARIANT_FALSE, &names));
    std::filesystem::remove(still);
    names.Clear();
    ASSERT_EQ(S_OK, m_production->GetMissingSourceFileNames(0, 0, VARIANT_FALSE, &names));
    ASSERT_EQ(VT_ARRAY | VT_BSTR, names.vt);
    EXPECT_EQ(1u, names.parray->rgsabound[0].cElements);
}

TEST_F(SourcePanels, ManyFilesAreAddedInOrderOrNotAtAll)
{
    AddColour(0, 0x111111, 1.0);
    SAFEARRAY* files = SafeArrayCreateVector(VT_BSTR, 0, 2);
    CComBSTR first(Picture("a.png")), second(Clip("b.mp4"));
    LONG index = 0;
    SafeArrayPutElement(files, &index, first.m_str);
    index = 1;
    SafeArrayPutElement(files, &index, second.m_str);
    ASSERT_EQ(S_OK, m_production->Add3DSourceFiles(files, nullptr, nullptr, Panels(), VARIANT_FALSE,
                                                   nullptr));
    EXPECT_EQ(5, Panels());
    CComBSTR missing(m_folder.File("missing.mp4"));
    SafeArrayPutElement(files, &index, missing.m_str);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              m_production->Add3DSourceFiles(files, nullptr, nullptr, 0, VARIANT_FALSE, nullptr));
    EXPECT_EQ(5, Panels());
    SafeArrayDestroy(files);
}

TEST_F(SourcePanels, ArraysOfTheWrongTypeOrBoundsAreRefusedNotGuessed)
{
    SAFEARRAY* files = SafeArrayCreateVector(VT_BSTR, 0, 1);
    CComBSTR picture(Picture("a.png"));
    LONG index = 0;
    SafeArrayPutElement(files, &index, picture.m_str);
    // Strings where numbers belong would be copied over the number read.
    EXPECT_EQ(DISP_E_TYPEMISMATCH,
              m_production->Add3DSourceFiles(files, files, nullptr, 0, VARIANT_FALSE, nullptr));
    SAFEARRAY* types = SafeArrayCreateVector(VT_I4, 1, 1);
    EXPECT_EQ(DISP_E_BADINDEX,
              m_production->Add3DSourceFiles(files, types, nullptr, 0, VARIANT_FALSE, nullptr));
    EXPECT_EQ(0, Panels());
    SafeArrayDestroy(types);
    SafeArrayDestroy(files);
}

TEST_F(SourcePanels, BackgroundAudioRepeatsToItsEndOffset)
{
    AddColour(0, 0x111111, 10.0);
    CComPtr<IUnknown> audio;
    ASSERT_EQ(S_OK, m_edit->AddProductionAudio(CComBSTR(Clip("music.mp4")), enBackgroundAudio, 0.0,
                                               &audio));
    CComQIPtr<IKVEAudioSource> source(audio);
    CComQIPtr<IKVEAudioSubObject> placed(audio);
    ASSERT_TRUE(source && placed);
    ASSERT_EQ(S_OK, source->put_Repeat(VARIANT_TRUE));
    ASSERT_EQ(S_OK, placed->put_EndOffset(10.0));
    CComPtr<IUnknown> found;
    ASSERT_EQ(S_OK, m_production->GetAudioAt(enBackgroundAudio, 9.0, &found));
    LONG id = 0;
    placed->get_ID(&id);
    EXPECT_EQ(S_OK, m_edit->DeleteProductionAudio(id));
    EXPECT_EQ(S_FALSE, m_edit->DeleteProductionAudio(id));
    found.Release();
    EXPECT_EQ(S_FALSE, m_production->GetAudioAt(enBackgroundAudio, 9.0, &found));
}

TEST_F(SourcePanels, NativeAudioOfTheFirstPanelCanBeSwitched)
{
    ASSERT_EQ(S_OK, m_edit->AddSourceFile(0, CComBSTR(Clip("clip.mp4")), 0.0, 0.0, VARIANT_TRUE,
                                          nullptr));
    CComPtr<IBaseObject> first;
    ASSERT_EQ(S_OK, m_production->GetPanelBaseObject(0, &first));
    CComQIPtr<IKVEAudioObject> audio(first);
    ASSERT_EQ(S_OK, audio->put_UseNativeAudio(VARIANT_FALSE));
    VARIANT_BOOL native = VARIANT_TRUE;
    audio->get_UseNativeAudio(&native);
    EXPECT_EQ(VARIANT_FALSE, native);
    EXPECT_EQ(E_INVALIDARG, audio->put_VolumeLevel(1.5));
}

} // namespace
