// Putting a new file in place so that a failure never leaves a half-made file under the final name.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace corvane {

// Removes a scratch file left by a failed step, whatever its attributes, where it can; a failure to remove it is not
// told, as the first failure is the one worth telling and a stray scratch file harms nothing.
inline void RemoveScratch(Platform& platform, const std::string& scratch) {
  try {
    if (platform.Exists(scratch, Lookup::AllFiles)) {
      platform.MakeWritable(scratch);
      platform.DeleteFile(scratch);
    }
  } catch (const PlatformError&) {
  }
}

// `make` writes the new file at `scratch`; only a finished file replaces `target`. On failure the scratch file
// is removed, whatever its attributes, where possible, and the failure goes on to the caller; `target` is as it was.
template <class Make>
void ReplaceViaScratch(Platform& platform, const std::string& scratch, const std::string& target, Make&& make) {
  try {
    make();
    platform.ReplaceFile(scratch, target);
  } catch (const PlatformError& refusal) {
    RemoveScratch(platform, scratch);
    // The scratch file is the program's own affair: a refusal names the file the user knows.
    if (refusal.subject().find(scratch) != std::string::npos) {
      throw PlatformError(target, refusal.description(), refusal.reason());
    }
    throw;
  } catch (...) {
    RemoveScratch(platform, scratch);
    throw;
  }
}

// Copies `source` over `target` by way of "<target>.partial", so that neither a failed copy nor a failed replacement
// leaves a partial file under the target's name or costs the user the file being replaced. The copy is the program's
// own file: it never takes the source's read-only attribute, and a target marked read-only is still replaced. It
// keeps the source's last-write time. `onceWhole` runs when the copy is whole, just before it replaces the target.
inline void CopyViaScratch(Platform& platform, const std::string& source, const std::string& target,
                           const std::function<void()>& onceWhole = nullptr) {
  const std::string scratch = target + ".partial";
  const auto makeWritable = [&](const std::string& path) {
    if (platform.Exists(path, Lookup::AllFiles)) {
      platform.MakeWritable(path);
    }
  };
  ReplaceViaScratch(platform, scratch, target, [&] {
    makeWritable(scratch);  // left by an earlier run that could not clean up
    platform.CopyFile(source, scratch);
    platform.MakeWritable(scratch);
    makeWritable(target);
    if (onceWhole) {
      onceWhole();
    }
  });
}

// A copy as the program makes it of a database: via scratch, then given the present moment as its creation and
// last-write time, as which copies are newest is told by when they were made.
inline void CopyInto(Platform& platform, const std::string& source, const std::string& target) {
  CopyViaScratch(platform, source, target);
  platform.MarkMadeNow(target);
}

}  // namespace corvane
