// Writing the settings out. When they cannot be written (a read-only home,
// a full disk), the user is told once in the program's life, not at every
// change, and the program goes on with the choices in memory.
#pragma once

class QSettings;

namespace fw {

void commitSettings(QSettings &settings);

} // namespace fw
