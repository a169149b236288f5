// The benchmark's scratch folder and its files: made on the disk under test, gone afterwards whatever happens.
#pragma once

#include <cstdint>
#include <string>

namespace corvane::bench {

class ScratchFolder {
 public:
  // A new folder inside `parent` (%TEMP% when empty). Throws std::runtime_error when the system refuses.
  explicit ScratchFolder(const std::string& parent);
  // Removes the files the benchmark made in it, then the folder.
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Writes `size` bytes that no file system can compress or leave sparse. Throws std::runtime_error.
void WriteNoiseFile(const std::string& path, std::uint64_t size);
// Waits until the file's data are on the disk. Throws std::runtime_error.
void FlushToDisk(const std::string& path);
// Deletes `path` if it is there. Throws std::runtime_error when it stays.
void RemoveFile(const std::string& path);

}  // namespace corvane::bench
