// Copies on a thread of their own: the caller's windows meanwhile, the progress window of a long copy, and what a
// copy that fails halfway leaves behind. A stand-in copy step sets the pace and looks around while it "copies".
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "platform/Platform.h"
#include "platform/win32/CopyWithProgress.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Polls `condition` for a few seconds; true once it holds.
template <class Condition>
bool Eventually(Condition condition) {
  const auto deadline = Clock::now() + 5s;
  while (!condition()) {
    if (Clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// A hidden top-level window of the test's own that notes which of a few messages reach its window procedure.
class MessageRecorder {
 public:
  MessageRecorder() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!::GetClassInfoExW(instance, kClassName, &windowClass)) {
      windowClass.lpfnWndProc = &Proc;
      windowClass.hInstance = instance;
      windowClass.lpszClassName = kClassName;
      ::RegisterClassExW(&windowClass);
    }
    window_ = ::CreateWindowExW(0, kClassName, L"Recorder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                instance, this);
  }
  ~MessageRecorder() { ::DestroyWindow(window_); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  HWND handle() const { return window_; }
  bool SawPosted() const { return posted_; }
  bool SawInput() const { return input_; }

 private:
  static constexpr wchar_t kClassName[] = L"CorvaneTestRecorder";

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    if (auto* self = reinterpret_cast<MessageRecorder*>(::GetWindowLongPtrW(window, GWLP_USERDATA))) {
      if (message == WM_APP) {
        self->posted_ = true;
      } else if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN) {
        self->input_ = true;
      }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  std::atomic<bool> posted_{false};
  std::atomic<bool> input_{false};
};

// Read without a message to the window's thread, so that a thread that stopped pumping cannot hang the test.
std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::InternalGetWindowText(window, text, 256);
  return text;
}

// The top-level window of `thread` captioned "Corvane", or none.
HWND ProgressWindowOf(DWORD thread) {
  HWND found = nullptr;
  ::EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        if (TextOf(window) != L"Corvane") {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The texts of the window's controls, in creation order.
std::vector<std::string> LinesOf(HWND window) {
  std::vector<std::string> lines;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM result) -> BOOL {
        reinterpret_cast<std::vector<std::string>*>(result)->push_back(Narrow(TextOf(child)));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&lines));
  return lines;
}

class CopyWithProgressTest : public testing::Test {
 protected:
  TempFolder folder_;
};

// What the stand-in copy saw while it ran.
struct Seen {
  bool recorderEnabled = true;
  bool postedDispatched = false;
  Clock::duration progressAfter{};
  HWND progress = nullptr;
  LONG_PTR progressStyle = 0;
  std::vector<std::string> linesFromTargetSize;
  std::vector<std::string> linesFromReport;
};

TEST_F(CopyWithProgressTest, ALongCopyKeepsTheWindowsPaintedWithoutInputAndShowsItsProgress) {
  const std::string source = folder_ / "App1.mde";
  MakeSparseFile(source, 1'024'000'000);
  const std::string target = folder_ / "Arc12526App1.mde.partial";
  MessageRecorder recorder;
  ASSERT_NE(recorder.handle(), nullptr);
  const DWORD caller = ::GetCurrentThreadId();
  const std::vector<std::string> kFromTargetSize{"Copying App1.mde", "256 MB of 1024 MB"};
  const std::vector<std::string> kFromReport{"Copying App1.mde", "512 MB of 1024 MB"};
  Seen seen;

  CopyKeepingWindowsPainted(
      source, target, [&](const std::wstring&, const std::wstring& to, const CopiedReport& report) {
        const auto started = Clock::now();
        seen.recorderEnabled = ::IsWindowEnabled(recorder.handle());
        ::PostMessageW(recorder.handle(), WM_KEYDOWN, VK_SPACE, 0);
        ::PostMessageW(recorder.handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ::PostMessageW(recorder.handle(), WM_APP, 0, 0);
        seen.postedDispatched = Eventually([&] { return recorder.SawPosted(); });

        // Until the system reports a count, the target's size is the count.
        MakeSparseFile(Narrow(to), 256'000'000);
        if (!Eventually([&] { return (seen.progress = ProgressWindowOf(caller)) != nullptr; })) {
          return static_cast<DWORD>(ERROR_SUCCESS);
        }
        seen.progressAfter = Clock::now() - started;
        seen.progressStyle = ::GetWindowLongPtrW(seen.progress, GWL_STYLE);
        Eventually([&] { return (seen.linesFromTargetSize = LinesOf(seen.progress)) == kFromTargetSize; });
        report(512'000'000);
        Eventually([&] { return (seen.linesFromReport = LinesOf(seen.progress)) == kFromReport; });
        return static_cast<DWORD>(ERROR_SUCCESS);
      });

  EXPECT_FALSE(seen.recorderEnabled);
  EXPECT_TRUE(seen.postedDispatched);
  ASSERT_NE(seen.progress, nullptr) << "no progress window";
  EXPECT_GE(seen.progressAfter, 900ms);
  EXPECT_EQ(seen.progressStyle & WS_SYSMENU, 0) << "a close box";
  EXPECT_EQ(seen.linesFromTargetSize, kFromTargetSize);
  EXPECT_EQ(seen.linesFromReport, kFromReport);

  // Afterwards: the window is gone, the recorder takes input again, and the input sent meanwhile was dropped.
  EXPECT_EQ(ProgressWindowOf(caller), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(recorder.handle()));
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::DispatchMessageW(&message);
  }
  EXPECT_FALSE(recorder.SawInput());
}

TEST_F(CopyWithProgressTest, ACopyThatFailsHalfwayLeavesNoFileWhileAnUntouchedTargetStays) {
  const std::string source = folder_ / "App1.mde";
  WriteBytes(source, "database bytes");
  // Halfway: part of the target written, read-only as a read-only source makes it, then the disk was full.
  const auto halfway = [](const std::wstring&, const std::wstring& to, const CopiedReport& report) {
    WriteBytes(Narrow(to), "datab");
    SetAttributes(Narrow(to), FILE_ATTRIBUTE_READONLY);
    report(5);
    return static_cast<DWORD>(ERROR_DISK_FULL);
  };
  const auto expectRefusal = [&](const std::string& target, const CopyStep& step, DWORD error) {
    try {
      CopyKeepingWindowsPainted(source, target, step);
      ADD_FAILURE() << "no failure copying to " << target;
    } catch (const PlatformError& failure) {
      EXPECT_EQ(std::string(failure.what()), source + " -> " + target + ": " + DescribeSystemError(error));
    }
  };

  const std::string fresh = folder_ / "Fresh.mde";
  expectRefusal(fresh, halfway, ERROR_DISK_FULL);
  EXPECT_EQ(ReadBytes(fresh), std::nullopt);

  const std::string overwritten = folder_ / "Overwritten.mde";
  WriteBytes(overwritten, "an older copy");
  expectRefusal(overwritten, halfway, ERROR_DISK_FULL);
  EXPECT_EQ(ReadBytes(overwritten), std::nullopt);

  // Refused before a byte was written, as a target in use is.
  const std::string inUse = folder_ / "InUse.mde";
  WriteBytes(inUse, "kept");
  expectRefusal(
      inUse,
      [](const std::wstring&, const std::wstring&, const CopiedReport&) { return DWORD{ERROR_SHARING_VIOLATION}; },
      ERROR_SHARING_VIOLATION);
  EXPECT_EQ(ReadBytes(inUse), "kept");
}

}  // namespace
}  // namespace corvane::win32::test
