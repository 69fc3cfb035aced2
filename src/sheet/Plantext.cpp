#include "sheet/Plantext.h"

#include "evaluation/FliessKomma.h"
#include "plan/Faechermengen.h"
#include "plan/Katalog.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

namespace {

constexpr double Links = 2.0;
constexpr double AlternativeLinks = 13.5;
constexpr int Normal = 12;
constexpr int Klein = 10;  // also marks a course that has been or will be dropped

// Collects the lines and hands out the running numbers of the course list.
class Zeilen {
 public:
  // Upper block: line n of the grid that starts with the focus line.
  void oben(int n, std::string text, int punkt = Normal) { setzen(Links, 5.9 + 0.55 * n, std::move(text), punkt); }
  // Q-phase block.
  void unten(int n, std::string text, int punkt = Normal, bool fett = false) {
    setzen(Links, 15.5 + 0.55 * n, std::move(text), punkt, fett);
  }
  void setzen(double x, double y, std::string text, int punkt = Normal, bool fett = false) {
    if (!text.empty()) {
      m_zeilen.push_back({x, y, std::move(text), punkt, fett});
    }
  }
  // "8. ", "9. ", ...: the next running number.
  std::string nummer() { return std::to_string(m_nr++) + ". "; }
  int naechsteNummer() const { return m_nr; }
  void weiterzaehlen(int anzahl) { m_nr += anzahl; }
  std::vector<Blatttext> ergebnis() && { return std::move(m_zeilen); }

 private:
  std::vector<Blatttext> m_zeilen;
  int m_nr = 8;  // lines "1." to "7." are fixed
};

// What the sheet reads of the plan, the stage and the season.
struct Lage {
  const Laufbahn& l;
  int stufe;
  int wahlphase;
  int halbjahrNr;

  const std::string& name(RasterTyp raster) const { return FachLangname(l.Fach[raster]); }
  bool schriftlich(RasterTyp raster) const { return raster < 13 && l.Schriftlich[raster] == 1; }
  // The exam choice with and without parentheses.
  std::string klausur(RasterTyp raster) const { return schriftlich(raster) ? "(schriftl.)" : "(mündl.)"; }
  std::string klausurArt(RasterTyp raster) const { return schriftlich(raster) ? "schriftl." : "mündl."; }
  bool fremdsprachlich() const { return l.SchwerpunktFS != 0; }
  std::string stufenMarke() const {
    switch (stufe) {
      case 0:
        return "EF:";
      case 1:
        return "Q1:";
      default:
        return "Q2:";
    }
  }
};

// How long the other focus stays open; empty when it closed with the choice of the EF.
std::string Offenhaltung(const Lage& s) {
  const std::string andere = s.fremdsprachlich() ? "naturwissenschaftlicher" : "fremdsprachlicher";
  const std::string zeit = s.stufe == 0 ? "wird" : "wurde";
  switch (OffenhaltungsStufe(s.l)) {
    case 3:
      if (s.l.AbwahlWa1 == 1 || s.l.AbwahlWa1 == 2) {
        return "(" + andere + " Schwerpunkt " + (s.stufe == 2 ? "wurde" : "wird") + " bis in JgSt Q1 offengehalten)";
      }
      return "(" + andere + " Schwerpunkt wird bis in JgSt Q2 offengehalten)";
    case 2:
      return " (" + andere + " Schwerpunkt " + zeit + " bis Ende der EF offengehalten)";
    case 1:
      return " (" + andere + " Schwerpunkt " + zeit + " bis Ende der EF.1 offengehalten)";
    default:
      return {};
  }
}

void Kopf(Zeilen& z, const Lage& s) {
  z.setzen(Links, 5.35,
           std::string(s.wahlphase == 3 ? "Die angegebene Klausurwahl gilt für das 2. Halbjahr der "
                                        : "Die angegebene Klausurwahl gilt für das 1. Halbjahr der ") +
               s.stufenMarke());
  z.oben(0, s.fremdsprachlich() ? "Fremdsprachlicher Schwerpunkt" : "Naturwissenschaftlicher Schwerpunkt");
  // No note at all when the other focus was not kept open.
  z.oben(1, Offenhaltung(s), Klein);
  z.oben(2, "Gewählte Fächer in der " + s.stufenMarke());
}

// Lines 1. to 7.; returns the grid line after the social science line.
int PflichtFaecher(Zeilen& z, const Lage& s) {
  const Laufbahn& l = s.l;
  const RasterTyp zweites = s.fremdsprachlich() ? FS2 : NW1;
  const RasterTyp drittes = s.fremdsprachlich() ? NW1 : NW2;
  z.oben(3, "1. " + s.name(FS1) + " " + s.klausur(FS1));
  z.oben(4, "2. " + s.name(zweites) + " " + s.klausur(zweites));
  z.oben(5, "3. " + s.name(drittes) + " " + s.klausur(drittes));
  z.oben(6, "4. Deutsch " + s.klausur(De));
  z.oben(7, "5. Mathematik " + s.klausur(Ma));
  int f = 9;
  if (l.ErsatzfachAktiv == 0) {
    z.oben(8, "6. Sport " + s.klausur(Sp));
  } else {
    std::string sport = "6. Sport (in JgSt " + HalbjahrName(l.ErsatzfachVon);
    if (l.ErsatzfachVon < l.ErsatzfachBis) {
      sport += " bis " + HalbjahrName(l.ErsatzfachBis);
    }
    z.oben(8, sport);
    std::string ersatz;
    if (l.Fach[Sp] != leer) {
      // The exam choice only while the replacement runs in the half-year chosen for.
      ersatz = "  Erstzfach " + s.name(Sp);
      if (l.ErsatzfachVon <= s.halbjahrNr && s.halbjahrNr <= l.ErsatzfachBis) {
        ersatz += ", " + s.klausurArt(Sp);
      }
      ersatz += ")";
    } else {
      ersatz = "kein weiteres Ersatzfach gewählt)";
    }
    z.oben(9, ersatz);
    f = 10;
  }
  z.oben(f, "7. " + s.name(GW) + " " + s.klausur(GW));
  return f + 1;
}

// Religion and arts rows: the note once the row has been dropped in the Q phase, empty while it runs.
std::string AbgewaehltNach(const Lage& s, std::uint8_t abwahl) {
  if (abwahl == 2 && s.stufe == 2) {
    return "(abgewählt nach Q1.2)";
  }
  if (abwahl == 3 && s.stufe == 2 && s.wahlphase == 3) {
    return "(abgewählt nach Q2.1)";
  }
  return {};
}

void Religion(Zeilen& z, const Lage& s, int n) {
  const std::string notiz = AbgewaehltNach(s, s.l.AbwahlEt);
  if (!notiz.empty()) {
    z.oben(n, s.name(Et) + " " + notiz, Klein);
  } else {
    z.oben(n, z.nummer() + s.name(Et) + " " + s.klausur(Et));
  }
}

void Kunst(Zeilen& z, const Lage& s, int n) {
  const std::string notiz = AbgewaehltNach(s, s.l.AbwahlKM);
  if (!notiz.empty()) {
    z.oben(n, s.name(KM) + " " + notiz, Klein);
    return;
  }
  const char* statt = nullptr;
  if (s.stufe == 2) {
    switch (s.l.LitWahl) {
      case 1:
        statt = "Literatur statt ";
        break;
      case 2:
        statt = "vokalpr. GK statt ";
        break;
      case 3:
        statt = "instrum.pr. GK statt ";
        break;
      default:
        break;
    }
  }
  if (statt != nullptr) {
    z.oben(n, z.nummer() + statt + s.name(KM) + " (mündl.)");
  } else {
    z.oben(n, z.nummer() + s.name(KM) + " " + s.klausur(KM));
  }
}

// The first elective in the Q phase: its note and whether the drop has been or is being done.
std::pair<std::string, bool> Wahlfach1Notiz(const Lage& s) {
  const std::string art = s.klausurArt(Wa1);
  switch (s.l.AbwahlWa1) {
    case 1:
      if (s.stufe == 2) {
        return {"(wurde am Ende des 1. Halbjahres der Q1 abgewählt)", true};
      }
      if (s.stufe == 1 && s.wahlphase == 3) {
        return {"(wird am Ende des 1. Halbjahres der Q1 abgewählt)", true};
      }
      return {"(" + art + ", soll am Ende des 1. Halbjahres der Q1 abgewählt werden)", false};
    case 2:
      if (s.stufe == 2) {
        return {s.wahlphase == 1 ? "(wird am Ende des 2. Halbjahres der Q1 abgewählt)"
                                 : "(wurde am Ende des 2. Halbjahres der Q1 abgewählt)",
                true};
      }
      return {"(" + art + ", soll am Ende des 2. Halbjahres der Q1 abgewählt werden)", false};
    case 3:
      if (s.stufe == 2 && s.wahlphase == 3) {
        return {"(wird am Ende des 1. Halbjahres der Q2 abgewählt)", true};
      }
      return {"(" + art + ", soll am Ende des 1. Halbjahres der Q2 abgewählt werden)", false};
    default:
      // Not dropped; a stored value outside 0..3 counts as not dropped as well.
      return {"(" + art + ", soll bis zum Ende der Q2 fortgeführt werden)", false};
  }
}

void Wahlfach1(Zeilen& z, const Lage& s, int n) {
  const std::string& name = s.name(Wa1);
  if (s.l.Q1Modell != 0) {
    const auto [notiz, erledigt] = Wahlfach1Notiz(s);
    if (erledigt) {
      z.oben(n, name + " " + notiz, Klein);
    } else {
      z.oben(n, z.nummer() + name + " " + notiz);
    }
    return;
  }
  // Project model: the elective ends with the EF.
  if (s.stufe != 0) {
    z.oben(n,
           name + (s.stufe == 1 && s.wahlphase == 1 ? "  (wird am Ende der EF abgewählt)"
                                                    : "  (wurde am Ende der EF abgewählt)"),
           Klein);
  } else {
    z.oben(n, z.nummer() + name + "  (" + s.klausurArt(Wa1) + ", wird am Ende der EF abgewählt)");
  }
}

// A row that ends within the EF (second elective, EF deep-dive course or third elective).
// `nachEF1`: the row is the one dropped after EF.1; `art`: its exam choice in the EF.
void EFKurs(Zeilen& z, const Lage& s, int n, RasterTyp raster, bool nachEF1, const std::string& art) {
  const std::string& name = s.name(raster);
  if (nachEF1) {
    if (s.stufe != 0) {
      z.oben(n, name + " (wurde am Ende des 1. Halbjahres der EF abgewählt)", Klein);
    } else if (s.wahlphase == 3) {
      z.oben(n, name + " (wird am Ende des 1. Halbjahres der EF abgewählt)", Klein);
    } else {
      z.oben(n, z.nummer() + name + " (" + s.klausurArt(raster) +
                    ", wird voraussichtlich am Ende des 1. Halbjahres der EF abgewählt)");
    }
    return;
  }
  if (s.stufe != 0) {
    z.oben(n,
           name + (s.stufe == 1 && s.wahlphase == 1 ? " (wird am Ende der EF abgewählt)"
                                                    : " (wurde am Ende der EF abgewählt)"),
           Klein);
  } else {
    z.oben(n, z.nummer() + name + " (" + art + ", wird am Ende der EF abgewählt)");
  }
}

void WeitereFaecher(Zeilen& z, const Lage& s, int n) {
  const Laufbahn& l = s.l;
  Religion(z, s, n);
  Kunst(z, s, n + 1);
  Wahlfach1(z, s, n + 2);
  EFKurs(z, s, n + 3, Wa2, l.EFModell == 2 && l.AbwahlEF == 1, s.klausurArt(Wa2));
  if (l.EFModell != 0) {
    // The deep-dive course of the EF is oral; as third elective (EF model 1) it has its own choice.
    EFKurs(z, s, n + 4, VK1, l.EFModell == 1 && l.AbwahlEF == 1, l.EFModell == 1 ? s.klausurArt(VK1) : "mündl.");
  }
  if (s.wahlphase == 1) {
    z.oben(n + 5, "Die Klausurwahl kann in der 1. Woche des kommenden Halbjahres auf Wunsch umgewählt werden.", Klein);
  } else if (s.wahlphase == 2 && s.stufe < 2) {
    z.oben(n + 5, "Die Klausurwahl für das 2. Halbjahr kann auf Wunsch im 2. Quartal umgewählt werden.", Klein);
  }
}

// The subject of the last Abitur position holding the role; empty when none holds it.
std::string Abiturfach(const Lage& s, int rolle) {
  int gefunden = -1;
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    if (s.l.AbiWahl[position] == rolle) {
      gefunden = position;
    }
  }
  switch (gefunden) {
    case -1:
      return {};
    case AbiPosDe:
      return "Deutsch";
    case AbiPosMa:
      return "Mathematik";
    case AbiPosSp:
      return "Sport";
    default:
      return s.name(AbiPositionRaster(gefunden));
  }
}

void Abiturfaecher(Zeilen& z, const Lage& s) {
  static const char* const Rollen[] = {
      "Leistungskurs Block A: ", "Leistungskurs Block B: ", "drittes Abiturfach (GK mit schriftl. Abiturprüf.): ",
      "viertes Abiturfach (GK mit mündl. Abiturprüf.): "};
  for (int rolle = 1; rolle <= 4; ++rolle) {
    // The third and fourth subject are fixed at the start of Q2; from Q1 on they stand below the Q2 heading.
    const int n = rolle <= 2 || s.stufe == 0 ? rolle : rolle + 5;
    z.unten(n, Rollen[rolle - 1] + Abiturfach(s, rolle));
    if (rolle >= 3 && s.stufe == 1) {
      z.setzen(AlternativeLinks, 15.5 + 0.55 * n, "Alternative : ___________________");
    }
  }
}

std::string HalbjahrDerAbwahl(std::uint8_t abwahl) {
  return abwahl == 2 ? "Q1, 2. Hj." : "Q2, 1. Hj.";
}

// "wurde" once a drop after Q1.2 lies behind the student, else "wird".
bool AbwahlVorbei(const Lage& s, std::uint8_t abwahl) {
  return abwahl == 2 && s.stufe == 2 && s.wahlphase > 1;
}

std::string AbwahlSatz(const Lage& s) {
  const std::uint8_t e = s.l.AbwahlEt;
  const std::uint8_t k = s.l.AbwahlKM;
  const bool eAb = e == 2 || e == 3;
  const bool kAb = k == 2 || k == 3;
  const auto verb = [&](std::uint8_t abwahl) { return std::string(AbwahlVorbei(s, abwahl) ? "wurde" : "wird"); };
  if (kAb && !eAb) {
    return s.name(KM) + " " + verb(k) + " am Ende der  " + HalbjahrDerAbwahl(k) + " abgewählt.";
  }
  if (eAb && !kAb) {
    return s.name(Et) + " " + verb(e) + " am Ende der  " + HalbjahrDerAbwahl(e) + " abgewählt.";
  }
  if (eAb && kAb && e == k) {
    return s.name(Et) + " und " + s.name(KM) + " " + (AbwahlVorbei(s, e) ? "wurden" : "werden") + " am Ende der " +
           HalbjahrDerAbwahl(e) + " abgewählt.";
  }
  if (eAb && kAb) {
    return s.name(Et) + " " + verb(e) + " am Ende der  " + HalbjahrDerAbwahl(e) + " und " + s.name(KM) + " " + verb(k) +
           " am Ende der " + HalbjahrDerAbwahl(k) + " abgewählt.";
  }
  return {};
}

void QPhase(Zeilen& z, const Lage& s, const Abgeleitet& a) {
  const Laufbahn& l = s.l;
  static const char* const Ueberschrift[] = {
      "Für die Jahrgangsstufe Q1 und Q2 sind folgende Kurse unverbindlich geplant:",
      "Für die Jahrgangsstufe Q1 und Q2 werden folgende Kurse gewählt:",
      "Für die Jahrgangsstufe Q1 und Q2 wurden folgende Kurse gewählt:"};
  z.unten(0, Ueberschrift[s.stufe == 0 ? 0 : s.stufe == 1 ? 1 : 2]);
  Abiturfaecher(z, s);

  const int p = s.stufe == 0 ? 5 : 3;
  if (l.Q1Modell == 0 || l.Q1Modell == 2) {
    z.unten(p, (s.stufe == 1 ? z.nummer() : std::string()) + "Projektkurs: " + s.name(PK) + " (JgSt Q1)");
    if (s.stufe == 0 || (s.stufe == 1 && s.wahlphase < 3)) {
      z.unten(p + 1, "Alternativwahl für den Projektkurs : " + FachLangname(l.AlternativPK));
    }
  }

  const Zusatzkurse& zk = a.zusatzkurse;
  if (zk.ZKAnzahl == 1) {
    z.unten(p + 2, (s.stufe == 2 ? z.nummer() : std::string()) + "In JgSt Q2 wird der Zusatzkurs " +
                       FachLangname(zk.ZK1) + " belegt.");
  } else if (zk.ZKAnzahl == 2) {
    std::string nummern;
    if (s.stufe == 2) {
      const int r = z.naechsteNummer();
      nummern = std::to_string(r) + ". und " + std::to_string(r + 1) + ". ";
      z.weiterzaehlen(2);
    }
    z.unten(p + 2, nummern + "In JgSt Q2 werden die Zusatzkurse " + FachLangname(zk.ZK1) + " und " +
                       FachLangname(zk.ZK2) + " belegt.");
  }

  if (s.stufe == 1) {
    z.unten(7, "Für die Jahrgangsstufe Q2 sind folgende Kurse unverbindlich geplant:");
  } else if (s.stufe == 2) {
    z.unten(7,
            "Für die Jahrgangsst. Q2 werden folgende Kurse gewählt: (endg. Festl. der Abiturfächer zu Beginn der Q2)");
  }

  // The remaining lines close up: each takes the next free line only when it is printed.
  int q = s.stufe == 0 ? 9 : 10;
  if (l.VKQ22 == 1) {
    if (s.stufe == 2 && s.wahlphase == 3) {
      // Numbered with the next number, which is not used up.
      z.unten(q, std::to_string(z.naechsteNummer()) + ". In JgSt Q2.2 wird der " + s.name(VK3) + " belegt.", Normal,
              true);
    } else {
      z.unten(q, "In JgSt Q2.2 ist der " + s.name(VK3) + " geplant.");
    }
    ++q;
  }
  const std::string abwahl = AbwahlSatz(s);
  if (!abwahl.empty()) {
    z.unten(q, abwahl);
    ++q;
  }
  static const char* const Literatur[] = {"das Fach Literatur", "ein vokalpraktischer Grundkurs",
                                          "ein instrumentalpraktischer Grundkurs"};
  if (l.LitWahl >= 1 && l.LitWahl <= 3) {
    z.unten(q, "In JgSt Q2 soll statt " + s.name(KM) + " " + Literatur[l.LitWahl - 1] + " gewählt werden.");
  }
}

// Semester hours of a stage: one number when both half-years are equal, else "(a/b)".
std::string Halbjahresstunden(const Stundenbilanz& st, int erstes, int zweites) {
  const int a = st.Stunden60[static_cast<std::size_t>(erstes)];
  const int b = st.Stunden60[static_cast<std::size_t>(zweites)];
  if (a == b) {
    return std::to_string(a);
  }
  return "(" + std::to_string(a) + "/" + std::to_string(b) + ")";
}

void Stunden(Zeilen& z, const Stundenbilanz& st) {
  z.setzen(Links, 22.6,
           "Damit haben Sie in 45-Minuten-Stunden gerechnet insgesamt " +
               FliessKomma(st.StundenEF + st.StundenQ1 + st.StundenQ2) +
               " Wochenstunden (EF: " + FliessKomma(st.StundenEF) + ", Q1: " + FliessKomma(st.StundenQ1) +
               ", Q2: " + FliessKomma(st.StundenQ2) + ") belegt.",
           Klein);
  z.setzen(Links, 23.15,
           "Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt " +
               std::to_string(st.KurszahlQ) + " Kurse belegt.",
           Klein);
  z.setzen(Links, 23.7,
           "Sie haben in 60-Minuten-Stunden gerechnet folgende Stundenzahlen belegt: (ggf. in Klammern 1. und 2. "
           "Halbjahr)",
           Klein);
  z.setzen(Links, 24.25,
           "JgSt EF: " + Halbjahresstunden(st, 1, 2) + " Stunden  JgSt Q1: " + Halbjahresstunden(st, 3, 4) +
               " Stunden  JgSt Q2: " + Halbjahresstunden(st, 5, 6) + " Stunden.",
           Klein);
}

}  // namespace

std::vector<Blatttext> Plantext(const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z) {
  const Lage s{l, z.Stufe, z.Wahlphase(), z.HalbjahrNr()};
  Zeilen zeilen;
  Kopf(zeilen, s);
  const int n = PflichtFaecher(zeilen, s);
  WeitereFaecher(zeilen, s, n);
  QPhase(zeilen, s, a);
  Stunden(zeilen, a.stunden);
  return std::move(zeilen).ergebnis();
}

}  // namespace kelvaro
