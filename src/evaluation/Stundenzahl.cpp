#include "evaluation/Stundenzahl.h"

#include "evaluation/FliessKomma.h"
#include "plan/Faechermengen.h"

#include <algorithm>

namespace kelvaro {

namespace {

std::string Gekuerzt(std::string text) {
  if (text.size() > 150) {
    text.resize(150);
  }
  return text;
}

void EFModellAnwenden(const Laufbahn& l, int b, Stundenbilanz& s) {
  auto& h = s.Stunden60;
  switch (l.EFModell) {
    case 0:
      break;
    case 1:
      if (l.AbwahlEF == 1) {
        s.StundenEF += 1.5;
        if (IstNeueSprache(l.Fach[VK1])) {
          s.StundenEF -= 0.5;
        }
        h[1] = b + 2;
        h[2] = b;
      } else {
        s.StundenEF += 3;
        h[1] = b + 2;
        h[2] = b + 2;
      }
      break;
    case 2:
      if (l.AbwahlEF == 1) {
        s.StundenEF += 0.5;
        if (IstNeueSprache(l.Fach[Wa2])) {
          s.StundenEF -= 0.5;
        }
        h[1] = b + 2;
        h[2] = b - 1;
      } else {
        s.StundenEF += 2;
        h[1] = b + 2;
        h[2] = b + 1;
      }
      break;
    case 3:
      s.StundenEF += 1;
      h[1] = b + 2;
      h[2] = b;
      break;
    default:  // a stored plan with an unknown model keeps the base
      break;
  }
}

void QBasisSetzen(const Laufbahn& l, Stundenbilanz& s) {
  struct Basis {
    double q1, q2, diff;
    std::array<int, 4> stunden60;
    int kurszahlQ;
  };
  static constexpr std::array<Basis, 3> basen{{
      {33, 34, -1, {26, 25, 26, 24}, 40},
      {34, 34, 0, {26, 26, 26, 24}, 42},
      {36, 34, 2, {28, 27, 26, 24}, 44},
  }};
  if (l.Q1Modell > 2) {
    return;  // unknown model in a stored plan: no Q hours
  }
  const Basis& basis = basen[l.Q1Modell];
  s.StundenQ1 = basis.q1;
  s.StundenQ2 = basis.q2;
  s.StundenDiffQ = basis.diff;
  std::copy(basis.stunden60.begin(), basis.stunden60.end(), s.Stunden60.begin() + 3);
  s.KurszahlQ = basis.kurszahlQ;
}

void ZusatzkurseAnwenden(const Laufbahn& l, int zkAnzahl, Stundenbilanz& s) {
  auto plus = [&s](double stunden, int stunden60, int kurse) {
    s.StundenQ2 += stunden;
    s.StundenDiffQ += stunden;
    s.Stunden60[5] += stunden60;
    s.Stunden60[6] += stunden60;
    s.KurszahlQ += kurse;
  };
  if (l.Q1Modell == 0) {
    if (zkAnzahl == 2) {
      plus(3, 2, 2);
    }
  } else if (WahlfachInQ(l)) {
    if (zkAnzahl == 2) {
      plus(6, 4, 2);
    } else if (zkAnzahl == 1) {
      plus(3, 2, 0);
    } else if (zkAnzahl == 0) {
      plus(0, 0, -2);
    }
  }
}

// Sport replaced by nothing: every affected semester loses a sport course.
void ErsatzfachOhneFachAnwenden(const Laufbahn& l, Stundenbilanz& s) {
  if (l.ErsatzfachAktiv != 1 || l.Fach[Sp] != leer) {
    return;
  }
  const int von = l.ErsatzfachVon;
  const int bis = l.ErsatzfachBis;
  const std::array<bool, 7> betroffen{
      false,   von == 1, von <= 2 && bis >= 2, von <= 3 && bis >= 3, von <= 4 && bis >= 4, von <= 5 && bis >= 5,
      bis == 6};
  for (int semester = 1; semester <= 6; ++semester) {
    if (!betroffen[semester]) {
      continue;
    }
    s.Stunden60[semester] -= 2;
    if (semester <= 2) {
      s.StundenEF -= 1.5;
    } else {
      (semester <= 4 ? s.StundenQ1 : s.StundenQ2) -= 1.5;
      s.StundenDiffQ -= 1.5;
      s.KurszahlQ -= 1;
    }
  }
}

void AbwahlenPruefen(const Laufbahn& l, Stundenbilanz& s) {
  s.DiffVorAbwahl = s.StundenDiffQ;
  s.AbwahlEt = l.AbwahlEt;
  s.AbwahlKM = l.AbwahlKM;
  s.AbwahlWa1 = l.AbwahlWa1;
  if (s.StundenDiffQ < 1.5) {
    s.AbwahlErlaubt = false;
    s.Wa1AbwahlErlaubt = false;
    s.AbwahlEt = 0;
    s.AbwahlKM = 0;
    s.AbwahlWa1 = 0;
    return;
  }
  s.AbwahlErlaubt = true;
  s.Wa1AbwahlErlaubt = WahlfachInQ(l);
  if (!s.Wa1AbwahlErlaubt) {
    s.AbwahlWa1 = 0;
  }
}

// The fourth hour of the new language as first elective ends with the elective.
void NeueSpracheAbwahlAnwenden(const Laufbahn& l, Stundenbilanz& s) {
  if (!IstNeueSprache(l.Fach[Wa1]) || !WahlfachInQ(l)) {
    return;
  }
  auto& h = s.Stunden60;
  switch (s.AbwahlWa1) {
    case 1:
      s.StundenDiffQ -= 1.5;
      s.StundenQ1 -= 0.5;
      s.StundenQ2 -= 1;
      h[4] -= 1;
      h[5] -= 1;
      h[6] -= 1;
      break;
    case 2:
      s.StundenDiffQ -= 1;
      s.StundenQ2 -= 1;
      h[5] -= 1;
      h[6] -= 1;
      break;
    case 3:
      s.StundenDiffQ -= 0.5;
      s.StundenQ2 -= 0.5;
      h[6] -= 1;
      break;
    default:
      break;
  }
}

// A basic course dropped after Q1.1 (1), Q1.2 (2) or Q2.1 (3).
void AbwahlAnwenden(int abwahl, Stundenbilanz& s) {
  auto& h = s.Stunden60;
  switch (abwahl) {
    case 1:
      s.StundenDiffQ -= 4.5;
      s.StundenQ1 -= 1.5;
      s.StundenQ2 -= 3;
      h[4] -= 2;
      h[5] -= 2;
      h[6] -= 2;
      s.KurszahlQ -= 3;
      break;
    case 2:
      s.StundenDiffQ -= 3;
      s.StundenQ2 -= 3;
      h[5] -= 2;
      h[6] -= 2;
      s.KurszahlQ -= 2;
      break;
    case 3:
      s.StundenDiffQ -= 1.5;
      s.StundenQ2 -= 1.5;
      h[6] -= 2;
      s.KurszahlQ -= 1;
      break;
    default:
      break;
  }
}

// Ethics and arts rows can only end after Q1.2 or Q2.1.
int OhneQ11(int abwahl) {
  return abwahl == 1 ? 0 : abwahl;
}

void KennungBilden(const Laufbahn& l, int zkAnzahl, Stundenbilanz& s) {
  std::string buchstabe;
  std::string liste;
  double basis = 0;
  switch (l.Q1Modell) {
    case 0:
      buchstabe = "P";
      liste = "PK,";
      basis = -4;
      break;
    case 1:
      buchstabe = "W";
      liste = "WF,";
      basis = 0;
      break;
    case 2:
      buchstabe = "B";
      liste = "PK+WF,";
      basis = 2;
      break;
    default:
      break;
  }
  int variante = 9;
  if (zkAnzahl == 2) {
    variante = 1;
    basis += 6;
  } else if (zkAnzahl == 1) {
    variante = 5;
    basis += 3;
  }
  if (NeueSpracheInQ(l)) {
    liste += "FS11,";
    basis += 2;
  } else {
    variante += 2;
  }
  if (l.VKQ22 == 1) {
    liste += "VKQ2,";
    basis += 1;
  } else {
    variante += 1;
  }
  liste += std::to_string(zkAnzahl) + " ZK,";

  int grundkurse = 0;
  int sprachkurse = 0;
  for (int abwahl : {static_cast<int>(s.AbwahlKM), static_cast<int>(s.AbwahlEt)}) {
    grundkurse += abwahl == 2 ? 2 : abwahl == 3 ? 1 : 0;
  }
  if (WahlfachInQ(l) && s.AbwahlWa1 >= 1 && s.AbwahlWa1 <= 3) {
    const int semester = 4 - s.AbwahlWa1;
    (IstNeueSprache(l.Fach[Wa1]) ? sprachkurse : grundkurse) += semester;
  }
  std::string abwahlText;
  if (grundkurse > 0 && sprachkurse > 0) {
    abwahlText = "Abwahl " + std::to_string(grundkurse) + " + " + std::to_string(sprachkurse) + " FS0 Kurse)";
  } else if (grundkurse > 0) {
    abwahlText = "Abwahl " + std::to_string(grundkurse) + " Kurse)";
  } else if (sprachkurse > 0) {
    abwahlText = "Abwahl " + std::to_string(sprachkurse) + " FS0 Kurse)";
  } else {
    abwahlText = "keine Abwahlkurse)";
  }
  const double wegfall = 1.5 * grundkurse + 2.0 * sprachkurse;
  const double differenz = basis - wegfall;

  s.Kennung = Gekuerzt(buchstabe + std::to_string(variante) + "(" + liste + " ");
  s.KennungAbwahl = Gekuerzt(abwahlText + " " + FliessKomma(basis) + "-" + FliessKomma(wegfall) + " = " +
                             FliessKomma(differenz) + " St.");
}

}  // namespace

bool NeueSpracheInEF(const Laufbahn& l) {
  return IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2])) ||
         IstNeueSprache(l.Fach[Wa1]) || IstNeueSprache(l.Fach[Wa2]) || IstNeueSprache(l.Fach[VK1]);
}

bool NeueSpracheInQ(const Laufbahn& l) {
  return IstNeueSprache(l.Fach[FS1]) || (l.SchwerpunktFS == 1 && IstNeueSprache(l.Fach[FS2])) ||
         (IstNeueSprache(l.Fach[Wa1]) && WahlfachInQ(l));
}

Stundenbilanz StundenBerechnen(const Laufbahn& l, int zkAnzahl) {
  Stundenbilanz s;
  const bool neueSpracheEF = NeueSpracheInEF(l);
  const int b = neueSpracheEF ? 26 : 25;
  s.StundenEF = neueSpracheEF ? 34 : 33;
  s.Stunden60[1] = b;
  s.Stunden60[2] = b;
  EFModellAnwenden(l, b, s);
  QBasisSetzen(l, s);

  if (NeueSpracheInQ(l)) {
    s.StundenDiffQ += 2;
    s.StundenQ1 += 1;
    s.StundenQ2 += 1;
    for (int semester = 3; semester <= 6; ++semester) {
      s.Stunden60[semester] += 1;
    }
  }
  if (l.VKQ22 == 1) {
    s.StundenDiffQ += 1;
    s.StundenQ2 += 1;
    s.Stunden60[6] += 2;
  }
  ZusatzkurseAnwenden(l, zkAnzahl, s);
  ErsatzfachOhneFachAnwenden(l, s);
  AbwahlenPruefen(l, s);
  NeueSpracheAbwahlAnwenden(l, s);
  s.DiffVorGrundkursAbwahl = s.StundenDiffQ;

  AbwahlAnwenden(OhneQ11(s.AbwahlKM), s);
  AbwahlAnwenden(OhneQ11(s.AbwahlEt), s);
  AbwahlAnwenden(s.AbwahlWa1, s);

  KennungBilden(l, zkAnzahl, s);
  return s;
}

std::string KursAbwahlText(double stundenDiffQ) {
  static constexpr std::array<std::pair<double, const char*>, 7> stufen{{{1.5, "ein Kurs noch"},
                                                                         {3, "zwei Kurse noch"},
                                                                         {4.5, "drei Kurse noch"},
                                                                         {6, "vier Kurse noch"},
                                                                         {7.5, "fünf Kurse noch"},
                                                                         {9, "sechs Kurse noch"},
                                                                         {10.5, "sieben Kurse noch"}}};
  std::string text = "kein Kurs mehr";
  for (const auto& [schwelle, stufenText] : stufen) {
    if (stundenDiffQ >= schwelle) {
      text = stufenText;
    }
  }
  return text;
}

}  // namespace kelvaro
