#include "sheet/Wahlzettel.h"

#include "evaluation/FliessKomma.h"
#include "plan/Katalog.h"
#include "sheet/Barcode.h"
#include "sheet/Plantext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelvaro {

namespace {

const std::string Schrift = "Times New Roman";

std::string ZweiStellen(int zahl) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", zahl);
  return text;
}

// The drawing primitives of the sheet in page units, with the current font.
class Seite {
 public:
  explicit Seite(ui::Printer& drucker) : m_drucker(drucker), m_u(drucker.pageWidth() / 20.0) {}

  int P(double wert) const { return static_cast<int>(std::nearbyint(wert * m_u)); }
  void schrift(int punkt, bool fett) {
    m_punkt = punkt;
    m_fett = fett;
  }
  void Textout1(double x, double y, const std::string& text) {
    m_drucker.text(P(x), P(y), text, Schrift, m_punkt, m_fett);
  }
  void line1(double x1, double y1, double x2, double y2) { m_drucker.line(P(x1), P(y1), P(x2), P(y2)); }
  void Rahmen(double x1, double y1, double x2, double y2) {
    line1(x1, y1, x2, y1);
    line1(x2, y1, x2, y2);
    line1(x2, y2, x1, y2);
    line1(x1, y2, x1, y1);
  }
  void RechteckSetzen(double x1, double y1, double x2, double y2, ui::Farbe farbe) {
    m_drucker.setFillColor(farbe);
    m_drucker.fillRect({P(x1), P(y1), P(x2), P(y2)});
  }
  ui::Printer& drucker() { return m_drucker; }

 private:
  ui::Printer& m_drucker;
  double m_u;
  int m_punkt = 12;
  bool m_fett = false;
};

std::string StufenName(int stufe) {
  return stufe == 0 ? "Jahrgangsstufe EF (11)" : stufe == 2 ? "Jahrgangsstufe Q2 (13)" : "Jahrgangsstufe Q1 (12)";
}

void Kopf(Seite& s, const Laufbahn& l, const Laufzeit& z) {
  s.Textout1(2, 1, "Tarnisches Gymnasium Velmarsk");
  std::string titel =
      z.Wahlphase() == 1 ? "Wahlzettel für die Fächer der kommenden " : "Klausurwahlzettel für die Fächer der ";
  titel += StufenName(z.Stufe);
  if (z.Wahlphase() == 2) {
    titel += ", 1. Hj.";
  } else if (z.Wahlphase() == 3) {
    titel += ", 2. Hj.";
  }
  s.Textout1(2, 1.8, titel);
  s.schrift(12, true);
  s.Textout1(2, 2.6,
             "gültig für das " + std::string(z.Wahlphase() == 1 ? "kommende" : "") + " Schuljahr " +
                 z.edition.Schuljahr + "  Abiturjahrgang " + z.edition.Abiturjahrgang);
  s.schrift(14, true);
  s.Textout1(2, 3.4, "Name :    " + l.Vorname + " " + l.Nachname);
  const bool fachwahl = z.Wahlphase() == 1;
  std::string stufe;
  if (z.Stufe == 0 && fachwahl) {
    stufe = "Klasse :";
  } else if ((z.Stufe == 0 && !fachwahl) || (z.Stufe == 1 && fachwahl)) {
    stufe = "Stufe EF (11)";
  } else if ((z.Stufe == 1 && !fachwahl) || (z.Stufe == 2 && fachwahl)) {
    stufe = "Stufe Q1 (12)";
  } else {
    stufe = "Stufe Q2 (13)";
  }
  s.Textout1(13, 3.4, stufe);
  if (z.Stufe == 0 && fachwahl) {
    s.line1(14.8, 4, 16.5, 4);
  }
  s.Textout1(2, 4.2, "Schule :");
  s.schrift(8, true);  // only the size changes; the bold of the header stays
  s.Textout1(4, 4.8, "(nur für Schüler anderer Schulen)");
  s.line1(4, 4.8, 12, 4.8);
}

void Abgabe(Seite& s, const Laufzeit& z) {
  const bool klasse = z.Stufe == 0 && z.Wahlphase() == 1;
  const std::string zeilen[] = {
      "Abgabe bis " + z.Abgabetag + ", ",
      z.Abgabedatum + (klasse ? ", beim" : ", im"),
      klasse ? "Klassenlehrer bzw." : "Oberstufenbriefkasten",
      klasse ? "für Schüler" : "oder bei den",
      klasse ? "anderer Schulen " : "Beratungslehrern",
      klasse ? "im Sekretariat." : "",
  };
  const double y[] = {7.2, 7.75, 8.3, 8.85, 9.4, 9.95};
  for (std::size_t i = 0; i < 6; ++i) {
    if (!zeilen[i].empty()) {
      s.Textout1(7.8, y[i], zeilen[i]);
    }
  }
  s.Rahmen(7.5, 7.1, 12.9, 10.6);
}

void Notentabelle(Seite& s, const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z) {
  const int n = std::clamp(l.NotenKursZahl, 0, NotenSpalten);
  s.schrift(8, true);
  s.Rahmen(13.3, 4.3, 19.5, (n + 2) * 0.5 + 4.5);
  std::string kopf;
  if (l.AbiNoteBerechnet == 1) {
    if (l.PruefungBestanden == 1 && l.ZulassungBestanden == 1) {
      kopf = "Geschätzter Abiturnotenschnitt (NC): " + FestkommaEineStelle(l.AbiNote);
    } else if (l.ZulassungBestanden == 1) {
      kopf = "Nach eigener Schätztung: Abitur nicht bestanden";
    } else {
      kopf = "Nach eigener Schätztung: nicht zugelassen";
    }
  } else {
    kopf = "Schriftl. Fächer im kom. Hj. sind grau hinterlegt:";
  }
  s.Textout1(13.5, 4.5, kopf);
  s.schrift(8, false);
  const std::pair<double, const char*> spalten[] = {{13.5, "Fach"}, {15.5, "Q1.1"}, {16.3, "Q1.2"},
                                                    {17.1, "Q2.1"}, {17.9, "Q2.2"}, {18.7, "Abi"}};
  for (const auto& [x, text] : spalten) {
    s.Textout1(x, 5.0, text);
  }
  for (int k = 1; k <= n; ++k) {
    const auto p = static_cast<std::size_t>(k);
    const double y = (k + 1) * 0.5 + 4.5;
    const auto art = l.KursZaehlart[0][p];
    const std::string vorsatz = art == LKs ? "LK " : art == Pjku ? "PK " : art == Zk ? "ZK " : "";
    s.Textout1(13.5, y, vorsatz + l.KursKurzname[p]);
    for (int c = 1; c <= 5; ++c) {
      const int zaehlart = l.KursZaehlart[static_cast<std::size_t>(c)][p];
      if (zaehlart >= nichtbelegt) {
        continue;
      }
      const double x = 15.5 + 0.8 * (c - 1);
      std::string zelle;
      if (l.AbiNoteBerechnet == 1) {
        zelle = std::to_string(l.Noten[static_cast<std::size_t>(c - 1)][p]);
        if (zaehlart == Freiw || zaehlart == Belegt) {
          zelle = "(" + zelle + ")";
        }
      } else if (c == 5) {
        zelle = art == LKs ? "LK" : art == Ab3 ? "Ab3" : art == Ab4 ? "Ab4" : "";
      } else {
        zelle = art == LKs                                ? "LK"
                : art == Zk                               ? "ZK"
                : art == Pjku                             ? "PK"
                : (art == Ab3 || art == Ab4 || art == Gk) ? "GK"
                                                          : "";
        if (a.notenbuch.KursSchriftlich[p] == 1 && z.HalbjahrNr() == c + 2) {
          s.RechteckSetzen(x, y - 0.05, x + 0.6, y + 0.35, ui::Farbe{128, 128, 128});
          s.Textout1(x, y, zelle);
          s.drucker().setFillColor(ui::farben::Weiss);
          continue;
        }
      }
      if (!zelle.empty()) {
        s.Textout1(x, y, zelle);
      }
    }
  }
}

}  // namespace

std::string WahlZettelDruck(ui::Printer& drucker, const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z,
                            const ui::Datum& heute, const ui::Uhrzeit& zeit) {
  if (!drucker.beginJob("Wahlzettel " + l.Vorname + " " + l.Nachname)) {
    return {};
  }
  Seite s(drucker);
  drucker.setFillColor(ui::farben::Weiss);
  drucker.picture({s.P(16.7), s.P(1), s.P(19.7), s.P(4)}, "Wappen");
  s.schrift(14, true);
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  BarCodeDrucken(drucker, werte);
  const std::string zahlen = BarCodeZahlen(werte);
  Kopf(s, l, z);
  for (const Blatttext& zeile : Plantext(l, a, z)) {
    s.schrift(zeile.punkt, zeile.fett);
    s.Textout1(zeile.x, zeile.y, zeile.text);
  }
  s.schrift(10, true);
  s.Textout1(14.6, 24.25,
             ZweiStellen(heute.tag) + ". " + ZweiStellen(heute.monat) + ". " + std::to_string(heute.jahr) + ", " +
                 ZweiStellen(zeit.stunde) + ". " + ZweiStellen(zeit.minute) + " Uhr");
  s.schrift(12, false);
  s.Textout1(2, 25.2, "Unterschrift eines Erziehungsberechtigten :");
  s.line1(9.5, 25.7, 18, 25.7);
  s.schrift(8, false);
  s.Textout1(2, 25.75, "bzw. volljährigen Schülers");
  s.Textout1(5, 26.35, zahlen);
  s.Textout1(10, 25.75, "Quintara Version " + z.edition.Version);
  s.schrift(14, true);
  Abgabe(s, z);
  s.schrift(8, false);
  s.Textout1(9, 10.7, "Prüfkennung:");
  s.Textout1(9, 11.1, a.stunden.Kennung);
  s.Textout1(9, 11.5, a.stunden.KennungAbwahl);
  if (l.AbiNoteBerechnet == 1 || z.Stufe == 1 || z.Stufe == 2) {
    Notentabelle(s, l, a, z);
  }
  drucker.endJob();
  return zahlen;
}

}  // namespace kelvaro
