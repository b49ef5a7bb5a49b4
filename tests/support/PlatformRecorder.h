// Stands in for the platform calls during a test: records help requests and message boxes and
// answers them, so that no viewer opens and nobody is waited for. Header only: a suite that
// includes it links the framework.
#pragma once

#include "framework/PlatformCalls.h"

#include <cstring>
#include <string>
#include <vector>

namespace obrtest
{
class PlatformRecorder : public fwk::PlatformCalls
{
public:
    PlatformRecorder() : m_previous(fwk::SetPlatform(this)) {}
    ~PlatformRecorder() override { fwk::SetPlatform(m_previous); }
    PlatformRecorder(const PlatformRecorder&) = delete;
    PlatformRecorder& operator=(const PlatformRecorder&) = delete;

    BOOL WinHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data) override
    {
        m_helpFile = file ? file : "";
        m_helpCommand = command;
        m_helpData = data;
        m_helpKeyword = command == HELP_KEY ? reinterpret_cast<const char*>(data) : "";
        ++m_helpRequests;
        return TRUE;
    }
    // Records the request and answers m_htmlHelpWindow (no window unless a test sets one).
    HWND HtmlHelp(fwk::HtmlHelpEntry, HWND, LPCSTR file, UINT command, DWORD_PTR data) override
    {
        m_htmlHelp.push_back({file ? file : "", command, data});
        return m_htmlHelpWindow;
    }
    // Records the filter and answers with m_openFileAnswer, as if the user chose it; an empty
    // answer is a cancelled dialog.
    BOOL GetOpenFileName(OPENFILENAMEA* request) override
    {
        m_openFileFilter.clear();
        for (const char* part = request->lpstrFilter; part && *part; part += strlen(part) + 1)
            m_openFileFilter += std::string(part) + "|";
        ++m_openFileRequests;
        if (m_openFileAnswer.empty() || m_openFileAnswer.size() >= request->nMaxFile)
            return FALSE;
        strcpy(request->lpstrFile, m_openFileAnswer.c_str());
        return TRUE;
    }
    int MessageBox(HWND, LPCSTR text, LPCSTR, UINT type) override
    {
        m_messages.push_back(text ? text : "");
        m_messageTypes.push_back(type);
        return IDOK;
    }

    std::string m_helpFile, m_helpKeyword;
    UINT m_helpCommand = 0;
    ULONG_PTR m_helpData = 0;
    int m_helpRequests = 0;
    struct HtmlHelpRequest
    {
        std::string file;
        UINT command;
        DWORD_PTR data;
    };
    std::vector<HtmlHelpRequest> m_htmlHelp;
    HWND m_htmlHelpWindow = nullptr;
    std::string m_openFileAnswer, m_openFileFilter;
    int m_openFileRequests = 0;
    std::vector<std::string> m_messages;
    std::vector<UINT> m_messageTypes;

private:
    fwk::PlatformCalls* m_previous;
};
} // namespace obrtest
