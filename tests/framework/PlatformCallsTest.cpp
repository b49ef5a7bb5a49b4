// Requests that leave the process go through the platform calls, where a test answers them.
#include "framework/Framework.h"
#include "framework/HtmlHelp.h"
#include "tests/support/PlatformRecorder.h"

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

    BOOL m_answer = TRUE;
    std::vector<std::string> m_filterEntries;
    DWORD m_flags = 0;

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
    obrtest::PlatformRecorder platform;
    CWinApp app("Hôte");
    CWnd window;
    // Without a help file the platform is not asked (it would report a file with no name).
    window.WinHelp(6049, HELP_CONTEXT);
    EXPECT_EQ(0, platform.m_helpRequests);
    app.m_strHelpFilePath = "C:\\aide\\hote.hlp";
    window.WinHelp(6049, HELP_CONTEXT);
    EXPECT_EQ("C:\\aide\\hote.hlp", platform.m_helpFile);
    EXPECT_EQ(UINT(HELP_CONTEXT), platform.m_helpCommand);
    EXPECT_EQ(6049u, platform.m_helpData);
    EXPECT_TRUE(platform.m_htmlHelp.empty());
}

TEST(PlatformCalls, AnHtmlHelpFileOpensTheContextElseThePageNamedAfterIt)
{
    obrtest::PlatformRecorder platform;
    CWinApp app("Hôte");
    app.m_strHelpFilePath = "C:\\aide\\hote.CHM";
    EXPECT_TRUE(app.HasHtmlHelpFile());
    // The file's map has no such context (no window): the page named after it.
    app.WinHelp(106089, HELP_CONTEXT);
    ASSERT_EQ(2u, platform.m_htmlHelp.size());
    EXPECT_EQ("C:\\aide\\hote.CHM", platform.m_htmlHelp[0].file);
    EXPECT_EQ(fwk::kHtmlHelpContext, platform.m_htmlHelp[0].command);
    EXPECT_EQ(106089u, platform.m_htmlHelp[0].data);
    EXPECT_EQ("C:\\aide\\hote.CHM::/106089.htm", platform.m_htmlHelp[1].file);
    EXPECT_EQ(fwk::kHtmlHelpDisplayTopic, platform.m_htmlHelp[1].command);

    // A mapped context is enough; other commands open the default topic, and quitting closes.
    platform.m_htmlHelp.clear();
    platform.m_htmlHelpWindow = ::GetDesktopWindow();
    app.WinHelp(6051, HELP_CONTEXT);
    app.WinHelp(0, HELP_FINDER);
    app.WinHelp(0, HELP_QUIT);
    ASSERT_EQ(3u, platform.m_htmlHelp.size());
    EXPECT_EQ(fwk::kHtmlHelpContext, platform.m_htmlHelp[0].command);
    EXPECT_EQ("C:\\aide\\hote.CHM", platform.m_htmlHelp[1].file);
    EXPECT_EQ(fwk::kHtmlHelpDisplayTopic, platform.m_htmlHelp[1].command);
    EXPECT_EQ(fwk::kHtmlHelpCloseAll, platform.m_htmlHelp[2].command);
    EXPECT_EQ(0, platform.m_helpRequests);

    EXPECT_FALSE(fwk::IsHtmlHelpFile("aide.hlp"));
    EXPECT_FALSE(fwk::IsHtmlHelpFile(".chm"));
    EXPECT_FALSE(fwk::IsHtmlHelpFile(nullptr));
}
