#include "qt/Fenster.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QTimer>

#include <cmath>

namespace kelvaro::qt {

namespace {

int Gerundet(double wert) {
  return static_cast<int>(std::nearbyint(wert));
}

}  // namespace

Fenster::Fenster(ui::Window& window, int fontPixels, bool hauptfenster, QWidget* parent)
    : QMainWindow(parent), m_window(window), m_hauptfenster(hauptfenster), m_binder(Binder::Placement::Absolute) {
  setObjectName(QString::fromStdString(window.className()));
  m_client = new QWidget;
  m_client->setObjectName(QStringLiteral("client"));
  QFont schrift(QStringLiteral("Tahoma"));
  schrift.setPixelSize(fontPixels);
  m_client->setFont(schrift);
  if (hauptfenster) {
    m_client->setMinimumSize(window.clientWidth(), window.clientHeight());
  }
  auto* rollbereich = new QScrollArea;
  rollbereich->setFrameShape(QFrame::NoFrame);
  rollbereich->setWidgetResizable(true);
  rollbereich->setWidget(m_client);
  setCentralWidget(rollbereich);

  // Panels first, so that their controls can sit on them; panels float above the rest.
  for (ui::Control* control : window.controls()) {
    if (control->parent() == nullptr) {
      m_binder.bind(*control, m_client);
    }
  }
  for (ui::Control* control : window.controls()) {
    if (control->parent() != nullptr) {
      m_binder.bind(*control, m_binder.widget(*control->parent()));
    }
  }
  for (ui::Control* control : window.controls()) {
    if (control->kind() == ui::ControlKind::Panel) {
      m_binder.widget(*control)->raise();
    }
  }
  if (window.clientWidth() > 0 && window.clientHeight() > 0) {
    resize(window.clientWidth(), window.clientHeight());
  }
  window.setObserver(this);
  windowChanged(window);
}

Fenster::~Fenster() {
  m_window.setObserver(nullptr);
}

bool Fenster::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !m_window.active()) {
    m_window.activate();
  } else if (event->type() == QEvent::WindowDeactivate) {
    m_window.deactivate();
  }
  return QMainWindow::event(event);
}

void Fenster::closeEvent(QCloseEvent* event) {
  if (!m_hauptfenster) {
    m_window.hide();
  }
  QMainWindow::closeEvent(event);
}

void Fenster::windowChanged(ui::Window& window) {
  const QString titel = QString::fromStdString(window.caption());
  setWindowTitle(titel.isEmpty() ? QStringLiteral("Kelvaro") : titel);
  if (window.focusRequests() != m_focusRequests && window.focusControl() != nullptr) {
    m_focusRequests = window.focusRequests();
    if (QWidget* ziel = m_binder.widget(*window.focusControl())) {
      // The panel that holds the field may become visible only after this request.
      QTimer::singleShot(0, ziel, [ziel] { ziel->setFocus(Qt::OtherFocusReason); });
    }
  }
  if (m_hauptfenster) {
    return;
  }
  if (window.clientWidth() > 0 && window.clientHeight() > 0 &&
      size() != QSize(window.clientWidth(), window.clientHeight())) {
    resize(window.clientWidth(), window.clientHeight());
  }
  if (pos() != QPoint(window.left(), window.top())) {
    move(window.left(), window.top());
  }
  if (window.visible() && !isVisible()) {
    show();
    raise();
    activateWindow();
  } else if (!window.visible() && isVisible()) {
    hide();
  }
}

QPixmap Wappen(int breite, int hoehe) {
  QPixmap bild(breite, hoehe);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  const double w = breite;
  const double h = hoehe;
  const double seite = std::min(w, h * 0.85);
  const double links = (w - seite) / 2;
  const double oben = h * 0.04;
  // A shield in the grid's colours with an open book.
  QPainterPath schild;
  schild.moveTo(links, oben);
  schild.lineTo(links + seite, oben);
  schild.lineTo(links + seite, oben + seite * 0.55);
  schild.quadTo(links + seite, oben + seite * 0.95, links + seite / 2, oben + seite * 1.12);
  schild.quadTo(links, oben + seite * 0.95, links, oben + seite * 0.55);
  schild.closeSubpath();
  QLinearGradient verlauf(links, oben, links + seite, oben + seite);
  verlauf.setColorAt(0, QColor(0, 70, 140));
  verlauf.setColorAt(1, QColor(0, 40, 90));
  maler.setPen(QPen(QColor(250, 160, 0), std::max(1.0, seite / 28)));
  maler.setBrush(verlauf);
  maler.drawPath(schild);
  const double buchOben = oben + seite * 0.30;
  const double buchHoehe = seite * 0.36;
  const double mitte = links + seite / 2;
  maler.setPen(QPen(QColor(40, 40, 40), std::max(1.0, seite / 60)));
  for (const auto& [farbe, richtung] :
       {std::pair{QColor(255, 255, 255), -1.0}, std::pair{QColor(235, 235, 225), 1.0}}) {
    QPainterPath seiteBuch;
    seiteBuch.moveTo(mitte, buchOben + buchHoehe * 0.1);
    seiteBuch.quadTo(mitte + richtung * seite * 0.18, buchOben - buchHoehe * 0.05, mitte + richtung * seite * 0.34,
                     buchOben + buchHoehe * 0.05);
    seiteBuch.lineTo(mitte + richtung * seite * 0.34, buchOben + buchHoehe);
    seiteBuch.quadTo(mitte + richtung * seite * 0.18, buchOben + buchHoehe * 0.85, mitte, buchOben + buchHoehe * 1.05);
    seiteBuch.closeSubpath();
    maler.setBrush(farbe);
    maler.drawPath(seiteBuch);
  }
  // Three lines of the grid's subject colours across the book.
  const QColor zeilen[] = {QColor(255, 0, 0), QColor(0, 200, 0), QColor(250, 160, 0)};
  for (int i = 0; i < 3; ++i) {
    const double y = buchOben + buchHoehe * (0.35 + 0.2 * i);
    maler.setPen(QPen(zeilen[i], std::max(1.0, seite / 45)));
    maler.drawLine(QPointF(mitte - seite * 0.27, y), QPointF(mitte - seite * 0.06, y));
    maler.drawLine(QPointF(mitte + seite * 0.06, y), QPointF(mitte + seite * 0.27, y));
  }
  return bild;
}

Hauptfenster::Hauptfenster(ui::Window& window, double skalierung, QWidget* parent)
    : Fenster(window, Gerundet(21 * skalierung), true, parent) {
  m_bild = new QLabel(client());
  m_bild->setObjectName(QStringLiteral("Image1"));
  const QRect ort(Gerundet(1152 * skalierung), Gerundet(670 * skalierung), Gerundet(120 * skalierung),
                  Gerundet(82 * skalierung));
  m_bild->setGeometry(ort);
  m_bild->setPixmap(Wappen(ort.width(), ort.height()));
  m_bild->lower();
  setWindowIcon(QIcon(Wappen(64, 64)));
}

}  // namespace kelvaro::qt
