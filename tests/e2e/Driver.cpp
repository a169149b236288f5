// Another process's windows through plain Win32 calls, texts as UTF-8; screenshots as PNG through WIC.
#include "Driver.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/WideText.h"

namespace corvane::e2e {

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
  return static_cast<LRESULT>(result);
}

void Check(HRESULT result) {
  if (FAILED(result)) {
    throw std::runtime_error("screenshot failed, HRESULT " + std::to_string(static_cast<unsigned long>(result)));
  }
}

bool IsMessageBox(HWND window) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  return std::wstring_view(name) == L"#32770";
}

}  // namespace

win32::ScopedHandle StartProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + win32::Narrow(commandLine) + ": error " +
                             std::to_string(::GetLastError()));
  }
  ::CloseHandle(info.hThread);
  return win32::ScopedHandle(info.hProcess);
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return win32::Narrow(text);
}

RECT RectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

std::vector<HWND> VisibleTopWindowsOf(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> search{processId, {}};
  ::EnumWindows(
      [](HWND window, LPARAM param) {
        auto& [processId, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window)) {
          found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

HWND FindWindowOf(DWORD processId, std::string_view caption) {
  const std::vector<HWND> windows = VisibleTopWindowsOf(processId);
  const auto found = std::ranges::find_if(windows, [&](HWND w) { return !IsMessageBox(w) && TextOf(w) == caption; });
  return found == windows.end() ? nullptr : *found;
}

HWND FindMessageBox(DWORD processId) {
  const std::vector<HWND> windows = VisibleTopWindowsOf(processId);
  const auto found = std::ranges::find_if(windows, IsMessageBox);
  return found == windows.end() ? nullptr : *found;
}

HWND Form::Control(std::string_view name) const {
  const auto row = std::ranges::find(controls_, name, &ControlSpec::name);
  // Controls inside a frame are the frame's children: search every descendant, not only the window's own.
  std::pair<int, HWND> search{ControlIdOf(static_cast<std::size_t>(row - controls_.begin())), nullptr};
  ::EnumChildWindows(
      window_,
      [](HWND child, LPARAM param) {
        auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(param);
        found = ::GetDlgCtrlID(child) == id ? child : nullptr;
        return found == nullptr ? TRUE : FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (row == controls_.end() || search.second == nullptr) {
    throw std::runtime_error("no control " + std::string(name));
  }
  return search.second;
}

void SaveScreenshot(const std::wstring& path, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  win32::UniqueHandle<win32::GdiObjectTraits<HBITMAP>> bitmap(::CreateCompatibleBitmap(screen, width, height));
  HGDIOBJ old = ::SelectObject(memory, bitmap.Get());
  const BOOL copied = ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  Check(copied ? S_OK : E_FAIL);

  // Once per thread is enough; a repeated call only answers S_FALSE.
  Check(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  Microsoft::WRL::ComPtr<IWICImagingFactory> factory;
  Microsoft::WRL::ComPtr<IWICBitmap> pixels;
  Microsoft::WRL::ComPtr<IWICStream> stream;
  Microsoft::WRL::ComPtr<IWICBitmapEncoder> encoder;
  Microsoft::WRL::ComPtr<IWICBitmapFrameEncode> frame;
  Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(factory.GetAddressOf())));
  Check(factory->CreateBitmapFromHBITMAP(bitmap.Get(), nullptr, WICBitmapIgnoreAlpha, &pixels));
  Check(factory->CreateStream(&stream));
  Check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE));
  Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder));
  Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache));
  Check(encoder->CreateNewFrame(&frame, nullptr));
  Check(frame->Initialize(nullptr));
  Check(frame->WriteSource(pixels.Get(), nullptr));
  Check(frame->Commit());
  Check(encoder->Commit());
}

}  // namespace corvane::e2e
