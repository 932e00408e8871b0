#pragma once
// A picture shown at its natural size, and a filled rectangle with a
// one-pixel outline. Both swallow pointer movements they have no handler for.
#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace platform {

class Picture : public QWidget {
  public:
    Picture(QWidget *parent, int left, int top, const QPixmap &pixmap);
    void OnMouseMove(std::function<void()> handler) { onMouseMove_ = std::move(handler); }
    const QPixmap &Pixmap() const { return pixmap_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    QPixmap pixmap_;
    std::function<void()> onMouseMove_;
};

class Shape : public QWidget {
  public:
    Shape(QWidget *parent, QRect geometry, QColor fill, QColor outline);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    QColor fill_;
    QColor outline_;
};

// Gives any widget (and the viewport of a scroll area) the rule of the
// borderless windows: a pointer movement over it runs the handler, or nothing
// when the handler is empty, and never reaches the window beneath.
void OnMouseMove(QWidget *widget, std::function<void()> handler);

} // namespace platform
