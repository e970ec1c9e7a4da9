#pragma once

namespace testing_support {

// Runs one whole-program scenario and returns its exit code. A scenario
// writes what it observes (such as the clean-up) to the file given with --marker=.
int runChildScenario(const char* name, int argc, char** argv);

}  // namespace testing_support
