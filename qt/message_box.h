#pragma once
// Every message box of the program goes through here, so UI tests can answer
// them without a modal loop.
#include <QMessageBox>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "core/language_table.h"

class QWidget;

namespace corvana::ui {

enum class MessageIcon { Stop, Question, Information, None };

struct Message {
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::Stop;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  // Texts in place of the platform's for some of the buttons.
  std::vector<std::pair<QMessageBox::StandardButton, QString>> labels = {};
  // The buttons Enter and Esc press; none: the platform's choice.
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
};

// Shows the message (caption: the product title unless given) and returns the
// button chosen.
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message);
// Shorthand: a stop message of a language text with the product title.
void showError(QWidget* parent, Text text);

// Tests replace the box: the handler sees each message and picks the answer.
using MessageHandler = std::function<QMessageBox::StandardButton(const Message&)>;
void setMessageHandler(MessageHandler handler);

}  // namespace corvana::ui
