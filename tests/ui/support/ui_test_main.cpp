// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every widget test program: a QApplication on the offscreen
// platform (unless the caller chose another), then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/scripted_prompts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
