#include "grades/Notenauswertung.h"

#include "evaluation/Notenbuch.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>
#include <utility>

namespace kelvaro {

namespace {

constexpr int MaxKurse = NotenSpalten;
constexpr int MinWertung = 27;
constexpr int MaxWertung = 32;
constexpr std::size_t ListenLaenge = 10;
constexpr std::size_t TextLaenge = 150;

constexpr int GruppeDeutsch = 110;
constexpr int GruppeSprache = 100;
constexpr int GruppeGesellschaft = 300;
constexpr int GruppeNatur = 200;
constexpr int GruppeMathematik = 700;
constexpr int GruppeReligion = 900;
constexpr int GruppeKunst = 500;
constexpr int GruppeSport = 600;
constexpr int GruppeProjekt = 1600;

// The ten subject groups: 1 German, 2 languages, 3 social sciences, 4 sciences,
// 5 mathematics, 6 religion, 7 arts, 8 sport, 9 project course, 10 possible focus subjects.
constexpr int GruppenCode[10] = {GruppeDeutsch,  GruppeSprache, GruppeGesellschaft, GruppeNatur,  GruppeMathematik,
                                 GruppeReligion, GruppeKunst,   GruppeSport,        GruppeProjekt};
constexpr int SchwerpunktGruppe = 10;

std::size_t I(int index) {
  return static_cast<std::size_t>(index);
}

// The first characters of a text, at most `laenge` code points.
std::string Gekuerzt(const std::string& text, std::size_t laenge) {
  std::size_t i = 0;
  std::size_t zeichen = 0;
  while (i < text.size() && zeichen < laenge) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
      ++i;
    }
    ++zeichen;
  }
  return text.substr(0, i);
}

// A text, cut to 150 characters, appended to a list of findings; beyond the tenth dropped.
void Einlesen(std::vector<std::string>& liste, const std::string& text) {
  if (liste.size() < ListenLaenge) {
    liste.push_back(Gekuerzt(text, TextLaenge));
  }
}

// What one count changes: the Q-slot statuses ([course][slot], slots 1..4) and the flag
// that a language or science course lies outside the focus.
struct Zustand {
  std::array<std::array<std::uint8_t, 5>, MaxKurse + 1> Zaehlart{};
  std::array<std::uint8_t, MaxKurse + 1> Ungebunden{};
};

// The block I numbers of one count.
struct Zahlen {
  int n = 0;
  int pflicht = 0;
  int freiw = 0;
  int belegt = 0;
  int punkteGK = 0;
  int punkteLK = 0;
  int defiziteGKGewertet = 0;
  int defiziteGKFrei = 0;
  int defiziteLK = 0;
  int nullPunkte = 0;
  int maxDefizite = 7;
  int punkteBlock1 = 0;
  bool zuViele = false;
  bool zulassung = false;

  int defiziteGewertet() const { return defiziteGKGewertet + defiziteLK; }
};

struct Kandidat {
  int note = 0;
  int slot = 0;
  int kurs = 0;
};

// One rule with two or more alternatives, applied to the courses of its group.
struct Regel {
  int Gruppe = 0;
  std::vector<Zustand> Varianten;  // the statuses and focus flags each alternative gives
};

class Auswerter {
 public:
  explicit Auswerter(const Notenbuch& notenbuch);
  // Steps 1..10: the groups, the compulsory courses and the alternatives of every rule.
  void Vorbereiten();
  // Visits every combination of alternatives in order, the first rule turning fastest.
  template <typename Besuch>
  void Durchlaufen(Besuch besuchen);
  // wertungszahl 0: every count the regulation allows; otherwise that count alone.
  Notenergebnis Auswerten(int wertungszahl);

 private:
  bool Belegt(int kurs, int slot) const { return m_belegt[I(kurs)][I(slot)]; }
  bool Abitur(int kurs) const { return IstAbiturkurs(m_art[I(kurs)]); }
  const std::vector<int>& Gruppe(int nummer) const { return Fachgruppen[I(nummer)]; }

  // Status changes never touch a slot that is not taken.
  void Setzen(Zustand& s, int kurs, int slot, std::uint8_t status) const {
    if (Belegt(kurs, slot)) {
      s.Zaehlart[I(kurs)][I(slot)] = status;
    }
  }
  void AlleSetzen(Zustand& s, int kurs, std::uint8_t status) const {
    for (int h = 1; h <= 4; ++h) {
      Setzen(s, kurs, h, status);
    }
  }
  // The slot of the semester at rank `rang` (1 worst .. 4 best) of a course.
  int SlotNachRang(int kurs, int rang) const;
  void ZweiBestePflicht(Zustand& s, int kurs) const {
    Setzen(s, kurs, SlotNachRang(kurs, 3), Pflicht);
    Setzen(s, kurs, SlotNachRang(kurs, 4), Pflicht);
  }
  void Anwenden(Zustand& s, int gruppe, const Zustand& alternative) const;
  // A rule's alternatives: two or more become a dimension of the combinations, one is
  // applied at once.
  void Alternativen(int gruppe, std::vector<Zustand> alternativen, bool immerDimension = false);

  void Fehlereinlesen(const std::string& text) { Einlesen(Fehlerliste, text); }
  void BesonderheitenEinlesen(const std::string& text) { Einlesen(Besonderheitenliste, text); }
  void Schwerpunkt();
  void Gesellschaft(int FehlRelKu);
  void Kunst();

  void AuswertungBeenden(Zustand s);
  Zahlen Zaehlen(const Zustand& s, int n) const;
  std::uint8_t Streichstatus(const Zustand& s, int kurs) const;
  void ProjektkursRegel(Zustand& s, std::array<Kandidat, SortierfeldGroesse + 1>& kandidaten, int nW, int d,
                        const Zahlen& vorher) const;
  void Anbieten(const Zustand& s, const Zahlen& zahlen);

  const Notenbuch& m_buch;
  int m_kurse;
  std::array<std::array<int, 5>, MaxKurse + 1> m_noten{};
  std::array<std::array<bool, 5>, MaxKurse + 1> m_belegt{};
  std::array<std::uint8_t, MaxKurse + 1> m_art{};
  std::array<int, MaxKurse + 1> m_fachgruppe{};
  // The evaluation's fields, named as the grade computation names them.
  std::array<int, MaxKurse + 1> BelegteHalbjahre{};
  std::array<std::vector<int>, 11> Fachgruppen;
  Zustand m_basis;
  std::vector<Regel> VariantenDimension;
  std::vector<std::string> Fehlerliste;
  std::vector<std::string> Besonderheitenliste;
  // Fewer taken basic-course semesters than the regulation counts: the one count possible.
  bool m_zuWenige = false;
  int m_verfuegbar = 0;
  int m_wertungszahl = 0;

  bool m_bestVorhanden = false;
  Zustand m_best;
  Zahlen m_bestZahlen;
};

Auswerter::Auswerter(const Notenbuch& notenbuch) : m_buch(notenbuch), m_kurse(notenbuch.Kurse()) {
  for (int p = 1; p <= m_kurse; ++p) {
    m_art[I(p)] = notenbuch.Art(p);
    m_fachgruppe[I(p)] = notenbuch.KursFachgruppe[I(p)];
    for (int h = 1; h <= 4; ++h) {
      const bool belegt = NimmtPunkte(notenbuch, p, h);
      m_belegt[I(p)][I(h)] = belegt;
      m_noten[I(p)][I(h)] = belegt ? notenbuch.Punkte(p, h) : -1;
      // Every evaluation starts from the taken semesters alone.
      m_basis.Zaehlart[I(p)][I(h)] = belegt ? kelvaro::Belegt : nichtbelegt;
      BelegteHalbjahre[I(p)] += belegt ? 1 : 0;
    }
  }
}

int Auswerter::SlotNachRang(int kurs, int rang) const {
  SortierFeldArrayTyp feld;
  Sortiere(m_buch, kurs, feld);
  return feld[I(rang)].Stelle;
}

void Auswerter::Anwenden(Zustand& s, int gruppe, const Zustand& alternative) const {
  for (int p : Gruppe(gruppe)) {
    s.Zaehlart[I(p)] = alternative.Zaehlart[I(p)];
    if (gruppe == SchwerpunktGruppe) {
      s.Ungebunden[I(p)] = alternative.Ungebunden[I(p)];
    }
  }
}

void Auswerter::Alternativen(int gruppe, std::vector<Zustand> alternativen, bool immerDimension) {
  if (alternativen.size() >= 2 || (immerDimension && !alternativen.empty())) {
    VariantenDimension.push_back(Regel{gruppe, std::move(alternativen)});
  } else if (alternativen.size() == 1) {
    Anwenden(m_basis, gruppe, alternativen.front());
  }
}

void Auswerter::Schwerpunkt() {
  for (int gruppe : {2, 4}) {
    for (int p : Gruppe(gruppe)) {
      if (BelegteHalbjahre[I(p)] < 4) {
        AlleSetzen(m_basis, p, WahlFa);
        m_basis.Ungebunden[I(p)] = 1;
      }
    }
  }
  std::vector<int> fs;
  std::vector<int> nw;
  for (int p : Gruppe(2)) {
    if (BelegteHalbjahre[I(p)] == 4) {
      fs.push_back(p);
    }
  }
  for (int p : Gruppe(4)) {
    if (BelegteHalbjahre[I(p)] == 4) {
      nw.push_back(p);
    }
  }
  const auto abiturkurse = [this](const std::vector<int>& liste) {
    std::vector<int> abitur;
    std::copy_if(liste.begin(), liste.end(), std::back_inserter(abitur), [this](int p) { return Abitur(p); });
    return abitur;
  };
  const std::vector<int> fsAbitur = abiturkurse(fs);
  const std::vector<int> nwAbitur = abiturkurse(nw);
  const auto nFS = fsAbitur.size();
  const auto nNW = nwAbitur.size();
  const auto informatik = [this](int p) { return m_buch.KursLangname[I(p)] == "Informatik"; };

  std::vector<Zustand> alternativen;
  const auto neu = [&]() -> Zustand& {
    Zustand& s = alternativen.emplace_back(m_basis);
    for (int p : Gruppe(SchwerpunktGruppe)) {
      AlleSetzen(s, p, WahlFa);
      s.Ungebunden[I(p)] = 1;
    }
    return s;
  };

  // Language focus: two languages and a science.
  std::vector<std::pair<int, int>> sprachpaare;
  if (nFS >= 2) {
    sprachpaare.emplace_back(fsAbitur[0], fsAbitur[1]);
  } else {
    for (int l1 : nFS > 0 ? fsAbitur : fs) {
      for (int l2 : fs) {
        if (l2 != l1) {
          sprachpaare.emplace_back(l1, l2);
        }
      }
    }
  }
  std::vector<int> naturfuerSprachen;
  for (int s : nNW > 0 ? nwAbitur : nw) {
    if (!informatik(s)) {
      naturfuerSprachen.push_back(s);
    }
  }
  for (const auto& [l1, l2] : sprachpaare) {
    for (int s : naturfuerSprachen) {
      Zustand& a = neu();
      AlleSetzen(a, l1, Pflicht);
      if (nFS >= 2) {
        AlleSetzen(a, l2, Pflicht);
      } else {
        Setzen(a, l2, 3, Pflicht);
        Setzen(a, l2, 4, Pflicht);
      }
      AlleSetzen(a, s, Pflicht);
      a.Ungebunden[I(l1)] = a.Ungebunden[I(l2)] = a.Ungebunden[I(s)] = 0;
    }
  }

  // Science focus: two sciences and a language; computer science only as an Abitur subject.
  for (int s1 : nw) {
    const bool zulaessig = informatik(s1) ? Abitur(s1) : Abitur(s1) || nNW == 0;
    if (!zulaessig) {
      continue;
    }
    for (int s2 : nw) {
      if (s2 == s1) {
        continue;
      }
      for (int l : nFS > 0 ? fsAbitur : fs) {
        Zustand& a = neu();
        AlleSetzen(a, s1, Pflicht);
        Setzen(a, s2, 3, Pflicht);
        Setzen(a, s2, 4, Pflicht);
        if (informatik(s1)) {
          Setzen(a, s2, 1, Pflicht);
          Setzen(a, s2, 2, Pflicht);
        }
        AlleSetzen(a, l, Pflicht);
        a.Ungebunden[I(s1)] = a.Ungebunden[I(s2)] = a.Ungebunden[I(l)] = 0;
      }
    }
  }
  if (alternativen.empty()) {
    Fehlereinlesen("Schwerpunkt nicht gebildet !");
  }
  Alternativen(SchwerpunktGruppe, std::move(alternativen));
}

void Auswerter::Gesellschaft(int FehlRelKu) {
  const std::vector<int>& gruppe = Gruppe(3);
  std::vector<int> gw;
  int nGW = 0;
  for (int p : gruppe) {
    if (BelegteHalbjahre[I(p)] == 4) {
      gw.push_back(p);
      nGW += Abitur(p) ? 1 : 0;
    }
  }
  const auto letzter = [&](std::string_view name) {
    int gefunden = 0;
    for (int p : gruppe) {
      if (m_buch.KursLangname[I(p)] == name) {
        gefunden = p;
      }
    }
    return gefunden;
  };
  const int ge = letzter("Geschichte");
  const int sw = letzter("Sozialwiss.");
  const int pl = letzter("Philosophie");
  const bool plVoll = pl != 0 && BelegteHalbjahre[I(pl)] == 4;

  std::vector<int> ersteFaecher;
  if (nGW > 0) {
    ersteFaecher.push_back(*std::find_if(gw.begin(), gw.end(), [this](int p) { return Abitur(p); }));
  } else {
    ersteFaecher = gw;
  }
  std::vector<Zustand> alternativen;
  for (int g1 : ersteFaecher) {
    for (std::size_t position = 1; position <= gruppe.size(); ++position) {
      const int g2 = gruppe[position - 1];
      const bool geOderSw = g2 == ge || g2 == sw;
      bool zulaessig;
      if (FehlRelKu == 0) {
        zulaessig = position == 1;
      } else {
        zulaessig = g2 != g1 && !(pl != 0 && !plVoll && g2 != pl) &&
                    (geOderSw ? BelegteHalbjahre[I(g2)] - 2 >= FehlRelKu : BelegteHalbjahre[I(g2)] >= FehlRelKu);
      }
      if (!zulaessig) {
        continue;
      }
      Zustand& a = alternativen.emplace_back(m_basis);
      for (int p : gruppe) {
        AlleSetzen(a, p, WahlFa);
      }
      AlleSetzen(a, g1, Pflicht);
      for (int fach : {ge, sw}) {
        if (fach != 0 && !Abitur(fach) && fach != g1) {
          ZweiBestePflicht(a, fach);
        }
      }
      if (geOderSw) {
        if (FehlRelKu >= 1) {
          Setzen(a, g2, SlotNachRang(g2, 2), Pflicht);
        }
        if (FehlRelKu == 2) {
          Setzen(a, g2, SlotNachRang(g2, 1), Pflicht);
        }
      } else {
        ZweiBestePflicht(a, g2);
      }
    }
  }
  if (alternativen.empty()) {
    Fehlereinlesen("Gesellschaftswissensch. Pflichtbed. nicht abgedeckt !");
  }
  Alternativen(3, std::move(alternativen));
}

void Auswerter::Kunst() {
  const std::vector<int>& gruppe = Gruppe(7);
  std::vector<int> km;
  int nKM = 0;
  for (int p : gruppe) {
    if (BelegteHalbjahre[I(p)] >= 2) {
      km.push_back(p);
      nKM += Abitur(p) ? 1 : 0;
    }
  }
  if (gruppe.size() == 1 || nKM == 1) {
    for (int p : gruppe) {
      AlleSetzen(m_basis, p, Abitur(p) ? Pflicht : WahlFa);
    }
    if (gruppe.size() == 1 && nKM == 0) {
      ZweiBestePflicht(m_basis, gruppe.front());
    }
    return;
  }
  std::vector<Zustand> alternativen;
  for (int a : km) {
    Zustand& s = alternativen.emplace_back(m_basis);
    for (int p : gruppe) {
      AlleSetzen(s, p, WahlFa);
    }
    ZweiBestePflicht(s, a);
  }
  Alternativen(7, std::move(alternativen), true);
}

void Auswerter::Vorbereiten() {
  // The ten groups, filled in course order; courses of any other code join none.
  for (int p = 1; p <= m_kurse; ++p) {
    for (int g = 0; g < 9; ++g) {
      if (m_fachgruppe[I(p)] == GruppenCode[g]) {
        Fachgruppen[I(g + 1)].push_back(p);
      }
    }
  }
  for (int gruppe : {2, 4}) {
    for (int p : Gruppe(gruppe)) {
      if (BelegteHalbjahre[I(p)] == 4) {
        Fachgruppen[SchwerpunktGruppe].push_back(p);
      }
    }
  }

  Schwerpunkt();

  if (Gruppe(5).size() == 1) {
    AlleSetzen(m_basis, Gruppe(5).front(), Pflicht);
  } else {
    Fehlereinlesen("Fehler beim Fach Mathematik !");
  }
  if (Gruppe(1).size() == 1) {
    AlleSetzen(m_basis, Gruppe(1).front(), Pflicht);
  } else {
    Fehlereinlesen("Fehler beim Fach Deutsch !");
  }

  const std::vector<int>& religion = Gruppe(6);
  int FehlRelKu = 2;
  if (!religion.empty()) {
    const int halbjahre = BelegteHalbjahre[I(religion.front())];
    FehlRelKu = halbjahre >= 2 ? 0 : halbjahre == 1 ? 1 : 2;
  }
  if (religion.size() > 1) {
    Fehlereinlesen("verschiedene Religionsfächer in der Wertung !");
  }

  Gesellschaft(FehlRelKu);

  if (Gruppe(8).size() == 1) {
    const int sport = Gruppe(8).front();
    AlleSetzen(m_basis, sport, WahlFa);
    const int fehlend = 4 - BelegteHalbjahre[I(sport)];
    if (fehlend >= 2) {
      BesonderheitenEinlesen(std::to_string(fehlend) + " fehlende Sportkurse !");
    } else if (fehlend == 1) {
      BesonderheitenEinlesen("1 fehlender Sportkurs !");
    }
  } else {
    BesonderheitenEinlesen("Laufbahn ohne Fach Sport !");
  }

  Kunst();

  if (religion.size() == 1) {
    const int p = religion.front();
    if (Abitur(p)) {
      AlleSetzen(m_basis, p, Pflicht);
    } else {
      AlleSetzen(m_basis, p, WahlFa);
      ZweiBestePflicht(m_basis, p);
    }
  } else if (religion.size() > 1) {
    Fehlereinlesen("Fehler beim Fach Religion !");
  }

  if (Gruppe(9).size() == 1) {
    AlleSetzen(m_basis, Gruppe(9).front(), WahlFa);
  }

  // Every taken semester of a course that is no advanced course can count.
  for (int p = 1; p <= m_kurse; ++p) {
    if (m_art[I(p)] != LKs) {
      m_verfuegbar += BelegteHalbjahre[I(p)];
    }
  }
  m_zuWenige = m_verfuegbar < MinWertung;
}

template <typename Besuch>
void Auswerter::Durchlaufen(Besuch besuchen) {
  // Every combination of alternatives, the first rule turning fastest.
  std::vector<std::size_t> VarianteAktuell(VariantenDimension.size(), 0);
  while (true) {
    Zustand kombination = m_basis;
    for (std::size_t d = 0; d < VariantenDimension.size(); ++d) {
      Anwenden(kombination, VariantenDimension[d].Gruppe, VariantenDimension[d].Varianten[VarianteAktuell[d]]);
    }
    besuchen(kombination);
    std::size_t d = 0;
    while (d < VarianteAktuell.size() && VarianteAktuell[d] + 1 >= VariantenDimension[d].Varianten.size()) {
      ++d;
    }
    if (d == VarianteAktuell.size()) {
      break;
    }
    ++VarianteAktuell[d];
    std::fill(VarianteAktuell.begin(), VarianteAktuell.begin() + static_cast<std::ptrdiff_t>(d), 0);
  }
}

Notenergebnis Auswerter::Auswerten(int wertungszahl) {
  m_wertungszahl = wertungszahl;
  Vorbereiten();
  Durchlaufen([this](const Zustand& kombination) { AuswertungBeenden(kombination); });

  Notenergebnis e;
  e.KursZaehlart = m_buch.KursZaehlart;
  for (int p = 1; p <= m_kurse; ++p) {
    for (int h = 1; h <= 4; ++h) {
      e.KursZaehlart[I(h)][I(p)] = m_best.Zaehlart[I(p)][I(h)];
    }
    if (m_art[I(p)] == LKs || m_art[I(p)] == Ab3) {
      const auto& q = m_noten[I(p)];
      e.Durchschnitt[I(p)] = (q[1] + q[2] + q[3] + q[4]) / 4.0;
    }
  }
  const Zahlen& z = m_bestZahlen;
  e.GewerteteGKs = z.n;
  e.Pflichtkurse = z.pflicht;
  e.GewerteteWahlkurse = z.n - z.pflicht;
  e.NichtGewerteteKurse = z.freiw + z.belegt;
  e.FreiwilligeKurse = z.freiw;
  e.BelegteKurse = z.n + e.NichtGewerteteKurse + 8;
  e.PunkteGK = z.punkteGK;
  e.PunkteLK = z.punkteLK;
  e.PunkteBlock1 = z.punkteBlock1;
  e.DurchschnittBlock1 = static_cast<double>(z.punkteGK + z.punkteLK) / (z.n + 16);
  e.DefiziteGKGewertet = z.defiziteGKGewertet;
  e.DefiziteGK = z.defiziteGKGewertet + z.defiziteGKFrei;
  e.DefiziteLK = z.defiziteLK;
  e.DefiziteGewertet = z.defiziteGewertet();
  e.MaxDefizite = z.maxDefizite;
  e.NullPunkteKurse = z.nullPunkte;
  e.ZuVieleDefizite = z.zuViele ? 1 : 0;
  e.ZulassungBestanden = z.zulassung ? 1 : 0;
  e.Fehlerliste = std::move(Fehlerliste);
  e.Besonderheitenliste = std::move(Besonderheitenliste);
  if (m_zuWenige) {
    e.Maengel.push_back("Es sind nur " + std::to_string(m_verfuegbar) +
                        " Grundkurshalbjahre belegt, mindestens 27 müssen in die Abiturwertung eingehen.");
  }
  return e;
}

std::uint8_t Auswerter::Streichstatus(const Zustand& s, int kurs) const {
  const int gruppe = m_fachgruppe[I(kurs)];
  const bool schwerpunkt = (gruppe == GruppeSprache || gruppe == GruppeNatur) && s.Ungebunden[I(kurs)] == 0;
  return gruppe == GruppeSport || schwerpunkt ? kelvaro::Belegt : Freiw;
}

Zahlen Auswerter::Zaehlen(const Zustand& s, int n) const {
  Zahlen z;
  z.n = n;
  for (int p = 1; p <= m_kurse; ++p) {
    for (int h = 1; h <= 4; ++h) {
      const int x = m_noten[I(p)][I(h)];
      switch (s.Zaehlart[I(p)][I(h)]) {
        case Pflicht:
        case WahlFa:
          z.pflicht += s.Zaehlart[I(p)][I(h)] == Pflicht ? 1 : 0;
          z.punkteGK += x;
          z.defiziteGKGewertet += x < 5 ? 1 : 0;
          z.nullPunkte += x == 0 ? 1 : 0;
          break;
        case Freiw:
          ++z.freiw;
          z.defiziteGKFrei += x < 5 ? 1 : 0;
          break;
        case kelvaro::Belegt:
          ++z.belegt;
          z.defiziteGKFrei += x < 5 ? 1 : 0;
          z.nullPunkte += x == 0 ? 1 : 0;
          break;
        case LK:
          z.punkteLK += 2 * x;
          z.defiziteLK += x < 5 ? 1 : 0;
          z.nullPunkte += x == 0 ? 1 : 0;
          break;
        default:
          break;
      }
    }
  }
  z.maxDefizite = n < 30 ? 7 : 8;
  return z;
}

void Auswerter::ProjektkursRegel(Zustand& s, std::array<Kandidat, SortierfeldGroesse + 1>& kandidaten, int nW, int d,
                                 const Zahlen& vorher) const {
  int p1 = 0;
  int p2 = 0;
  for (int i = 1; i <= nW && p2 == 0; ++i) {
    if (m_fachgruppe[I(kandidaten[I(i)].kurs)] == GruppeProjekt) {
      (p1 == 0 ? p1 : p2) = i;
    }
  }
  // Only when the cut falls between the two project semesters.
  if (p2 == 0 || !(p1 <= d && d < p2)) {
    return;
  }
  std::array<Kandidat, SortierfeldGroesse + 1> e = kandidaten;
  if (p1 < d) {
    std::swap(e[I(p1)], e[I(d)]);
    p1 = d;
  }
  if (d + 1 < p2) {
    std::swap(e[I(p2)], e[I(d + 1)]);
    p2 = d + 1;
  }
  bool beide = true;
  if (p1 > 1) {
    const int sPK = e[I(p1)].note + e[I(p2)].note;
    const int sAlt = p2 < nW ? e[I(p1 - 1)].note + e[I(p2 + 1)].note : 0;
    beide = !(p2 == nW || sPK < sAlt ||
              (vorher.defiziteGewertet() == vorher.maxDefizite && e[I(p2 + 1)].note >= 5 && e[I(p1)].note < 5));
  }
  const auto setzen = [&s](const Kandidat& k, std::uint8_t status) { s.Zaehlart[I(k.kurs)][I(k.slot)] = status; };
  if (beide) {
    // The weakest counted other semester gives way; with none above the pair (the project
    // semesters are the only candidates) both simply count.
    if (p2 < nW) {
      setzen(e[I(p2 + 1)], Streichstatus(s, e[I(p2 + 1)].kurs));
    }
    setzen(e[I(p1)], WahlFa);
  } else {
    setzen(e[I(p1 - 1)], WahlFa);
    setzen(e[I(p2)], Freiw);
  }
}

void Auswerter::AuswertungBeenden(Zustand s) {
  for (int p = 1; p <= m_kurse; ++p) {
    if (m_art[I(p)] == LKs) {
      AlleSetzen(s, p, LK);
    } else if (m_art[I(p)] == Ab3 || m_art[I(p)] == Ab4) {
      AlleSetzen(s, p, Pflicht);
    }
  }
  std::array<Kandidat, SortierfeldGroesse + 1> kandidaten{};
  int nW = 0;
  int nP = 0;
  int nB = 0;
  for (int p = 1; p <= m_kurse; ++p) {
    for (int h = 1; h <= 4; ++h) {
      const std::uint8_t status = s.Zaehlart[I(p)][I(h)];
      if (status == WahlFa) {
        kandidaten[I(++nW)] = Kandidat{m_noten[I(p)][I(h)], h, p};
      } else if (status == Pflicht) {
        ++nP;
      } else if (status == kelvaro::Belegt) {
        ++nB;
      }
    }
  }
  // The exchange sort of the sort lists: lowest points first.
  for (int i = 1; i < nW; ++i) {
    for (int j = i + 1; j <= nW; ++j) {
      if (kandidaten[I(j)].note < kandidaten[I(i)].note) {
        std::swap(kandidaten[I(i)], kandidaten[I(j)]);
      }
    }
  }
  int bis = std::min(MaxWertung, nW + nP + nB);
  int von = m_zuWenige ? bis : MinWertung;
  if (m_wertungszahl > 0) {
    von = bis = m_wertungszahl;
  }
  for (int n = von; n <= bis; ++n) {
    Zustand t = s;
    const int d = std::clamp(nW - (n - nP), 0, nW);
    for (int i = 1; i <= d; ++i) {
      const Kandidat& k = kandidaten[I(i)];
      t.Zaehlart[I(k.kurs)][I(k.slot)] = Streichstatus(t, k.kurs);
    }
    Zahlen z = Zaehlen(t, n);
    const Zustand vorRegel = t;
    ProjektkursRegel(t, kandidaten, nW, d, z);
    if (t.Zaehlart != vorRegel.Zaehlart) {
      z = Zaehlen(t, n);
    }
    z.punkteBlock1 = PunkteBlock1Aus(z.punkteGK + z.punkteLK, n + 16);
    z.zuViele = z.defiziteGewertet() > z.maxDefizite;
    z.zulassung = !m_zuWenige && z.punkteBlock1 >= 200 && z.nullPunkte == 0 && z.defiziteLK <= 3 &&
                  z.defiziteGewertet() <= z.maxDefizite;
    Anbieten(t, z);
  }
}

void Auswerter::Anbieten(const Zustand& s, const Zahlen& z) {
  const Zahlen& alt = m_bestZahlen;
  const bool ersetzen = !m_bestVorhanden || (!alt.zulassung && z.zulassung) ||
                        (!alt.zulassung && !z.zulassung && alt.zuViele && !z.zuViele) ||
                        (alt.zulassung && z.zulassung && z.punkteBlock1 > alt.punkteBlock1);
  if (ersetzen) {
    m_bestVorhanden = true;
    m_best = s;
    m_bestZahlen = z;
  }
}

}  // namespace

int Notenbuch::Kurse() const {
  return std::clamp(NotenKursZahl, 0, NotenSpalten);
}

Notenbuch NotenbuchAus(const Laufbahn& laufbahn, const std::array<std::string, NotenSpalten + 1>& kursLangname,
                       const std::array<int, NotenSpalten + 1>& kursFachgruppe) {
  Notenbuch buch;
  buch.NotenKursZahl = laufbahn.NotenKursZahl;
  buch.KursZaehlart = laufbahn.KursZaehlart;
  buch.Noten = laufbahn.Noten;
  buch.KursLangname = kursLangname;
  buch.KursFachgruppe = kursFachgruppe;
  return buch;
}

bool IstAbiturkurs(std::uint8_t art) {
  return art == LKs || art == Ab3 || art == Ab4;
}

bool NimmtPunkte(const Notenbuch& notenbuch, int kurs, int slot) {
  return kurs >= 1 && kurs <= notenbuch.Kurse() && slot >= 1 && slot <= NotenSlots &&
         notenbuch.Status(kurs, slot) != nichtbelegt;
}

bool GueltigePunkte(int punkte) {
  return punkte >= 0 && punkte <= 15;
}

int FehlendeNotenZaehlen(const Notenbuch& notenbuch) {
  int fehlend = 0;
  for (int p = 1; p <= notenbuch.Kurse(); ++p) {
    for (int h = 1; h <= NotenSlots; ++h) {
      if (NimmtPunkte(notenbuch, p, h) && !GueltigePunkte(notenbuch.Punkte(p, h))) {
        ++fehlend;
      }
    }
  }
  return fehlend;
}

void Sortiere(const Notenbuch& notenbuch, int pos1, SortierFeldArrayTyp& sortierfeld) {
  for (int i = 1; i <= 4; ++i) {
    SortierfeldTyp& eintrag = sortierfeld[I(i)];
    // A semester not taken has no points and sorts lowest.
    eintrag.Note = NimmtPunkte(notenbuch, pos1, i) ? notenbuch.Punkte(pos1, i) : -1;
    eintrag.Stelle = i;
    eintrag.FachNr = pos1;
    eintrag.Pos = i;
  }
  for (int i = 1; i <= 3; ++i) {
    for (int j = i + 1; j <= 4; ++j) {
      if (sortierfeld[I(j)].Note < sortierfeld[I(i)].Note) {
        std::swap(sortierfeld[I(i)], sortierfeld[I(j)]);
      }
    }
  }
}

int PunkteBlock1Aus(int punkte, int wertungskurse) {
  // 40 * punkte / wertungskurse, a result that is not whole rounded half up, in integers.
  return (80 * punkte + wertungskurse) / (2 * wertungskurse);
}

double AbiNote(int gesamtpunkte) {
  return std::max(10, (1020 - gesamtpunkte) / 18) / 10.0;
}

double Vornote(int punkteBlock1) {
  return std::max(10, (680 - punkteBlock1) / 12) / 10.0;
}

Notenergebnis AuswertungEinlesen(const Notenbuch& notenbuch, int wertungszahl) {
  return Auswerter(notenbuch).Auswerten(wertungszahl);
}

std::vector<Kombination> Kombinationen(const Notenbuch& notenbuch) {
  Auswerter auswerter(notenbuch);
  auswerter.Vorbereiten();
  std::vector<Kombination> kombinationen;
  auswerter.Durchlaufen([&kombinationen](const Zustand& s) {
    Kombination& k = kombinationen.emplace_back();
    for (std::size_t p = 1; p <= NotenSpalten; ++p) {
      for (std::size_t h = 1; h <= 4; ++h) {
        k.KursZaehlart[h][p] = s.Zaehlart[p][h];
      }
      k.Ungebunden[p] = s.Ungebunden[p];
    }
  });
  return kombinationen;
}

void Bestehensberechnung(const Notenbuch& notenbuch, Notenergebnis& e) {
  int lk1 = 0;
  int lk2 = 0;
  int a3 = 0;
  int a4 = 0;
  int leistungskurse = 0;
  for (int p = 1; p <= notenbuch.Kurse(); ++p) {
    switch (notenbuch.Art(p)) {
      case LKs:
        ++leistungskurse;
        (lk1 == 0 ? lk1 : lk2) = p;
        break;
      case Ab3:
        a3 = p;
        break;
      case Ab4:
        a4 = p;
        break;
      default:
        break;
    }
  }
  // A missing examination has no points.
  const auto pruefung = [&notenbuch](int kurs) { return kurs == 0 ? 0 : std::clamp(notenbuch.Punkte(kurs, 5), 0, 15); };
  const int a = pruefung(lk1);
  const int b = pruefung(lk2);
  const int c = pruefung(a3);
  const int d = pruefung(a4);
  e.PunkteBlock2 = 5 * (a + b + c + d);
  e.Gesamtpunkte = e.PunkteBlock1 + e.PunkteBlock2;
  e.AbiNote = AbiNote(e.Gesamtpunkte);
  e.Vornote = Vornote(e.PunkteBlock1);
  e.LKPruefungenBestanden = (lk1 != 0 && a >= 5 ? 1 : 0) + (lk2 != 0 && b >= 5 ? 1 : 0);
  e.PruefungenBestanden = e.LKPruefungenBestanden + (a3 != 0 && c >= 5 ? 1 : 0) + (a4 != 0 && d >= 5 ? 1 : 0);
  e.PruefungBestanden = e.PunkteBlock2 >= 100 && e.LKPruefungenBestanden >= 1 && e.PruefungenBestanden >= 2 ? 1 : 0;

  e.Abweichungen = 0;
  e.AbweichungsFaecher.clear();
  for (int kurs : {lk1, lk2, a3}) {
    if (kurs != 0 && std::abs(e.Durchschnitt[I(kurs)] - pruefung(kurs)) > 3.8) {
      if (e.Abweichungen > 0) {
        e.AbweichungsFaecher += ", ";
      }
      ++e.Abweichungen;
      e.AbweichungsFaecher += notenbuch.KursLangname[I(kurs)];
    }
  }

  // Without its four Abitur subjects a plan cannot be admitted nor pass.
  std::vector<std::string> fehlend;
  if (leistungskurse == 1) {
    fehlend.push_back("Es fehlt ein Leistungskurs: Für das Abitur sind zwei Leistungskurse notwendig.");
  } else if (leistungskurse == 0) {
    fehlend.push_back("Es fehlen beide Leistungskurse: Für das Abitur sind zwei Leistungskurse notwendig.");
  }
  if (a3 == 0) {
    fehlend.push_back("Es fehlt das 3. Abiturfach (schriftlich).");
  }
  if (a4 == 0) {
    fehlend.push_back("Es fehlt das 4. Abiturfach (mündlich).");
  }
  if (!fehlend.empty()) {
    e.ZulassungBestanden = 0;
    e.PruefungBestanden = 0;
    e.Maengel.insert(e.Maengel.begin(), fehlend.begin(), fehlend.end());
  }
}

Notenergebnis AbiturnoteBerechnen(const Notenbuch& notenbuch) {
  Notenergebnis ergebnis = AuswertungEinlesen(notenbuch);
  Bestehensberechnung(notenbuch, ergebnis);
  return ergebnis;
}

int ProjektkursSpalte(const Laufbahn& laufbahn) {
  // The project course comes before the additional courses: their number does not matter.
  return NotenbuchLayoutBerechnen(laufbahn, Zusatzkurse{}).Spalte(NotenbuchKurs::Projektkurs);
}

bool ProjektkursAngleichen(Laufbahn& laufbahn) {
  const int spalte = ProjektkursSpalte(laufbahn);
  if (spalte == 0 || spalte > std::clamp(laufbahn.NotenKursZahl, 0, NotenSpalten) ||
      laufbahn.KursZaehlart[0][I(spalte)] != Pjku) {
    return false;
  }
  std::int32_t& q11 = laufbahn.Noten[0][I(spalte)];
  const std::int32_t q12 = laufbahn.Noten[1][I(spalte)];
  if (q11 == q12) {
    return false;
  }
  q11 = q12;
  return true;
}

}  // namespace kelvaro
