#pragma once

#include "ui/Farbe.h"

#include <string>
#include <vector>

namespace kelvaro::ui {

struct Rechteck {
  int links = 0;
  int oben = 0;
  int rechts = 0;  // exclusive
  int unten = 0;   // exclusive
};

// A page printer in device pixels. Texts are placed by their top-left corner and drawn on
// the current fill colour.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual int pageWidth() const = 0;
  // false when the job could not be started (no printer, file not writable).
  virtual bool beginJob(const std::string& title) = 0;
  virtual bool endJob() = 0;
  virtual void text(int x, int y, const std::string& text, const std::string& fontName, int pointSize, bool bold) = 0;
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  virtual void setFillColor(Farbe color) = 0;
  virtual void fillRect(const Rechteck& rect) = 0;
  virtual void outlineRect(const Rechteck& rect) = 0;
  virtual void picture(const Rechteck& rect, const std::string& pictureName) = 0;
};

// A printer that records every call, for tests: what was drawn, where, in which font.
class RecordingPrinter : public Printer {
 public:
  struct Aufruf {
    std::string art;  // "text", "line", "fill", "outline", "picture", "color", "begin", "end"
    Rechteck ort;     // text: links/oben; line: from (links, oben) to (rechts, unten)
    std::string text;
    std::string schrift;
    int punkt = 0;
    bool fett = false;
    Farbe farbe;
  };

  explicit RecordingPrinter(int pageWidth = 4000, bool jobBeginnt = true)
      : m_pageWidth(pageWidth), m_jobBeginnt(jobBeginnt) {}

  int pageWidth() const override { return m_pageWidth; }
  bool beginJob(const std::string& title) override {
    m_aufrufe.push_back({"begin", {}, title, {}, 0, false, m_farbe});
    return m_jobBeginnt;
  }
  bool endJob() override {
    m_aufrufe.push_back({"end", {}, {}, {}, 0, false, m_farbe});
    return true;
  }
  void text(int x, int y, const std::string& text, const std::string& fontName, int pointSize, bool bold) override {
    m_aufrufe.push_back({"text", {x, y, x, y}, text, fontName, pointSize, bold, m_farbe});
  }
  void line(int x1, int y1, int x2, int y2) override {
    m_aufrufe.push_back({"line", {x1, y1, x2, y2}, {}, {}, 0, false, m_farbe});
  }
  void setFillColor(Farbe color) override {
    m_farbe = color;
    m_aufrufe.push_back({"color", {}, {}, {}, 0, false, color});
  }
  void fillRect(const Rechteck& rect) override { m_aufrufe.push_back({"fill", rect, {}, {}, 0, false, m_farbe}); }
  void outlineRect(const Rechteck& rect) override { m_aufrufe.push_back({"outline", rect, {}, {}, 0, false, m_farbe}); }
  void picture(const Rechteck& rect, const std::string& pictureName) override {
    m_aufrufe.push_back({"picture", rect, pictureName, {}, 0, false, m_farbe});
  }

  const std::vector<Aufruf>& aufrufe() const { return m_aufrufe; }

 private:
  int m_pageWidth;
  bool m_jobBeginnt;
  Farbe m_farbe{255, 255, 255};
  std::vector<Aufruf> m_aufrufe;
};

}  // namespace kelvaro::ui
