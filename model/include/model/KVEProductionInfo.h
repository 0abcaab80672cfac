// The production object's information: frame shape and timing, the 3D flag and named
// metadata documents such as "SlideShowDoc".
#pragma once

#include "platform/Xml.h"

DS_INTERFACE_ID(IProductionInfo, IUnknown, "{2D3846E7-A686-49BB-80FD-3D1751F1161F}");

struct IProductionInfo : IUnknown
{
    // Width / height of the frame (4/3 unless set).
    virtual HRESULT get_AspectRatio(double* ratio) = 0;
    // E_INVALIDARG for a ratio that is not positive.
    virtual HRESULT put_AspectRatio(double ratio) = 0;
    // The end of the last panel in seconds.
    virtual HRESULT get_Duration(double* seconds) = 0;
    // Frames a second of editing (29.97 unless set); E_INVALIDARG when not positive.
    virtual HRESULT get_EditingFrameRate(double* rate) = 0;
    virtual HRESULT put_EditingFrameRate(double rate) = 0;
    virtual HRESULT get_Is3D(VARIANT_BOOL* is3D) = 0;
    virtual HRESULT put_Is3D(VARIANT_BOOL is3D) = 0;
    // The metadata element of a name, live: changes made to it are the production's. S_FALSE
    // and null when there is none.
    virtual HRESULT GetMetaData(BSTR name, IXMLDOMNode** node) = 0;
    // Stores a copy of an element under a name (null removes it).
    virtual HRESULT SetMetaData(BSTR name, IXMLDOMNode* node) = 0;
};
