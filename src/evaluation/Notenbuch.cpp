#include "evaluation/Notenbuch.h"

#include "plan/Faechermengen.h"

#include <utility>

namespace kelvaro {

int NotenbuchLayout::Spalte(NotenbuchKurs gesucht) const {
  for (int p = 1; p <= anzahl; ++p) {
    if (kurs[static_cast<std::size_t>(p)] == gesucht) {
      return p;
    }
  }
  return 0;
}

NotenbuchLayout NotenbuchLayoutBerechnen(const Laufbahn& l, const Zusatzkurse& zk) {
  using K = NotenbuchKurs;
  NotenbuchLayout layout;
  const auto anhaengen = [&layout](K kurs) { layout.kurs[static_cast<std::size_t>(++layout.anzahl)] = kurs; };
  anhaengen(K::FS1);
  if (l.SchwerpunktFS == 1) {
    anhaengen(K::FS2);
    anhaengen(K::NW1);
  } else {
    anhaengen(K::NW1);
    anhaengen(K::NW2);
  }
  for (K kurs : {K::Deutsch, K::Mathematik, K::Sport, K::GW, K::Et, K::KM}) {
    anhaengen(kurs);
  }
  if (WahlfachInQ(l)) {
    anhaengen(K::Wahlfach);
  }
  if (ProjektkursInQ(l)) {
    anhaengen(K::Projektkurs);
  }
  if (zk.ZKAnzahl >= 1) {
    anhaengen(K::Zusatzkurs1);
  }
  if (zk.ZKAnzahl == 2) {
    anhaengen(K::Zusatzkurs2);
  }
  if (l.LitWahl >= 1 && l.LitWahl <= 3) {
    anhaengen(K::KunstErsatz);
  }
  return layout;
}

namespace {

// What identifies the course of a column across a change: the course, and for an
// additional course its subject.
std::pair<int, int> Kursschluessel(const NotenbuchLayout& layout, const Zusatzkurse& zk, int spalte) {
  if (spalte > layout.anzahl) {
    return {-1, 0};
  }
  const NotenbuchKurs kurs = layout.kurs[static_cast<std::size_t>(spalte)];
  const int fach = kurs == NotenbuchKurs::Zusatzkurs1 ? zk.ZK1 : kurs == NotenbuchKurs::Zusatzkurs2 ? zk.ZK2 : 0;
  return {static_cast<int>(kurs), fach};
}

}  // namespace

std::array<bool, NotenSpalten + 1> GeaenderteSpalten(const NotenbuchLayout& vorher, const Zusatzkurse& zkVorher,
                                                     const NotenbuchLayout& nachher, const Zusatzkurse& zkNachher) {
  std::array<bool, NotenSpalten + 1> geaendert{};
  for (int spalte = 1; spalte <= NotenSpalten; ++spalte) {
    geaendert[static_cast<std::size_t>(spalte)] =
        (spalte <= vorher.anzahl || spalte <= nachher.anzahl) &&
        Kursschluessel(vorher, zkVorher, spalte) != Kursschluessel(nachher, zkNachher, spalte);
  }
  return geaendert;
}

void FachArtSetzen(Laufbahn& l, int abiRaster, int spalte, FachArtTyp grundArt) {
  if (spalte < 1 || spalte > NotenSpalten) {
    return;
  }
  const auto p = static_cast<std::size_t>(spalte);
  const int rolle =
      abiRaster >= 1 && abiRaster <= AbiPositionAnzahl ? l.AbiWahl[static_cast<std::size_t>(abiRaster - 1)] : 0;
  FachArtTyp art = grundArt;
  if (rolle == 1 || rolle == 2) {
    art = LKs;
  } else if (rolle == 3) {
    art = Ab3;
  } else if (rolle == 4) {
    art = Ab4;
  }
  l.KursZaehlart[0][p] = art;
  l.KursZaehlart[5][p] = art == LKs || art == Ab3 || art == Ab4 ? Abi : nichtbelegt;
}

namespace {

// What one course puts into its column.
struct Spaltenkurs {
  std::string langname;
  std::string kurzname;
  int gruppe;  // 0: the column keeps its group
  int abiRaster;
  FachArtTyp grundArt;
  std::uint8_t schriftlich;
};

Spaltenkurs FachKurs(const Laufbahn& l, RasterTyp raster, int gruppe, int abiRaster) {
  const FachTyp fach = l.Fach[raster];
  return {FachWahltext(fach), FachKuerzel(fach), gruppe, abiRaster, Gk, l.Schriftlich[raster]};
}

Spaltenkurs ZusatzKurs(FachTyp fach) {
  return {FachWahltext(fach), FachKuerzel(fach), 300, 12, Zk, 0};
}

// The group of the continued elective by its subject; 0 for a subject of no group.
int WahlfachGruppe(FachTyp fach) {
  if (IstFortgefuehrteSprache(fach)) {
    return 100;
  }
  if (IstNaturwissenschaftOderInformatik(fach)) {
    return 200;
  }
  if (IstGesellschaftswissenschaft(fach)) {
    return 300;
  }
  if (IstKunstfach(fach)) {
    return 500;
  }
  return 0;
}

Spaltenkurs KursDerSpalte(const Laufbahn& l, const Zusatzkurse& zk, int halbjahrNr, NotenbuchKurs kurs) {
  using K = NotenbuchKurs;
  switch (kurs) {
    case K::FS1:
      return FachKurs(l, FS1, 100, 2);
    case K::FS2:
      return FachKurs(l, FS2, 100, 3);
    case K::NW1:
      return FachKurs(l, NW1, 200, 5);
    case K::NW2:
      return FachKurs(l, NW2, 200, 6);
    case K::Deutsch:
      return {"Deutsch", "Deu", 110, 1, Gk, l.Schriftlich[De]};
    case K::Mathematik:
      return {"Mathematik", "Mat", 700, 4, Gk, l.Schriftlich[Ma]};
    case K::Sport: {
      const bool mitErsatz = l.ErsatzfachAktiv == 1 && l.ErsatzfachVon <= halbjahrNr && halbjahrNr <= l.ErsatzfachBis &&
                             l.ErsatzfachBis > 2 && l.Fach[Sp] != leer;
      if (mitErsatz) {
        return {"Sport/" + FachKuerzel(l.Fach[Sp]), "Spo/" + FachKuerzel(l.Fach[Sp]), 600, 10, Gk, l.Schriftlich[Sp]};
      }
      return {"Sport", "Spo", 600, 10, Gk, l.Schriftlich[Sp]};
    }
    case K::GW:
      return FachKurs(l, GW, 300, 7);
    case K::Et:
      return FachKurs(l, Et, l.Fach[Et] == Pl ? 300 : 900, 8);
    case K::KM:
      return FachKurs(l, KM, 500, 9);
    case K::Wahlfach:
      return FachKurs(l, Wa1, WahlfachGruppe(l.Fach[Wa1]), 11);
    case K::Projektkurs:
      return {FachWahltext(l.Fach[PK]), FachKuerzel(l.Fach[PK]), 1600, 12, Pjku, 0};
    case K::Zusatzkurs1:
      return ZusatzKurs(zk.ZK1);
    case K::Zusatzkurs2:
      return ZusatzKurs(zk.ZK2);
    case K::KunstErsatz:
      break;
  }
  static const Spaltenkurs ersatz[] = {{"Literatur", "Lit", 500, 12, Gk, 0},
                                       {"vokalprakt. GK", "voka.pr. GK", 500, 12, Gk, 0},
                                       {"instrumentalprakt. GK", "inst.pr. GK", 500, 12, Gk, 0}};
  return ersatz[l.LitWahl >= 1 && l.LitWahl <= 3 ? l.LitWahl - 1 : 0];
}

}  // namespace

void NotenbuchAufbauen(Laufbahn& l, const Zusatzkurse& zk, int halbjahrNr, NotenbuchSpalten& spalten) {
  const NotenbuchLayout layout = NotenbuchLayoutBerechnen(l, zk);
  for (int p = 1; p <= layout.anzahl; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const Spaltenkurs kurs = KursDerSpalte(l, zk, halbjahrNr, layout.kurs[i]);
    spalten.KursLangname[i] = kurs.langname.substr(0, 50);
    l.KursKurzname[i] = kurs.kurzname.substr(0, 20);
    if (kurs.gruppe != 0) {
      spalten.KursFachgruppe[i] = kurs.gruppe;
    }
    FachArtSetzen(l, kurs.abiRaster, p, kurs.grundArt);
    spalten.KursSchriftlich[i] = kurs.schriftlich;
  }
  l.NotenKursZahl = layout.anzahl;

  // Taken semesters: slots 1..4 are Q1.1 .. Q2.2, slot 5 the examination.
  const auto nichtBelegt = [&l](int spalte, int slot) {
    const auto i = static_cast<std::size_t>(spalte);
    l.KursZaehlart[static_cast<std::size_t>(slot)][i] = nichtbelegt;
    l.Noten[static_cast<std::size_t>(slot - 1)][i] = -1;
  };
  const int n = layout.anzahl;
  for (int p = 1; p <= n; ++p) {
    const auto i = static_cast<std::size_t>(p);
    for (int slot = 1; slot <= 4; ++slot) {
      l.KursZaehlart[static_cast<std::size_t>(slot)][i] = Belegt;
    }
    const auto art = l.KursZaehlart[0][i];
    if (art == Gk || art == Zk || art == Pjku) {
      l.Noten[4][i] = -1;
    }
  }
  for (int p = 1; p <= n; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const auto art = l.KursZaehlart[0][i];
    if (art == Pjku) {
      nichtBelegt(p, 3);
      nichtBelegt(p, 4);
    } else if (art == Zk) {
      nichtBelegt(p, 1);
      nichtBelegt(p, 2);
    }
    const std::string& name = spalten.KursLangname[i];
    if (name == "Literatur" || name == "instrumentalprakt. GK" || name == "vokalprakt. GK") {
      nichtBelegt(p, 1);
      nichtBelegt(p, 2);
      for (int kunst = 1; kunst <= n; ++kunst) {
        const std::string& kunstName = spalten.KursLangname[static_cast<std::size_t>(kunst)];
        if (kunstName == "Kunst" || kunstName == "Musik") {
          nichtBelegt(kunst, 3);
          nichtBelegt(kunst, 4);
        }
      }
    }
  }
  const auto abwahl = [&](int spalte, int wert) {
    if (spalte == 0) {
      return;
    }
    if (wert == 1) {
      nichtBelegt(spalte, 2);
    }
    if (wert == 1 || wert == 2) {
      nichtBelegt(spalte, 3);
    }
    if (wert >= 1 && wert <= 3) {
      nichtBelegt(spalte, 4);
    }
  };
  if (l.AbwahlEt == 2 || l.AbwahlEt == 3) {
    abwahl(layout.Spalte(NotenbuchKurs::Et), l.AbwahlEt);
  }
  if (l.AbwahlKM == 2 || l.AbwahlKM == 3) {
    abwahl(layout.Spalte(NotenbuchKurs::KM), l.AbwahlKM);
  }
  abwahl(layout.Spalte(NotenbuchKurs::Wahlfach), l.AbwahlWa1);
  if (l.ErsatzfachAktiv == 1 && l.Fach[Sp] == leer) {
    const int sport = layout.Spalte(NotenbuchKurs::Sport);
    for (int semester = 3; semester <= 6; ++semester) {
      if (l.ErsatzfachVon <= semester && semester <= l.ErsatzfachBis) {
        nichtBelegt(sport, semester - 2);
      }
    }
  }
}

}  // namespace kelvaro
