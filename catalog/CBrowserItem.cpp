#include "CBrowserItem.h"
#include "CDelimitedString.h"
#include "CTDSBuilder.h"
#include "ModuleServices.h"

CBrowserItem::CBrowserItem(UINT id)
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
    fields.Getint(&m_nKind);
    if (m_nKind < CATALOG_KIND_ALL_FUNCTIONS || m_nKind > CATALOG_KIND_OPERATOR)
        m_nKind = CATALOG_KIND_INVALID;
    fields.GetCString(&m_strName);
    fields.GetCString(&m_strSyntax);
    fields.GetCString(&m_strDescription);
    fields.GetCString(&m_strInsertText);
    fields.GetUINT32(&m_nHelpId);
    fields.GetCString(&m_strHelpFile);
    if (m_strInsertText.IsEmpty())
        m_strInsertText = m_strSyntax;
}

void CBrowserItem::Describe(int language, CRTFBuilder& rtf)
{
    if (CTDSBuilder* builder = GetBuilder(language))
        builder->DescribeBrowserItem(this, rtf);
}
