#include "framework/Gdi.h"
#include "framework/CWnd.h"

#include <memory>

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* font)
{
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(font);
    return m_hObject != nullptr;
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName)
{
    HDC screen = ::GetDC(nullptr);
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(pointSize, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
    ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONTA* font) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), font);
}

CFont* CFont::FromHandle(HFONT font)
{
    // Borrowed: the wrapper is never destroyed, so it never deletes the font.
    static CFont* wrapper = new CFont;
    wrapper->m_hObject = font;
    return font ? wrapper : nullptr;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    DeleteObject();
    m_hObject = ::CreatePen(style, width, color);
    return m_hObject != nullptr;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    DeleteObject();
    m_hObject = ::CreateSolidBrush(color);
    return m_hObject != nullptr;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    DeleteObject();
    m_hObject = ::CreateCompatibleBitmap(dc->m_hDC, width, height);
    return m_hObject != nullptr;
}

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    RestoreSelections();
    BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    return deleted;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    HGDIOBJ previous = ::SelectObject(m_hDC, object);
    int slot = -1;
    switch (::GetObjectType(object))
    {
    case OBJ_PEN:
        slot = 0;
        break;
    case OBJ_BRUSH:
        slot = 1;
        break;
    case OBJ_FONT:
        slot = 2;
        break;
    case OBJ_BITMAP:
        slot = 3;
        break;
    default:
        break;
    }
    // The context's own first object of each kind is put back before the context goes, so that
    // no object of ours stays selected when it is deleted.
    if (slot >= 0 && !m_savedObjects[slot])
        m_savedObjects[slot] = previous;
    return previous;
}

void CDC::RestoreSelections()
{
    for (HGDIOBJ& saved : m_savedObjects)
    {
        if (saved)
            ::SelectObject(m_hDC, saved);
        saved = nullptr;
    }
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

CDC* CDC::FromHandle(HDC dc)
{
    // Borrowed: the wrapper is never destroyed, so it never deletes the context; the caller puts
    // back what it selects.
    static CDC* wrapper = new CDC;
    wrapper->m_hDC = dc;
    return dc ? wrapper : nullptr;
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    RestoreSelections();
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

CWindowDC::CWindowDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr)
{
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC()
{
    RestoreSelections();
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

CPaintDC::CPaintDC(CWnd* window) : m_ps(), m_hWnd(window->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    RestoreSelections();
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}
