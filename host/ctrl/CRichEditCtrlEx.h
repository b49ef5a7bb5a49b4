// CRichEditCtrlEx: a rich edit control whose link runs are clickable. Over a link the pointer is
// the hand cursor; a click on one sends RTFN_LINKCLICKED to the parent with a pointer to an
// RTFLinkClick record (the link's data word second) and the control's EN_LINK notification.
// From the keyboard, Tab and Shift+Tab select the next and the previous link (leaving the control
// past the last and the first one) and Enter follows the selected link as a click does.
#pragma once

#include "host/ctrl/CRTFBuilder.h"
#include "framework/Framework.h"
#include "host/ctrl/QvxCtrlApi.h"

#include <vector>

constexpr UINT RTFN_LINKCLICKED = 0x401;

struct RTFLinkClick
{
    UINT nLink;       // the link's number, 0 for the first run of the text
    DWORD_PTR dwData; // the data word of its CRTFHyperlink
};

class QVX_CTRL_API CRichEditCtrlEx : public CRichEditCtrl
{
public:
    CRichEditCtrlEx();
    ~CRichEditCtrlEx() override;

    // Turns links on; the cursor is loaded from the resource chain (the module whose resources are
    // current first), the system's hand when no module has it.
    void UseHyperlinks(UINT cursorId);
    // Marks the link runs of the text just streamed in; called by CRTFBuilder's operator>>.
    void SetLinks(const std::vector<RTFLinkRun>& links);
    int GetLinkCount() const { return static_cast<int>(m_links.size()); }
    // The control positions of link i.
    CHARRANGE GetLinkRange(int i) const { return m_links[static_cast<size_t>(i)].range; }
    // The link the keyboard selected, -1 when none.
    int GetFocusedLink() const { return m_focusedLink; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnLink(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    CHARRANGE LocateRun(const RTFLinkRun& run, const CString& text);
    // The link a Tab (or a Shift+Tab) moves to; -1 when it leaves the control.
    int NextLink(bool backwards) const;
    void FocusLink(int link);
    void Follow(int link, UINT message);

    struct Link
    {
        CHARRANGE range;
        DWORD_PTR data;
    };
    std::vector<Link> m_links;
    HCURSOR m_hLinkCursor = nullptr;
    int m_focusedLink = -1;
};
