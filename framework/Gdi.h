// GDI objects and device contexts: each object owns its handle and deletes it when destroyed,
// except the temporary wrappers that FromHandle hands out for handles owned elsewhere.
#pragma once

#include "framework/FrameworkApi.h"
#include "framework/Geometry.h"

#include <windows.h>

class CWnd;

class FWK_API CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class FWK_API CFont : public CGdiObject
{
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTA* font);
    // pointSize is in tenths of a point, as the framework's point fonts are given.
    BOOL CreatePointFont(int pointSize, LPCSTR faceName);
    int GetLogFont(LOGFONTA* font) const;
    // A wrapper of a font owned elsewhere (a window's font), valid until the next call.
    static CFont* FromHandle(HFONT font);
};

class FWK_API CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color);
};

class FWK_API CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
};

class CDC;

class FWK_API CBitmap : public CGdiObject
{
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
};

// A device context. The plain form owns a memory context made by CreateCompatibleDC; the derived
// forms borrow a window's context for their lifetime. Objects selected into the context are put
// back before it is released.
class FWK_API CDC
{
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Selects the object and returns the one it replaced (to select back).
    HGDIOBJ SelectObject(CGdiObject* object) { return SelectObject(object ? object->m_hObject : nullptr); }
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectStockObject(int index) { return SelectObject(::GetStockObject(index)); }

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
    }
    BOOL Rectangle(LPCRECT rect)
    {
        return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
    }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    int DrawText(LPCSTR text, LPRECT rect, UINT format) { return ::DrawTextA(m_hDC, text, -1, rect, format); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state)
    {
        return ::DrawFrameControl(m_hDC, rect, type, state);
    }

    // A wrapper of a context owned elsewhere (a DRAWITEMSTRUCT's), valid until the next call.
    static CDC* FromHandle(HDC dc);

protected:
    void RestoreSelections();

private:
    HGDIOBJ m_savedObjects[4] = {}; // the first pen, brush, font and bitmap replaced
};

class FWK_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

class FWK_API CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* window);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};

class FWK_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
