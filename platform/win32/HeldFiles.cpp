// A file kept open against writing and deletion, and asking whether another process keeps one so.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/FileOperations.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

class Win32HeldFile : public HeldFile {
 public:
  explicit Win32HeldFile(ScopedHandle file) : file_(std::move(file)) {}

 private:
  ScopedHandle file_;
};

}  // namespace

bool Win32Platform::HeldAgainstDeletion(const std::string& path) {
  // Sharing everything ourselves: only a holder that shares no deletion can refuse it. Nothing is deleted.
  return RefusedBySharing(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
}

std::unique_ptr<HeldFile> Win32Platform::CreateHeldFile(const std::string& path, const std::string& bytes) {
  RefuseReadOnlyTarget(path);
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    ThrowLastError(path);
  }
  DWORD written = 0;
  // Written through, so that a reader on another computer finds the whole text at once.
  if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size() || !::FlushFileBuffers(file.Get())) {
    ThrowLastError(path);
  }
  return std::make_unique<Win32HeldFile>(std::move(file));
}

Volume Win32Platform::VolumeOf(const std::string& path) {
  const std::wstring wide = Widen(path);
  std::wstring root(wide.size() + 2, L'\0');
  if (!::GetVolumePathNameW(wide.c_str(), root.data(), static_cast<DWORD>(root.size()))) {
    ThrowLastError(path);
  }
  root.resize(root.find(L'\0'));
  ULARGE_INTEGER freeToCaller{};
  if (!::GetDiskFreeSpaceExW(root.c_str(), &freeToCaller, nullptr, nullptr)) {
    ThrowLastError(Narrow(root));
  }
  // "C:\" and "\\server\share\" are named without their last backslash.
  if (root.ends_with(L'\\')) {
    root.pop_back();
  }
  return {Narrow(root), freeToCaller.QuadPart};
}

bool Win32Platform::OnNetwork(const std::string& path) {
  if (path.starts_with("\\\\")) {
    return true;
  }
  // The drive's root ("Z:\\"); a path without a drive letter lies where the current folder does.
  const std::wstring root = path.size() >= 2 && path[1] == ':' ? Widen(path.substr(0, 2)) + L"\\" : std::wstring();
  return ::GetDriveTypeW(root.empty() ? nullptr : root.c_str()) == DRIVE_REMOTE;
}

}  // namespace corvane::win32
