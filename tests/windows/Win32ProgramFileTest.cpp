// tessaview.exe as a file: a GUI program carrying its version resource.
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string programPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "tessaview.exe";
}

TEST(ProgramFile, CarriesFileAndProductVersion0_7_7_2) {
    const std::string path = programPath();
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, DWORD(info.size()), info.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed.dwFileVersionMS, DWORD(0 << 16 | 7));
    EXPECT_EQ(fixed.dwFileVersionLS, DWORD(7 << 16 | 2));
    EXPECT_EQ(fixed.dwProductVersionMS, DWORD(0 << 16 | 7));
    EXPECT_EQ(fixed.dwProductVersionLS, DWORD(7 << 16 | 2));
    ASSERT_TRUE(
        VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "Tessaview");
}

TEST(ProgramFile, IsAGuiProgramWithItsManifest) {
    std::ifstream file(programPath(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    ASSERT_LT(std::size_t(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64), bytes.size());
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
    ASSERT_EQ(headers->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(headers->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    HMODULE program = LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const HRSRC manifest = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(manifest, nullptr);
    FreeLibrary(program);
}

} // namespace
