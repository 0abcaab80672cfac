// The content folder being made: where its files go and how stored paths name them.
#pragma once

#include "Canvas.h"

#include <functional>
#include <string>

class ContentWriter
{
public:
    explicit ContentWriter(std::wstring root) : m_root(std::move(root)) {}

    const std::wstring& Root() const { return m_root; }
    // The file of a relative path ("DVD/Mandatory/PlaceHolder.png").
    std::wstring Path(const std::wstring& relative) const;
    // The same as stored in themes and styles, through the content macro.
    static std::wstring Stored(const std::wstring& relative);
    // Makes the folders a relative path needs.
    HRESULT MakeFolderFor(const std::wstring& relative) const;
    // Saves a picture (the extension picks the encoder).
    HRESULT Save(const BgraImage& picture, const std::wstring& relative) const;
    // Paints a transparent picture of a size and saves it.
    HRESULT Paint(const std::wstring& relative, int width, int height,
                  const std::function<void(Canvas&)>& paint) const;

    // The relative paths of the sample scenes that thumbnails show, 1-based.
    static std::wstring ScenePath(int number, bool wide);

private:
    std::wstring m_root;
};
