// The in-memory Windows of the host tests.
#include "FakePlatform.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace corvane::testing {

namespace {

const std::string kNoFile = "The system cannot find the file specified.";
const std::string kNoPath = "The system cannot find the path specified.";
const std::string kDenied = "Access is denied.";
const std::string kInUse = "The process cannot access the file because it is being used by another process.";

std::string LastPart(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

}  // namespace

FakeWindow::FakeWindow(FakeDesktop& platform, const FormLayout& layout, EventSink& sink)
    : platform_(platform), layout_(layout), sink_(sink), left_(layout.client.left - FakeDesktop::kFrameWidth / 2) {
  for (const ControlSpec& control : layout.controls) {
    controls_[std::string(control.name)] =
        Control{std::string(control.text), false, !control.hidden, std::nullopt, true, {}, std::nullopt};
  }
  platform_.forms_.push_back(this);
}

FakeWindow::~FakeWindow() {
  std::erase(platform_.forms_, this);
}

FakeWindow::Control& FakeWindow::At(std::string_view control) const {
  auto it = controls_.find(control);
  if (it == controls_.end()) {
    throw std::logic_error("no control " + std::string(control) + " on " + std::string(layout_.name));
  }
  return it->second;
}

int FakeWindow::OuterWidth() const {
  return layout_.client.width + FakeDesktop::kFrameWidth;
}

void FakeWindow::SetLines(std::string_view control, const std::vector<std::string>& lines) {
  At(control).lines = lines;
  At(control).selected.reset();
}

void FakeWindow::SelectLine(std::string_view control, int line) {
  At(control).selected = line;
  Fire(control, Event::Click);
}

// Painted at once, so the window hears it was shown at once.
void FakeWindow::Show() {
  visible_ = true;
  sink_.OnEvent("Form", Event::Shown);
}

std::string FakePlatform::Key(std::string_view path) {
  std::string key(path);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  return key;
}

std::string FakePlatform::Parent(const std::string& key) {
  const auto slash = key.find_last_of('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

FakePlatform::File& FakePlatform::AddFile(const std::string& path, std::string content) {
  AddFolder(Parent(Key(path)));
  return files_[Key(path)] = File{std::move(content), path};
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

std::vector<std::string> FakeDesktop::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& message : messages) {
    texts.push_back(message.text);
  }
  return texts;
}

FakeWindow* FakeDesktop::Form(std::string_view name) const {
  const auto it = std::find_if(forms_.begin(), forms_.end(), [&](FakeWindow* f) { return f->layout().name == name; });
  return it == forms_.end() ? nullptr : *it;
}

void FakePlatform::Check(std::string_view operation, const std::string& path) {
  constexpr std::string_view kChangesTheDisk[] = {"CreateFolder",   "WriteTextFile",  "ReplaceFile",
                                                  "DeleteFile",     "CopyFile",       "MakeWritable",
                                                  "CreateHeldFile", "AppendUtf8File", "MarkMadeNow"};
  if (std::ranges::count(kChangesTheDisk, operation) == 1) {
    diskCalls.push_back(std::string(operation) + " " + path);
    if (std::ssize(diskCalls) == faultAt && diskFault == DiskFault::Refuse) {
      throw PlatformError(path, "The device is not ready.");
    }
    // Taken before the call has its way: a write has only truncated its file, a copy has written half its bytes.
    if (std::ssize(diskCalls) == faultAt && diskFault == DiskFault::Crash) {
      crash_ = Image{files_, folders_, starts.size(), console.size(), Said()};
    }
  }
  for (auto it = failures_.begin(); it != failures_.end(); ++it) {
    if (it->operation == operation && (it->path.empty() || it->path == Key(path))) {
      if (it->letPass-- > 0) {
        return;
      }
      const std::string description = it->description;
      failures_.erase(it);
      throw PlatformError(path, description, description == kDenied ? Refusal::AccessDenied : Refusal::Other);
    }
  }
}

void FakePlatform::EndAtTheCrash() {
  if (crash_) {
    files_ = crash_->files;
    folders_ = crash_->folders;
    starts.resize(crash_->starts);
    console.resize(crash_->console);
    holding.clear();
  }
}

FakePlatform::File& FakePlatform::Existing(const std::string& path, std::string_view operation) {
  Check(operation, path);
  auto it = files_.find(Key(path));
  if (it == files_.end()) {
    throw PlatformError(path, kNoFile);
  }
  return it->second;
}

void FakePlatform::CheckWritable(const std::string& key, const std::string& path) const {
  if (!folders_.contains(Parent(key))) {
    throw PlatformError(path, kNoPath);
  }
  if (files_.contains(key) && files_.at(key).readOnly) {
    throw PlatformError(path, kDenied, Refusal::ReadOnly);
  }
  if (folders_.contains(key)) {
    throw PlatformError(path, kDenied, Refusal::AccessDenied);
  }
}

bool FakePlatform::Exists(const std::string& pattern, Lookup filter) {
  probes.push_back(pattern);
  Check("Exists", pattern);
  std::string key = Key(pattern);
  if ((filter == Lookup::Directories || filter == Lookup::AllFolders) && key.ends_with('\\')) {
    key.pop_back();
  }
  const auto file = files_.find(key);
  const bool isFile = file != files_.end(), normal = isFile && !file->second.hidden && !file->second.system;
  const bool folder = folders_.contains(key);
  return filter == Lookup::AllFiles     ? isFile
         : filter == Lookup::AllFolders ? folder
                                        : normal || (filter == Lookup::Directories && folder);
}

void FakePlatform::CreateFolder(const std::string& path) {
  Check("CreateFolder", path);
  const std::string key = Key(path);
  if (folders_.contains(key) || !folders_.contains(Parent(key))) {
    throw PlatformError(path, kNoPath);
  }
  folders_.insert(key);
}

void FakePlatform::WriteTextFile(const std::string& path, const std::string& text) {
  const std::string key = Key(path);
  if (!FitsTextFile(text)) {
    throw PlatformError(path, "No mapping for the Unicode character exists in the target multi-byte code page.");
  }
  CheckWritable(key, path);
  // Like a real write that fails midway: the file was already created or truncated.
  files_[key] = File{{}, path};
  Check("WriteTextFile", path);
  files_[key] = File{text, path};
}

bool FakePlatform::FitsTextFile(const std::string& text) {
  // Lead bytes C2 and C3 start U+0080 to U+00FF; anything beyond is outside the code page here.
  return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC4; });
}

void FakePlatform::ReplaceFile(const std::string& from, const std::string& to) {
  Check("ReplaceFile", to);
  auto source = files_.find(Key(from));
  if (source == files_.end()) {
    throw PlatformError(from, kNoFile);
  }
  CheckWritable(Key(to), to);
  File moved = source->second;
  moved.name = to;
  if (const auto target = files_.find(Key(to)); target != files_.end()) {
    moved.hidden = target->second.hidden;
    moved.system = target->second.system;
  }
  files_.erase(source);
  files_[Key(to)] = moved;
}

void FakePlatform::DeleteFile(const std::string& path) {
  if (Existing(path, "DeleteFile").readOnly) {
    throw PlatformError(path, kDenied, Refusal::ReadOnly);
  }
  if (holding.contains(Key(path)) || heldOpen.contains(path)) {
    throw PlatformError(path, kInUse);
  }
  files_.erase(Key(path));
}

void FakePlatform::CopyFile(const std::string& from, const std::string& to) {
  File copy = files_.contains(Key(from)) ? files_.at(Key(from)) : throw PlatformError(from, kNoFile);
  const std::string key = Key(to);
  CheckWritable(key, to);
  copy.name = to;
  // Like a real copy that fails midway: half the bytes are already there.
  files_[key] = File{copy.content.substr(0, copy.content.size() / 2), to};
  Check("CopyFile", to);
  files_[key] = copy;  // attributes and all, as Windows copies them
}

std::optional<FileStamp> FakePlatform::StampOf(const std::string& path) {
  Check("StampOf", path);
  const auto file = files_.find(Key(path));
  return file == files_.end() ? std::nullopt
                              : std::optional(FileStamp{file->second.content.size(), file->second.lastWrite});
}

std::vector<FolderEntry> FakePlatform::ListFiles(const std::string& folder) {
  Check("ListFiles", folder);
  std::vector<FolderEntry> entries;
  for (const auto& [key, file] : files_) {
    if (Parent(key) == Key(folder) && !file.hidden && !file.system) {
      entries.push_back({LastPart(file.name), file.created, file.readOnly, file.created, file.content.size()});
    }
  }
  return entries;
}

// "/" read as "\\" and "." resolved; no test needs "..".
std::optional<std::string> FakePlatform::FullPathName(const std::string& path) {
  std::string full = path;
  std::ranges::replace(full, '/', '\\');
  for (std::size_t dot = full.find("\\.\\"); dot != std::string::npos; dot = full.find("\\.\\")) {
    full.erase(dot, 2);
  }
  return full;
}

std::optional<std::string> FakePlatform::FolderIdentity(const std::string& folder) {
  std::string key = Key(*FullPathName(folder));
  if (key.ends_with('\\')) {
    key.pop_back();
  }
  if (const auto drive = substitutes.find(key.substr(0, 2)); drive != substitutes.end()) {
    key.replace(0, 2, drive->second);
  }
  return foldersIdentified && folders_.contains(key) ? std::optional(key) : std::nullopt;
}

std::unique_ptr<HeldFile> FakePlatform::CreateHeldFile(const std::string& path, const std::string& bytes) {
  Check("CreateHeldFile", path);
  CheckWritable(Key(path), path);
  files_[Key(path)] = File{bytes, path};
  struct Held : HeldFile {
    Held(std::set<std::string>& held, std::string key) : holding(held), file(std::move(key)) { holding.insert(file); }
    ~Held() override { holding.erase(file); }
    std::set<std::string>& holding;
    std::string file;
  };
  return std::make_unique<Held>(holding, Key(path));
}

std::string FakePlatform::FromAnsi(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
    }
  }
  return text;
}

void FakePlatform::AppendUtf8File(const std::string& path, const std::string& text) {
  Check("AppendUtf8File", path);
  CheckWritable(Key(path), path);
  File& file = files_[Key(path)];
  file.name = path;
  file.content += text;
}

std::vector<std::string> FakePlatform::AppPathRegistrations(const std::string& programName) {
  const auto found = registrations.find(programName);
  return found == registrations.end() ? std::vector<std::string>{} : found->second;
}

std::optional<corvane::Association> FakePlatform::AssociationOf(const std::string& type) {
  associationQueries.push_back(type);
  const auto found = associations.find(type);
  return found == associations.end() ? std::nullopt : std::optional(found->second);
}

std::optional<RegistryValue> FakePlatform::UserRegistryValue(const std::string& key, const std::string& name) {
  const auto found = userRegistry.find(Key(key));
  if (found == userRegistry.end() || !found->second.contains(name)) {
    return std::nullopt;
  }
  return found->second.at(name);
}

void FakePlatform::SetUserRegistryValues(const std::string& key,
                                         const std::vector<std::pair<std::string, RegistryValue>>& values) {
  Check("SetUserRegistryValues", key);
  for (const auto& [name, value] : values) {
    userRegistry[Key(key)][name] = value;
  }
}

std::optional<std::string> FakePlatform::EnvironmentVariable(const std::string& name) {
  const auto found = environment.find(name);
  return found == environment.end() ? std::nullopt : std::optional(found->second);
}

std::optional<std::uint32_t> FakePlatform::StartProgram(const std::string& program, const std::string& commandLine,
                                                        Wait wait, int limitMinutes) {
  Check("StartProgram", program);
  if (program.empty() || !HasFile(program)) {
    throw PlatformError(program, kNoFile);
  }
  starts.push_back({program, commandLine, wait, limitMinutes});
  if (wait == Wait::No || (accessOverruns && limitMinutes > 0)) {
    return std::nullopt;
  }
  if (whileWaited) {
    whileWaited();
  }
  return exitCode;
}

std::string FakePlatform::ShortDate(const Date& day) {
  return std::to_string(day.day) + "." + std::to_string(day.month) + "." + std::to_string(day.year);
}

corvane::Answer FakeDesktop::ShowMessage(const std::string& text, const std::string& title, Buttons buttons) {
  messages.push_back({text, title, buttons});
  if (answers_.empty()) {
    return buttons == Buttons::Ok ? corvane::Answer::Ok : throw std::logic_error("unscripted question: " + text);
  }
  const corvane::Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::unique_ptr<Window> FakeDesktop::CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) {
  auto window = std::make_unique<FakeWindow>(*this, layout, sink);
  window->owner = owner;
  return window;
}

}  // namespace corvane::testing
