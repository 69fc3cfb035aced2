#pragma once

#include <filesystem>

namespace kelvaro::ui {

struct Datum {
  int jahr = 0;
  int monat = 0;
  int tag = 0;
  friend bool operator==(const Datum&, const Datum&) = default;
};

struct Uhrzeit {
  int stunde = 0;
  int minute = 0;
  int sekunde = 0;
};

struct Bildschirm {
  int breite = 1280;
  int hoehe = 800;
};

// What the program asks of the machine it runs on: the clock, the screen and the
// working directory. Tests and the command line use fixed values.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual Datum today() const = 0;
  virtual Uhrzeit timeOfDay() const = 0;
  virtual Bildschirm screenSize() const = 0;
  virtual std::filesystem::path workingDirectory() const = 0;
};

// A platform with values fixed at construction.
class FixedPlatform : public Platform {
 public:
  FixedPlatform(Datum today, Bildschirm screen = {}, std::filesystem::path workingDirectory = ".",
                Uhrzeit timeOfDay = {12, 0, 0})
      : m_today(today), m_timeOfDay(timeOfDay), m_screen(screen), m_workingDirectory(std::move(workingDirectory)) {}

  Datum today() const override { return m_today; }
  Uhrzeit timeOfDay() const override { return m_timeOfDay; }
  Bildschirm screenSize() const override { return m_screen; }
  std::filesystem::path workingDirectory() const override { return m_workingDirectory; }

 private:
  Datum m_today;
  Uhrzeit m_timeOfDay;
  Bildschirm m_screen;
  std::filesystem::path m_workingDirectory;
};

// The real clock of this machine, a fixed screen and the process's working directory;
// the desktop layer supplies the real screen.
class SystemClockPlatform : public Platform {
 public:
  explicit SystemClockPlatform(Bildschirm screen = {}) : m_screen(screen) {}
  Datum today() const override;
  Uhrzeit timeOfDay() const override;
  Bildschirm screenSize() const override { return m_screen; }
  std::filesystem::path workingDirectory() const override { return std::filesystem::current_path(); }

 private:
  Bildschirm m_screen;
};

}  // namespace kelvaro::ui
