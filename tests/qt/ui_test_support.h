#pragma once
// Helpers for widget tests: answer message boxes, run code once a modal
// dialog is up.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "qt/message_box.h"

namespace corvana::testing {

// Records every message box and answers with a fixed button.
struct MessageRecorder {
  std::vector<ui::Message> messages;
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  MessageRecorder() {
    ui::setMessageHandler([this](const ui::Message& m) {
      messages.push_back(m);
      return answer;
    });
  }
  ~MessageRecorder() { ui::setMessageHandler({}); }
};

// Calls `act` with the modal dialog once it is shown (for exec()-style dialogs).
inline void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* w = QApplication::activeModalWidget();
    act(w);
  });
}

}  // namespace corvana::testing
