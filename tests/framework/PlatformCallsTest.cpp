// Requests that leave the process go through the platform calls, where a test answers them.
#include "framework/Framework.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace
{
class AnsweringPlatform : public fwk::PlatformCalls
{
public:
    AnsweringPlatform() : m_previous(fwk::SetPlatform(this)) {}
    ~AnsweringPlatform() override { fwk::SetPlatform(m_previous); }

    BOOL GetOpenFileName(OPENFILENAMEA* request) override
    {
        // The filter is a list of zero-terminated strings ending with an empty one.
        for (const char* entry = request->lpstrFilter; entry && *entry; entry += std::strlen(entry) + 1)
            m_filterEntries.push_back(entry);
        m_flags = request->Flags;
        lstrcpynA(request->lpstrFile, "C:\\bibliotheques\\essai.tlb", static_cast<int>(request->nMaxFile));
        return m_answer;
    }

    BOOL WinHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data) override
    {
        m_helpFile = file ? file : "";
        m_helpCommand = command;
        m_helpData = data;
        return TRUE;
    }

    BOOL m_answer = TRUE;
    std::vector<std::string> m_filterEntries;
    DWORD m_flags = 0;
    std::string m_helpFile;
    UINT m_helpCommand = 0;
    ULONG_PTR m_helpData = 0;

private:
    fwk::PlatformCalls* m_previous;
};
} // namespace

TEST(PlatformCalls, FileDialogHandsOverItsFilterAndReadsTheChoice)
{
    AnsweringPlatform platform;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                       "Type de Bibliothèques (*.olb; *.tlb)|*.olb; *.tlb|Tous les Fichiers (*.*)|*.*||");
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("C:\\bibliotheques\\essai.tlb", dialog.GetPathName());
    EXPECT_EQ("essai.tlb", dialog.GetFileName());
    const std::vector<std::string> expected = {"Type de Bibliothèques (*.olb; *.tlb)", "*.olb; *.tlb",
                                               "Tous les Fichiers (*.*)", "*.*"};
    EXPECT_EQ(expected, platform.m_filterEntries);
    EXPECT_TRUE(platform.m_flags & OFN_HIDEREADONLY);

    platform.m_answer = FALSE;
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

TEST(PlatformCalls, WindowHelpGoesToTheApplicationsHelpFileWhenItHasOne)
{
    AnsweringPlatform platform;
    CWinApp app("Hôte");
    CWnd window;
    // Without a help file the platform is not asked (it would report a file with no name).
    window.WinHelp(6049, HELP_CONTEXT);
    EXPECT_EQ(0u, platform.m_helpCommand);
    app.m_strHelpFilePath = "C:\\aide\\hote.hlp";
    window.WinHelp(6049, HELP_CONTEXT);
    EXPECT_EQ("C:\\aide\\hote.hlp", platform.m_helpFile);
    EXPECT_EQ(UINT(HELP_CONTEXT), platform.m_helpCommand);
    EXPECT_EQ(6049u, platform.m_helpData);
}
