// The version resource of the built Corvane.exe, read back with the calls behind Explorer's file properties.
#include <windows.h>
// after windows.h, which it needs
#include <winver.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "VersionTestConfig.h"

namespace corvane::win32::test {
namespace {

TEST(VersionInfo, TheNumbersAndTextsOfTheProjectsVersion) {
  DWORD ignored = 0;
  std::vector<char> block(::GetFileVersionInfoSizeW(kCorvaneExe, &ignored));
  ASSERT_FALSE(block.empty()) << "no version resource in Corvane.exe";
  ASSERT_TRUE(::GetFileVersionInfoW(kCorvaneExe, 0, static_cast<DWORD>(block.size()), block.data()));
  const auto query = [&](const std::wstring& path) -> const void* {
    void* value = nullptr;
    UINT size = 0;
    return ::VerQueryValueW(block.data(), path.c_str(), &value, &size) ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
  ASSERT_NE(fixed, nullptr);
  const DWORD high = kVersionNumbers[0] << 16 | kVersionNumbers[1];
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, kVersionNumbers[2] << 16);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  // Explorer looks the texts up under the language and code page of the first Translation entry.
  const auto* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_NE(translation, nullptr);
  wchar_t texts[40];
  std::swprintf(texts, std::size(texts), L"\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
  const auto text = [&](const wchar_t* name) {
    const auto* value = static_cast<const wchar_t*>(query(texts + std::wstring(name)));
    return value != nullptr ? std::wstring(value) : L"(none)";
  };
  for (auto [name, expected] : {std::pair<const wchar_t*, std::wstring>{L"ProductName", L"Corvane"},
                                {L"FileDescription", L"Corvane application launcher"},
                                {L"FileVersion", kVersion},
                                {L"ProductVersion", kVersion},
                                {L"OriginalFilename", L"Corvane.exe"},
                                {L"InternalName", L"Corvane"}}) {
    EXPECT_EQ(text(name), expected) << name;
  }
  EXPECT_TRUE(text(L"LegalCopyright").starts_with(L"Copyright"));
}

}  // namespace
}  // namespace corvane::win32::test
