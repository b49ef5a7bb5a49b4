#include "catalog/CBrowserItem.h"
#include "host/util/CDelimitedString.h"
#include "declaration/CTDSBuilder.h"
#include "framework/Framework.h"
#include "module/ModuleServices.h"

CBrowserItem::CBrowserItem(UINT id) : m_nRecordId(id)
{
    Read(strGetStringObr(id));
}

CBrowserItem::CBrowserItem(const char* record)
{
    Read(record);
}

CBrowserItem::~CBrowserItem() = default;

void CBrowserItem::Read(const CString& record)
{
    CDelimitedString fields(record);
    fields.m_strDelimiter = ";";
    int kind = CATALOG_KIND_INVALID;
    fields.Getint(&kind);
    // A record whose kind is no known number is not read further.
    if (kind < CATALOG_KIND_ALL_FUNCTIONS || kind > CATALOG_KIND_OPERATOR)
        return;
    m_nKind = kind;
    fields.GetCString(&m_strName);
    fields.GetCString(&m_strSyntax);
    fields.GetCString(&m_strDescription);
    fields.GetCString(&m_strInsertText);
    fields.GetUINT32(&m_nHelpId);
    fields.GetCString(&m_strHelpFile);
    if (m_strInsertText.IsEmpty())
        m_strInsertText = m_strSyntax;
}

bool CBrowserItem::IsValid() const
{
    return m_nKind != CATALOG_KIND_INVALID && !m_strName.IsEmpty();
}

UINT32 CBrowserItem::HelpContext() const
{
    if (m_nHelpId != 0)
        return m_nHelpId;
    return m_nRecordId != 0 ? kEntryHelpContextBase + m_nRecordId : 0;
}

BOOL CBrowserItem::ShowItemHelp()
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->GetSafeHwnd() : nullptr;
    if (m_strHelpFile.CompareNoCase(kMacroHelpTag) == 0)
        fwk::Platform().WinHelp(owner, kMacroHelpFile, HELP_KEY,
                                reinterpret_cast<ULONG_PTR>(m_strName.GetString()));
    else if (m_strHelpFile.IsEmpty())
    {
        if (CWinApp* app = AfxGetApp())
            app->WinHelp(m_nHelpId, HELP_CONTEXT);
    }
    else
        fwk::Platform().WinHelp(owner, m_strHelpFile, HELP_CONTEXT, m_nHelpId);
    return TRUE;
}

void CBrowserItem::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeBrowserItem(this, rtf);
}
