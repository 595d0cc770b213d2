#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::vector<char> ownVersionInfo() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return {};
    }
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path, &ignored));
    if (info.empty() || !GetFileVersionInfoA(path, 0, DWORD(info.size()), info.data())) {
        return {};
    }
    return info;
}

std::string stringValue(std::vector<char>& info, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(info.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return std::string(static_cast<const char*>(value), length - 1);
}

TEST(VersionResource, FileAndProductVersionAre0_7_7_2) {
    std::vector<char> info = ownVersionInfo();
    ASSERT_FALSE(info.empty());
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, DWORD(0 << 16 | 7));
    EXPECT_EQ(fixed.dwFileVersionLS, DWORD(7 << 16 | 2));
    EXPECT_EQ(fixed.dwProductVersionMS, DWORD(0 << 16 | 7));
    EXPECT_EQ(fixed.dwProductVersionLS, DWORD(7 << 16 | 2));
    EXPECT_EQ(fixed.dwFileType, DWORD(VFT_APP));
}

TEST(VersionResource, TextsNameTheProduct) {
    std::vector<char> info = ownVersionInfo();
    ASSERT_FALSE(info.empty());
    EXPECT_EQ(stringValue(info, "ProductName"), "Tessaview");
    EXPECT_EQ(stringValue(info, "FileVersion"), "0.7.7.2");
    EXPECT_EQ(stringValue(info, "ProductVersion"), "0.7.7.2");
    EXPECT_EQ(stringValue(info, "OriginalFilename"), "tessaview.exe");
}

TEST(ApplicationManifest, AsksForVersion6OfTheCommonControls) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_NE(loaded, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(loaded)),
                               SizeofResource(nullptr, found));
    const std::size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string::npos);
    const std::size_t end = manifest.find("/>", controls);
    const std::string identity = manifest.substr(controls, end - controls);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << identity;
}

TEST(ApplicationManifest, LoadsVersion6OfTheCommonControls) {
    // Version 6 lives in the side-by-side store; without the manifest a plain
    // load of comctl32.dll finds version 5 in the system folder.
    const HMODULE controls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(controls, path, MAX_PATH);
    FreeLibrary(controls);
    std::string loaded(path, length);
    CharLowerBuffA(loaded.data(), DWORD(loaded.size()));
    EXPECT_NE(loaded.find("\\winsxs\\"), std::string::npos) << loaded;
    EXPECT_NE(loaded.find("microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << loaded;
}

} // namespace
