// The probe program that opens a picked file before the host does: any legal path works, its
// scratch registration goes with it, and a probe that cannot start is told as such.
#include "references/TypeLibProbe.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
int ScratchKeysLeft()
{
    HKEY probes = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\ObjectBrowserProbe", 0, KEY_READ, &probes) !=
        ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    RegQueryInfoKeyA(probes, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(probes);
    return static_cast<int>(count);
}
} // namespace

TEST(TypeLibProbe, RunsFromAFolderWithCommasBlanksAndAccentsAndLeavesNoScratchKey)
{
    // The module, its libraries and the probe program installed where rundll32 could not run them.
    obrtest::TemporaryFolder installed("obr, sonde à l'essai");
    for (const char* file :
         {"objbrowser_probe.exe", "objbrowser.dll", "framework.dll", "qvx_ctrl.dll", "qvx_util.dll"})
        ASSERT_TRUE(CopyFileA((obrtest::ModuleDirectory() + "\\" + file).c_str(),
                              installed.File(file).c_str(), FALSE))
            << file;
    const std::string library = installed.File("bibliothèque, essai.tlb");
    ASSERT_TRUE(CopyFileA(obrtest::FixturePath("BrowserFixture.tlb").c_str(), library.c_str(), FALSE));
    const std::string text = installed.Write("texte é.tlb", "pas une bibliothèque");

    SetProbeProgram(installed.File("objbrowser_probe.exe").c_str());
    const ProbeResult sound = ProbeTypeLibraryFile(library.c_str());
    const ProbeResult notALibrary = ProbeTypeLibraryFile(text.c_str());
    SetProbeProgram(installed.File("absent.exe").c_str());
    const ProbeResult absent = ProbeTypeLibraryFile(library.c_str());
    SetProbeProgram("");

    EXPECT_EQ(ProbeResult::Sound, sound);
    EXPECT_EQ(ProbeResult::NotALibrary, notALibrary);
    EXPECT_EQ(ProbeResult::NotProbed, absent);
    EXPECT_EQ(0, ScratchKeysLeft());
    EXPECT_EQ(obrtest::ModuleDirectory() + "\\objbrowser_probe.exe", std::string(ProbeProgram().GetString()));
}
