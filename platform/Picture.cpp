#include "Picture.h"

#include "Application.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

Picture::Picture(QWidget *parent, int left, int top, const QPixmap &pixmap)
    : QWidget(parent), pixmap_(pixmap) {
    setMouseTracking(true);
    setGeometry(left, top, pixmap.width(), pixmap.height());
}

void Picture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

void Picture::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    if (onMouseMove_)
        Guard(onMouseMove_);
}

Shape::Shape(QWidget *parent, QRect geometry, QColor fill, QColor outline)
    : QWidget(parent), fill_(fill), outline_(outline) {
    setMouseTracking(true);
    setGeometry(geometry);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), outline_);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
}

void Shape::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
}

namespace {

class MouseMoveFilter : public QObject {
  public:
    MouseMoveFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::MouseMove)
            return false;
        auto *move = static_cast<QMouseEvent *>(event);
        if (handler_)
            Guard(handler_);
        // With a button held the control still needs the movement (dragging
        // a scroll bar or selecting); otherwise it stops here.
        if (move->buttons() != Qt::NoButton)
            return false;
        move->accept();
        return true;
    }

  private:
    std::function<void()> handler_;
};

void Attach(QWidget *widget, const std::function<void()> &handler) {
    widget->setMouseTracking(true);
    widget->installEventFilter(new MouseMoveFilter(widget, handler));
}

} // namespace

void OnMouseMove(QWidget *widget, std::function<void()> handler) {
    Attach(widget, handler);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        Attach(area->viewport(), handler);
}

} // namespace platform
