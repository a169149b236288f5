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

class VersionInfoTest : public testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(kCorvaneExe, &ignored);
    ASSERT_NE(size, 0u) << "no version resource in Corvane.exe, error " << ::GetLastError();
    block_.resize(size);
    ASSERT_TRUE(::GetFileVersionInfoW(kCorvaneExe, 0, size, block_.data()));
  }

  // The value at a path inside the resource, or nullptr where it has none.
  template <class T>
  const T* Query(const std::wstring& path) {
    void* value = nullptr;
    UINT size = 0;
    return ::VerQueryValueW(block_.data(), path.c_str(), &value, &size) ? static_cast<const T*>(value) : nullptr;
  }

 private:
  std::vector<char> block_;
};

TEST_F(VersionInfoTest, NumbersAreTheProjectsVersion) {
  const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\");
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
  const DWORD high = kVersionNumbers[0] << 16 | kVersionNumbers[1];
  const DWORD low = kVersionNumbers[2] << 16;
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionInfoTest, TextsStandUnderTheTranslationItNames) {
  // Explorer looks the texts up under the language and code page of the first Translation entry.
  const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation");
  ASSERT_NE(translation, nullptr);
  wchar_t block[40];
  std::swprintf(block, std::size(block), L"\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
  const auto text = [&](const wchar_t* name) -> std::wstring {
    const auto* value = Query<wchar_t>(block + std::wstring(name));
    return value != nullptr ? std::wstring(value) : L"(none)";
  };

  const struct Case {
    const wchar_t* name;
    std::wstring expected;
  } cases[] = {
      {L"ProductName", L"Corvane"},
      {L"FileDescription", L"Corvane application launcher"},
      {L"FileVersion", kVersion},
      {L"ProductVersion", kVersion},
      {L"OriginalFilename", L"Corvane.exe"},
      {L"InternalName", L"Corvane"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text(c.name), c.expected);
  }
  EXPECT_TRUE(text(L"LegalCopyright").starts_with(L"Copyright"));
}

}  // namespace
}  // namespace corvane::win32::test
