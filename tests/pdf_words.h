#pragma once
// Where words stand on the first page of a PDF, from pdftotext's word boxes
// (poppler-utils), for tests that check the report's columns in a PDF.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tharvex::testing {

struct PdfWord {
  double x, y;  // top-left corner, points
  std::string text;
};

// The words of `pdf`; empty when pdftotext fails. `boxes` is the HTML file
// pdftotext writes the boxes to.
inline std::vector<PdfWord> PdfWords(const std::string& pdf, const std::string& boxes) {
  std::vector<PdfWord> words;
  if (std::system(("pdftotext -bbox '" + pdf + "' '" + boxes + "'").c_str()) != 0) return words;
  std::ifstream in(boxes, std::ios::binary);
  const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (size_t p = html.find("<word "); p != std::string::npos; p = html.find("<word ", p + 1)) {
    PdfWord w{};
    if (std::sscanf(html.c_str() + p, "<word xMin=\"%lf\" yMin=\"%lf\"", &w.x, &w.y) != 2) continue;
    const size_t b = html.find('>', p) + 1;
    w.text = html.substr(b, html.find("</word>", b) - b);
    words.push_back(w);
  }
  return words;
}

// Where the value column starts in the first row whose caption starts with
// `caption`: the first word on its line past the caption column (20 columns
// of at least 4.5 pt; the captions checked are at most 12 columns wide).
// -1 when there is no such row.
inline double ValueColumnX(const std::vector<PdfWord>& words, const std::string& caption) {
  for (const PdfWord& c : words) {
    if (c.text.rfind(caption, 0) != 0) continue;
    double best = -1;
    for (const PdfWord& w : words)
      if (std::abs(w.y - c.y) < 1 && w.x > c.x + 60 && (best < 0 || w.x < best)) best = w.x;
    return best;
  }
  return -1;
}

}  // namespace tharvex::testing
