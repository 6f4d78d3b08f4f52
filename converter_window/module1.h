// The program module: state shared by the converter window's handlers.
#pragma once

#include <string>

namespace Module1 {

// "yes" while the score fields show the results of the last calculation;
// "no" (or empty before the converter window's first activation) otherwise.
// Readers test for "yes" only.
extern std::string dirty;

} // namespace Module1
