// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/form.h"

#include <stdexcept>

#include "fields/no_result.h"

namespace stockcalc {

Form::Form(const WindowLayout& layout, Prompter& prompter) : layout_(layout), prompter_(prompter) {
  controls_.reserve(layout.controls.size());
  for (const ControlLayout& control : layout.controls) controls_.emplace_back(control.kind);
}

TextControl& Form::Control(std::string_view name) {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (layout_.controls[i].name == name) return controls_[i];
  }
  throw std::out_of_range(std::string(layout_.class_name) + " has no control " + std::string(name));
}

void Form::Form_Load() {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    controls_[i].SetText(std::string(layout_.controls[i].text));
  }
  ++load_count_;
}

void Form::ShowLoadText(TextControl& control) {
  const auto index = static_cast<std::size_t>(&control - controls_.data());
  control.SetText(std::string(layout_.controls[index].text));
}

bool Form::Click(std::string_view button) {
  for (const auto& [name, handler] : handlers_) {
    if (name == button) {
      handler();
      return true;
    }
  }
  return false;
}

void Form::OnClick(std::string_view button, std::function<void()> handler) {
  handlers_.emplace_back(button, std::move(handler));
}

void Form::ComputeOrReport(const std::function<void()>& compute) {
  std::vector<std::string> before;
  before.reserve(controls_.size());
  for (const TextControl& control : controls_) before.push_back(control.Text());
  try {
    compute();
  } catch (const NoResult&) {
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].SetText(std::move(before[i]));
    prompter_.ShowMessage(kOutOfRangeMessage);
  }
}

}  // namespace stockcalc
