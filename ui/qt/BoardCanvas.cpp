#include "BoardCanvas.h"

#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "QtText.h"

namespace morlune {

BoardCanvas::BoardCanvas(CellPictureSet pictures, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures)) {
  setFixedSize(BoardSurface::Width(), BoardSurface::Height());
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::NoFocus);
  // paintEvent covers every pixel it is asked for, so Qt need not clear behind it.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCanvas::DrawCell(CellImage image, CellIndex cell, bool keyed) {
  const PixelRect changed = surface_.DrawPicture(pictures_.Find(image), cell, keyed);
  if (changed.width > 0 && changed.height > 0) {
    update(changed.x, changed.y, changed.width, changed.height);
  }
}

Colour BoardCanvas::ColorAt(int x, int y) {
  return surface_.ColorAt(x, y);
}

void BoardCanvas::ShowInfo(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::Information, ToQString(caption), ToQString(text), QMessageBox::Ok,
                  this);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
  // Wraps the back buffer without copying it; the surface's pixels are already RGB32.
  const QImage buffer(reinterpret_cast<const uchar*>(surface_.Pixels()), BoardSurface::Width(),
                      BoardSurface::Height(), BoardSurface::BytesPerLine(), QImage::Format_RGB32);
  QPainter painter(this);
  // On a high-DPI screen the 544 by 440 logical pixels are scaled up as crisp blocks.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect exposed = event->rect();
  painter.drawImage(exposed, buffer, exposed);
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  // Floored, not rounded: with fractional scaling a press near a disc's right edge must not
  // land one pixel further right, in the grey gap.
  const QPointF position = event->position();
  emit BoardPressed(static_cast<int>(std::floor(position.x())),
                    static_cast<int>(std::floor(position.y())));
}

void BoardCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  // QWidget would turn the second press of a double-click into another press; here it counts
  // for nothing.
  event->accept();
}

}  // namespace morlune
