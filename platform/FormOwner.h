// What a window may ask of the owner of them all: show or unload another window, the launcher's width.
#pragma once

namespace corvane {

enum class FormName { Launcher, Support, Editor, Restore };

class FormOwner {
 public:
  virtual ~FormOwner() = default;

  // Loads the window where it is not loaded yet, then shows it and brings it to the front.
  virtual void Show(FormName form) = 0;
  // Loads the restore window afresh for the slot, and shows it.
  virtual void ShowRestore(int slot) = 0;
  // Does nothing when the window is not loaded.
  virtual void Unload(FormName form) = 0;
  // Unloads the window the user closed; the program ends once no window is left on the screen.
  virtual void Close(FormName form) = 0;
  // Unloads every window and ends the process.
  virtual void Exit() = 0;
  // The window, where it is loaded; nothing otherwise.
  virtual Window* LoadedWindow(FormName form) = 0;
  // The launcher's outer width in twips, as it was when it was last on the screen.
  virtual int LauncherWidth() const = 0;
};

}  // namespace corvane
