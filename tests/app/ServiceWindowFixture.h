#pragma once

// A window talking to the reference hosting service, started on free ports
// for the test, with a new site whose name the service has registered.
#include "app/publish/PublishController.h"
#include "support/ReferenceService.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>

namespace moxa {

class ServiceWindowFixture : public test::WindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(service_.Running()) << service_.StartOutput().toStdString();
    WindowFixture::SetUp();
  }
  void OpenWindow() override {
    WindowFixture::OpenWindow();
    window->setServiceEndpoints(service_.Endpoints());
    window->publishing()->setPauses(0, 0, 0);
  }
  // A new site, its name registered in the background as after any creation.
  void CreateRegisteredSite() {
    QSignalSpy registered(window->publishing(), &PublishController::registrationFinished);
    ASSERT_NO_FATAL_FAILURE(CreateSite());
    ASSERT_TRUE(registered.wait(10000));
  }

  test::ReferenceService service_;
};

}  // namespace moxa
