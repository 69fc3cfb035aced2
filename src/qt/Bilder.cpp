#include "qt/Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace kelvaro::qt {

namespace {

// A face in the middle of the picture: a smile for a passed Abitur, a frown with a tear
// under a rain cloud for a failed one; the happy one wears a mortarboard.
void Gesicht(QPainter& maler, double w, double h, bool froh) {
  const double d = std::min(w, h) * 0.66;
  const QPointF mitte(w / 2, h * 0.58);
  QRadialGradient verlauf(mitte - QPointF(d * 0.15, d * 0.15), d * 0.7);
  verlauf.setColorAt(0, froh ? QColor(255, 240, 120) : QColor(200, 215, 235));
  verlauf.setColorAt(1, froh ? QColor(250, 160, 0) : QColor(110, 130, 170));
  maler.setPen(QPen(QColor(60, 60, 60), std::max(1.0, d / 40)));
  maler.setBrush(verlauf);
  maler.drawEllipse(mitte, d / 2, d / 2);
  maler.setBrush(QColor(40, 40, 40));
  for (double seite : {-1.0, 1.0}) {
    maler.drawEllipse(mitte + QPointF(seite * d * 0.17, -d * 0.1), d * 0.05, d * 0.07);
  }
  QPainterPath mund;
  const double breit = d * 0.22;
  const double y = mitte.y() + d * (froh ? 0.12 : 0.22);
  mund.moveTo(mitte.x() - breit, y);
  mund.quadTo(mitte.x(), y + (froh ? d * 0.2 : -d * 0.16), mitte.x() + breit, y);
  maler.setBrush(Qt::NoBrush);
  maler.setPen(QPen(QColor(40, 40, 40), std::max(1.5, d / 22), Qt::SolidLine, Qt::RoundCap));
  maler.drawPath(mund);
  if (froh) {
    // A mortarboard with its tassel.
    const double oben = mitte.y() - d * 0.5;
    QPainterPath brett;
    brett.moveTo(mitte.x(), oben - d * 0.2);
    brett.lineTo(mitte.x() + d * 0.48, oben - d * 0.05);
    brett.lineTo(mitte.x(), oben + d * 0.1);
    brett.lineTo(mitte.x() - d * 0.48, oben - d * 0.05);
    brett.closeSubpath();
    maler.setPen(QPen(QColor(20, 20, 20), 1));
    maler.setBrush(QColor(30, 30, 60));
    maler.drawRect(QRectF(mitte.x() - d * 0.22, oben - d * 0.02, d * 0.44, d * 0.12));
    maler.drawPath(brett);
    maler.setPen(QPen(QColor(250, 200, 0), std::max(1.0, d / 30)));
    maler.drawLine(QPointF(mitte.x(), oben - d * 0.05), QPointF(mitte.x() + d * 0.4, oben + d * 0.02));
    maler.drawLine(QPointF(mitte.x() + d * 0.4, oben + d * 0.02), QPointF(mitte.x() + d * 0.4, oben + d * 0.22));
  } else {
    // A tear and a small rain cloud.
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(60, 140, 230));
    maler.drawEllipse(mitte + QPointF(d * 0.2, d * 0.05), d * 0.04, d * 0.07);
    maler.setBrush(QColor(150, 150, 160));
    const double wolke = h * 0.13;
    for (const QPointF& kreis : {QPointF(w * 0.36, wolke), QPointF(w * 0.5, wolke * 0.75), QPointF(w * 0.64, wolke)}) {
      maler.drawEllipse(kreis, w * 0.12, h * 0.1);
    }
    maler.setPen(QPen(QColor(60, 140, 230), std::max(1.0, w / 60)));
    for (double x : {0.38, 0.5, 0.62}) {
      maler.drawLine(QPointF(w * x, wolke + h * 0.12), QPointF(w * x - w * 0.03, wolke + h * 0.2));
    }
  }
}

// A small grade sheet: rows in the subject colours, cells counted red, yellow and green,
// and a seal with the top grade.
void Notenrechner(QPainter& maler, double w, double h) {
  QLinearGradient grund(0, 0, 0, h);
  grund.setColorAt(0, QColor(0, 70, 140));
  grund.setColorAt(1, QColor(0, 40, 90));
  maler.setPen(Qt::NoPen);
  maler.setBrush(grund);
  maler.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h * 0.08, h * 0.08);
  const QRectF blatt(w * 0.06, h * 0.1, w * 0.6, h * 0.8);
  maler.setBrush(QColor(250, 250, 245));
  maler.drawRect(blatt);
  const QColor faecher[] = {QColor(255, 0, 0), QColor(250, 160, 0), QColor(0, 255, 0), QColor(255, 255, 0),
                            QColor(0, 128, 0)};
  const QColor zellen[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(180, 250, 170), QColor(230, 230, 230)};
  const int zeilen = 5;
  const double zeile = blatt.height() / (zeilen + 1);
  for (int z = 0; z < zeilen; ++z) {
    const double y = blatt.top() + zeile * (z + 0.6);
    maler.setBrush(faecher[z]);
    maler.drawRect(QRectF(blatt.left() + blatt.width() * 0.04, y, blatt.width() * 0.28, zeile * 0.75));
    for (int s = 0; s < 4; ++s) {
      maler.setBrush(zellen[(z + s) % 4]);
      maler.drawRect(QRectF(blatt.left() + blatt.width() * (0.36 + 0.15 * s), y, blatt.width() * 0.13, zeile * 0.75));
    }
  }
  // The seal.
  const QPointF mitte(w * 0.82, h * 0.5);
  const double r = std::min(w * 0.14, h * 0.34);
  maler.setBrush(QColor(250, 160, 0));
  QPainterPath stern;
  for (int i = 0; i < 24; ++i) {
    const double winkel = i * M_PI / 12;
    const double radius = i % 2 == 0 ? r : r * 0.84;
    const QPointF punkt = mitte + QPointF(std::cos(winkel) * radius, std::sin(winkel) * radius);
    if (i == 0) {
      stern.moveTo(punkt);
    } else {
      stern.lineTo(punkt);
    }
  }
  stern.closeSubpath();
  maler.drawPath(stern);
  maler.setBrush(QColor(255, 230, 120));
  maler.drawEllipse(mitte, r * 0.7, r * 0.7);
  QFont schrift(QStringLiteral("Liberation Sans"));
  schrift.setBold(true);
  schrift.setPixelSize(std::max(6, static_cast<int>(r * 0.7)));
  maler.setFont(schrift);
  maler.setPen(QColor(120, 60, 0));
  maler.drawText(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("1,0"));
}

}  // namespace

QPixmap Bild(const std::string& name, int breite, int hoehe) {
  QPixmap bild(std::max(1, breite), std::max(1, hoehe));
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  if (name == "Freude" || name == "Trauer") {
    Gesicht(maler, bild.width(), bild.height(), name == "Freude");
  } else if (name == "Notenrechner") {
    Notenrechner(maler, bild.width(), bild.height());
  }
  return bild;
}

}  // namespace kelvaro::qt
