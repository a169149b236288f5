// CopyFileExW on a worker thread; the caller's thread pumps its windows, shows the progress and cleans up a failure.
#include "platform/win32/CopyWithProgress.h"

#include <atomic>
#include <chrono>
#include <exception>
#include <optional>

#include "platform/win32/CopyProgressText.h"
#include "platform/win32/ProgressWindow.h"
#include "platform/win32/ResponsiveWait.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/ThreadWindowsDisabled.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

constexpr std::chrono::milliseconds kProgressAfter{1000};
constexpr std::chrono::milliseconds kRefresh{250};

// What the copy's thread and the caller's share. The outcome is read only after the copy's thread has ended.
struct CopyJob {
  CopyJob(const CopyStep& copyStep, const std::string& source, const std::string& target)
      : step(copyStep), from(Widen(source)), to(Widen(target)) {}

  const CopyStep& step;
  std::wstring from;
  std::wstring to;
  std::atomic<std::uint64_t> copied{0};
  std::atomic<bool> reported{false};
  DWORD error = ERROR_SUCCESS;
  std::exception_ptr thrown;
};

DWORD WINAPI RunCopy(LPVOID parameter) {
  CopyJob& job = *static_cast<CopyJob*>(parameter);
  try {
    job.error = job.step(job.from, job.to, [&job](std::uint64_t copied) {
      job.copied = copied;
      job.reported = true;
    });
  } catch (...) {
    job.thrown = std::current_exception();
  }
  return 0;
}

// The copy's thread, waited for on every way out: the job it works on lives in the caller's frame.
class CopyThread {
 public:
  explicit CopyThread(CopyJob& job) : thread_(::CreateThread(nullptr, 0, &RunCopy, &job, 0, nullptr)) {}
  ~CopyThread() {
    if (thread_.IsValid()) {
      ::WaitForSingleObject(thread_.Get(), INFINITE);
    }
  }
  CopyThread(const CopyThread&) = delete;
  CopyThread& operator=(const CopyThread&) = delete;

  HANDLE Get() const { return thread_.Get(); }
  bool IsValid() const { return thread_.IsValid(); }

 private:
  ScopedHandle thread_;
};

// Enough of a file to tell whether a copy has written it since: any difference means it has.
struct FileState {
  bool exists = false;
  std::uint64_t size = 0;
  FILETIME written{};
};

FileState StateOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {};
  }
  return {true, (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.ftLastWriteTime};
}

bool Unchanged(const FileState& before, const FileState& after) {
  return before.exists == after.exists && before.size == after.size &&
         ::CompareFileTime(&before.written, &after.written) == 0;
}

// Callers copy to a scratch name, so a half-written `to` is of no use to anyone. The copy gave it the source's
// attributes, read-only perhaps, hence the reset before the delete.
void RemoveLeftover(const std::wstring& to, const FileState& before) {
  const FileState after = StateOf(to);
  if (!after.exists || Unchanged(before, after)) {
    return;
  }
  ::SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileW(to.c_str());
}

DWORD CALLBACK ReportProgress(LARGE_INTEGER, LARGE_INTEGER transferred, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD,
                              HANDLE, HANDLE, LPVOID report) {
  (*static_cast<const CopiedReport*>(report))(static_cast<std::uint64_t>(transferred.QuadPart));
  return PROGRESS_CONTINUE;
}

}  // namespace

DWORD SystemCopy(const std::wstring& from, const std::wstring& to, const CopiedReport& report) {
  if (::CopyFileExW(from.c_str(), to.c_str(), &ReportProgress, const_cast<CopiedReport*>(&report), nullptr, 0)) {
    return ERROR_SUCCESS;
  }
  const DWORD error = ::GetLastError();
  return error != ERROR_SUCCESS ? error : static_cast<DWORD>(E_FAIL);
}

void CopyKeepingWindowsPainted(const std::string& from, const std::string& to, const CopyStep& step, Progress shown) {
  // A failure may concern either path, so the message names both.
  const std::string subject = from + " -> " + to;
  CopyJob job(step, from, to);
  const std::uint64_t total = StateOf(job.from).size;
  const FileState before = StateOf(job.to);
  // Made once the windows are disabled, so it is not disabled itself; it goes when the copy has ended.
  std::optional<ProgressWindow> progress;
  if (shown == Progress::Never) {
    RunCopy(&job);  // no window to keep painted, and none may show
  } else {
    // Disabled before the copy starts: no click may slip in between.
    ThreadWindowsDisabled disabled;
    CopyThread thread(job);
    if (!thread.IsValid()) {
      ThrowLastError(subject);
    }
    const ULONGLONG started = ::GetTickCount64();
    PumpAllButInputUntil(thread.Get(), subject, kRefresh, [&] {
      // Wine's CopyFileExW never calls the progress routine; the target's growing size tells the same there.
      const std::string detail = CopiedText(job.reported ? job.copied.load() : StateOf(job.to).size, total);
      if (progress) {
        progress->SetDetail(detail);
      } else if (::GetTickCount64() - started >= static_cast<ULONGLONG>(kProgressAfter.count())) {
        progress.emplace(CopyingText(from), detail);
      }
    });
  }
  progress.reset();
  // Some systems end a copy early on a read error and still report success: a short copy is no backup.
  if (!job.thrown && job.error == ERROR_SUCCESS && StateOf(job.to).size != StateOf(job.from).size) {
    job.error = ERROR_READ_FAULT;
  }
  if (job.thrown || job.error != ERROR_SUCCESS) {
    RemoveLeftover(job.to, before);
    if (job.thrown) {
      std::rethrow_exception(job.thrown);
    }
    ThrowSystemError(job.error, subject);
  }
}

}  // namespace corvane::win32
