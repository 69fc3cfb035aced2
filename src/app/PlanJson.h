#pragma once

#include <nlohmann/json.hpp>

namespace kelvaro {

class Programm;
namespace ui {
class Window;
}

// The plan, its derived values and the controls of the main window as one JSON object,
// keys named as the program names the fields.
nlohmann::ordered_json PlanAlsJson(Programm& programm);
// The same with the check report as the report window shows it after its last run:
// "Meldungszahl", the lines under "Report" and the window's controls.
nlohmann::ordered_json PlanMitPruefungAlsJson(Programm& programm);

// Every control of a window by name: text, visibility, enabled, checked, width, colour,
// bold, and for choice boxes the items and the selected index.
nlohmann::ordered_json ControlsAlsJson(const ui::Window& window);

}  // namespace kelvaro
