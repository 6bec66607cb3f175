// The HTML template filler: any template fills; the texts put into it never add markup
// (a marker text with markup appears only escaped unless the template itself holds it);
// a template without placeholders comes out as written behind the header.
#include "FuzzCheck.h"

#include "output/HtmlReport.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using lumivex::fuzz::Require;

lumivex::ReportValues Values() {
  const lumivex::ReportSlots slots = lumivex::ReportSlotsOf(5);
  lumivex::ReportValues values;
  for (int i = 0; i < slots.numbers; ++i) {
    values.numbers.push_back(i % 3 == 0 ? 1.5e30f : static_cast<float>(i) / 7.0f);
  }
  for (int i = 0; i < slots.texts; ++i) {
    values.texts.push_back("<q&\"'>" + std::string(static_cast<std::size_t>(i) * 13, 'w'));
  }
  values.userName = "<q&\"'>";
  values.date = "Wed Jun  4 09:05:03 2025";
  values.donorPicture = "/pictures/d o\"n<o>r.gif";
  values.acceptorPicture = "acceptor picture%.gif";
  values.spectrumPicture = "spectrum.bmp";
  return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const lumivex::ReportValues values = Values();
  static const std::string header = lumivex::ReportHeader();
  const std::string_view templateText(reinterpret_cast<const char*>(data), size);
  const std::string report = lumivex::FillReport(templateText, values);
  Require(report.compare(0, header.size(), header) == 0, "a report starts with its header");
  if (templateText.find("<q") == std::string_view::npos &&
      templateText.find("o>") == std::string_view::npos) {
    Require(report.find("<q") == std::string::npos, "a filled text adds no markup");
    Require(report.find("<o>") == std::string::npos, "a picture path adds no markup");
  }
  if (templateText.find("_") == std::string_view::npos &&
      templateText.find(".gif") == std::string_view::npos) {
    Require(report.compare(header.size(), std::string::npos, templateText) == 0,
            "a template without placeholders is copied");
  }
  return 0;
}
