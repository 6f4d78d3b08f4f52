#include "converter_window/module1.h"

namespace Module1 {

std::string dirty;

} // namespace Module1
