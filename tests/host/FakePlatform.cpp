// The in-memory Windows of the host tests.
#include "FakePlatform.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace corvane::testing {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string LastPart(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

// Windows' * and ? in a file name.
bool Matches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) {
    return name.empty();
  }
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (Matches(pattern.substr(1), name.substr(skip))) {
        return true;
      }
    }
    return false;
  }
  return !name.empty() && (pattern[0] == '?' || pattern[0] == name[0]) && Matches(pattern.substr(1), name.substr(1));
}

}  // namespace

FakeWindow::FakeWindow(FakePlatform& platform, const FormLayout& layout, EventSink& sink)
    : platform_(platform), layout_(layout), sink_(sink), left_(layout.client.left - FakePlatform::kFrameWidth / 2) {
  for (const ControlSpec& control : layout.controls) {
    controls_[std::string(control.name)] = Control{std::string(control.text), false, !control.hidden};
  }
  platform_.forms_.push_back(this);
}

FakeWindow::~FakeWindow() {
  std::erase(platform_.forms_, this);
}

FakeWindow::Control& FakeWindow::At(std::string_view control) {
  auto it = controls_.find(control);
  if (it == controls_.end()) {
    throw std::logic_error("no control " + std::string(control) + " on " + std::string(layout_.name));
  }
  return it->second;
}

const FakeWindow::Control& FakeWindow::At(std::string_view control) const {
  return const_cast<FakeWindow*>(this)->At(control);
}

void FakeWindow::SetText(std::string_view control, const std::string& text) {
  platform_.Check("SetText", std::string(control));
  At(control).text = text;
}

std::string FakeWindow::Text(std::string_view control) const {
  return At(control).text;
}
bool FakeWindow::IsChecked(std::string_view control) const {
  return At(control).checked;
}
void FakeWindow::SetChecked(std::string_view control, bool checked) {
  At(control).checked = checked;
}
void FakeWindow::SetControlVisible(std::string_view control, bool visible) {
  At(control).visible = visible;
}
bool FakeWindow::IsControlVisible(std::string_view control) const {
  return At(control).visible;
}
int FakeWindow::OuterWidth() const {
  return layout_.client.width + FakePlatform::kFrameWidth;
}

void FakeWindow::SetLeft(int twips) {
  platform_.Check("SetLeft");
  left_ = twips;
}

void FakeWindow::Show() {
  platform_.Check("Show", std::string(layout_.name));
  visible_ = true;
}

std::string FakePlatform::Key(const std::string& path) {
  return Lower(path);
}

std::string FakePlatform::Parent(const std::string& key) {
  const auto slash = key.find_last_of('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

void FakePlatform::AddFile(const std::string& path, std::string content) {
  files_[Key(path)] = File{std::move(content), path};
  AddFolder(Parent(path));
}

void FakePlatform::AddFolder(const std::string& path) {
  for (std::string key = Key(path); !key.empty(); key = Parent(key)) {
    folders_.insert(key);
  }
}

FakePlatform::File& FakePlatform::FileAt(const std::string& path) {
  auto it = files_.find(Key(path));
  if (it == files_.end()) {
    throw std::logic_error("the test expected a file " + path);
  }
  return it->second;
}

std::vector<std::string> FakePlatform::FilePaths() const {
  std::vector<std::string> paths;
  for (const auto& [key, file] : files_) {
    paths.push_back(file.name);
  }
  return paths;
}

void FakePlatform::FailOn(std::string operation, std::string path, std::string description) {
  failures_.push_back({std::move(operation), Key(path), std::move(description)});
}

void FakePlatform::Check(std::string_view operation, const std::string& path) {
  // Message boxes are how failures are told, so they are never counted or failed by number.
  if (operation != "ShowMessage" && ++operations == failAtOperation) {
    throw PlatformError("", std::string(kInjected) + " " + std::string(operation) + " " + path);
  }
  for (auto it = failures_.begin(); it != failures_.end(); ++it) {
    if (it->operation == operation && (it->path.empty() || it->path == Key(path))) {
      const std::string description = it->description;
      failures_.erase(it);
      throw PlatformError(path, description, description == "Access is denied.");
    }
  }
}

bool FakePlatform::FolderExists(const std::string& key) const {
  return folders_.contains(key);
}

FakeWindow* FakePlatform::Form(std::string_view name) const {
  for (FakeWindow* form : forms_) {
    if (form->layout().name == name) {
      return form;
    }
  }
  return nullptr;
}

bool FakePlatform::Exists(const std::string& pattern, Lookup filter) {
  probes.push_back(pattern);
  Check("Exists", pattern);
  std::string key = Key(pattern);
  if (filter == Lookup::Directories && key.ends_with('\\')) {
    key.pop_back();
  }
  const std::string folder = Parent(key);
  const std::string name = LastPart(key);
  for (const auto& [fileKey, file] : files_) {
    if (Parent(fileKey) == folder && Matches(name, LastPart(fileKey)) && !file.hidden && !file.system) {
      return true;
    }
  }
  if (filter == Lookup::Directories) {
    for (const std::string& folderKey : folders_) {
      if (Parent(folderKey) == folder && Matches(name, LastPart(folderKey))) {
        return true;
      }
    }
  }
  return false;
}

void FakePlatform::CreateFolder(const std::string& path) {
  Check("CreateFolder", path);
  const std::string key = Key(path);
  if (folders_.contains(key) || !FolderExists(Parent(key))) {
    throw PlatformError(path, "The system cannot find the path specified.");
  }
  folders_.insert(key);
}

std::string FakePlatform::ReadTextFile(const std::string& path) {
  Check("ReadTextFile", path);
  auto it = files_.find(Key(path));
  if (it == files_.end()) {
    throw PlatformError(path, "The system cannot find the file specified.");
  }
  return it->second.content;
}

void FakePlatform::WriteTextFile(const std::string& path, const std::string& text) {
  const std::string key = Key(path);
  if (!FitsTextFile(text)) {
    throw PlatformError(path, "the text holds characters the code page cannot store.");
  }
  if (!FolderExists(Parent(key)) || (files_.contains(key) && files_[key].readOnly)) {
    throw PlatformError(path, "Access is denied.", true);
  }
  // Like a real write that fails midway: the file was already created or truncated.
  files_[key] = File{{}, path};
  Check("WriteTextFile", path);
  files_[key] = File{text, path};
}

bool FakePlatform::FitsTextFile(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // Lead bytes C2 and C3 start U+0080 to U+00FF; anything beyond is outside the code page here.
    if (byte >= 0xC4) {
      return false;
    }
  }
  return true;
}

void FakePlatform::ReplaceFile(const std::string& from, const std::string& to) {
  Check("ReplaceFile", to);
  auto source = files_.find(Key(from));
  if (source == files_.end() || (files_.contains(Key(to)) && files_[Key(to)].readOnly)) {
    throw PlatformError(to, "Access is denied.", true);
  }
  File moved = source->second;
  moved.name = to;
  files_.erase(source);
  files_[Key(to)] = moved;
}

void FakePlatform::DeleteFile(const std::string& path) {
  Check("DeleteFile", path);
  auto it = files_.find(Key(path));
  if (it == files_.end() || it->second.readOnly) {
    throw PlatformError(path, "Access is denied.", true);
  }
  files_.erase(it);
}

void FakePlatform::CopyFile(const std::string& from, const std::string& to) {
  auto source = files_.find(Key(from));
  if (source == files_.end()) {
    throw PlatformError(from, "The system cannot find the file specified.");
  }
  const std::string key = Key(to);
  if (!FolderExists(Parent(key)) || (files_.contains(key) && files_[key].readOnly)) {
    throw PlatformError(to, "Access is denied.", true);
  }
  File copy = source->second;
  copy.name = to;
  // Like a real copy that fails midway: half the bytes are already there.
  files_[key] = File{copy.content.substr(0, copy.content.size() / 2), to};
  Check("CopyFile", to);
  files_[key] = copy;  // attributes and all, as Windows copies them
}

void FakePlatform::MakeWritable(const std::string& path) {
  Check("MakeWritable", path);
  auto it = files_.find(Key(path));
  if (it == files_.end()) {
    throw PlatformError(path, "The system cannot find the file specified.");
  }
  it->second.readOnly = false;
}

std::uint64_t FakePlatform::FileSize(const std::string& path) {
  Check("FileSize", path);
  auto it = files_.find(Key(path));
  if (it == files_.end()) {
    throw PlatformError(path, "The system cannot find the file specified.");
  }
  return it->second.content.size();
}

std::string FakePlatform::ProgramFolder() {
  Check("ProgramFolder");
  return programFolder;
}

bool FakePlatform::StartProgram(const std::string& program, const std::string& commandLine, Wait wait,
                                int limitMinutes) {
  Check("StartProgram", program);
  if (program.empty() || !HasFile(program)) {
    throw PlatformError(program, "The system cannot find the file specified.");
  }
  starts.push_back({program, commandLine, wait, limitMinutes});
  return !(accessOverruns && wait == Wait::UntilEnded && limitMinutes > 0);
}

std::vector<FolderEntry> FakePlatform::ListFiles(const std::string& folder) {
  Check("ListFiles", folder);
  std::vector<FolderEntry> entries;
  for (const auto& [key, file] : files_) {
    if (Parent(key) == Key(folder) && !file.hidden && !file.system) {
      entries.push_back({LastPart(file.name), file.lastWrite, file.created});
    }
  }
  return entries;
}

bool FakePlatform::HeldOpen(const std::string& path) {
  Check("HeldOpen", path);
  return heldOpen.contains(path);
}

std::string FakePlatform::ReadBytes(const std::string& path, std::size_t limit) {
  return ReadTextFile(path).substr(0, limit);
}

std::string FakePlatform::FromAnsi(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

void FakePlatform::AppendUtf8File(const std::string& path, const std::string& text) {
  Check("AppendUtf8File", path);
  if (!FolderExists(Parent(Key(path)))) {
    throw PlatformError(path, "The system cannot find the path specified.");
  }
  File& file = files_[Key(path)];
  file.name = path;
  file.content += text;
}

corvane::Answer FakePlatform::ShowMessage(const std::string& text, const std::string& title, Buttons buttons) {
  Check("ShowMessage");
  std::vector<std::string> visible;
  for (const FakeWindow* form : forms_) {
    if (form->IsVisible()) {
      visible.emplace_back(form->layout().name);
    }
  }
  messages.push_back({text, title, buttons, visible});
  if (answers_.empty()) {
    return buttons == Buttons::Ok ? corvane::Answer::Ok : throw std::logic_error("unscripted question: " + text);
  }
  const corvane::Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int FakePlatform::ScreenWidth() {
  Check("ScreenWidth");
  return screenWidth;
}

std::unique_ptr<Window> FakePlatform::CreateForm(const FormLayout& layout, EventSink& sink) {
  Check("CreateForm", std::string(layout.name));
  return std::make_unique<FakeWindow>(*this, layout, sink);
}

}  // namespace corvane::testing
