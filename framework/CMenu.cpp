#include "framework/CMenu.h"
#include "framework/CWnd.h"
#include "framework/ResourceChain.h"

CMenu::~CMenu()
{
    if (m_bOwned)
        DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT id)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(4) /* RT_MENU */);
    HMENU menu = module ? ::LoadMenuA(module, MAKEINTRESOURCEA(id)) : nullptr;
    if (!menu || !Attach(menu))
    {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    m_bOwned = true;
    return TRUE;
}

BOOL CMenu::CreatePopupMenu()
{
    HMENU menu = ::CreatePopupMenu();
    if (!menu || !Attach(menu))
        return FALSE;
    m_bOwned = true;
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    m_subMenus.clear();
    if (!m_hMenu)
        return FALSE;
    BOOL destroyed = m_bOwned ? ::DestroyMenu(m_hMenu) : TRUE;
    m_hMenu = nullptr;
    m_bOwned = false;
    return destroyed;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    m_hMenu = menu;
    m_bOwned = true;
    return TRUE;
}

HMENU CMenu::Detach()
{
    m_subMenus.clear();
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = false;
    return menu;
}

CMenu* CMenu::GetSubMenu(int position)
{
    HMENU sub = ::GetSubMenu(m_hMenu, position);
    if (!sub)
        return nullptr;
    auto& wrapper = m_subMenus[sub];
    if (!wrapper)
    {
        wrapper = std::make_unique<CMenu>();
        wrapper->m_hMenu = sub; // destroyed with its parent menu, not by the wrapper
    }
    return wrapper.get();
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    int length = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    ::GetMenuStringA(m_hMenu, item, text.GetBuffer(length + 1), length + 1, flags);
    text.ReleaseBuffer();
    return text.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, nullptr);
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    // Borrowed: the wrapper is never destroyed, so it never destroys the menu.
    static CMenu* wrapper = new CMenu;
    wrapper->m_subMenus.clear();
    wrapper->m_hMenu = menu;
    return menu ? wrapper : nullptr;
}
