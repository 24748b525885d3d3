#include "driver/spectrophotometer.h"

#include <new>

#include "driver/serial_port_spectrophotometer.h"

Spectrophotometer::Spectrophotometer() = default;
Spectrophotometer::Spectrophotometer(const Spectrophotometer&) = default;
Spectrophotometer& Spectrophotometer::operator=(const Spectrophotometer&) = default;
Spectrophotometer::~Spectrophotometer() = default;

Spectrophotometer* Spectrophotometer::Create() {
  try {
    return new colorport::SerialPortSpectrophotometer();
  } catch (...) {  // nothing may cross the library boundary
    return nullptr;
  }
}

void Spectrophotometer::Release(Spectrophotometer* instance) { delete instance; }
