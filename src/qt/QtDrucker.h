#pragma once

#include "ui/Printer.h"

#include <QColor>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include <memory>

namespace kelvaro::qt {

// The printer seam on Qt: a QPrinter behind either the print dialog (the desktop) or a
// PDF file (tests and the command line).
class QtDrucker : public ui::Printer {
 public:
  // Prints into a PDF file on A4 portrait, without a dialog.
  static std::unique_ptr<QtDrucker> PdfDatei(const QString& datei);
  // Asks with the print dialog (one copy preset) when the job begins; cancelling prints nothing.
  static std::unique_ptr<QtDrucker> MitDialog(QWidget* parent);

  int pageWidth() const override;
  bool beginJob(const std::string& title) override;
  bool endJob() override;
  void text(int x, int y, const std::string& text, const std::string& fontName, int pointSize, bool bold) override;
  void line(int x1, int y1, int x2, int y2) override;
  void setFillColor(ui::Farbe color) override;
  void fillRect(const ui::Rechteck& rect) override;
  void outlineRect(const ui::Rechteck& rect) override;
  void picture(const ui::Rechteck& rect, const std::string& pictureName) override;

 private:
  QtDrucker(bool dialog, QWidget* parent);

  QPrinter m_printer{QPrinter::HighResolution};
  QPainter m_painter;
  bool m_dialog;
  QPointer<QWidget> m_parent;
  QColor m_fuellfarbe{Qt::white};
};

}  // namespace kelvaro::qt
