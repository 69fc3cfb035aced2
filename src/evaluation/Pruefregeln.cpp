#include "evaluation/Pruefregeln.h"

#include "evaluation/Abgeleitet.h"
#include "plan/Faechermengen.h"
#include "plan/Laufzeit.h"

#include <algorithm>
#include <initializer_list>

namespace kelvaro {

namespace {

bool IstEine(FachTyp fach, std::initializer_list<FachTyp> menge) {
  return std::find(menge.begin(), menge.end(), fach) != menge.end();
}

// The Abitur role of a grid row.
int Rolle(const Laufbahn& l, RasterTyp raster) {
  return l.AbiWahl[static_cast<std::size_t>(RasterAbiPosition(raster))];
}

}  // namespace

bool ProjektkursReferenz(const Laufbahn& l) {
  return l.Fach[GW] == Ge || l.Fach[FS1] == E5 || (l.Fach[FS2] == E5 && l.SchwerpunktFS == 1) ||
         (l.Q1Modell == 2 && l.AbwahlWa1 != 1 && IstEine(l.Fach[Wa1], {E5, Ge}));
}

std::vector<std::string> RegelnGruppeA(const Laufbahn& l) {
  std::vector<std::string> m;
  const auto melde = [&m](bool verletzt, const char* text) {
    if (verletzt) {
      m.emplace_back(text);
    }
  };
  const auto leer_ = [&l](RasterTyp raster) { return l.Fach[raster] == leer; };
  const bool sprachen = l.SchwerpunktFS == 1;
  const bool naturwiss = l.SchwerpunktFS == 0;
  const bool projektkurs = l.Q1Modell == 0 || l.Q1Modell == 2;

  melde(leer_(FS1), "Es wurde keine erste Fremdsprache gewählt.");
  melde(leer_(FS2) && sprachen, "Es wurde keine zweite Fremdsprache gewählt.");
  melde(leer_(NW1), "Es wurde keine erste Naturwissenschaft gewählt.");
  melde(leer_(NW2) && naturwiss, "Es wurde keine zweite Naturwisenschaft gewählt.");
  melde(leer_(GW), "Es wurde keine Gesellschaftswissenschaft gewählt.");
  melde(leer_(Et), "Es wurde kein ethisches Fach gewählt.");
  melde(leer_(KM), "Es wurde kein künstlerisches Fach gewählt.");
  melde(leer_(Wa1), "Es wurde kein erstes Wahlfach gewählt.");
  if (leer_(Wa2)) {
    melde(true, l.EFModell == 3 ? "Es wurde kein erster Vertiefungskurs gewählt."
                                : "Es wurde kein zweites Wahlfach gewählt.");
  }
  if (leer_(VK1)) {
    melde(l.EFModell == 1, "Es wurde kein drittes Wahlfach gewählt.");
    melde(l.EFModell == 2, "Es wurde kein erster  Vertiefungskurs gewählt.");
    melde(l.EFModell == 3, "Es wurde kein zweiter Vertiefungskurs gewählt.");
  }
  melde(leer_(PK) && projektkurs, "Es wurde kein Projektkurs gewählt.");
  melde(projektkurs && l.Fach[PK] == PKKG && l.Fach[KM] != Ku,
        "Zum Projektkurs Künstlerisches Gestalten fehlt das Referenzfach Kunst in JgSt Q1 (12) !");
  melde(projektkurs && l.Fach[PK] == PKIA && !ProjektkursReferenz(l),
        "Zum Projektkurs Israelprojekt fehlt das Referenzfach in JgSt Q1 (12) !");
  melde(projektkurs && l.Fach[PK] == PKAP && !ProjektkursReferenz(l),
        "Zum Projektkurs Asienprojekt fehlt das Referenzfach in JgSt Q1 (12) !");
  melde(l.VKQ22 == 1 && leer_(VK3), "Es wurde kein Vertiefungskurs in JgSt Q2.2 (13.2) gewählt.");
  melde(naturwiss && l.Fach[NW1] == l.Fach[NW2], "Die beiden Naturwissenschaften sind nicht verschieden.");
  melde(sprachen && l.Fach[FS1] == l.Fach[FS2], "Die beiden Fremdsprachen sind nicht verschieden.");
  melde(l.EFModell == 3 && l.Fach[Wa2] == l.Fach[VK1],
        "Die beiden Vertiefungskurse der JgSt EF (11) sind nicht verschieden.");

  // The rows above the electives that an elective must not repeat.
  const auto obenGewaehlt = [&](FachTyp fach) {
    return fach == l.Fach[NW1] || (naturwiss && fach == l.Fach[NW2]) || fach == l.Fach[FS1] ||
           (sprachen && fach == l.Fach[FS2]) || fach == l.Fach[GW] || fach == l.Fach[KM];
  };
  melde(obenGewaehlt(l.Fach[Wa1]), "Das Wahlfach wurde bereits weiter oben gewählt.");
  melde(l.EFModell != 3 && !leer_(Wa2) && (obenGewaehlt(l.Fach[Wa2]) || l.Fach[Wa2] == l.Fach[Wa1]),
        "Das zweite Wahlfach wurde bereits weiter oben gewählt.");
  melde(l.EFModell == 1 && !leer_(VK1) &&
            (obenGewaehlt(l.Fach[VK1]) || l.Fach[VK1] == l.Fach[Wa1] || l.Fach[VK1] == l.Fach[Wa2]),
        "Das dritte Wahlfach wurde bereits weiter oben gewählt.");

  std::vector<FachTyp> efSprachzeilen{l.Fach[FS1]};
  if (sprachen) {
    efSprachzeilen.push_back(l.Fach[FS2]);
  }
  efSprachzeilen.push_back(l.Fach[Wa1]);
  efSprachzeilen.push_back(l.Fach[Wa2]);
  if (l.EFModell == 1) {
    efSprachzeilen.push_back(l.Fach[VK1]);
  }
  const auto anzahl = [&efSprachzeilen](std::initializer_list<FachTyp> menge) {
    return std::count_if(efSprachzeilen.begin(), efSprachzeilen.end(),
                         [menge](FachTyp fach) { return IstEine(fach, menge); });
  };
  melde(anzahl({I0, I9}) > 1, "Italienisch wurde in zwei verschiedenen Kursen gewählt.");
  melde(anzahl({I0}) > 1, "Es kann nur eine neueinsetzende Fremdsprache in JgSt EF gewählt werden.");

  const auto fortgefuehrt = [](FachTyp fach) { return IstEine(fach, {E5, F7, L7}); };
  melde(IstNeueSprache(l.Fach[FS1]) && naturwiss && !fortgefuehrt(l.Fach[Wa1]) &&
            (!fortgefuehrt(l.Fach[Wa2]) || (l.AbwahlEF == 1 && l.EFModell == 2)) &&
            (!fortgefuehrt(l.Fach[VK1]) || (l.AbwahlEF == 1 && l.EFModell == 1)),
        "Es wurde keine Fremdsprache aus der Sekundarstufe I in der gesamten EF fortgeführt.");
  melde(sprachen && l.Fach[NW1] == Inf && !(IstNaturwissenschaft(l.Fach[Wa1]) && WahlfachInQ(l) && l.AbwahlWa1 == 0),
        "Informatik kann in Q1 und Q2 nur belegt werden, wenn darüberhinaus eine Naturwissenschaft (d. h.Biologie, "
        "Chemie oder Physik) in Q1 und Q2 durchgängig belegt ist.");
  melde(sprachen && l.Fach[NW1] == Inf && !IstNaturwissenschaft(l.Fach[Wa1]) &&
            (!IstNaturwissenschaft(l.Fach[Wa2]) || (l.AbwahlEF == 1 && l.EFModell == 2)) &&
            (!IstNaturwissenschaft(l.Fach[VK1]) || (l.AbwahlEF == 1 && l.EFModell == 1)),
        "Informatik kann in der EF nur belegt werden, wenn darüberhinaus eine Naturwissenschaft (d. h.Biologie, "
        "Chemie oder Physik) in der EF durchgängig belegt ist.");

  std::array<int, 5> rollen{};
  for (std::int32_t rolle : l.AbiWahl) {
    if (rolle >= 0 && rolle <= 4) {
      ++rollen[static_cast<std::size_t>(rolle)];
    }
  }
  melde(rollen[1] == 0, "Es fehlt der LK 1.");
  melde(rollen[2] == 0, "Es fehlt der LK 2.");
  melde(rollen[3] == 0, "Es fehlt das 3. Abifach (schr.).");
  melde(rollen[4] == 0, "Es fehlt das 4. Abifach (mündl.).");
  melde(rollen[1] > 1, "Der LK 1 wurde mehrfach gewählt.");
  melde(rollen[2] > 1, "Der LK 2 wurde mehrfach gewählt.");
  melde(rollen[3] > 1, "Das 3. Abifach (schr.) wurde mehrfach gewählt.");
  melde(rollen[4] > 1, "Das 4. Abifach (mündl.) wurde mehrfach gewählt.");

  const auto abitur = [&l](RasterTyp raster) { return Rolle(l, raster) >= 1 && Rolle(l, raster) <= 4; };
  melde(Rolle(l, Sp) == 3 || Rolle(l, Sp) == 4, "Sport kann nicht als 3. oder 4. Abiturfach gewählt werden.");
  melde(abitur(KM) && (l.AbwahlKM == 2 || l.AbwahlKM == 3),
        "Das künstlerische Fach als Abiturfach kann nicht nach JgSt Q1 (12) abgewählt werden.");
  melde(abitur(Et) && (l.AbwahlEt == 2 || l.AbwahlEt == 3),
        "Das ethische oder gesellschaftliche Fach als Abiturfach kann nicht nach JgSt Q1 (12) abgewählt werden.");
  melde(abitur(Wa1) && l.AbwahlWa1 >= 1 && l.AbwahlWa1 <= 3,
        "Das erste Wahlfach als Abiturfach kann nicht nach JgSt Q1 (12) oder Q2.1 (13.1) abgewählt werden.");
  melde(abitur(Wa1) && l.Q1Modell == 0,
        "Das erste Wahlfach als Abiturfach kann nicht nach der JgSt EF abgewählt werden.");
  melde(abitur(KM) && l.LitWahl >= 1 && l.LitWahl <= 3,
        "Literatur, vokalpraktischer und instrumentalpraktischr Kurs können nicht als Abiturfach gewählt werden.");
  melde(WahlfachInQ(l) && l.Fach[Wa1] == L7, "Latein kann nicht in JgSt 12 (Q1) gewählt werden.");
  melde(WahlfachInQ(l) && IstKunstfach(l.Fach[Wa1]),
        "In JgSt 12 (Q1) kann aus stundenplantechnischen Gründen nicht gleichzeitig Kunst und Musik gewählt "
        "werden.");
  return m;
}

std::vector<std::string> RegelnGruppeB(const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z) {
  std::vector<std::string> m;
  const auto melde = [&m](bool verletzt, const char* text) {
    if (verletzt) {
      m.emplace_back(text);
    }
  };
  const auto rolle = [&l](RasterTyp raster) { return Rolle(l, raster); };
  const auto abitur = [&l](RasterTyp raster) { return Rolle(l, raster) > 0; };
  const auto lk = [&l](RasterTyp raster) { return Rolle(l, raster) == 1 || Rolle(l, raster) == 2; };
  const auto schriftlich = [&l](RasterTyp raster) { return l.Schriftlich[raster] == 1; };
  const bool sprachen = l.SchwerpunktFS == 1;
  const bool naturwiss = l.SchwerpunktFS == 0;
  const bool wahlfachQ = WahlfachInQ(l);
  const FachTyp fs1 = l.Fach[FS1];
  const FachTyp fs2 = l.Fach[FS2];
  const FachTyp nw1 = l.Fach[NW1];
  const FachTyp nw2 = l.Fach[NW2];
  const FachTyp gw = l.Fach[GW];
  const FachTyp wa1 = l.Fach[Wa1];
  const FachTyp wa2 = l.Fach[Wa2];
  const FachTyp vk1 = l.Fach[VK1];

  melde(!(rolle(De) == 1 || rolle(Ma) == 1 || (rolle(FS1) == 1 && fs1 == E5) || (rolle(FS2) == 1 && fs2 == E5) ||
          (rolle(GW) == 1 && IstEine(gw, {Sw, Erd})) || (rolle(Wa1) == 1 && IstEine(wa1, {E5, Sw, Erd})) ||
          rolle(Sp) == 1),
        "Deutsch, Mathematik, Englisch, Sozialwissenschaften, Erdkunde oder Sport wurde nicht als LK A bewählt.");
  melde(!((rolle(NW1) == 2 && IstEine(nw1, {Bi, Ph})) || (rolle(NW2) == 2 && naturwiss && IstEine(nw2, {Bi, Ph})) ||
          (rolle(GW) == 2 && gw == Ge) || (rolle(FS1) == 2 && fs1 == E5) ||
          (rolle(FS2) == 2 && sprachen && fs2 == E5) || rolle(De) == 2 || rolle(Ma) == 2 ||
          (rolle(KM) == 2 && l.Fach[KM] == Ku) || (rolle(Wa1) == 2 && IstEine(wa1, {E5, Bi, Ph, Ge}))),
        "Biologie, Physik, Geschichte, Kunst, Deutsch, Englisch oder Mathematik wurde nicht als LK B gewählt.");
  melde(!(abitur(De) || abitur(FS1) || (sprachen && abitur(FS2)) ||
          (wahlfachQ && abitur(Wa1) && IstFortgefuehrteSprache(wa1))),
        "Eine Fremdsprache oder Deutsch muss unter den Abiturfächern sein !");
  melde(!(abitur(Ma) || abitur(NW1) || abitur(NW2) || (wahlfachQ && abitur(Wa1) && IstNaturwissenschaft(wa1))),
        "Eine Naturwissenschaft oder Mathematik muss unter den Abiturfächern sein !");
  melde(!(abitur(GW) || (abitur(Et) && (IstReligion(l.Fach[Et]) || l.Fach[Et] == Pl)) ||
          (wahlfachQ && abitur(Wa1) && IstGesellschaftswissenschaft(wa1))),
        "Eine Gesellschaftswissenschaft oder Religion muss unter den Abiturfächern sein !");
  melde(!(lk(De) || lk(Ma) || lk(FS1) || (sprachen && lk(FS2)) || lk(NW1) || (naturwiss && lk(NW2)) ||
          (lk(Wa1) && IstEine(wa1, {E5, Bi, Ch, Ph, F7, I9}) && wahlfachQ)),
        "Ein Leistungskurs muss eine fortgeführte Fremdsprache, Mathematik, Deutsch oder eine Naturwissenschaft "
        "sein !");
  const auto abiturfach = [&l](RasterTyp raster) { return Rolle(l, raster) >= 1 && Rolle(l, raster) <= 4; };
  const bool fremdspracheAbitur = abiturfach(FS1) || (sprachen && abiturfach(FS2)) ||
                                  (wahlfachQ && abiturfach(Wa1) && IstFortgefuehrteSprache(wa1));
  const int kernfaecher = (abiturfach(De) ? 1 : 0) + (abiturfach(Ma) ? 1 : 0) + (fremdspracheAbitur ? 1 : 0);
  melde(kernfaecher < 2,
        "Unter den vier Abiturfächern müssen zwei der Fächer Deutsch, Mathematik und Fremdsprache sein !");
  melde(abitur(Sp) && abitur(Et) && IstReligion(l.Fach[Et]),
        "Sport und Religion können nicht gleichzeitig als Abiturfächer gewählt werden.");
  melde(l.EFModell == 0 &&
            !(IstNeueSprache(fs1) || (sprachen && IstNeueSprache(fs2)) || IstNeueSprache(wa1) || IstNeueSprache(wa2)),
        "11 Grundkurse, d. h. 2 Wahlfächer, ohne Vertiefungskurs können nur gewählt werden, wenn Italienisch (ab 11) "
        "unter den Grundkursen der EF ist.");

  const double diff = a.stunden.StundenDiffQ;
  const bool zuVielAbgewaehlt = l.AbwahlKM == 2 || l.AbwahlKM == 3 || l.AbwahlEt == 2 || l.AbwahlEt == 3 ||
                                (wahlfachQ && (l.AbwahlWa1 == 2 || l.AbwahlWa1 == 3));
  melde(diff < 0 && zuVielAbgewaehlt,
        "Da zu viele Fächer abgewählt wurden, wird die minimale Stundenzahl von 68 Stunden in der "
        "Qualifikationsphase unterschritten.");
  melde(diff < 0 && !zuVielAbgewaehlt,
        "Wird ein Projektkurs gewählt, muss in JgSt Q2.2 (13.2) ein Vertiefungskurs gewählt werden, es sei denn es "
        "wird Italienisch als neueinsetzende Fremdsparche ab JgSt EF durchgängig belegt oder es sind 2 Zusatzkurse "
        "eingeplant. Sehr gute Schüler/innen sollen in diesem Fall statt der Wahl eines Vertiefungskurses in der Q2.2 "
        "(13.1) in der Q1.1 (12.1) ein Wahlfach fortführen.");
  const auto& k = a.Kurszahl;
  melde(k[3] < 7 || k[4] < 7 || k[5] < 7 || k[6] < 7,
        "Da zu viele Fächer abgewählt wurden, wird die minimal notwendige Zahl von 8 belegten Grundkursen in jedem "
        "Halbjahr der Qualifikationsphase unterschritten. Sie müssen in mind. einem Halbjahr der "
        "Qualifikationsphase einen weiteren Kurs belegen.");
  melde((l.AbwahlEt == 0 || l.AbwahlEt == 3) && (l.AbwahlKM == 0 || l.AbwahlKM == 3) && a.zusatzkurse.ZKAnzahl == 2,
        "Aus stundenplantechnischen Gründen  muss bei zwei notwendigen Zusatzkursen in der JgSt Q2 entweder das "
        "ethische Fach (Religion bzw. Philosophie) oder das künstlerische Fach (Ku bzw. Musik) abgewählt werden.");
  melde(a.stunden.KurszahlQ < 38,
        "Sie haben ohne Zählung von Vertiefungskursen weniger als 38 Kurse in der Qualifikationsphase belegt.");
  melde(wahlfachQ && l.AbwahlWa1 == 1 && IstEine(wa1, {Ge, Sw}),
        "Geschichte oder Sozialwissenschaften als Wahlfach darf nicht am Ende der JgSt Q1.1 abgewählt werden, da "
        "sonst in diesem Fach zusätzlich zur Belegung in der Q1 ein Zusatzkurs in der JgSt Q2 notwendig wäre.");
  melde((lk(Sp) || lk(KM)) && wahlfachQ,
        "Aus stundenplantechnischen Gründen kann nicht gleichzeitig Sport- oder Kunst-LK und ein Wahlfach in der Q1 "
        "(11) gewählt werden.");
  const bool neueSpracheQ = IstNeueSprache(fs1) || (sprachen && IstNeueSprache(fs2)) ||
                            (IstNeueSprache(wa1) && wahlfachQ && (l.AbwahlWa1 == 0 || l.AbwahlWa1 == 3));
  melde(neueSpracheQ && gw == Erd && a.zusatzkurse.ZKAnzahl == 2 && (l.AbwahlWa1 == 0 || l.AbwahlWa1 == 3),
        "Aus stundenplantechnischen Gründen kann Erdkunde als einzige Gesellschaftswissenschaft in der Q1 nur "
        "gewählt werden, wenn keine neueinsetzende Fremdsprache in der JgST Q2 gewählt wird.");

  const bool ersteHaelfteOderPlanbar = z.Wahlphase() < 3 || l.AbwahlEF == 0;
  if (z.Stufe == 0) {
    melde(!((schriftlich(NW1) && IstNaturwissenschaft(nw1)) ||
            (naturwiss && schriftlich(NW2) && IstNaturwissenschaft(nw2)) ||
            (schriftlich(Wa1) && IstNaturwissenschaft(wa1)) ||
            ((l.EFModell == 0 || l.EFModell == 1) && IstNaturwissenschaft(wa2) && schriftlich(Wa2)) ||
            (l.EFModell == 2 && IstNaturwissenschaft(wa2) && ersteHaelfteOderPlanbar && schriftlich(Wa2)) ||
            (l.EFModell == 1 && IstNaturwissenschaft(vk1) && ersteHaelfteOderPlanbar && schriftlich(VK1))),
          "In der Stufe EF muss eine Naturwissenschaft (Biologie, Physik oder Chemie) schriftlich belegt sein.");
    melde(!(schriftlich(GW) || (schriftlich(Wa1) && IstGesellschaftswissenschaft(wa1)) ||
            ((l.EFModell == 0 || l.EFModell == 1 || (l.EFModell == 2 && ersteHaelfteOderPlanbar)) && schriftlich(Wa2) &&
             IstGesellschaftswissenschaft(wa2)) ||
            (l.EFModell == 1 && schriftlich(VK1) && IstGesellschaftswissenschaft(vk1) && ersteHaelfteOderPlanbar)),
          "In der Stufe EF muss eine Gesellschaftswissenschaft (Geschich., Sozialwiss. oder Erdkunde) schriftlich "
          "belegt sein.");
  }
  if (z.Stufe == 1 || (z.Stufe == 2 && z.Halbjahr() == 1)) {
    melde(naturwiss && !((schriftlich(NW1) && IstNaturwissenschaftOderInformatik(nw1)) ||
                         (schriftlich(NW2) && IstNaturwissenschaftOderInformatik(nw2)) ||
                         (wahlfachQ && schriftlich(Wa1) && IstNaturwissenschaftOderInformatik(wa1) &&
                          (l.AbwahlWa1 == 0 || l.AbwahlWa1 == 3))),
          "In den Stufen Q1 und Q2.1 muss bei naturwissenschaftlichem Schwerpunkt eine Naturwissenschaft oder "
          "Informatik durchgängig schriftlich belegt sein.");
    melde(l.Q1Modell == 2 && IstNeueSprache(wa1) && !schriftlich(Wa1),
          "Die neueinsetzende Fremdsprache Italienisch muss in Q1 und Q2.1 schriftlich belegt werden.");
  }
  if (z.Stufe == 1) {
    melde(!schriftlich(GW) && !(schriftlich(Wa1) && IstGesellschaftswissenschaft(wa1) && wahlfachQ && l.AbwahlWa1 != 1),
          "In der Stufe Q1 muss eine Gesellschaftswissenschaft (Geschich., Sozialwiss. oder Erdkunde) durchgängig "
          "schriftlich belegt sein.");
  }
  return m;
}

}  // namespace kelvaro
