// CCheckListBox: an owner-drawn list box whose items carry a check box. A click on an item's box or
// the space bar toggles an enabled item's check and tells the parent with CLBN_CHKCHANGE. Each
// item keeps its check state, enabled state and item data through inserts and deletes; item data
// is read and written as in any list box.
#pragma once

#include "framework/CListBox.h"

// The command notification a check list box sends its parent when the user toggles a check.
constexpr WORD CLBN_CHKCHANGE = 40;

class FWK_API CCheckListBox : public CListBox
{
public:
    CCheckListBox() = default;
    ~CCheckListBox() override;

    // 0 unchecked, 1 checked; -1 for an index out of range.
    int GetCheck(int index) const;
    void SetCheck(int index, int check);
    BOOL IsEnabled(int index) const;
    void Enable(int index, BOOL enabled = TRUE);

    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

private:
    struct ItemState
    {
        int check = 0;
        bool enabled = true;
        DWORD_PTR data = 0;
    };

    ItemState* StateOf(int index) const;
    void FreeStates();
    void ToggleCheck(int index);
    void UpdateItemHeight();
    int CheckBoxSize() const;
};
