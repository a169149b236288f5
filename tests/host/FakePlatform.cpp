// The fake's virtual functions are compiled here once, with their tables, rather than in every test that uses it.
#include "FakeDesktop.h"

namespace corvane::testing {

void FakePlatform::EndAtTheCrash() {
  if (crash_) {
    files_ = crash_->files;
    folders_ = crash_->folders;
    starts.resize(crash_->starts);
    console.resize(crash_->console);
    holding.clear();
  }
}

void FakeDesktop::EndAtTheCrash() {
  FakePlatform::EndAtTheCrash();
  messages.resize(crash_ ? crash_->said : messages.size());
}

FakeWindow::~FakeWindow() {
  std::erase(platform_.forms_, this);
}

}  // namespace corvane::testing
