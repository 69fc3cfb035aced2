#include "qt/QtCanvas.h"

#include <QFontMetrics>
#include <QPen>

#include <cmath>

namespace kelvaro::qt {

namespace {

QColor Farbe(ui::Farbe farbe) {
  return QColor(farbe.r, farbe.g, farbe.b);
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QFont& schrift, QColor hintergrund)
    : m_painter(painter), m_schrift(schrift), m_hintergrund(hintergrund) {}

QFont QtCanvas::Schrift(int pointSize, bool bold) const {
  QFont schrift = m_schrift;
  schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
  schrift.setBold(bold);
  schrift.setUnderline(false);
  return schrift;
}

void QtCanvas::fillRect(const ui::Rechteck& rect, ui::Farbe color) {
  m_painter.fillRect(QRect(rect.links, rect.oben, rect.rechts - rect.links, rect.unten - rect.oben), Farbe(color));
}

void QtCanvas::line(int x1, int y1, int x2, int y2, int width, ui::Farbe color) {
  m_painter.setPen(QPen(Farbe(color), width, Qt::SolidLine, Qt::FlatCap));
  m_painter.drawLine(x1, y1, x2, y2);
}

void QtCanvas::text(int x, int y, const std::string& text, int pointSize, bool bold, ui::Farbe color,
                    ui::Farbe background) {
  const QString zeichen = QString::fromStdString(text);
  const QFont schrift = Schrift(pointSize, bold);
  const QFontMetrics masse(schrift);
  // Texts stand on an opaque background of their own, as wide as the text.
  const QRect feld(x, y, masse.horizontalAdvance(zeichen), masse.height());
  m_painter.fillRect(feld, Farbe(background));
  m_painter.setFont(schrift);
  m_painter.setPen(Farbe(color));
  m_painter.drawText(feld, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, zeichen);
}

int QtCanvas::textWidth(const std::string& text, int pointSize, bool bold) const {
  return QFontMetrics(Schrift(pointSize, bold)).horizontalAdvance(QString::fromStdString(text));
}

ui::Farbe QtCanvas::backgroundColor() const {
  return ui::Farbe{static_cast<std::uint8_t>(m_hintergrund.red()), static_cast<std::uint8_t>(m_hintergrund.green()),
                   static_cast<std::uint8_t>(m_hintergrund.blue())};
}

}  // namespace kelvaro::qt
