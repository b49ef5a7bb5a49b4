// The type-library back-end's work for the panes around the lists: the description, what Copy and
// a double-click deliver, the Copy button and the context menu, links and help.
#include "browser/CBrowserDlg.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "declaration/CTDSBuilder.h"
#include "typelib/CTVariable.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "resources/resource.h"
#include "framework/HtmlHelp.h"
#include "module/ModuleServices.h"

#include <typeinfo>

void CTypeLibBrowserImpl::DescribeItem(CTLibItem* item)
{
    if (!item)
        return;
    CRTFBuilder rtf;
    item->Describe(kDescriptionLanguage, rtf);
    m_linkTargets.clear();
    for (const RTFLinkRun& link : rtf.GetLinks())
        if (auto* linked = reinterpret_cast<CTLibItem*>(link.dwData))
        {
            _HistoryItem target;
            if (typeid(*linked) == typeid(CTLib))
                target.strLibrary = linked->GetName();
            else if (typeid(*linked) == typeid(CTClass))
            {
                auto* type = static_cast<CTClass*>(linked);
                target.strLibrary = type->GetLib()->GetName();
                target.strClass = type->GetName();
            }
            else
                continue;
            m_linkTargets[link.dwData] = target;
        }
    ShowDescription(rtf);
}

bool CTypeLibBrowserImpl::HasFocus(CWnd* pane) const
{
    return pane && pane->m_hWnd && ::GetFocus() == pane->m_hWnd;
}

BOOL CTypeLibBrowserImpl::CanCopy()
{
    if (HasFocus(m_pMembersCtrl.get()))
        return GetSelectedMember() != nullptr;
    if (HasFocus(m_pClassesCtrl.get()))
    {
        CTLibItem* selected = GetSelectedClass(false);
        return selected && selected != m_pGlobals.get();
    }
    if (HasFocus(m_pDlg->m_pDescription))
        return !m_pDlg->m_pDescription->GetSelText().IsEmpty();
    return FALSE;
}

void CTypeLibBrowserImpl::UpdateCopyButton()
{
    m_pDlg->GetDlgItem(IDC_COPY)->EnableWindow(CanCopy());
}

CString CTypeLibBrowserImpl::GetSelectionText()
{
    HWND focus = ::GetFocus();
    // A click on Copy took the focus from the pane the user was in.
    if (focus && focus == m_pDlg->GetDlgItem(IDC_COPY)->m_hWnd)
        focus = m_pDlg->m_pFocusWnd ? m_pDlg->m_pFocusWnd->m_hWnd : nullptr;
    if (!focus)
        return CString();
    CTLibItem* item = nullptr;
    if (focus == m_pMembersCtrl->m_hWnd)
        item = GetSelectedMember();
    else if (focus == m_pClassesCtrl->m_hWnd)
        item = GetSelectedClass(false);
    else if (focus == m_pDlg->m_pDescription->m_hWnd)
        return m_pDlg->m_pDescription->GetSelText();
    return item ? item->GetName() : CString();
}

CMenu* CTypeLibBrowserImpl::GetContextMenu()
{
    return m_contextMenu.GetSubMenu(0);
}

void CTypeLibBrowserImpl::UpdateContextMenu(CMenu* popup, UINT, BOOL)
{
    popup->CheckMenuItem(ID_GROUPMEMBERS,
                         MF_BYCOMMAND | (m_pDlg->m_bGroupMembers ? MF_CHECKED : MF_UNCHECKED));
    popup->CheckMenuItem(ID_SHOWHIDDEN, MF_BYCOMMAND | (m_pDlg->m_bShowHidden ? MF_CHECKED : MF_UNCHECKED));
    popup->EnableMenuItem(ID_COPY, MF_BYCOMMAND | (CanCopy() ? MF_ENABLED : MF_GRAYED));

    // The search by use names the selected type; "implements" asks about interfaces and coclasses.
    auto* type = dynamic_cast<CTClass*>(GetSelectedClass(false));
    const bool implementable = type && (type->IsCoClass() || type->GetTypeKind() == TKIND_INTERFACE ||
                                        type->GetTypeKind() == TKIND_DISPATCH);
    const struct
    {
        UINT command;
        UINT text;
        bool enabled;
    } questions[] = {{ID_FIND_RETURNING, IDS_FIND_RETURNING, type != nullptr},
                     {ID_FIND_TAKING, IDS_FIND_TAKING, type != nullptr},
                     {ID_FIND_IMPLEMENTING, IDS_FIND_IMPLEMENTING, implementable}};
    for (const auto& question : questions)
    {
        if (type)
        {
            CString text;
            text.Format(szGetStringObr(question.text), type->GetName().GetString());
            ::ModifyMenuA(popup->m_hMenu, question.command, MF_BYCOMMAND | MF_STRING, question.command, text);
        }
        popup->EnableMenuItem(question.command, MF_BYCOMMAND | (question.enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void CTypeLibBrowserImpl::MembersListClicked(NMHDR*, LRESULT* result)
{
    UpdateCopyButton();
    *result = 0;
}

void CTypeLibBrowserImpl::ClassesListClicked(NMHDR*, LRESULT* result)
{
    UpdateCopyButton();
    *result = 0;
}

void CTypeLibBrowserImpl::DescriptionSelectionChanged(NMHDR*, LRESULT* result)
{
    *result = 0;
    UpdateCopyButton();
}

void CTypeLibBrowserImpl::DescriptionFocused()
{
    UpdateCopyButton();
}

void CTypeLibBrowserImpl::ClassesListFocused(NMHDR*, LRESULT* result)
{
    DescribeItem(GetSelectedClass(false));
    UpdateCopyButton();
    *result = 0;
}

void CTypeLibBrowserImpl::MembersListFocused(NMHDR*, LRESULT* result)
{
    DescribeItem(GetSelectedMember());
    UpdateCopyButton();
    *result = 0;
}

LRESULT CTypeLibBrowserImpl::FollowLink(WPARAM link, LPARAM)
{
    const auto* click = reinterpret_cast<const RTFLinkClick*>(link);
    const auto target = click ? m_linkTargets.find(click->dwData) : m_linkTargets.end();
    if (target == m_linkTargets.end())
        return 1;
    // A copy: selecting the target writes a new description, and with it new targets.
    const _HistoryItem destination = target->second;
    if (m_pDlg->SelectHistoryItem(destination))
        m_pDlg->AddCurrentSelectionToHistory();
    return 0;
}

BOOL CTypeLibBrowserImpl::ShowHelp(HELPINFO* info)
{
    if (info->iContextType != HELPINFO_WINDOW)
        return TRUE;
    CTLibItem* item = nullptr;
    switch (info->iCtrlId)
    {
    case IDC_CLASSES_LIST:
        item = GetSelectedClass(false);
        break;
    case IDC_LIB_COMBO:
        item = GetCurrentLibrary();
        break;
    case IDC_MEMBERS_LIST:
        item = GetSelectedMember();
        break;
    default:
        break;
    }
    if (item)
    {
        DWORD context = 0;
        CString file;
        // An item whose library names no help file has no help of its own, and none is opened.
        if (!item->GetHelpInfo(&context, file) || file.IsEmpty())
            return TRUE;
        if (::IsWindow(fwk::HtmlHelp(nullptr, file, fwk::kHtmlHelpContext, context)) ||
            ::IsWindow(fwk::HtmlHelp(nullptr, file, fwk::kHtmlHelpDisplayTopic, 0)))
            return TRUE;
    }
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(m_pDlg->m_nIDHelp, HELP_CONTEXT);
    return TRUE;
}

CString CTypeLibBrowserImpl::GetDeclarationText()
{
    CTDSBuilder* builder = GetBuilder(kDescriptionLanguage);
    if (!builder)
        return CString();
    // The class when the classes list has the focus, otherwise the member, or its class if none.
    CTLibItem* member = HasFocus(m_pClassesCtrl.get()) ? nullptr : GetSelectedMember();
    if (auto* function = dynamic_cast<CTFunction*>(member))
        return builder->GetFunctionDeclaration(function);
    if (auto* variable = dynamic_cast<CTVariable*>(member))
        return builder->GetVariableDeclaration(variable);
    CTLibItem* selected = GetSelectedClass(false);
    if (!selected || typeid(*selected) != typeid(CTClass))
        return CString();
    auto* type = static_cast<CTClass*>(selected);
    return builder->GetClassKindName(type) + " " + type->GetName();
}
