#pragma once
// The program's six windows, created once per test executable in the order
// start-up uses, with message boxes captured instead of shown.
#include "platform/Dialogs.h"

#include <QPoint>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testsupport {

// Creates Form1 ... Form5 and selpathForm (first call only) and shows the main
// window, as the event loop would.
void EnsureWindowSet();

// Message boxes shown since the last call to CaptureBoxes(), which starts
// capturing them (they are answered at once).
std::vector<platform::MessageBoxRecord> &CapturedBoxes();
void CaptureBoxes();

// Real pointer movement and presses on a widget (at its centre by default).
void MoveOver(QWidget *widget, QPoint at = QPoint(-1, -1));
void PressOn(QWidget *widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(-1, -1));

// Base of the window tests: the window set up and message boxes captured
// before each test; afterwards the main window hidden (no window may be left
// open) and the real tick counter back.
class WindowSetTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace testsupport
