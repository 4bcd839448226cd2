#pragma once

#include <QApplication>

namespace moxa {

// The application object of the program: an unexpected error inside one
// event handler ends that handler, never the program with the user's work.
class SafeApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace moxa
