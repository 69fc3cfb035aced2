#include "grades/Notenblatt.h"

#include "evaluation/FliessKomma.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro {

namespace {

using ui::Farbe;
namespace farben = ui::farben;

constexpr Farbe Warnung{250, 160, 0};
constexpr Farbe Fehler{255, 0, 0};
constexpr Farbe Hellgruen{180, 250, 170};
constexpr Farbe Dunkelgruen{0, 128, 0};
constexpr Farbe Hellgrau{230, 230, 230};

std::size_t I(int index) {
  return static_cast<std::size_t>(index);
}

std::string Zahl(int wert) {
  return std::to_string(wert);
}

std::string ZweiStellen(double wert) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%.2f", wert);
  std::string text(puffer);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// counted / weighted exactly with two decimals, halves rounded up.
std::string ZweiStellenGenau(int zaehler, int nenner) {
  const int hundertstel = (200 * zaehler + nenner) / (2 * nenner);
  const int rest = hundertstel % 100;
  return Zahl(hundertstel / 100) + "," + (rest < 10 ? "0" : "") + Zahl(rest);
}

Textzeile Zeile(std::string text, Farbe farbe = farben::Schwarz, bool fett = false) {
  return Textzeile{{Textstueck{std::move(text), farbe, std::nullopt, fett}}};
}

Textzeile Auf(std::string text, Farbe hintergrund) {
  return Textzeile{{Textstueck{std::move(text), farben::Schwarz, hintergrund, false}}};
}

Farbe Gruppenfarbe(int gruppe, Farbe hintergrund) {
  switch (gruppe) {
    case 100:
      return Farbe{255, 0, 0};
    case 110:
      return Farbe{250, 160, 0};
    case 200:
      return Farbe{0, 255, 0};
    case 300:
      return Farbe{255, 255, 0};
    case 500:
      return Farbe{128, 0, 128};
    case 600:
      return Farbe{128, 128, 128};
    case 700:
      return Farbe{0, 128, 0};
    case 900:
      return Farbe{0, 255, 255};
    case 1600:
      return Farbe{255, 0, 255};
    default:
      return hintergrund;
  }
}

Farbe Statusfarbe(std::uint8_t status) {
  switch (status) {
    case LK:
      return Hellgrau;
    case Abi:
      return farben::Aqua;
    case Pflicht:
      return Fehler;
    case WahlFa:
      return farben::Gelb;
    case Freiw:
      return Hellgruen;
    default:
      return Dunkelgruen;
  }
}

const char* Artkuerzel(std::uint8_t art) {
  static constexpr const char* kuerzel[] = {"LK", "Ab3", "Ab4", "GK", "ZK", "PJK"};
  return art <= Pjku ? kuerzel[art] : "";
}

Textblock GewerteteKurse(const Notenergebnis& e) {
  Textblock b;
  if (e.PruefungBestanden == 1 && e.ZulassungBestanden == 1) {
    b[0] = Zeile("Abitur bestanden mit der Abiturnote (Numerus Clausus) " + FestkommaEineStelle(e.AbiNote) +
                     "  ,   insgesamt " + Zahl(e.Gesamtpunkte) + " Punkte",
                 farben::Schwarz, true);
  } else {
    std::string text = "Abitur nicht bestanden ! (";
    if (e.ZulassungBestanden == 0) {
      text += "Zulassung nicht erreicht";
    }
    if (e.ZulassungBestanden == 0 && e.PruefungBestanden == 0) {
      text += ", ";
    }
    if (e.PruefungBestanden == 0) {
      text += "Ergebnisse der Abiturprüfungen zu schlecht";
    }
    b[0] = Zeile(text + ")", Fehler, true);
  }
  if (!e.Maengel.empty()) {
    // An incomplete grade book: what is missing instead of the counted courses.
    for (std::size_t i = 0; i < e.Maengel.size() && i + 1 < b.size(); ++i) {
      b[i + 1] = Zeile(e.Maengel[i], Fehler);
    }
    return b;
  }
  b[1] = Zeile("Laut APOGOSt müssen bei Ihnen 27-32 GKs und alle 8 LKs der Q1 und Q2 in die Abiturwertung eingehen.");
  b[2] = Zeile("Eine optimale Abiturnote wird bei Ihnen erzielt, wenn " + Zahl(e.GewerteteGKs) +
               " GKs in Ihre Abiturwertung eingehen.");
  b[3] =
      Auf("Die " + Zahl(e.Pflichtkurse) + " rot dargestellten Pflichtgrundkurse gehen dabei in Ihre Abiturwertung ein.",
          Fehler);
  const int k = e.GewerteteWahlkurse;
  if (k >= 2) {
    b[4] =
        Auf("Die " + Zahl(k) +
                " gelb dargestellten Wahlkurse werden als Ihre weiteren besten GKs in die Abiturweretung einbezogen.",
            farben::Gelb);
  } else if (k == 1) {
    b[4] = Auf("Der gelb dargestellte Wahlkurs wird als Ihr weiterer bester GK in die Abiturweretung einbezogen.",
               farben::Gelb);
  } else {
    b[4] = Auf("Kein weiterer Wahlkurs wird in die Abiturweretung einbezogen.", farben::Gelb);
  }
  return b;
}

Textblock NichtGewerteteKurse(const Notenergebnis& e) {
  const int q = e.FreiwilligeKurse;
  const int b = e.NichtGewerteteKurse - q;
  const int r = std::min(e.BelegteKurse - 38, q);
  Textblock t;
  t[0] = Zeile(
      "Bei insgesamt " + Zahl(e.BelegteKurse) + " belegten Kursen müssen mind. 38 auf dem Abiturzeuignis erscheinen",
      farben::Schwarz, true);
  t[1] = Zeile(
      "Hell- oder dunkelgrün dargestelte Grundkurse gehen nicht in Ihre Abiturwertung ein, sie erscheinen in "
      "Klammern.");
  if (b >= 2) {
    t[2] = Auf("Die " + Zahl(b) +
                   " dunkelgrün dargestellten Pflichtkurse müssen in jedem Fall auf dem Abiturzeugnis erscheinen.",
               Dunkelgruen);
  } else if (b == 1) {
    t[2] = Auf("Der einzige dunkelgrün dargestellten Pflichtkurs muss in jedem Fall auf dem Abiturzeugnis erscheinen.",
               Dunkelgruen);
  } else {
    t[2] = Auf("Sie haben keine weiteren Pflichtkurse, die zusätzlich auf dem Abiturzeugnis erscheinen müssen.",
               Dunkelgruen);
  }
  const std::string vonDen = "Von den " + Zahl(q) + " hellgrün dargestellten freiwilligen GKs ";
  if (q >= 2) {
    if (q - r >= 2) {
      t[3] = Auf(vonDen + "müssen mindestens " + Zahl(q - r) + " GKs auf dem Abiturzeugnis erscheinen.", Hellgruen);
    } else if (q - r == 1) {
      t[3] = Auf(vonDen + "muss mindestens 1 GK auf dem Abiturzeugnis erscheinen.", Hellgruen);
    } else {
      t[3] = Auf(vonDen + "muss kein GK auf dem Abiturzeugnis erscheinen.", Hellgruen);
    }
  } else if (q == 1) {
    t[3] =
        Auf(r != 0 ? "Der einzige hellgrün dargestellten freiwillige GKs muss nicht auf dem Abiturzeugnis erscheinen."
                   : "Der einzige hellgrün dargestellten freiwillige GKs muss auf dem Abiturzeugnis erscheinen.",
            Hellgruen);
  }
  if (r >= 2) {
    t[4] = Auf("Bis zu " + Zahl(r) +
                   " der hellgrün markierten GKs können von Ihnen auf Wunsch auf dem Abiturzeugnis gestrichen werden.",
               Hellgruen);
  } else if (r == 1) {
    t[4] = Auf(
        "Bis zu einer der hellgrün markierten GKs kann von Ihnen auf Wunsch auf dem Abiturzeugnis gestrichen werden.",
        Hellgruen);
  } else if (r == 0) {
    t[4] = Auf("Kein GK kann von Ihnen auf dem Abiturzeugnis gestrichen werden.", Hellgruen);
  }
  return t;
}

Textblock Defizite(const Notenergebnis& e) {
  const int m = e.GewerteteGKs >= 30 ? 8 : 7;
  Textblock t;
  if (e.NullPunkteKurse == 0) {
    std::string text = "Gesamtpunkte in Block 1: " + Zahl(e.PunkteBlock1) + ", Durchschnittspunktzahl in Block 1: " +
                       ZweiStellenGenau(e.PunkteGK + e.PunkteLK, e.GewerteteGKs + 16) + " Punkte";
    if (e.ZulassungBestanden == 1) {
      text += "   Zugelassen";
    }
    t[0] = Zeile(text, farben::Schwarz, true);
    t[1] = Zeile("Vornote: " + FestkommaEineStelle(e.Vornote) + " bei " + Zahl(e.GewerteteGKs + 16) +
                 " Wertungskursen (LKs werden auch hier doppelt gezählt)");
  } else {
    t[0] = Zeile(Zahl(e.NullPunkteKurse) + " zählende Note 6, damit nicht zugelassen!", Fehler, true);
  }
  // The line keeps the colour the line before it was written in.
  Textzeile& gk = t[2];
  gk.stuecke.push_back({"GK-Bereich: " + Zahl(e.PunkteGK) + " Punkte, ",
                        e.NullPunkteKurse == 0 ? farben::Schwarz : Fehler, std::nullopt, false});
  if (e.DefiziteGK > 0) {
    const int k = e.DefiziteGKGewertet;
    const std::string davon = k == 0   ? ", davon kein zählendes GK-Defizit"
                              : k == 1 ? ", davon 1 zählendes GK-Defizit"
                                       : ", davon " + Zahl(k) + " zählende GK-Defizite";
    gk.stuecke.push_back({" " + Zahl(e.DefiziteGK) + (e.DefiziteGK == 1 ? " GK-Defizit " : " GK-Defizite ") + davon,
                          e.DefiziteGKGewertet > m ? Fehler : Warnung, std::nullopt, false});
  } else {
    gk.stuecke.push_back({"   keine GK-Defizite", farben::Schwarz, std::nullopt, false});
  }
  Textzeile& lk = t[3];
  lk.stuecke.push_back(
      {"LK-Bereich: " + Zahl(e.PunkteLK) + " Punkte (dop. Wert.), ", farben::Schwarz, std::nullopt, false});
  if (e.DefiziteLK > 0) {
    lk.stuecke.push_back({" " + Zahl(e.DefiziteLK) +
                              (e.DefiziteLK == 1 ? " LK-Defizit (max. 3 LK-Defizite erlaubt), "
                                                 : " LK-Defizite (max. 3 LK-Defizite erlaubt), "),
                          e.DefiziteLK < 4 ? Warnung : Fehler, std::nullopt, false});
  } else {
    lk.stuecke.push_back({" keine LK-Defizite", farben::Schwarz, std::nullopt, false});
  }
  if (e.DefiziteGewertet >= 1) {
    t[4] = Zeile(Zahl(e.DefiziteGewertet) +
                     (e.DefiziteGewertet == 1 ? " zählendes Defizit insgesamt" : " zählende Defizite insgesamt") +
                     " (bei " + Zahl(e.GewerteteGKs) + " gewerteten GKs max. " + Zahl(m) + " Defizite erlaubt)",
                 e.DefiziteGewertet > m ? Fehler : Warnung);
  }
  return t;
}

Textblock Abiturpruefungen(const Notenergebnis& e) {
  Textblock t;
  if (e.PruefungBestanden == 1 && e.ZulassungBestanden == 1) {
    t[0] = Zeile("Abitur bestanden mit der Abiturnote (Numerus Clausus) " + FestkommaEineStelle(e.AbiNote) +
                     "  ,   Insgesamt " + Zahl(e.Gesamtpunkte) + " Punkte",
                 farben::Schwarz, true);
  } else if (e.PruefungBestanden == 1 && e.ZulassungBestanden == 0) {
    t[0] = Zeile("Abitur nicht bestanden! (nicht zugelassen)", Fehler, true);
  } else {
    t[0] = Zeile("Abitur nicht bestanden! (Ergebnisse der Abiturprüfungen zu schlecht)", Fehler, true);
  }
  const int lk = e.LKPruefungenBestanden;
  t[1] = Zeile(Zahl(lk) + (lk == 1 ? " Leistungskursfach" : " Leistungskursfächer") +
                   " mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 1 Fach notwendig)",
               lk == 0   ? Fehler
               : lk == 1 ? Warnung
                         : farben::Schwarz);
  const int alle = e.PruefungenBestanden;
  t[2] = Zeile(Zahl(alle) + (alle == 1 ? " Abiturfach" : " Abiturfächer") +
                   " mit mind. ausreichender Note (5 Punkte) in der Abiturprüfung, (mind. 2 Fächer notwendig)",
               alle < 2   ? Fehler
               : alle < 4 ? Warnung
                          : farben::Schwarz);
  t[3] = Zeile(Zahl(e.PunkteBlock2) + " Punkte im Abiturbereich (mind. 100 Punkte notwendig)",
               e.PunkteBlock2 < 100   ? Fehler
               : e.PunkteBlock2 < 120 ? Warnung
                                      : farben::Schwarz);
  if (e.Abweichungen == 0) {
    t[4] = Zeile("keine Abweichprüfung");
  } else if (e.Abweichungen == 1) {
    t[4] = Zeile("eine Abweichprüfung im Fach " + e.AbweichungsFaecher + " (Abw. um mehr als 3,75 Punkte)");
  } else {
    t[4] = Zeile(Zahl(e.Abweichungen) + " Abweichprüfungen in den Fächern: " + e.AbweichungsFaecher +
                 " (Abw. um mehr als 3,75 Punkte)");
  }
  return t;
}

Textblock Eroeffnung() {
  Textblock t;
  const char* const zeilen[] = {
      "Die Berechnungen zur Abiturnote wurden an vielen Beispielen getestet. In allen Fällen kam das Programm zur "
      "richtigen Lösung.",
      "Dennoch kann grundsätzlich niemand ausschließen, dass in einem besonderen Fall eine Berechnung eines "
      "Computerprogramms",
      "zu einem falschen Ergebnis führen könnte. Die Berechnungen des Programms zu Ihrer Abiturnote sollen Ihnen "
      "somit zur",
      "Orientierung innerhalb Ihrer Oberstufenlaufbahn dienen. Verbindliche Auskünfte zum Bestehen des Abiturs oder "
      "zu Ihrer",
      "Abiturnote erhalten Sie immer von Ihren Beratungslehrern oder dem Oberstufenkoordinator, die Ihnen gerne "
      "weiterhelfen."};
  for (std::size_t i = 0; i < t.size(); ++i) {
    t[i] = Auf(zeilen[i], farben::Gelb);
  }
  return t;
}

Textblock Eingabehinweise(int fehlend) {
  Textblock t;
  t[0] = Zeile("Ändern Sie Ihre Noten und berechnen Sie anschließend Ihre Abiturnote!");
  t[1] = Zeile("Verschieben Sie die rote Eingabemarke mit der Maus und wählen Sie Ihre Noten im Notenfenster.");
  t[2] = Zeile("Defizite werden unterstrichen und fettgedruckt dargestellt.");
  t[3] = Zeile(fehlend == 0   ? "keine fehlenden Noten"
               : fehlend == 1 ? "Noch eine fehlende Note"
                              : "Noch " + Zahl(fehlend) + " fehlende Noten");
  return t;
}

}  // namespace

std::string Textzeile::Text() const {
  std::string text;
  for (const Textstueck& stueck : stuecke) {
    text += stueck.text;
  }
  return text;
}

Textblock Ansichtszeilen(int ansicht, const Notenergebnis& ergebnis, int fehlendeNoten) {
  switch (ansicht) {
    case 0:
      return GewerteteKurse(ergebnis);
    case 1:
      return NichtGewerteteKurse(ergebnis);
    case 2:
      return Defizite(ergebnis);
    case 3:
      return Abiturpruefungen(ergebnis);
    case 4:
      return Eroeffnung();
    default:
      return Eingabehinweise(fehlendeNoten);
  }
}

void Bildschirmausgabe(ui::Canvas& canvas, const Notenbuch& notenbuch, const Notenergebnis& ergebnis,
                       const Notenblattzustand& zustand) {
  const Farbe hintergrund = canvas.backgroundColor();
  const Farbe schwarz = farben::Schwarz;
  const int n = notenbuch.Kurse();
  canvas.fillRect({0, 0, ZeichenflaecheBreite, ZeichenflaecheHoehe}, hintergrund);

  canvas.text(20, 10,
              "Insgesamt " + Zahl(n) + " Fächer in Q1 und Q2  -  Prüfungsordnung " + std::string(Pruefungsordnung), 16,
              false, schwarz, hintergrund);
  canvas.text(23, 40, "Fach", 16, false, schwarz, hintergrund);
  const char* const halbjahre[] = {"Q1.1", "Q1.2", "Q2.1", "Q2.2"};
  for (int h = 0; h < 4; ++h) {
    canvas.text(321 + 60 * h, 40, halbjahre[h], 16, false, schwarz, hintergrund);
  }
  canvas.text(562, 40, "Abitur-", 10, false, schwarz, hintergrund);
  canvas.text(562, 54, "prüfung", 10, false, schwarz, hintergrund);
  canvas.text(622, 40, "Durch-", 10, false, schwarz, hintergrund);
  canvas.text(622, 54, "schnitt", 10, false, schwarz, hintergrund);
  for (int x : {20, 260, 320, 380, 440, 500, 560, 620, 680}) {
    canvas.line(x, 40, x, 30 * n + 69, 1, schwarz);
  }

  for (int p = 1; p <= n; ++p) {
    const int y = 30 * p + 40;
    const Farbe gruppe = Gruppenfarbe(notenbuch.KursFachgruppe[I(p)], hintergrund);
    canvas.fillRect({22, y, 259, 30 * p + 67}, gruppe);
    canvas.text(23, y, notenbuch.KursLangname[I(p)], 16, false, schwarz, gruppe);
    const std::uint8_t art = notenbuch.Art(p);
    Farbe artHintergrund = hintergrund;
    if (IstAbiturkurs(art)) {
      artHintergrund = farben::Aqua;
      canvas.fillRect({262, y, 319, 30 * p + 67}, artHintergrund);
    }
    canvas.text(262, y, Artkuerzel(art), 16, false, schwarz, artHintergrund);

    for (int h = 1; h <= NotenSlots; ++h) {
      const std::uint8_t status = notenbuch.Status(p, h);
      if (status == nichtbelegt) {
        continue;
      }
      const int x = 320 + 60 * (h - 1);
      Farbe zelle;
      if (zustand.Ausgewertet) {
        zelle = Statusfarbe(status);
      } else {
        zelle = h == zustand.EingabeSlot && p == zustand.EingabeKurs ? Fehler : Hellgruen;
      }
      canvas.fillRect({x + 2, 30 * p + 39, x + 59, 30 * p + 67}, zelle);
      const int punkte = notenbuch.Punkte(p, h);
      if (punkte == -1) {
        continue;
      }
      const bool klammer = zustand.Ausgewertet && (status == Freiw || status == kelvaro::Belegt);
      const int groesse = klammer ? 14 : 16;
      const int tiefer = klammer ? 2 : 0;
      const bool defizit = punkte < 5;
      const std::string zahl = Zahl(punkte);
      canvas.text(x + 3, 30 * p + 38 + tiefer, klammer ? "(" + zahl + ") " : zahl, groesse, defizit, schwarz, zelle);
      if (defizit) {
        const int w = klammer ? canvas.textWidth("(", groesse, true) : 0;
        const int unten = 30 * p + 63 + tiefer;
        canvas.line(x + 5 + w, unten, x + 5 + w + canvas.textWidth(zahl, groesse, true), unten, 5, schwarz);
      }
    }
    if (art == LKs || art == Ab3) {
      canvas.text(623, 30 * p + 38, ZweiStellen(ergebnis.Durchschnitt[I(p)]), 16, false, schwarz, hintergrund);
    }
    canvas.line(20, 30 * p + 38, 680, 30 * p + 38, 1, schwarz);
  }
  canvas.line(20, 30 * n + 68, 680, 30 * n + 68, 1, schwarz);

  const int y0 = 40 + static_cast<int>((n + 1.5) * 30);
  int groesse = 12;
  if (zustand.Ansicht == 4) {
    canvas.fillRect({20, y0, 830, y0 + 100}, farben::Gelb);
    groesse = 10;
  }
  const Textblock block = Ansichtszeilen(zustand.Ansicht, ergebnis, zustand.FehlendeNoten);
  for (std::size_t k = 0; k < block.size(); ++k) {
    int x = 20;
    const int y = y0 + 20 * static_cast<int>(k);
    for (const Textstueck& stueck : block[k].stuecke) {
      if (stueck.text.empty()) {
        continue;
      }
      canvas.text(x, y, stueck.text, groesse, stueck.fett, stueck.farbe, stueck.hintergrund.value_or(hintergrund));
      x += canvas.textWidth(stueck.text, groesse, stueck.fett);
    }
  }
}

}  // namespace kelvaro
