// CButton: a push button, check box or group box.
#pragma once

#include "framework/CWnd.h"

class FWK_API CButton : public CWnd
{
public:
    ~CButton() override;

    // Shows an icon on a button of style BS_ICON; returns the previous icon.
    HICON SetIcon(HICON icon)
    {
        return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
};
