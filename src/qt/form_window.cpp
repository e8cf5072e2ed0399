// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/form_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <cmath>

#include "qt/fit_text.h"
#include "qt/look.h"
#include "qt/message_box.h"
#include "calc/copy_text.h"
#include "calc/fees/form10.h"

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

QPalette::ColorRole TextRole(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) != nullptr ? QPalette::Text : QPalette::WindowText;
}

}  // namespace

FormWindow::FormWindow(int number, WindowCommands* commands)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      form_(number == kFeesForm ? std::make_unique<Form10>(*this, settings_) : CreateForm(number, *this)),
      number_(number),
      ends_program_(number != kFeesForm),
      commands_(commands) {
  const WindowLayout& layout = form_->Layout();
  setObjectName(ToQString(layout.class_name));
  setFont(WindowFont());
  // A fixed single border: the window cannot be resized.
  setFixedSize(layout.client_width, layout.client_height);
  BuildWidgets();
  BuildMenuActions();
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
    shown_colours_.push_back(control.colour);
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

void FormWindow::BuildMenuActions() {
  // Window-wide shortcuts that no box or button of any window uses.
  fees_action_ = new QAction(QStringLiteral("交易费用与保本价…"), this);
  fees_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(fees_action_, &QAction::triggered, this, [this] {
    if (commands_ != nullptr) commands_->OpenFeesWindow(number_);
  });
  stay_on_top_action_ = new QAction(QStringLiteral("窗口置顶"), this);
  stay_on_top_action_->setCheckable(true);
  stay_on_top_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(stay_on_top_action_, &QAction::triggered, this, [this](bool on) {
    if (commands_ != nullptr) commands_->SetStayOnTop(on);
  });
  copy_action_ = new QAction(QStringLiteral("复制全部"), this);
  connect(copy_action_, &QAction::triggered, this, [this] { CopyAll(); });
  addActions(MenuActions());
}

QList<QAction*> FormWindow::MenuActions() const { return {fees_action_, stay_on_top_action_, copy_action_}; }

void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(MenuActions());
  menu.exec(event->globalPos());
}

void FormWindow::CopyAll() {
  TakeTypedTexts();  // what the boxes show now, computed or not
  QGuiApplication::clipboard()->setText(QString::fromStdString(CopyText(*form_)));
}

void FormWindow::SetStaysOnTop(bool on) {
  stay_on_top_action_->setChecked(on);
  if (on == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
  // A new flag re-creates the native window, hidden: show it again where it was.
  const bool shown = isVisible();
  const QPoint where = pos();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (shown) {
    move(where);
    show();
  }
}

void FormWindow::Load() {
  setWindowTitle(ToQString(form_->Layout().caption));
  setAccessibleName(windowTitle());
  form_->Form_Load();
  ShowChangedTexts(Fit::Captions);
}

void FormWindow::OnButton(std::string_view button) {
  TakeTypedTexts();
  if (form_->Click(button)) {
    ShowChangedTexts();
  } else if (commands_ != nullptr) {
    commands_->Switch(number_, button);
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

void FormWindow::ShowChangedTexts(Fit fit) {
  auto& controls = form_->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    TextControl& control = controls[i];
    if (!control.Changed()) continue;
    const QString text = QString::fromStdString(control.Text());
    const QFont font = FontOf(form_->Layout().controls[i].font);
    switch (control.Kind()) {
      case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(widgets_[i]);
        if (fit == Fit::Results) {
          ShowFitted(*label, text, font);
        } else {
          label->setText(text);
          label->adjustSize();  // labels size themselves from their left edge
        }
        break;
      }
      case ControlKind::TextBox:
      case ControlKind::ResultBox: {
        auto* edit = static_cast<QLineEdit*>(widgets_[i]);
        if (fit == Fit::Results) {
          ShowFitted(*edit, text, font);
        } else {
          edit->setText(text);
          edit->setCursorPosition(0);
        }
        break;
      }
      case ControlKind::Button: static_cast<QPushButton*>(widgets_[i])->setText(text); break;
    }
    control.MarkShown();
  }
  ShowColours();
}

void FormWindow::ShowColours() {
  // Only a window that colours a result by its sign ever changes a colour.
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    const TextColour colour = form_->Colour(i);
    if (colour == shown_colours_[i]) continue;
    QWidget* widget = widgets_[i];
    const QColor rgb = ColourOf(colour);
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = TextRole(widget);
    palette.setColor(role, rgb.isValid() ? rgb : this->palette().color(role));
    widget->setPalette(palette);
    shown_colours_[i] = colour;
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
  // Closing any of the nine windows ends the program; the window set
  // destroys them all. The trading-costs window only hides.
  event->accept();
  if (ends_program_) QCoreApplication::exit(0);
}

}  // namespace stockcalc
