#include "app/shell/SafeApplication.h"

#include <QtGlobal>

#include <exception>

namespace moxa {

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    qWarning("An event handler stopped: %s", error.what());
  } catch (...) {
    qWarning("An event handler stopped.");
  }
  return false;
}

}  // namespace moxa
