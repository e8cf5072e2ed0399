// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "app/fit_text.h"
#include "app/look.h"
#include "app/message_box.h"

namespace stockcalc {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, TextColour colour) {
  const QColor rgb = ColourOf(colour);
  if (!rgb.isValid()) return;
  QPalette palette = widget->palette();
  palette.setColor(role, rgb);
  widget->setPalette(palette);
}

}  // namespace

FormWindow::FormWindow(int number, SwitchHandler on_switch)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      form_(CreateForm(number, *this)),
      on_switch_(std::move(on_switch)) {
  const WindowLayout& layout = form_->Layout();
  setObjectName(ToQString(layout.class_name));
  setFont(WindowFont());
  // A fixed single border: the window cannot be resized.
  setFixedSize(layout.client_width, layout.client_height);
  BuildWidgets();
}

FormWindow::~FormWindow() = default;

void FormWindow::BuildWidgets() {
  const WindowLayout& layout = form_->Layout();
  for (const ControlLayout& control : layout.controls) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Label: {
        auto* label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);  // results can be copied
        SetTextColour(label, QPalette::WindowText, control.colour);
        widget = label;
        break;
      }
      case ControlKind::TextBox:
      case ControlKind::ResultBox: {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(control.kind == ControlKind::ResultBox);
        edit->setAccessibleName(ToQString(control.accessible_name));
        SetTextColour(edit, QPalette::Text, control.colour);
        // Return or the keypad's Enter in any box computes, as "=" does on a calculator.
        connect(edit, &QLineEdit::returnPressed, this, [this] { OnButton("Command1"); });
        // A box shrunk to show a long computed text takes the window's font
        // again as soon as the user types into it.
        connect(edit, &QLineEdit::textEdited, this, [edit, font = FontOf(control.font)] {
          edit->setFont(font);
          edit->setToolTip({});
        });
        widget = edit;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
        const std::string_view name = control.name;
        connect(button, &QPushButton::clicked, this, [this, name] { OnButton(name); });
        widget = button;
        break;
      }
    }
    widget->setObjectName(ToQString(control.name));
    widget->setGeometry(control.geometry.left, control.geometry.top, control.geometry.width,
                        control.geometry.height);
    if (control.font != FontStyle::Default) widget->setFont(FontOf(control.font));
    widgets_.push_back(widget);
  }

  QWidget* previous = nullptr;
  for (const std::string_view name : layout.tab_order) {
    auto* widget = findChild<QWidget*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
  if (!layout.tab_order.empty()) {
    findChild<QWidget*>(ToQString(layout.tab_order.front()), Qt::FindDirectChildrenOnly)->setFocus();
  }
}

void FormWindow::Load() {
  setWindowTitle(ToQString(form_->Layout().caption));
  setAccessibleName(windowTitle());
  form_->Form_Load();
  ShowLoadedTexts();
}

void FormWindow::OnButton(std::string_view button) {
  TakeTypedTexts();
  if (form_->Click(button)) {
    ShowChangedTexts();
  } else if (on_switch_) {
    on_switch_(button);
  }
}

void FormWindow::TakeTypedTexts() {
  auto& controls = form_->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].Kind() != ControlKind::TextBox) continue;
    controls[i].SetText(static_cast<QLineEdit*>(widgets_[i])->text().toStdString());
    controls[i].MarkShown();  // the box already shows it
  }
}

void FormWindow::ShowLoadedTexts() {
  // The captions stand as the layout table draws them, overlaps and all.
  auto& controls = form_->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const QString text = QString::fromStdString(controls[i].Text());
    switch (controls[i].Kind()) {
      case ControlKind::Label:
        static_cast<QLabel*>(widgets_[i])->setText(text);
        widgets_[i]->adjustSize();  // labels size themselves from their left edge
        break;
      case ControlKind::TextBox:
      case ControlKind::ResultBox: {
        auto* edit = static_cast<QLineEdit*>(widgets_[i]);
        edit->setText(text);
        edit->setCursorPosition(0);
        break;
      }
      case ControlKind::Button: static_cast<QPushButton*>(widgets_[i])->setText(text); break;
    }
    controls[i].MarkShown();
  }
}

void FormWindow::ShowChangedTexts() {
  // What a click wrote shows in full wherever the layout leaves room for it.
  auto& controls = form_->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    TextControl& control = controls[i];
    if (!control.Changed()) continue;
    const QString text = QString::fromStdString(control.Text());
    const QFont font = FontOf(form_->Layout().controls[i].font);
    switch (control.Kind()) {
      case ControlKind::Label: ShowFitted(*static_cast<QLabel*>(widgets_[i]), text, font); break;
      case ControlKind::TextBox:
      case ControlKind::ResultBox: ShowFitted(*static_cast<QLineEdit*>(widgets_[i]), text, font); break;
      case ControlKind::Button: static_cast<QPushButton*>(widgets_[i])->setText(text); break;
    }
    control.MarkShown();
  }
}

void FormWindow::ShowMessage(std::string_view text) {
  ShowChangedTexts();
  ShowAppMessage(this, ToQString(text));
}

double FormWindow::Top() const { return std::lround(top_) == y() ? top_ : static_cast<double>(y()); }

double FormWindow::Left() const { return std::lround(left_) == x() ? left_ : static_cast<double>(x()); }

void FormWindow::SetTop(double top) {
  top_ = top;
  move(x(), static_cast<int>(std::lround(top)));
}

void FormWindow::SetLeft(double left) {
  left_ = left;
  move(static_cast<int>(std::lround(left)), y());
}

double FormWindow::OuterWidth() const { return frameGeometry().width(); }
double FormWindow::OuterHeight() const { return frameGeometry().height(); }

void FormWindow::closeEvent(QCloseEvent* event) {
  // Closing any window ends the program; the window set destroys them all.
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace stockcalc
