// The sample host application: the editor window, or, on the command line, one browser whose
// choice is written to standard output.
#pragma once

#include "framework/Framework.h"
#include "samplehost/HostWindow.h"
#include "samplehost/MacroProject.h"

class SampleHostApp : public CWinApp
{
public:
    SampleHostApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

    MacroProject m_project;
    CString m_projectPath;

private:
    HostWindow m_window;
};
