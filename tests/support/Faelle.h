#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kelvaro::test {

// Names a parameterised case after its row's `name` field.
template <typename Fall>
std::string FallName(const ::testing::TestParamInfo<Fall>& info) {
  return info.param.name;
}

// A control of a window by name and kind; throws when the window has no such control, so
// a misspelt name fails the test instead of passing silently.
template <typename ControlTyp = ui::Control>
ControlTyp& Steuerelement(const ui::Window& fenster, const std::string& name) {
  ui::Control* control = fenster.find(name);
  if (control == nullptr) {
    throw std::runtime_error(fenster.className() + " has no control " + name);
  }
  auto* typed = dynamic_cast<ControlTyp*>(control);
  if (typed == nullptr) {
    throw std::runtime_error(name + " is not of the expected kind");
  }
  return *typed;
}

}  // namespace kelvaro::test
