#pragma once
// The cross-section written as a PNG image or a PDF page (through cairo).
#include <string>

#include "core/output/section_geometry.h"

namespace tharvex::section {

struct WriteResult {
  bool ok = false;
  std::string message;  // why not, when not ok
};

// PNG whose longer side is `longSide` pixels.
WriteResult WriteSectionPng(const SectionScene& scene, const std::string& file, int longSide = 2000);
// One PDF page, the drawing fitted into an A4 landscape sheet.
WriteResult WriteSectionPdf(const SectionScene& scene, const std::string& file);

}  // namespace tharvex::section
