#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace qttest {
namespace {

int argc = 1;
char name[] = "quillory-tests";
char* argv[] = {name, nullptr};
std::unique_ptr<QApplication> application;

class QtEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void EnsureQtApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
}

}  // namespace qttest
