// Screen capture with GDI, PNG encoding with the system's imaging component.
#include "Screenshot.h"

#include <windows.h>
// after windows.h, which it needs
#include <wincodec.h>

#include <stdexcept>
#include <string>

namespace corvane::e2e {

namespace {

void Check(HRESULT result, const char* step) {
  if (FAILED(result)) {
    throw std::runtime_error(std::string("screenshot: ") + step + " failed, HRESULT " +
                             std::to_string(static_cast<unsigned long>(result)));
  }
}

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }
  T** out() { return &pointer_; }

 private:
  T* pointer_ = nullptr;
};

class ComApartment {
 public:
  ComApartment() { Check(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx"); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() { CoUninitialize(); }
};

class ScreenBitmap {
 public:
  explicit ScreenBitmap(const RECT& area) {
    HDC screen = GetDC(nullptr);
    width_ = area.right - area.left;
    height_ = area.bottom - area.top;
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap_);
    const BOOL copied = BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (bitmap_ == nullptr || !copied) {
      throw std::runtime_error("screenshot: cannot copy the screen");
    }
  }
  ScreenBitmap(const ScreenBitmap&) = delete;
  ScreenBitmap& operator=(const ScreenBitmap&) = delete;
  ~ScreenBitmap() { DeleteObject(bitmap_); }
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace

void SaveScreenshot(const std::wstring& pngPath) {
  SaveScreenshot(pngPath, RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

void SaveScreenshot(const std::wstring& pngPath, const RECT& area) {
  RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT visible{};
  if (!IntersectRect(&visible, &area, &screenRect)) {
    throw std::runtime_error("screenshot: the area lies off the screen");
  }
  ComApartment apartment;
  ScreenBitmap screen(visible);

  ComPtr<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.out())),
        "creating the imaging factory");
  ComPtr<IWICBitmap> bitmap;
  Check(factory->CreateBitmapFromHBITMAP(screen.get(), nullptr, WICBitmapIgnoreAlpha, bitmap.out()),
        "reading the bitmap");
  ComPtr<IWICStream> stream;
  Check(factory->CreateStream(stream.out()), "creating the stream");
  Check(stream->InitializeFromFilename(pngPath.c_str(), GENERIC_WRITE), "opening the file");
  ComPtr<IWICBitmapEncoder> encoder;
  Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out()), "creating the PNG encoder");
  Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "starting the encoder");
  ComPtr<IWICBitmapFrameEncode> frame;
  Check(encoder->CreateNewFrame(frame.out(), nullptr), "creating the frame");
  Check(frame->Initialize(nullptr), "starting the frame");
  Check(frame->WriteSource(bitmap.get(), nullptr), "writing the pixels");
  Check(frame->Commit(), "finishing the frame");
  Check(encoder->Commit(), "finishing the file");
}

}  // namespace corvane::e2e
