#include "app/Kommandozeile.h"

#include "app/InfoBefehl.h"
#include "app/Lehrerbefehle.h"
#include "app/Namenspanel.h"
#include "app/Notenbefehl.h"
#include "app/PlanJson.h"
#include "app/Sitzung.h"
#include "evaluation/LaufbahnMeldung2027G9.h"
#include "evaluation/Pruefung.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "sheet/Barcode.h"
#include "sheet/Wahlzettel.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <sstream>

namespace kelvaro {

namespace {

constexpr int ExitFehler = 2;

const char* const Hilfe =
    "Aufruf: kelvaro <Befehl> [Optionen]\n"
    "Befehle:\n"
    "  show DATEI.abi              zeigt eine gespeicherte Laufbahn als JSON\n"
    "  edit [DATEI.abi] [--event STEUERELEMENT=WERT]... [--save AUS.abi]\n"
    "                              bedient das Hauptfenster wie ein Benutzer und zeigt das Ergebnis\n"
    "  check DATEI.abi             prüft eine gespeicherte Laufbahn und zeigt die Meldungen\n"
    "  barcode DATEI.abi [--vorname V] [--nachname N]\n"
    "                              zeigt die Werte und Zeichen des Barcodes eines Wahlzettels\n"
    "  sheet DATEI.abi --pdf AUS.pdf [--vorname V] [--nachname N]\n"
    "        [--alternativ-pk PROJEKTKURS] [--zweite-fs-sek1 0|1|2|3]\n"
    "                              druckt den Wahlzettel in eine PDF-Datei\n"
    "  scan STUFENVERZEICHNIS [--json]\n"
    "                              liest, was ein Barcodescanner tippte, von der Standardeingabe und\n"
    "                              speichert jeden Wahlzettel im Stufenordner\n"
    "  stage STUFENVERZEICHNIS [--csv]\n"
    "                              prüft alle Laufbahnen der Stufe und nennt, wer noch fehlt\n"
    "  grade DATEI.abi [--note P,H=N]... [--save AUS.abi]\n"
    "                              berechnet die Abiturnote (Kurs P, Halbjahr H 1..5, Punkte N)\n"
    "  info [THEMA]                zeigt den Text eines Info-Themas (0 bis 10) oder die Liste der Themen\n"
    "Optionen:\n"
    "  --date JJJJ-MM-TT  heutiges Datum, wie das Programm es sieht\n"
    "  --stufe 0|1|2      Regeln einer anderen Stufe (EF, Q1, Q2)\n"
    "Ohne Befehl startet das Programm mit seinen Fenstern; --date und --stufe gelten auch dort.\n";

struct Aufruf {
  std::string befehl;
  std::vector<std::string> parameter;
  ui::Datum heute;
  std::optional<int> stufe;
  std::vector<std::string> ereignisse;
  std::optional<std::filesystem::path> speichern;
  std::optional<std::string> vorname;
  std::optional<std::string> nachname;
  std::optional<std::filesystem::path> pdf;
  std::vector<std::string> noten;
  bool json = false;
  bool csv = false;
  NamenspanelEingaben namenspanel;
};

// A session in the process's working directory, with the date and stage of the call.
struct AufrufSitzung : Sitzung {
  explicit AufrufSitzung(const Aufruf& aufruf) : Sitzung(aufruf.heute, aufruf.stufe, std::filesystem::current_path()) {}
};

std::optional<int> Zahl(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool Schaltjahr(int jahr) {
  return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

std::optional<ui::Datum> DatumLesen(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto jahr = Zahl(text.substr(0, 4));
  const auto monat = Zahl(text.substr(5, 2));
  const auto tag = Zahl(text.substr(8, 2));
  if (!jahr || !monat || !tag || *monat < 1 || *monat > 12 || *tag < 1) {
    return std::nullopt;
  }
  static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int imMonat = tage[*monat - 1] + (*monat == 2 && Schaltjahr(*jahr) ? 1 : 0);
  if (*tag > imMonat) {
    return std::nullopt;
  }
  return ui::Datum{*jahr, *monat, *tag};
}

// Options may stand before or after the command.
std::optional<Aufruf> AufrufLesen(const std::vector<std::string>& argumente, const ui::Datum& heute,
                                  std::ostream& err) {
  Aufruf aufruf;
  aufruf.heute = heute;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& argument = argumente[i];
    if (argument == "--date" || argument == "--stufe" || argument == "--event" || argument == "--save" ||
        argument == "--vorname" || argument == "--nachname" || argument == "--pdf" || argument == "--alternativ-pk" ||
        argument == "--zweite-fs-sek1" || argument == "--note") {
      if (i + 1 >= argumente.size()) {
        err << "Die Option " << argument << " braucht einen Wert.\n";
        return std::nullopt;
      }
      const std::string& wert = argumente[++i];
      if (argument == "--date") {
        const auto datum = DatumLesen(wert);
        if (!datum) {
          err << "Ungültiges Datum \"" << wert << "\": erwartet wird JJJJ-MM-TT.\n";
          return std::nullopt;
        }
        aufruf.heute = *datum;
      } else if (argument == "--event") {
        aufruf.ereignisse.push_back(wert);
      } else if (argument == "--note") {
        aufruf.noten.push_back(wert);
      } else if (argument == "--save") {
        aufruf.speichern = wert;
      } else if (argument == "--pdf") {
        aufruf.pdf = wert;
      } else if (argument == "--vorname") {
        aufruf.vorname = wert;
      } else if (argument == "--nachname") {
        aufruf.nachname = wert;
      } else if (argument == "--alternativ-pk") {
        aufruf.namenspanel.alternativPK = wert;
      } else if (argument == "--zweite-fs-sek1") {
        const auto sprachen = Zahl(wert);
        if (!sprachen || *sprachen < 0 || *sprachen > 3) {
          err << "Ungültiger Wert \"" << wert
              << "\" für --zweite-fs-sek1: erlaubt sind 0 (keine), 1 (zweite Fremdsprache ab Klasse 7), 2 "
                 "(Italienisch ab Klasse 9) und 3 (beides).\n";
          return std::nullopt;
        }
        aufruf.namenspanel.zweiteFSSek1 = *sprachen;
      } else {
        const auto stufe = Zahl(wert);
        if (!stufe || *stufe < 0 || *stufe > 2) {
          err << "Ungültige Stufe \"" << wert << "\": erlaubt sind 0 (EF), 1 (Q1) und 2 (Q2).\n";
          return std::nullopt;
        }
        aufruf.stufe = *stufe;
      }
    } else if (argument == "--json") {
      aufruf.json = true;
    } else if (argument == "--csv") {
      aufruf.csv = true;
    } else if (argument.rfind("--", 0) == 0) {
      err << "Unbekannte Option \"" << argument << "\".\n" << Hilfe;
      return std::nullopt;
    } else if (aufruf.befehl.empty()) {
      aufruf.befehl = argument;
    } else {
      aufruf.parameter.push_back(argument);
    }
  }
  return aufruf;
}

// Opens a plan file as "Öffnen" does: read, corrected and shown in the main window.
bool Laden(Sitzung& sitzung, const std::filesystem::path& pfad, std::ostream& err) {
  Laufzeit& z = sitzung.programm.laufzeit();
  z.Dateipfad = pfad;
  z.Dateiname = pfad.filename().string();
  if (!sitzung.programm.hauptfenster().SchuelerLaden()) {
    err << sitzung.dialogs.messages().back() << '\n';
    return false;
  }
  return true;
}

// The code points of a UTF-8 text one by one, as a keyboard would type them.
std::vector<std::string> Zeichen(const std::string& text) {
  std::vector<std::string> zeichen;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    std::size_t laenge = byte < 0x80 ? 1 : (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : 4;
    laenge = std::min(laenge, text.size() - i);
    zeichen.push_back(text.substr(i, laenge));
    i += laenge;
  }
  return zeichen;
}

// Applies one user action to a control of the main window; a German message when the
// action is impossible.
std::optional<std::string> EreignisAnwenden(TForm1& fenster, const std::string& ereignis) {
  const std::size_t gleich = ereignis.find('=');
  if (gleich == std::string::npos) {
    return "Ereignis \"" + ereignis + "\": erwartet wird STEUERELEMENT=WERT.";
  }
  const std::string name = ereignis.substr(0, gleich);
  const std::string wert = ereignis.substr(gleich + 1);
  const std::string vorspann = "Ereignis \"" + ereignis + "\": ";
  ui::Control* control = fenster.find(name);
  if (control == nullptr) {
    return vorspann + "Das Hauptfenster hat kein Steuerelement \"" + name + "\".";
  }
  if (!control->reachable()) {
    return vorspann + "\"" + name + "\" ist verborgen oder gesperrt.";
  }
  switch (control->kind()) {
    case ui::ControlKind::ChoiceBox:
      static_cast<ui::ChoiceBox*>(control)->userChoose(wert);
      return std::nullopt;
    case ui::ControlKind::CheckBox: {
      if (wert != "0" && wert != "1") {
        return vorspann + "Ein Kontrollkästchen nimmt nur 0 oder 1.";
      }
      auto* box = static_cast<ui::CheckBox*>(control);
      if (box->checked() != (wert == "1")) {
        box->userClick();
      }
      return std::nullopt;
    }
    case ui::ControlKind::Button:
      if (!wert.empty()) {
        return vorspann + "Eine Schaltfläche wird ohne Wert geklickt.";
      }
      static_cast<ui::Button*>(control)->userClick();
      return std::nullopt;
    case ui::ControlKind::EditField: {
      auto* feld = static_cast<ui::EditField*>(control);
      if (feld->readOnly()) {
        return vorspann + "\"" + name + "\" kann nicht bearbeitet werden.";
      }
      for (const std::string& zeichen : Zeichen(wert)) {
        feld->userType(zeichen);
      }
      return std::nullopt;
    }
    default:
      return vorspann + "\"" + name + "\" nimmt keine Eingabe an.";
  }
}

int Show(const Aufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() != 1 || !aufruf.ereignisse.empty() || aufruf.speichern) {
    err << "Aufruf: kelvaro show DATEI.abi [--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  AufrufSitzung sitzung(aufruf);
  if (!Laden(sitzung, aufruf.parameter[0], err)) {
    return ExitFehler;
  }
  sitzung.programm.meldungsfenster().activate();
  out << PlanMitPruefungAlsJson(sitzung.programm).dump(2) << '\n';
  return 0;
}

// The check as the report window runs it when it becomes active: the report's lines, exit
// code 0 for a plan that breaks no rule and 1 for one that does.
int Check(const Aufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() != 1 || !aufruf.ereignisse.empty() || aufruf.speichern) {
    err << "Aufruf: kelvaro check DATEI.abi [--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  AufrufSitzung sitzung(aufruf);
  if (!Laden(sitzung, aufruf.parameter[0], err)) {
    return ExitFehler;
  }
  const Programm& programm = sitzung.programm;
  const Pruefbericht bericht = LaufbahnPruefen(programm.laufbahn(), programm.abgeleitet(), programm.laufzeit());
  for (const std::string& zeile : bericht.Zeilen) {
    out << zeile << '\n';
  }
  return bericht.RegelnErfuellt() ? 0 : 1;
}

int Edit(const Aufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() > 1) {
    err << "Aufruf: kelvaro edit [DATEI.abi] [--event STEUERELEMENT=WERT]... [--save AUS.abi] "
           "[--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  AufrufSitzung sitzung(aufruf);
  if (!aufruf.parameter.empty() && !Laden(sitzung, aufruf.parameter[0], err)) {
    return ExitFehler;
  }
  TForm1& fenster = sitzung.programm.hauptfenster();
  for (const std::string& ereignis : aufruf.ereignisse) {
    if (const auto fehler = EreignisAnwenden(fenster, ereignis)) {
      err << *fehler << '\n';
      return ExitFehler;
    }
  }
  if (aufruf.speichern && !fenster.DateiSpeichern(*aufruf.speichern)) {
    err << sitzung.dialogs.messages().back() << '\n';
    return ExitFehler;
  }
  // The same view as `show`: the plan, then the check of it.
  sitzung.programm.meldungsfenster().activate();
  out << PlanMitPruefungAlsJson(sitzung.programm).dump(2) << '\n';
  return 0;
}

// The barcode of the sheet the plan would print: the payload, the values as printed and
// the 27 characters the symbol carries.
int Barcode(const Aufruf& aufruf, std::ostream& out, std::ostream& err) {
  if (aufruf.parameter.size() != 1 || !aufruf.ereignisse.empty() || aufruf.speichern) {
    err << "Aufruf: kelvaro barcode DATEI.abi [--vorname V] [--nachname N] [--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  AufrufSitzung sitzung(aufruf);
  if (!Laden(sitzung, aufruf.parameter[0], err)) {
    return ExitFehler;
  }
  Laufbahn& l = sitzung.programm.laufbahn();
  if (aufruf.vorname) {
    l.Vorname = *aufruf.vorname;
  }
  if (aufruf.nachname) {
    l.Nachname = *aufruf.nachname;
  }
  const BarCodeWerteTyp werte = BarCodeWerteSetzen(l);
  const BarCodeWerteTyp ersetzt = BarCodeWerteErsetzt(werte);
  out << BarCodeZahlen(werte) << '\n' << BarCodeZahlen(ersetzt) << '\n' << BarCodeText(ersetzt) << '\n';
  return 0;
}

// What "Drucken" runs after the name panel: the check, the lower-secondary languages,
// the alternative project course, the out-of-date edition, the names, the grade book;
// then the sheet goes into a PDF file.
int Sheet(const Aufruf& aufruf, std::ostream& err, const PdfDruckerFabrik& pdfDrucker) {
  if (aufruf.parameter.size() != 1 || !aufruf.pdf || !aufruf.ereignisse.empty() || aufruf.speichern) {
    err << "Aufruf: kelvaro sheet DATEI.abi --pdf AUS.pdf [--vorname V] [--nachname N] [--alternativ-pk PROJEKTKURS] "
           "[--zweite-fs-sek1 0|1|2|3] [--date JJJJ-MM-TT] [--stufe 0|1|2]\n";
    return ExitFehler;
  }
  if (!pdfDrucker) {
    err << "Diese Ausgabe von Kelvaro ist ohne Desktop gebaut und kann keine Wahlzettel drucken.\n";
    return ExitFehler;
  }
  AufrufSitzung sitzung(aufruf);
  if (!Laden(sitzung, aufruf.parameter[0], err)) {
    return ExitFehler;
  }
  Programm& programm = sitzung.programm;
  Laufbahn& l = programm.laufbahn();
  if (aufruf.vorname) {
    l.Vorname = *aufruf.vorname;
  }
  if (aufruf.nachname) {
    l.Nachname = *aufruf.nachname;
  }
  programm.hauptfenster().AbiFaecherPruefenClick();
  TForm2& meldung = programm.meldungsfenster();
  const auto& zeilen = meldung.Textfeld.lines();
  if (meldung.MeldungszahlRegeln() != 1) {
    for (std::size_t i = 1; i < static_cast<std::size_t>(meldung.MeldungszahlRegeln()) && i < zeilen.size(); ++i) {
      err << zeilen[i] << '\n';
    }
    return 1;
  }
  if (!meldung.Wahlzetteldrucken.enabled()) {
    err << "Zum Ausdruck des Wahlzettels muss zuerst die geschätzte Abiturnote berechnet werden.\n";
    return 1;
  }
  meldung.Wahlzetteldrucken.userClick();
  if (const auto fehler = NamenspanelAusfuellen(meldung, aufruf.namenspanel)) {
    err << *fehler << '\n';
    return ExitFehler;
  }
  for (const ui::MultiLineText* hinweis : {&meldung.keinezweiteFSMemo, &meldung.keinI9Memo,
                                           &meldung.I0falschgewaehltMemo, &meldung.I9falschgewaehltMemo}) {
    if (hinweis->visible()) {
      err << hinweis->text() << '\n';
      return 1;
    }
  }
  bool gedruckt = false;
  meldung.onWahlzettelDruck([&] {
    const auto drucker = pdfDrucker(*aufruf.pdf);
    gedruckt = drucker != nullptr && !programm.WahlzettelDrucken(*drucker).empty();
  });
  meldung.OKBut.userClick();
  if (meldung.HilfeLab.visible()) {
    err << meldung.HilfeLab.text() << '\n';
    return 1;
  }
  if (!gedruckt) {
    err << "Der Wahlzettel kann nicht in die Datei \"" << aufruf.pdf->string() << "\" gedruckt werden.\n";
    return ExitFehler;
  }
  return 0;
}

}  // namespace

int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
                            const ui::Datum& heute, const PdfDruckerFabrik& pdfDrucker) {
  return KommandozeileAusfuehren(argumente, std::cin, out, err, heute, pdfDrucker);
}

int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::istream& in, std::ostream& out,
                            std::ostream& err, const ui::Datum& heute, const PdfDruckerFabrik& pdfDrucker) {
  const auto aufruf = AufrufLesen(argumente, heute, err);
  if (!aufruf) {
    return ExitFehler;
  }
  if (aufruf->befehl == "scan" || aufruf->befehl == "stage") {
    const bool scan = aufruf->befehl == "scan";
    if (aufruf->parameter.size() != 1 || !aufruf->ereignisse.empty() || aufruf->speichern || aufruf->pdf ||
        aufruf->vorname || aufruf->nachname || (scan ? aufruf->csv : aufruf->json)) {
      err << (scan ? "Aufruf: kelvaro scan STUFENVERZEICHNIS [--json] [--date JJJJ-MM-TT] [--stufe 0|1|2]\n"
                   : "Aufruf: kelvaro stage STUFENVERZEICHNIS [--csv] [--date JJJJ-MM-TT] [--stufe 0|1|2]\n");
      return ExitFehler;
    }
    return scan ? ScanBefehl(aufruf->parameter[0], aufruf->heute, aufruf->stufe, aufruf->json, in, out, err)
                : StageBefehl(aufruf->parameter[0], aufruf->heute, aufruf->stufe, aufruf->csv, out, err);
  }
  if (aufruf->befehl == "show") {
    return Show(*aufruf, out, err);
  }
  if (aufruf->befehl == "edit") {
    return Edit(*aufruf, out, err);
  }
  if (aufruf->befehl == "check") {
    return Check(*aufruf, out, err);
  }
  if (aufruf->befehl == "barcode") {
    return Barcode(*aufruf, out, err);
  }
  if (aufruf->befehl == "sheet") {
    return Sheet(*aufruf, err, pdfDrucker);
  }
  if (aufruf->befehl == "info") {
    return InfoBefehl(aufruf->parameter, out, err);
  }
  if (aufruf->befehl == "grade") {
    return NotenbefehlAusfuehren({aufruf->parameter, aufruf->noten, aufruf->heute, aufruf->stufe, aufruf->speichern,
                                  !aufruf->ereignisse.empty() || aufruf->pdf || aufruf->vorname || aufruf->nachname ||
                                      aufruf->json || aufruf->csv},
                                 out, err);
  }
  if (aufruf->befehl.empty()) {
    err << Hilfe;
  } else {
    err << "Unbekannter Befehl \"" << aufruf->befehl << "\".\n" << Hilfe;
  }
  return ExitFehler;
}

std::optional<DesktopOptionen> DesktopOptionenLesen(const std::vector<std::string>& argumente, const ui::Datum& heute) {
  for (std::size_t i = 0; i < argumente.size(); i += 2) {
    if (argumente[i] != "--date" && argumente[i] != "--stufe") {
      return std::nullopt;
    }
  }
  std::ostringstream meldungen;  // a wrong value is reported by the command line
  const auto aufruf = AufrufLesen(argumente, heute, meldungen);
  if (!aufruf) {
    return std::nullopt;
  }
  const bool datum = std::find(argumente.begin(), argumente.end(), "--date") != argumente.end();
  return DesktopOptionen{datum ? std::optional(aufruf->heute) : std::nullopt, aufruf->stufe};
}

}  // namespace kelvaro
