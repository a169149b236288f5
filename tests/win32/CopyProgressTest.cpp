// A copy on a thread of its own: the progress window of a slow copy, the caller's windows meanwhile, and what a copy
// that goes wrong leaves behind. A stand-in copy step sets the pace.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/Platform.h"
#include "platform/win32/CopyWithProgress.h"
#include "platform/win32/ProgressWindow.h"
#include "platform/win32/WideText.h"

namespace corvane::win32::test {
namespace {

TEST(CopyProgressTest, ASlowCopyShowsItsProgressWhileTheCallersWindowsTakeNoInput) {
  TempFolder folder;
  const std::string source = folder / "App1.mde";
  MakeSparseFile(source, 1'024'000'000);
  // One of the caller's windows, which a typed key would change.
  HWND caller = ::CreateWindowExW(0, WC_EDITW, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                                  nullptr, nullptr);
  bool callerEnabled = true, visible = false;
  HWND progress = nullptr;
  wchar_t heading[64] = {}, detail[64] = {};

  const auto slowCopy = [&](const std::wstring&, const std::wstring& to, const CopiedReport& report) {
    callerEnabled = ::IsWindowEnabled(caller);
    ::PostMessageW(caller, WM_CHAR, 'x', 0);
    report(512'000'000);
    for (int tries = 0; tries < 250 && !::IsWindowVisible(progress); ++tries) {
      ::Sleep(20);
      progress = ::FindWindowW(kProgressClassName, nullptr);
    }
    visible = ::IsWindowVisible(progress);
    // Read without a message to the caller's thread, which is busy with the copy.
    ::InternalGetWindowText(::GetWindow(progress, GW_CHILD), heading, 64);
    ::InternalGetWindowText(::GetWindow(::GetWindow(progress, GW_CHILD), GW_HWNDNEXT), detail, 64);
    MakeSparseFile(Narrow(to), 1'024'000'000);
    return DWORD{ERROR_SUCCESS};
  };
  CopyKeepingWindowsPainted(source, source + ".partial", slowCopy);

  EXPECT_FALSE(callerEnabled);
  EXPECT_TRUE(visible);
  EXPECT_STREQ(heading, L"Copying App1.mde");
  EXPECT_STREQ(detail, L"512 MB of 1024 MB");
  EXPECT_FALSE(::IsWindow(progress));
  EXPECT_TRUE(::IsWindowEnabled(caller));
  // The key typed meanwhile was dropped, not left to act now.
  for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    ::DispatchMessageW(&message);
  }
  wchar_t typed[8] = {};
  ::GetWindowTextW(caller, typed, 8);
  EXPECT_STREQ(typed, L"");
  ::DestroyWindow(caller);
}

TEST(CopyProgressTest, ACopyThatGoesWrongLeavesNoFileAtTheTarget) {
  struct Case {
    const char* what;
    DWORD result, attributes;
  };
  constexpr Case kCases[] = {
      {"short copy reported as done", ERROR_SUCCESS, FILE_ATTRIBUTE_NORMAL},
      {"disk full halfway, read-only as its source", ERROR_DISK_FULL, FILE_ATTRIBUTE_READONLY},
  };
  for (const Case& row : kCases) {
    TempFolder folder;
    WriteBytes(folder / "App1.mde", "database bytes");
    const auto step = [&](const std::wstring&, const std::wstring& to, const CopiedReport&) {
      WriteBytes(Narrow(to), "datab", row.attributes);
      return row.result;
    };
    EXPECT_THROW(CopyKeepingWindowsPainted(folder / "App1.mde", folder / "Copy.mde", step), PlatformError) << row.what;
    EXPECT_EQ(AttributesOf(folder / "Copy.mde"), INVALID_FILE_ATTRIBUTES) << row.what;
  }
}

}  // namespace
}  // namespace corvane::win32::test
