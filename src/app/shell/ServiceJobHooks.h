#pragma once

#include "online/ServiceEndpoints.h"

#include <QString>

#include <functional>

namespace moxa {

class SettingsStore;

// What every job with the hosting service needs of the window: the service
// to talk to, the store to save into and the two kinds of message box.
struct ServiceJobHooks {
  std::function<const ServiceEndpoints&()> service;
  std::function<SettingsStore*()> store;
  std::function<void(const QString&)> information;
  std::function<void(const QString&)> error;
};

}  // namespace moxa
