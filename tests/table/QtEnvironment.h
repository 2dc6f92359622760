#pragma once
// The drawing tests need a QGuiApplication (fonts, image readers).

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace quarn::testing_support {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "table_tests";
            static char *argv[] = {name, nullptr};
            app_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace quarn::testing_support
