#pragma once
// A caption drawn straight onto whatever lies beneath it (transparent), on one
// line, sized to its text unless given a fixed size. An ampersand marks the
// next character as an accelerator (underlined); "&&" shows one ampersand.
#include "PaintThrottle.h"

#include <QColor>
#include <QFont>
#include <QWidget>
#include <functional>
#include <string>

namespace platform {

class Label : public QWidget {
  public:
    using MouseHandler = std::function<void()>;

    Label(QWidget *parent, int left, int top, const std::string &text, const QFont &font,
          QColor colour);

    const std::string &Text() const { return text_; }
    // The text is taken at once; a label whose text changes many times a
    // frame shows the latest one at most a frame later.
    void SetText(const std::string &text);

    QColor Colour() const { return colour_; }
    // Setting the colour the label already has does nothing (no repaint);
    // otherwise the new colour shows at the next ordinary repaint.
    void SetColour(QColor colour);

    // Fixes the label's size (a caption sized at design time) instead of
    // sizing it to its text.
    void SetFixedBox(int width, int height);
    void SetRightAligned(bool on);

    // A pointer movement over the label runs the handler; without one the
    // movement is swallowed all the same (it does not reach the window).
    void OnMouseMove(MouseHandler handler) { onMouseMove_ = std::move(handler); }
    // Any mouse button going down (each press of a double click too).
    void OnMouseDown(MouseHandler handler) { onMouseDown_ = std::move(handler); }

    // How many times the label has painted itself (tests check repaints).
    int PaintCount() const { return paintCount_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    void FitToText();
    void ShowText();

    std::string text_;
    QColor colour_;
    bool autoSize_ = true;
    bool rightAligned_ = false;
    int paintCount_ = 0;
    MouseHandler onMouseMove_;
    MouseHandler onMouseDown_;
    PaintThrottle textThrottle_;
};

} // namespace platform
