// CMenu: a menu or pop-up menu. A menu loaded or created through the object is destroyed with it;
// the sub-menus and FromHandle wrappers only borrow their handles.
#pragma once

#include "framework/CString.h"
#include "framework/FrameworkApi.h"

#include <windows.h>
#include <map>
#include <memory>

class CWnd;

class FWK_API CMenu
{
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    // Loads a menu resource from the resource chain.
    BOOL LoadMenu(UINT id);
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();

    // The pop-up at a position, owned by this object; null when that item opens none.
    CMenu* GetSubMenu(int position);
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    // Each returns the previous state, or (UINT)-1 when the item does not exist.
    UINT CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
    UINT EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr)
    {
        return ::AppendMenuA(m_hMenu, flags, id, text);
    }
    // Shows the pop-up at a screen point; its commands go to the owner window.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT ignored = nullptr);

    // A wrapper of a menu owned elsewhere, valid until the next call.
    static CMenu* FromHandle(HMENU menu);

private:
    bool m_bOwned = false;
    std::map<HMENU, std::unique_ptr<CMenu>> m_subMenus;
};
