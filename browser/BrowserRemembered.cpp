// What the browser dialog remembers of its user: read as a showing opens, written as it ends, under
// the key the host named (nothing without one).
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"

#include <algorithm>

namespace
{
CString g_settingsKey;
} // namespace

void CBrowserDlg::SetSettingsKey(const char* key)
{
    g_settingsKey = key ? key : "";
}

void CBrowserDlg::ReadSettings()
{
    m_bRestoredPlacement = false;
    m_bOpened = false;
    m_settings = BrowserSettings::Read(g_settingsKey, m_type);
    if (m_settings.groupMembers >= 0)
        m_bGroupMembers = m_settings.groupMembers != 0;
    if (m_settings.showHidden >= 0)
        m_bShowHidden = m_settings.showHidden != 0;
}

void CBrowserDlg::RestoreWindowAndPanes()
{
    m_bOpened = !m_bEnded;
    if (m_settings.hasPlacement)
    {
        const RECT place = PlaceOnAMonitor(m_settings.window, LeastWindowSize());
        SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_bRestoredPlacement = true;
        // Maximised once the window is shown.
        if (m_settings.maximized && (GetStyle() & WS_MAXIMIZEBOX))
            PostMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    }
    PlaceSplitters(m_settings.classesShare, m_settings.descriptionShare);
    if (!m_settings.searches.empty())
        m_searchPane.SetRememberedSearches(m_settings.searches);
}

bool CBrowserDlg::RestoreSelection()
{
    // A library the host asks for wins over the remembered one; a library no longer among the
    // references leaves the usual first selection.
    const _HistoryItem& last = m_settings.selection;
    if (!m_strInitialLibrary.IsEmpty() || last.strLibrary.IsEmpty())
        return false;
    m_nLibIndex = -1;
    if (!SelectHistoryItem(last))
        return false;
    AddCurrentSelectionToHistory();
    Current() = 0;
    return true;
}

void CBrowserDlg::NoteChoice()
{
    if (m_type != BROWSER_TYPELIB && m_pImpl)
        m_settings.NoteChosenEntry(m_pImpl->GetSelectedMemberName());
}

void CBrowserDlg::SaveSettings()
{
    // Only a showing that opened is remembered (one that could not open ends before it shows).
    if (g_settingsKey.IsEmpty() || !m_bOpened || !m_hWnd || !m_pImpl || !m_pClassesList ||
        !m_pClassesList->IsWindow())
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(m_hWnd, &placement))
    {
        m_settings.maximized = placement.showCmd == SW_SHOWMAXIMIZED;
        if (IsIconic() || IsZoomed())
        {
            // The restored place is in work-area coordinates.
            MONITORINFO monitor = {};
            monitor.cbSize = sizeof monitor;
            ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
            m_settings.window = placement.rcNormalPosition;
            ::OffsetRect(&m_settings.window, monitor.rcWork.left - monitor.rcMonitor.left,
                         monitor.rcWork.top - monitor.rcMonitor.top);
        }
        else
            GetWindowRect(&m_settings.window);
        m_settings.hasPlacement = true;
    }
    CRect client;
    GetClientRect(&client);
    if (!IsIconic() && client.Width() > 0 && client.Height() > 0)
    {
        constexpr int most = BrowserSettings::kShareScale - 1;
        m_settings.classesShare =
            std::clamp(::MulDiv(m_rcVSplitter.left, BrowserSettings::kShareScale, client.Width()), 1, most);
        m_settings.descriptionShare = std::clamp(
            ::MulDiv(m_rcHSplitter.bottom, BrowserSettings::kShareScale, client.Height()), 1, most);
    }
    if (m_type == BROWSER_TYPELIB)
    {
        m_settings.groupMembers = m_bGroupMembers ? 1 : 0;
        m_settings.showHidden = m_bShowHidden ? 1 : 0;
    }
    m_settings.selection.strLibrary = m_pImpl->GetSelectedLibraryName();
    m_settings.selection.strClass = m_pImpl->GetSelectedClassName();
    m_settings.selection.strMember = m_pImpl->GetSelectedMemberName();
    m_settings.searches = m_searchPane.RememberedSearches();
    static_cast<void>(m_settings.Write(g_settingsKey, m_type));
}
