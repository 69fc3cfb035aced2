#include "evaluation/Pruefung.h"

#include "evaluation/FliessKomma.h"
#include "evaluation/Pruefregeln.h"

namespace kelvaro {

namespace {

std::string Paar(int a, int b) {
  return a == b ? std::to_string(a) : "(" + std::to_string(a) + "/" + std::to_string(b) + ")";
}

}  // namespace

Pruefbericht LaufbahnPruefen(const Laufbahn& l, const Abgeleitet& a, const Laufzeit& z) {
  Pruefbericht bericht;
  std::vector<std::string>& zeilen = bericht.Zeilen;
  zeilen.emplace_back("Prüfung der eingegebenen Wahlen:");
  for (std::string& meldung : RegelnGruppeA(l)) {
    zeilen.push_back(std::move(meldung));
  }
  if (zeilen.size() == 1) {
    for (std::string& meldung : RegelnGruppeB(l, a, z)) {
      zeilen.push_back(std::move(meldung));
    }
  }
  bericht.MeldungszahlRegeln = static_cast<int>(zeilen.size());
  if (!bericht.RegelnErfuellt()) {
    bericht.Farbe = ui::farben::Gelb;
    return bericht;
  }
  bericht.NotenberechnungMoeglich = true;
  bericht.WahlzettelDruckbar =
      z.Stufe < 2 || l.AbiNoteBerechnet == 1 || z.Lehrermodus == 1 || (z.Stufe == 2 && z.Wahlphase() > 1);
  bericht.Farbe = ui::Farbe{180, 250, 170};
  const Stundenbilanz& s = a.stunden;
  zeilen.emplace_back("Die Wahl ist nach den Berechnungen des Computers so möglich. Diese Angaben werden");
  zeilen.emplace_back("nach Abgabe des Wahlzettels von der Schule nochmals geprüft. Bei weiteren Fragen");
  zeilen.emplace_back("erhalten Sie Auskunft bei den Jahrgangsstufenleitern oder dem Oberstufenkoordinator.");
  zeilen.emplace_back("Das Zustandekommen einzelner Kurse hängt immer auch vom Wahlverhalten der gesamten");
  zeilen.push_back("Jahrgangsstufe ab. Die Regelungen gelten in dieser Form für den Abiturjahrgang" +
                   z.edition.Abiturjahrgang + " (G8).");
  zeilen.emplace_back(
      "Wir wünschen Ihnen einen guten Start in die Oberstufe und allzeit viel Erfolg bis zum bestandenen "
      "Abitur !");
  zeilen.emplace_back("");
  zeilen.emplace_back("Sie haben in 45-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:");
  zeilen.push_back("JgSt EF: " + FliessKomma(s.StundenEF) + " Stunden   JgSt Q1: " + FliessKomma(s.StundenQ1) +
                   " Stunden   JgSt Q2: " + FliessKomma(s.StundenQ2) + " Stunden");
  zeilen.push_back("Damit haben Sie insgesamt " + FliessKomma(s.StundenEF + s.StundenQ1 + s.StundenQ2) +
                   " Wochenstunden belegt.");
  zeilen.emplace_back("102 Wochenstunden sind mindestens notwendig, davon mind. 68 in Q1 und Q2.");
  zeilen.push_back("Sie haben in JgSt Q1 und Q2 ohne Zählung eines Vertiefungskurses insgesamt " +
                   std::to_string(s.KurszahlQ) + " Kurse belegt. 38 Kurse sind mindestens notwendig.");
  zeilen.emplace_back("");
  zeilen.emplace_back("Sie haben in 60-Minuten-Stunden gerechnet folgende Wochenstundenzahlen belegt:");
  const auto& h = s.Stunden60;
  const std::string q2 =
      l.VKQ22 == 1 ? "(" + std::to_string(h[5]) + "/" + std::to_string(h[6]) + ",5)" : Paar(h[5], h[6]);
  zeilen.push_back("JgSt EF: " + Paar(h[1], h[2]) + " Stunden  JgSt Q1: " + Paar(h[3], h[4]) +
                   " Stunden  JgSt Q2: " + q2 + " Stunden.");
  if (l.AbiNoteBerechnet == 0 && z.Stufe == 2 && z.Wahlphase() == 1 && z.Lehrermodus == 0) {
    zeilen.emplace_back("");
    zeilen.emplace_back("Zum Ausdruck des Wahlzettels muss zuerst die geschätzte Abiturnote berechnet werden.");
    zeilen.emplace_back("Die eingegebenen Noten können im Hauptmenü mit den gewählten Fächern gespeichert werden.");
  }
  return bericht;
}

}  // namespace kelvaro
