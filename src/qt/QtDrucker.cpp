#include "qt/QtDrucker.h"

#include "qt/Fenster.h"

#include <QFont>
#include <QPageLayout>
#include <QPrintDialog>

namespace kelvaro::qt {

QtDrucker::QtDrucker(bool dialog, QWidget* parent) : m_dialog(dialog), m_parent(parent) {
  m_printer.setPageSize(QPageSize(QPageSize::A4));
  m_printer.setPageOrientation(QPageLayout::Portrait);
  m_printer.setCopyCount(1);
}

std::unique_ptr<QtDrucker> QtDrucker::PdfDatei(const QString& datei) {
  std::unique_ptr<QtDrucker> drucker(new QtDrucker(false, nullptr));
  drucker->m_printer.setOutputFormat(QPrinter::PdfFormat);
  drucker->m_printer.setOutputFileName(datei);
  // A printable area as a school printer offers it.
  drucker->m_printer.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
  return drucker;
}

std::unique_ptr<QtDrucker> QtDrucker::MitDialog(QWidget* parent) {
  return std::unique_ptr<QtDrucker>(new QtDrucker(true, parent));
}

int QtDrucker::pageWidth() const {
  return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width();
}

bool QtDrucker::beginJob(const std::string& title) {
  m_printer.setDocName(QString::fromStdString(title));
  if (m_dialog) {
    m_printer.setCopyCount(1);
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Wahlzettel drucken"));
    if (dialog.exec() != QDialog::Accepted) {
      return false;
    }
  }
  if (!m_painter.begin(&m_printer)) {
    return false;
  }
  m_painter.setBackgroundMode(Qt::OpaqueMode);
  m_painter.setBackground(m_fuellfarbe);
  m_painter.setPen(QPen(Qt::black, std::max(1.0, pageWidth() / 20.0 * 0.02)));
  return true;
}

bool QtDrucker::endJob() {
  return m_painter.end();
}

void QtDrucker::text(int x, int y, const std::string& text, const std::string& fontName, int pointSize, bool bold) {
  QFont schrift(QString::fromStdString(fontName));
  schrift.setPointSize(pointSize);
  schrift.setBold(bold);
  m_painter.setFont(schrift);
  m_painter.setBackground(m_fuellfarbe);
  // Placed by the top-left corner, drawn on the fill colour.
  m_painter.drawText(QRect(x, y, pageWidth(), pageWidth()), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

void QtDrucker::line(int x1, int y1, int x2, int y2) {
  m_painter.drawLine(x1, y1, x2, y2);
}

void QtDrucker::setFillColor(ui::Farbe color) {
  m_fuellfarbe = QColor(color.r, color.g, color.b);
}

void QtDrucker::fillRect(const ui::Rechteck& rect) {
  m_painter.fillRect(QRect(QPoint(rect.links, rect.oben), QPoint(rect.rechts - 1, rect.unten - 1)), m_fuellfarbe);
}

void QtDrucker::outlineRect(const ui::Rechteck& rect) {
  m_painter.save();
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawRect(QRect(QPoint(rect.links, rect.oben), QPoint(rect.rechts - 1, rect.unten - 1)));
  m_painter.restore();
}

void QtDrucker::picture(const ui::Rechteck& rect, const std::string& /*pictureName: the sheet has one picture*/) {
  const QRect ort(QPoint(rect.links, rect.oben), QPoint(rect.rechts - 1, rect.unten - 1));
  m_painter.drawPixmap(ort, Wappen(ort.width(), ort.height()));
}

}  // namespace kelvaro::qt
