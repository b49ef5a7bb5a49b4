// Every module and program of the build carries the project's version, in numbers and in text.
#include "tests/support/TestPaths.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

TEST(VersionInfo, EveryModuleAndProgramCarriesTheProjectsVersion)
{
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(3, std::sscanf(OBR_VERSION, "%u.%u.%u", &major, &minor, &patch));
    for (const char* file : {"objbrowser.dll", "framework.dll", "qvx_ctrl.dll", "qvx_util.dll",
                             "objbrowser_probe.exe", "samplehost.exe"})
    {
        const std::string path = obrtest::ModuleDirectory() + "\\" + file;
        DWORD handle = 0;
        std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &handle));
        ASSERT_FALSE(data.empty()) << file << " has no version resource";
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) << file;
        EXPECT_EQ(MAKELONG(minor, major), fixed->dwFileVersionMS) << file;
        EXPECT_EQ(MAKELONG(0, patch), fixed->dwFileVersionLS) << file;
        EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS) << file;
        EXPECT_EQ(std::string(file).find(".dll") != std::string::npos ? DWORD(VFT_DLL) : DWORD(VFT_APP),
                  fixed->dwFileType)
            << file;
        for (const char* name : {"FileVersion", "ProductVersion", "OriginalFilename", "FileDescription"})
        {
            char* text = nullptr;
            const std::string key = std::string("\\StringFileInfo\\040C04E4\\") + name;
            ASSERT_TRUE(VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
                << file << " " << name;
            if (std::string(name).find("Version") != std::string::npos)
                EXPECT_STREQ(OBR_VERSION, text) << file << " " << name;
            else if (std::string(name) == "OriginalFilename")
                EXPECT_STREQ(file, text);
            else
                EXPECT_GT(std::strlen(text), 0u) << file;
        }
    }
}
