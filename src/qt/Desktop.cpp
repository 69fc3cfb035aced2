#include "qt/Desktop.h"

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "info/Infos2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"
#include "qt/Fenster.h"
#include "qt/QtDialogs.h"
#include "qt/QtDrucker.h"
#include "sheet/Auswahl2027G9.h"
#include "sheet/Wahlzettel.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <memory>

namespace kelvaro::qt {

namespace {

ui::Bildschirm Bildschirmgroesse() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {};
  }
  return {screen->size().width(), screen->size().height()};
}

}  // namespace

void SchriftenEinrichten() {
  // Tahoma is the font the windows were designed with; Liberation Sans has close metrics.
  QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

bool QtTexteAufDeutsch(QCoreApplication& app) {
  auto* uebersetzung = new QTranslator(&app);
  if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete uebersetzung;
    return false;
  }
  return QCoreApplication::installTranslator(uebersetzung);
}

Desktop::Desktop(const ui::Platform& platform, Edition edition)
    : m_dialogs(nullptr), m_programm(platform, m_dialogs, std::move(edition)) {
  const double skalierung = m_programm.laufzeit().Skalierung;
  m_hauptfenster = std::make_unique<Hauptfenster>(m_programm.hauptfenster(), skalierung);
  m_dialogs.setParent(m_hauptfenster.get());
  ui::Window* weitere[] = {&m_programm.meldungsfenster(), &m_programm.infofenster(), &m_programm.notenfenster(),
                           &m_programm.auswahlfenster()};
  // The other windows scale their contents by the screen width alone.
  const ui::Bildschirm bildschirm = platform.screenSize();
  const double breite =
      bildschirm.breite == 1280 && bildschirm.hoehe == 800 ? 1.0 : static_cast<double>(bildschirm.breite) / 1280;
  for (ui::Window* fenster : weitere) {
    const int schrift = fenster == &m_programm.notenfenster() ? m_programm.notenfenster().Schriftgroesse
                                                              : static_cast<int>(21 * skalierung);
    m_fenster.push_back(std::make_unique<Fenster>(*fenster, schrift));
    m_fenster.back()->kontrollkaestchenSkalieren(breite);
  }
  // "Drucken" ends at the print dialog of the report window.
  Fenster* meldung = &fenster(m_programm.meldungsfenster());
  m_programm.meldungsfenster().onWahlzettelDruck([this, meldung] {
    const auto drucker = QtDrucker::MitDialog(meldung);
    m_programm.WahlzettelDrucken(*drucker);
  });
}

Desktop::~Desktop() = default;

Fenster& Desktop::fenster(const ui::Window& window) {
  for (const auto& fenster : m_fenster) {
    if (&fenster->model() == &window) {
      return *fenster;
    }
  }
  return *m_hauptfenster;
}

DesktopSitzung::DesktopSitzung(const DesktopStart& start)
    : m_platform(start.heute, Bildschirmgroesse()),
      m_desktop(m_platform, start.stufe ? EditionFuerStufe(*start.stufe) : GebauteEdition()) {}

int DesktopStarten(int argc, char** argv, const DesktopStart& start) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvaro"));
  QtTexteAufDeutsch(app);
  SchriftenEinrichten();
  DesktopSitzung sitzung(start);
  Desktop& desktop = sitzung.desktop();
  QApplication::setWindowIcon(desktop.hauptfenster().windowIcon());
  desktop.hauptfenster().showMaximized();
  return QApplication::exec();
}

}  // namespace kelvaro::qt
