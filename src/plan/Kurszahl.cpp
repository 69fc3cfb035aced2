#include "plan/Kurszahl.h"

namespace kelvaro {

namespace {

// History (or social science) is carried through the Q phase by the social-science row or
// by a first elective that continues and is not dropped after Q1.1.
bool Abgedeckt(const Laufbahn& l, FachTyp fach) {
  const bool wahlfachLaeuft = (l.Q1Modell == 1 || l.Q1Modell == 2) && l.AbwahlWa1 != 1;
  return l.Fach[GW] == fach || (wahlfachLaeuft && l.Fach[Wa1] == fach);
}

std::string Paar(int a, int b) {
  return a == b ? std::to_string(a) + " GKs" : std::to_string(a) + "/" + std::to_string(b) + " GKs";
}

// One course fewer in the Q2 semesters after a course was dropped (2 after Q1.2, 3 after Q2.1).
void AbwahlAbziehen(std::array<int, 7>& kurszahl, int abwahl) {
  if (abwahl == 2) {
    --kurszahl[5];
    --kurszahl[6];
  } else if (abwahl == 3) {
    --kurszahl[6];
  }
}

}  // namespace

Zusatzkurse ZusatzkurseBerechnen(const Laufbahn& l) {
  Zusatzkurse zk;
  const bool geschichte = Abgedeckt(l, Ge);
  const bool sozialwiss = Abgedeckt(l, Sw);
  if (geschichte) {
    zk.ZK1 = sozialwiss ? leer : Sw;
    zk.ZK2 = leer;
  } else {
    zk.ZK1 = Ge;
    zk.ZK2 = sozialwiss ? leer : Sw;
  }
  zk.ZKAnzahl = 2;
  if (zk.ZK2 == leer) {
    zk.ZKAnzahl = 1;
  }
  if (zk.ZK1 == leer) {
    zk.ZKAnzahl = 0;
  }
  if (l.Fach[GW] == leer) {
    zk.ZK1 = leer;
    zk.ZK2 = leer;
    zk.ZKAnzahl = 1;
  }
  return zk;
}

Kurszahlen KurszahlBerechnen(const Laufbahn& l, int zkAnzahl) {
  Kurszahlen result;
  auto& k = result.Kurszahl;

  std::string efZusatz;
  switch (l.EFModell) {
    case 0:
      k[1] = 11;
      k[2] = 11;
      break;
    case 1:
      k[1] = 12;
      k[2] = l.AbwahlEF == 1 ? 11 : 12;
      break;
    case 2:
      k[1] = 11;
      k[2] = l.AbwahlEF == 1 ? 10 : 11;
      efZusatz = " + 1 VK";
      break;
    case 3:
      k[1] = 10;
      k[2] = 10;
      efZusatz = " + 2 VKs";
      break;
    default:  // a stored plan with an unknown model counts no EF courses
      break;
  }

  std::string q1Zusatz;
  const bool wahlfachModell = l.Q1Modell == 1 || l.Q1Modell == 2;
  if (l.Q1Modell == 0) {
    k[3] = 7;
    k[4] = 7;
    q1Zusatz = " + 1 PK";
  } else if (wahlfachModell) {
    k[3] = 8;
    k[4] = l.AbwahlWa1 == 1 ? 7 : 8;
    if (l.Q1Modell == 2) {
      q1Zusatz = " + 1 PK";
    }
  }

  if (l.Q1Modell == 0) {
    k[5] = zkAnzahl == 2 ? 9 : 8;
  } else if (wahlfachModell) {
    k[5] = 8 + zkAnzahl;
  }
  k[6] = k[5];

  if (l.ErsatzfachAktiv == 1 && l.Fach[Sp] == leer) {
    for (int s = l.ErsatzfachVon; s <= l.ErsatzfachBis; ++s) {
      if (s >= 1 && s <= 6) {
        --k[s];
      }
    }
  }
  AbwahlAbziehen(k, l.AbwahlEt);
  AbwahlAbziehen(k, l.AbwahlKM);
  if (l.AbwahlWa1 == 1) {
    --k[5];
    --k[6];
  } else {
    AbwahlAbziehen(k, l.AbwahlWa1);
  }

  result.EF = Paar(k[1], k[2]) + efZusatz;
  result.Q1 = "2 LKs + " + Paar(k[3], k[4]) + q1Zusatz;
  result.Q2 = "2 LKs + " + Paar(k[5], k[6]) + (l.VKQ22 == 1 ? " + 1 VK" : "");
  return result;
}

}  // namespace kelvaro
