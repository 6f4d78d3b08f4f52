// The system alert sound, counted so that tests can tell a refused key.
#pragma once

namespace fw {

void Beep();
int beepCount(); // beeps since start

} // namespace fw
