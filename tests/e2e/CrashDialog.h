// Wine's crash dialog, switched off for the program under test.
#pragma once

namespace corvane::e2e {

// A crash must end the program at once, as a failure the test sees: Wine's dialog would wait for a person and keep
// the test's output pipe open, so that CTest would hang. Only Wine reads this setting; Windows ignores it.
void LetCrashesEndTheProgram();

}  // namespace corvane::e2e
