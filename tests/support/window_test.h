// One executable runs every window test class: each file registers its class under its own
// name, and `window_tests NAME [Qt Test options]` runs that one, as QTEST_MAIN would.
#pragma once
#include <functional>
#include <memory>

#include <QObject>

using WindowTestFactory = std::function<std::unique_ptr<QObject>()>;

bool registerWindowTest(const char* name, WindowTestFactory factory);

#define MYSTORIN_WINDOW_TEST(name, TestClass)                    \
    static const bool mystorinWindowTestRegistered_##TestClass = \
        registerWindowTest(#name, [] { return std::unique_ptr<QObject>(std::make_unique<TestClass>()); })
