// The sample host program.
#include "samplehost/SampleHostApp.h"

namespace
{
SampleHostApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    return AfxWinMain(instance, previous, commandLine, show);
}
