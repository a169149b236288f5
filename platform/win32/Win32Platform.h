// The program's operating system: Windows, through the Win32 API.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/Backend.h"
#include "platform/win32/WinApi.h"

namespace corvane::win32 {

class Win32Platform : public Platform {
 public:
  // Loads the common controls and registers the form class; throws PlatformError when the system refuses.
  Win32Platform();

  bool Exists(const std::string& pattern, Lookup filter) override;
  void CreateFolder(const std::string& path) override;

  std::string ReadTextFile(const std::string& path) override;
  void WriteTextFile(const std::string& path, const std::string& text) override;
  bool FitsTextFile(const std::string& text) override;
  void ReplaceFile(const std::string& from, const std::string& to) override;

  void DeleteFile(const std::string& path) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void MakeWritable(const std::string& path) override;
  std::uint64_t FileSize(const std::string& path) override;

  std::string ProgramFolder() override;
  Date Today() override;
  std::string DecimalSeparator() override;

  void StartProgram(const std::string& program, const std::string& commandLine, Wait wait) override;

  Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons) override;
  int ScreenWidth() override;
  std::unique_ptr<Window> CreateForm(const FormLayout& layout, EventSink& sink) override;
  [[noreturn]] void EndProgram() override;

 private:
  HINSTANCE instance_;
};

}  // namespace corvane::win32
