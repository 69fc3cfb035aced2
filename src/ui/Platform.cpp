#include "ui/Platform.h"

#include <ctime>

namespace kelvaro::ui {

namespace {
std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}
}  // namespace

Datum SystemClockPlatform::today() const {
  const std::tm local = localNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Uhrzeit SystemClockPlatform::timeOfDay() const {
  const std::tm local = localNow();
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace kelvaro::ui
