// CImageList: a list of same-sized images, here 16 by 16 icons with a mask, for list controls.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>
#include <commctrl.h>

class FWK_API CImageList
{
public:
    CImageList() = default;
    virtual ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();

    // Adds an icon (its mask included); returns its index, -1 on failure.
    int Add(HICON icon) { return ImageList_ReplaceIcon(m_hImageList, -1, icon); }
    // Makes image `image` usable as overlay number `overlay` (1 to 15) of list items.
    BOOL SetOverlayImage(int image, int overlay)
    {
        return ImageList_SetOverlayImage(m_hImageList, image, overlay);
    }
};
