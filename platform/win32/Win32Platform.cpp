// Win32Platform: each operation handed to the file that makes it, and the few that are one call each.
#include "platform/win32/Win32Platform.h"

#include <string>

#include "platform/win32/AnsiText.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FileLookup.h"
#include "platform/win32/FileOperations.h"
#include "platform/win32/FormClass.h"
#include "platform/win32/ProcessStart.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/TextFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Window.h"

namespace corvane::win32 {

Win32Platform::Win32Platform() : instance_(::GetModuleHandleW(nullptr)) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
  RegisterFormClass(instance_, &Win32Window::WindowProc);
}

bool Win32Platform::Exists(const std::string& pattern, Lookup filter) {
  return LookUp(pattern, filter);
}

void Win32Platform::CreateFolder(const std::string& path) {
  CreateOneFolder(path);
}

std::string Win32Platform::ReadTextFile(const std::string& path) {
  return ReadAnsiFile(path);
}

void Win32Platform::WriteTextFile(const std::string& path, const std::string& text) {
  WriteAnsiFile(path, text);
}

bool Win32Platform::FitsTextFile(const std::string& text) {
  return Utf8ToAnsi(text).has_value();
}

void Win32Platform::ReplaceFile(const std::string& from, const std::string& to) {
  MoveReplacing(from, to);
}

void Win32Platform::DeleteFile(const std::string& path) {
  DeleteOneFile(path);
}

void Win32Platform::CopyFile(const std::string& from, const std::string& to) {
  CopyReplacing(from, to);
}

std::uint64_t Win32Platform::FileSize(const std::string& path) {
  return SizeOfFile(path);
}

std::string Win32Platform::ProgramFolder() {
  // Paths may be longer than MAX_PATH; a full buffer means the name was cut, so try again with more room.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      ThrowLastError("Program file");
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.rfind(L'\\') == std::wstring::npos ? 0 : path.rfind(L'\\'));
  return Narrow(path);
}

Date Win32Platform::Today() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return Date{now.wYear, now.wMonth, now.wDay};
}

std::string Win32Platform::DecimalSeparator() {
  wchar_t separator[8] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) {
    ThrowLastError("Decimal separator");
  }
  return Narrow(separator);
}

void Win32Platform::StartProgram(const std::string& program, const std::string& commandLine, Wait wait) {
  StartProcess(program, commandLine, wait);
}

Answer Win32Platform::ShowMessage(const std::string& text, const std::string& title, Buttons buttons) {
  UINT type = MB_OK;
  if (buttons == Buttons::YesNo) {
    type = MB_YESNO;
  } else if (buttons == Buttons::OkCancel) {
    type = MB_OKCANCEL;
  }
  // Task-modal: every window of the program waits for the answer, not just one owner.
  const int answer =
      ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(), type | MB_TASKMODAL | MB_SETFOREGROUND);
  switch (answer) {
    case 0:
      ThrowLastError(title);
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

int Win32Platform::ScreenWidth() {
  return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi());
}

std::unique_ptr<Window> Win32Platform::CreateForm(const FormLayout& layout, EventSink& sink) {
  return std::make_unique<Win32Window>(instance_, layout, sink);
}

void Win32Platform::EndProgram() {
  ::ExitProcess(0);
}

}  // namespace corvane::win32
