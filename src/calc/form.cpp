// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/form.h"

#include <stdexcept>

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
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) ShowLoadText(controls_[i]);
  ++load_count_;
}

void Form::ShowLoadText(TextControl& control) {
  const auto index = static_cast<std::size_t>(&control - controls_.data());
  const std::string_view text = layout_.controls[index].text;
  // Most texts are already the layout's; no copy is made for those.
  if (control.Text() != text) control.SetText(std::string(text));
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

void Form::KeepTexts() {
  kept_texts_.resize(controls_.size());
  // Assigning into the strings kept from the last click reuses their storage.
  for (std::size_t i = 0; i < controls_.size(); ++i) kept_texts_[i] = controls_[i].Text();
}

void Form::PutTextsBack() {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].SetText(kept_texts_[i]);
  prompter_.ShowMessage(kOutOfRangeMessage);
}

}  // namespace stockcalc
