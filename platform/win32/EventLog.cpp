// The Windows Application log: an event from the source "Corvane", and registering that source.
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kSource[] = L"Corvane";
constexpr wchar_t kSourceKey[] = L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Corvane";
// Error, warning and information: the kinds Event Viewer may show from this source.
constexpr DWORD kTypesSupported = EVENTLOG_ERROR_TYPE | EVENTLOG_WARNING_TYPE | EVENTLOG_INFORMATION_TYPE;

void Check(LSTATUS status, const std::string& subject) {
  if (status != ERROR_SUCCESS) {
    ThrowSystemError(static_cast<DWORD>(status), subject);
  }
}

}  // namespace

void Win32Platform::ReportEvent(EventKind kind, const std::string& text) {
  const HANDLE source = ::RegisterEventSourceW(nullptr, kSource);
  if (source == nullptr) {
    ThrowLastError("Application log");
  }
  const std::wstring wide = Widen(text);
  const wchar_t* strings[] = {wide.c_str()};
  const bool error = kind == EventKind::Error;
  const BOOL written = ::ReportEventW(source, error ? EVENTLOG_ERROR_TYPE : EVENTLOG_WARNING_TYPE, 0, error ? 1 : 2,
                                      nullptr, 1, 0, strings, nullptr);
  const DWORD failure = ::GetLastError();
  ::DeregisterEventSource(source);
  if (!written) {
    ThrowSystemError(failure, "Application log");
  }
}

void Win32Platform::RegisterEventSource() {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
  HKEY key = nullptr;
  const std::string subject = "HKEY_LOCAL_MACHINE\\" + Narrow(kSourceKey);
  Check(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSourceKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
        subject);
  const ScopedRegistryKey owned(key);
  Check(::RegSetValueExW(key, L"EventMessageFile", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(self.c_str()),
                         static_cast<DWORD>((self.size() + 1) * sizeof(wchar_t))),
        subject);
  Check(::RegSetValueExW(key, L"TypesSupported", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kTypesSupported),
                         sizeof kTypesSupported),
        subject);
}

}  // namespace corvane::win32
