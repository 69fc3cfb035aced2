#include "app/Notenbefehl.h"

#include "app/Sitzung.h"

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "grades/Notenberechnung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <ostream>

namespace kelvaro {

namespace {

using nlohmann::ordered_json;

constexpr int ExitFehler = 2;

const char* const Aufrufzeile =
    "Aufruf: kelvaro grade DATEI.abi [--note P,H=N]... [--date JJJJ-MM-TT] [--stufe 0|1|2] [--save AUS.abi]\n";

const char* const Slotnamen[] = {"", "Q1.1", "Q1.2", "Q2.1", "Q2.2", "Abiturprüfung"};

std::optional<int> Zahl(const std::string& text) {
  int wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc{} || ende != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return wert;
}

struct Eintrag {
  int kurs = 0;
  int slot = 0;
  int punkte = 0;
};

// "P,H=N" with course, slot and points in range and a slot that takes points.
std::optional<Eintrag> EintragLesen(const std::string& text, const Notenbuch& buch, std::string& fehler) {
  const std::size_t komma = text.find(',');
  const std::size_t gleich = text.find('=');
  const std::string vorspann = "Note \"" + text + "\": ";
  if (komma == std::string::npos || gleich == std::string::npos || gleich < komma) {
    fehler = vorspann + "erwartet wird KURS,HALBJAHR=PUNKTE.";
    return std::nullopt;
  }
  const auto kurs = Zahl(text.substr(0, komma));
  const auto slot = Zahl(text.substr(komma + 1, gleich - komma - 1));
  const auto punkte = Zahl(text.substr(gleich + 1));
  if (!kurs || *kurs < 1 || *kurs > buch.Kurse()) {
    fehler = vorspann + "Kurs 1 bis " + std::to_string(buch.Kurse()) + " erwartet.";
    return std::nullopt;
  }
  if (!slot || *slot < 1 || *slot > NotenSlots) {
    fehler = vorspann + "Halbjahr 1 bis 5 erwartet (5 ist die Abiturprüfung).";
    return std::nullopt;
  }
  if (!punkte || !GueltigePunkte(*punkte)) {
    fehler = vorspann + "Punkte 0 bis 15 erwartet.";
    return std::nullopt;
  }
  if (!NimmtPunkte(buch, *kurs, *slot)) {
    fehler =
        vorspann + buch.KursLangname[static_cast<std::size_t>(*kurs)] + " hat in " + Slotnamen[*slot] + " keine Note.";
    return std::nullopt;
  }
  return Eintrag{*kurs, *slot, *punkte};
}

const char* Artname(std::uint8_t art) {
  static constexpr const char* namen[] = {"LK", "Ab3", "Ab4", "GK", "ZK", "PJK"};
  return art <= Pjku ? namen[art] : "";
}

const char* Statusname(std::uint8_t status) {
  static constexpr const char* namen[] = {"LK", "Abi", "Pflicht", "WahlFa", "Freiw", "Belegt", "nichtbelegt"};
  return status <= nichtbelegt ? namen[status] : "";
}

ordered_json ErgebnisAlsJson(const Notenbuch& buch, const Notenergebnis& e, int fehlendeNoten) {
  ordered_json j;
  j["PunkteBlock1"] = e.PunkteBlock1;
  j["DurchschnittBlock1"] = e.DurchschnittBlock1;
  j["GewerteteGKs"] = e.GewerteteGKs;
  j["Pflichtkurse"] = e.Pflichtkurse;
  j["GewerteteWahlkurse"] = e.GewerteteWahlkurse;
  j["NichtGewerteteKurse"] = e.NichtGewerteteKurse;
  j["FreiwilligeKurse"] = e.FreiwilligeKurse;
  j["BelegteKurse"] = e.BelegteKurse;
  j["PunkteGK"] = e.PunkteGK;
  j["PunkteLK"] = e.PunkteLK;
  j["DefiziteGK"] = e.DefiziteGK;
  j["DefiziteGKGewertet"] = e.DefiziteGKGewertet;
  j["DefiziteLK"] = e.DefiziteLK;
  j["DefiziteGewertet"] = e.DefiziteGewertet;
  j["MaxDefizite"] = e.MaxDefizite;
  j["NullPunkteKurse"] = e.NullPunkteKurse;
  j["ZuVieleDefizite"] = e.ZuVieleDefizite;
  j["ZulassungBestanden"] = e.ZulassungBestanden;
  j["PunkteBlock2"] = e.PunkteBlock2;
  j["Gesamtpunkte"] = e.Gesamtpunkte;
  j["AbiNote"] = e.AbiNote;
  j["Vornote"] = e.Vornote;
  j["PruefungBestanden"] = e.PruefungBestanden;
  j["LKPruefungenBestanden"] = e.LKPruefungenBestanden;
  j["PruefungenBestanden"] = e.PruefungenBestanden;
  j["Abweichungen"] = e.Abweichungen;
  j["AbweichungsFaecher"] = e.AbweichungsFaecher;
  j["ProjektkursAngepasst"] = e.ProjektkursAngepasst;
  j["Fehlerliste"] = e.Fehlerliste;
  j["Besonderheitenliste"] = e.Besonderheitenliste;
  ordered_json kurse = ordered_json::array();
  for (int p = 1; p <= buch.Kurse(); ++p) {
    const auto i = static_cast<std::size_t>(p);
    ordered_json kurs;
    kurs["KursLangname"] = buch.KursLangname[i];
    kurs["Art"] = Artname(buch.Art(p));
    ordered_json status = ordered_json::array();
    ordered_json noten = ordered_json::array();
    for (int h = 1; h <= NotenSlots; ++h) {
      status.push_back(Statusname(buch.Status(p, h)));
      noten.push_back(NimmtPunkte(buch, p, h) ? buch.Punkte(p, h) : -1);
    }
    kurs["Status"] = status;
    kurs["Noten"] = noten;
    kurs["Durchschnitt"] = e.Durchschnitt[i];
    kurse.push_back(kurs);
  }
  j["Kurse"] = kurse;
  ordered_json ansichten = ordered_json::array();
  for (int ansicht = 0; ansicht <= 3; ++ansicht) {
    ordered_json zeilen = ordered_json::array();
    for (const Textzeile& zeile : Ansichtszeilen(ansicht, e, fehlendeNoten)) {
      zeilen.push_back(zeile.Text());
    }
    ansichten.push_back(zeilen);
  }
  j["Ansichten"] = ansichten;
  return j;
}

}  // namespace

int NotenbefehlAusfuehren(const Notenaufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() != 1 || aufruf.sonstigeOptionen) {
    err << Aufrufzeile;
    return ExitFehler;
  }
  // The program as the desktop starts it, then "Öffnen".
  Sitzung sitzung(aufruf.heute, aufruf.stufe, std::filesystem::current_path());
  Programm& programm = sitzung.programm;
  const ui::ScriptedDialogs& dialogs = sitzung.dialogs;
  TForm1& hauptfenster = programm.hauptfenster();
  Laufzeit& z = programm.laufzeit();
  z.Dateipfad = aufruf.parameter[0];
  z.Dateiname = z.Dateipfad.filename().string();
  if (!hauptfenster.SchuelerLaden()) {
    err << dialogs.messages().back() << '\n';
    return ExitFehler;
  }

  programm.meldungsfenster().NotenBerechnungButClick();
  TForm4& fenster = programm.notenfenster();
  Laufbahn& l = programm.laufbahn();
  for (const std::string& text : aufruf.noten) {
    std::string fehler;
    const auto eintrag = EintragLesen(text, fenster.NotenbuchLesen(), fehler);
    if (!eintrag) {
      err << fehler << '\n';
      return ExitFehler;
    }
    l.Noten[static_cast<std::size_t>(eintrag->slot - 1)][static_cast<std::size_t>(eintrag->kurs)] = eintrag->punkte;
    l.AbiNoteBerechnet = 0;
  }
  fenster.Eroeffnungsphase();

  const auto speichern = [&]() {
    if (aufruf.speichern && !hauptfenster.DateiSpeichern(*aufruf.speichern)) {
      err << dialogs.messages().back() << '\n';
      return false;
    }
    return true;
  };
  if (fenster.FehlendeNoten > 0) {
    const Notenbuch buch = fenster.NotenbuchLesen();
    err << (fenster.FehlendeNoten == 1 ? "Es fehlt eine Note:\n"
                                       : "Es fehlen " + std::to_string(fenster.FehlendeNoten) + " Noten:\n");
    for (int p = 1; p <= buch.Kurse(); ++p) {
      for (int h = 1; h <= NotenSlots; ++h) {
        if (NimmtPunkte(buch, p, h) && !GueltigePunkte(buch.Punkte(p, h))) {
          err << "  " << p << "," << h << "  " << buch.KursLangname[static_cast<std::size_t>(p)] << ", " << Slotnamen[h]
              << '\n';
        }
      }
    }
    return speichern() ? 1 : ExitFehler;
  }

  const std::size_t meldungen = dialogs.messages().size();
  fenster.AbiturNoteBerechnenBut.userClick();
  for (std::size_t i = meldungen; i < dialogs.messages().size(); ++i) {
    err << dialogs.messages()[i] << '\n';
  }
  if (!speichern()) {
    return ExitFehler;
  }
  out << ErgebnisAlsJson(fenster.NotenbuchLesen(), fenster.Ergebnis, fenster.FehlendeNoten).dump(2) << '\n';
  return fenster.Ergebnis.ZulassungBestanden == 1 && fenster.Ergebnis.PruefungBestanden == 1 ? 0 : 1;
}

}  // namespace kelvaro
