// One QApplication for the whole Qt test program (offscreen platform), and
// a settings folder of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    // The program's per-user settings (its recent files) go to a folder of
    // the test run's own, never the user's.
    qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "zentrix_qt_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  QTemporaryDir settings_;
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
