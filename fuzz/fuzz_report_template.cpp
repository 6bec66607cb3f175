// The HTML template filler: any template fills; the texts put into it never add markup
// (a text "<" + marker byte appears only escaped unless the template itself holds the
// marker byte: a malformed placeholder taken out may join the template's own "<" and
// letters, which is the template's markup, not the text's);
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
    values.texts.push_back("<\x01&\"'>" + std::string(static_cast<std::size_t>(i) * 13, 'w'));
  }
  values.userName = "<\x01&\"'>";
  values.date = "Wed Jun  4 09:05:03 2025";
  values.donorPicture = "/pictures/d o\"n<\x02>r.gif";
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
  if (templateText.find('\x01') == std::string_view::npos) {
    Require(report.find("<\x01") == std::string::npos, "a filled text adds no markup");
  }
  if (templateText.find('\x02') == std::string_view::npos) {
    Require(report.find("<\x02") == std::string::npos, "a picture path adds no markup");
  }
  if (templateText.find("_") == std::string_view::npos &&
      templateText.find(".gif") == std::string_view::npos) {
    Require(report.compare(header.size(), std::string::npos, templateText) == 0,
            "a template without placeholders is copied");
  }
  return 0;
}
