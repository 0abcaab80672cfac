// What the engine's tests share: registering the engine, making productions and media, and
// reading pixels of extracted frames.
#pragma once

#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "mediaengine/MediaEngine.h"
#include "platform/ComPtr.h"
#include "platform/Image.h"
#include "platform/TaskMemory.h"
#include "platform/Xml.h"
#include "support/ClipWriter.h"
#include "support/ColourCheck.h"
#include "support/FrameGrab.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

struct TaskMemoryFreer
{
    void operator()(BYTE* block) const { CoTaskMemFree(block); }
};
using TaskPixels = std::unique_ptr<BYTE, TaskMemoryFreer>;

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(S_OK, RegisterMediaEngineClasses()); }

    static CComPtr<IKVEProductionData> NewProduction()
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        return production;
    }

    static CComQIPtr<IEditData> Edit(IKVEProductionData* production)
    {
        return CComQIPtr<IEditData>(production);
    }

    // Adds a solid colour panel of a duration at a position.
    static void AddColour(IKVEProductionData* production, LONG position, DWORD colour,
                          double duration)
    {
        CComPtr<IUnknown> panel;
        ASSERT_EQ(S_OK, Edit(production)->AddSolidColor(position, colour, &panel));
        ASSERT_EQ(S_OK, CComQIPtr<IBaseObject>(panel)->put_Duration(duration));
    }

    // The frame of a production at a time as a picture.
    static HRESULT Extract(IKVEProductionData* production, double time, int width, int height,
                           BgraImage& frame)
    {
        return ExtractFrame(production, time, width, height, frame);
    }

    static int Distance(DWORD a, DWORD b) { return ColourDistance(a, b); }

    // The document element of XML text, in a document of its own.
    static CComPtr<IXMLDOMElement> Element(const std::wstring& xml)
    {
        CComPtr<IXMLDOMDocument> document;
        EXPECT_EQ(S_OK, CreateXMLDocument(&document));
        VARIANT_BOOL loaded = VARIANT_FALSE;
        EXPECT_EQ(S_OK, document->loadXML(CComBSTR(xml), &loaded));
        CComPtr<IXMLDOMElement> root;
        document->get_documentElement(&root);
        return root;
    }

    ScratchFolder m_folder;
};
