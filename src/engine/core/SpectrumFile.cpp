#include "core/SpectrumFile.h"

#include "core/AtomicFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include <locale.h>

namespace lumivex {

SpectrumKind KindFromPath(std::string_view path) {
  SpectrumKind kind = SpectrumKind::None;
  if (path.find("abs", 1) != std::string_view::npos) {
    kind = SpectrumKind::Absorption;
  }
  if (path.find("ems", 1) != std::string_view::npos) {
    kind = SpectrumKind::Emission;
  }
  if (path.find("els", 1) != std::string_view::npos) {
    kind = SpectrumKind::LightSource;
  }
  return kind;
}

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the start of the code point `count` code points into `text`.
std::size_t OffsetOfCodePoint(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i])) {
      if (seen == count) {
        return i;
      }
      ++seen;
    }
  }
  return text.size();
}

std::size_t CodePointCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    count += IsContinuationByte(c) ? 0 : 1;
  }
  return count;
}

} // namespace

std::string ListText(std::string_view path) {
  constexpr std::size_t kLongest = 90;
  constexpr std::size_t kHead = 3;
  constexpr std::size_t kTail = 85;
  const std::size_t length = CodePointCount(path);
  if (length <= kLongest) {
    return std::string(path);
  }
  std::string text(path.substr(0, OffsetOfCodePoint(path, kHead)));
  text += "...";
  text += path.substr(OffsetOfCodePoint(path, length - kTail));
  return text;
}

namespace {

// The blanks a C scan skips: space, tab, line feed, vertical tab, form feed, return.
bool IsScanSpace(char c) {
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= 4;
}

bool IsDigit(char c) {
  return static_cast<unsigned char>(c - '0') <= 9;
}

bool IsAlnum(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

enum class TokenScan { Parsed, NoNumber, Unsure };

// Eight ASCII digits in one little-endian word: every byte in '0'..'9'.
bool IsEightDigits(std::uint64_t word) {
  return (((word + 0x4646464646464646u) | (word - 0x3030303030303030u)) & 0x8080808080808080u) == 0;
}

// The value of eight ASCII digits in one word, the first digit in the lowest byte: pairs,
// then quadruples, then the whole combined by multiplications.
std::uint64_t EightDigitsValue(std::uint64_t word) {
  word -= 0x3030303030303030u;
  word = word * 10 + (word >> 8);
  const std::uint64_t mask = 0x000000FF000000FFu;
  const std::uint64_t highPairs = 100 + (std::uint64_t{1000000} << 32);
  const std::uint64_t lowPairs = 1 + (std::uint64_t{10000} << 32);
  return (((word & mask) * highPairs) + (((word >> 16) & mask) * lowPairs)) >> 32;
}

// Appends the decimal digits at `p` to `mantissa` (which wraps silently past 19 digits;
// the caller checks the count), eight at a time where it can. Returns how many it took.
[[gnu::always_inline]] inline std::size_t AccumulateDigits(const char*& p, const char* end,
                                                           std::uint64_t& mantissa) {
  const char* start = p;
  std::uint64_t word = 0;
  while (end - p >= 8 && (std::memcpy(&word, p, 8), IsEightDigits(word))) {
    mantissa = mantissa * 100000000u + EightDigitsValue(word);
    p += 8;
  }
  while (p < end && IsDigit(*p)) {
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    ++p;
  }
  return static_cast<std::size_t>(p - start);
}

// Exact powers of ten as doubles (10^22 is the largest that a double holds exactly).
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Exact negative powers of ten are not doubles; these are the nearest ones.
constexpr double kInversePowersOfTen[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                          1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                          1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

// The float nearest to mantissa * 10^exponent, when a quick route is certain to find it.
// The mantissa (at most 2^53) is an exact double. For exponent >= 0 the power of ten is
// exact too, so d = m * 10^e is the correctly rounded double of the decimal. For a
// negative exponent d = m * (nearest double of 10^e) is within two units of the last place
// of the decimal's value v. Rounding d to float gives the float nearest v unless a point
// halfway between two floats lies between d and v or on d; such points have their 29
// lowest double fraction bits at exactly 1000...0, so a d within four units of one is
// left to the exact route, as are results below the normal floats or above the largest.
bool QuickDecimalToFloat(std::uint64_t mantissa, int exponent, float& value) {
  if (mantissa > (std::uint64_t{1} << 53) || exponent < -22 || exponent > 22) {
    return false;
  }
  const double m = static_cast<double>(mantissa);
  const double d = exponent < 0 ? m * kInversePowersOfTen[-exponent] : m * kPowersOfTen[exponent];
  if (d != 0.0 && (d < 0x1p-126 || d > 0x1.fffffep127)) {
    return false;
  }
  std::uint64_t bits = 0;
  std::memcpy(&bits, &d, sizeof bits);
  const std::uint64_t belowFloat = bits & 0x1fffffffu;
  const std::uint64_t slack = exponent < 0 ? 4 : 0;
  if (belowFloat + slack >= 0x10000000u && belowFloat <= 0x10000000u + slack) {
    return false;
  }
  value = static_cast<float>(d);
  return true;
}

// Parses one plain decimal number at `pos` (optional sign, digits with an optional point,
// optional exponent). Anything this fast path cannot decide with certainty (hexadecimal,
// infinity and NaN words, a dangling exponent, an out-of-range value, a number running
// into letters or a second point) answers Unsure, and the caller asks the C library.
[[gnu::always_inline]] inline TokenScan ScanNumber(const char*& pos, const char* end,
                                                   float& value) {
  const char* p = pos;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* digitsStart = p;
  std::uint64_t mantissa = 0;
  std::size_t digits = AccumulateDigits(p, end, mantissa);
  int exponent = 0;
  if (p < end && *p == '.') {
    ++p;
    const std::size_t fractionDigits = AccumulateDigits(p, end, mantissa);
    digits += fractionDigits;
    exponent = -static_cast<int>(fractionDigits);
  }
  // Up to 19 digits fit a 64-bit mantissa; longer numbers take the library's route.
  const bool exact = digits <= 19;
  if (digits == 0) {
    // A sign or point alone, or a word such as "inf" or "nan": no plain number here.
    return (p < end && IsAlnum(*p)) ? TokenScan::Unsure : TokenScan::NoNumber;
  }
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    bool negativeExponent = false;
    if (q < end && (*q == '+' || *q == '-')) {
      negativeExponent = *q == '-';
      ++q;
    }
    if (q >= end || !IsDigit(*q)) {
      return TokenScan::Unsure;
    }
    int written = 0;
    while (q < end && IsDigit(*q)) {
      written = std::min(written * 10 + (*q - '0'), 100000);
      ++q;
    }
    exponent += negativeExponent ? -written : written;
    p = q;
  }
  if (p < end && (IsAlnum(*p) || *p == '.' || *p == '_')) {
    return TokenScan::Unsure;
  }
  float parsed = 0.0f;
  if (!exact || !QuickDecimalToFloat(mantissa, exponent, parsed)) {
    const auto [last, error] = std::from_chars(digitsStart, p, parsed);
    if (error != std::errc() || last != p) {
      return TokenScan::Unsure;
    }
  }
  value = negative ? -parsed : parsed;
  pos = p;
  return TokenScan::Parsed;
}

// Skips blanks up to the end of the chunk; a line feed ends a chunk, so it stops there.
const char* SkipSpace(const char* p, const char* end) {
  while (p < end && *p != '\n' && IsScanSpace(*p)) {
    ++p;
  }
  return p;
}

// Scans the two numbers of a chunk that starts at `begin` and ends at the first line feed
// before `limit`, or at `limit`. `stop` receives where scanning ended, never past that
// line feed. Unsure leaves the decision to the C library.
[[gnu::always_inline]] inline TokenScan ScanPair(const char* begin, const char* limit, float& x,
                                                 float& y, const char*& stop) {
  const char* p = SkipSpace(begin, limit);
  TokenScan scan = ScanNumber(p, limit, x);
  if (scan == TokenScan::Parsed) {
    p = SkipSpace(p, limit);
    scan = ScanNumber(p, limit, y);
  }
  stop = p;
  return scan;
}

// Runs sscanf in the C locale, whatever locale the process runs in (a GUI toolkit may
// have set the user's, with a decimal comma).
template <typename... Values>
int ScanInCLocale(const char* text, const char* format, Values*... values) {
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t previous = ::uselocale(cLocale);
  const int converted = std::sscanf(text, format, values...);
  ::uselocale(previous);
  return converted;
}

// The C library's own scan of a chunk.
bool ScanWithLibrary(std::string_view chunk, float& x, float& y) {
  std::array<char, 128> buffer{};
  std::string copy;
  char* text = buffer.data();
  if (chunk.size() >= buffer.size()) {
    copy.assign(chunk);
    text = copy.data();
  } else {
    std::memcpy(text, chunk.data(), chunk.size());
    text[chunk.size()] = '\0';
  }
  return ScanInCLocale(text, "%f %f", &x, &y) == 2;
}

} // namespace

bool ScanFloat(std::string_view text, float& value) {
  const std::string copy(text);
  float scanned = 0.0f;
  if (ScanInCLocale(copy.c_str(), "%f", &scanned) != 1 || !std::isfinite(scanned)) {
    return false;
  }
  value = scanned;
  return true;
}

namespace {

// Decides a chunk [begin, end) after the quick scan answered `scan`.
bool DecideDataLine(TokenScan scan, const char* begin, const char* end, float& x, float& y) {
  if (scan == TokenScan::Unsure &&
      !ScanWithLibrary({begin, static_cast<std::size_t>(end - begin)}, x, y)) {
    return false;
  }
  return scan != TokenScan::NoNumber && std::isfinite(x) && std::isfinite(y);
}

} // namespace

bool ScanDataLine(std::string_view chunk, float& x, float& y) {
  const char* begin = chunk.data();
  const char* end = begin + chunk.size();
  float first = 0.0f;
  float second = 0.0f;
  const char* stop = nullptr;
  const TokenScan scan = ScanPair(begin, end, first, second, stop);
  if (!DecideDataLine(scan, begin, end, first, second)) {
    return false;
  }
  x = first;
  y = second;
  return true;
}

std::size_t ParseSpectrumChunks(std::string_view text, bool atEnd,
                                std::vector<SpectrumPoint>& points) {
  const char* const data = text.data();
  const char* const textEnd = data + text.size();
  const char* begin = data;
  while (begin < textEnd) {
    const char* limit =
        begin + std::min<std::size_t>(kChunkBytes, static_cast<std::size_t>(textEnd - begin));
    SpectrumPoint point;
    const char* stop = nullptr;
    const TokenScan scan = ScanPair(begin, limit, point.x, point.y, stop);
    // Scanning never passes a line feed, so the chunk's end lies at or after `stop`.
    const char* newline = stop;
    while (newline < limit && *newline != '\n') {
      ++newline;
    }
    if (newline == limit && limit - begin < static_cast<std::ptrdiff_t>(kChunkBytes) && !atEnd) {
      break; // the chunk may go on in the text that follows
    }
    const char* chunkEnd = newline < limit ? newline + 1 : limit;
    if (DecideDataLine(scan, begin, chunkEnd, point.x, point.y)) {
      points.push_back(point);
    }
    begin = chunkEnd;
  }
  return static_cast<std::size_t>(begin - data);
}

void ParseSpectrumText(std::string_view text, std::vector<SpectrumPoint>& points) {
  (void)ParseSpectrumChunks(text, true, points);
}

void SetGridAndPeak(CSpectrum& spectrum) {
  float peakY = 0.0f;
  float peakX = 0.0f;
  for (const SpectrumPoint& point : spectrum.m_points) {
    if (point.y > peakY) {
      peakY = point.y;
      peakX = point.x;
    }
  }
  spectrum.m_peakY = peakY;
  spectrum.m_peakX = peakX;
  if (spectrum.m_points.size() >= 2) {
    const float d = spectrum.m_points[1].x - spectrum.m_points[0].x;
    spectrum.m_descending = d > 0.0f ? 0 : 1;
    spectrum.m_xStep = d > 0.0f ? d : -d;
  }
}

namespace {

// Skips the whole chunks that lie inside a hole at the read position. They hold zero bytes
// only, which make no data line, so the points stay exactly those a full read finds. The
// unfinished chunk at the buffer's start (`filled` bytes, no line feed) runs on into the
// hole's zeros up to a whole chunk and is judged first; the chunks after it start a whole
// chunk apart, as zeros hold no line feed.
FileStatus SkipHole(CInputFile& file, char* buffer, std::size_t& filled,
                    std::vector<SpectrumPoint>& points) {
  constexpr std::size_t kWorthSkipping = 1 << 20;
  const std::size_t hole = file.HoleAhead();
  if (hole < kWorthSkipping) {
    return {true, {}};
  }
  std::size_t zeros = 0;
  if (filled > 0) {
    zeros = kChunkBytes - filled;
    std::memset(buffer + filled, 0, zeros);
    (void)ParseSpectrumChunks({buffer, kChunkBytes}, false, points);
    filled = 0;
  }
  return file.Skip(zeros + (hole - zeros) / kChunkBytes * kChunkBytes);
}

} // namespace

FileStatus ReadSpectrumPoints(const std::string& path, std::vector<SpectrumPoint>& points,
                              std::size_t limit) {
  CInputFile file;
  if (FileStatus opened = file.Open(path); !opened.ok) {
    return opened;
  }
  constexpr std::size_t kBlock = 1 << 18;
  const auto buffer = std::make_unique_for_overwrite<char[]>(kBlock);
  std::size_t filled = 0;
  for (bool atEnd = false; !atEnd && points.size() < limit;) {
    if (FileStatus skipped = SkipHole(file, buffer.get(), filled, points); !skipped.ok) {
      return skipped;
    }
    std::size_t got = 0;
    if (FileStatus read = file.Read(buffer.get() + filled, kBlock - filled, got); !read.ok) {
      return read;
    }
    filled += got;
    atEnd = got == 0;
    // Room for the points the block can hold, reserved as the data arrive and not by the
    // file's size, which says little about its data (a sparse file can be huge and hold
    // none). Lines as this program writes them take at least 29 characters; the room grows
    // at least twofold, so a long file is moved only a few times.
    const std::size_t wanted = points.size() + got / 28 + 2;
    if (wanted > points.capacity()) {
      points.reserve(std::max(wanted, 2 * points.capacity()));
    }
    const std::size_t used = ParseSpectrumChunks({buffer.get(), filled}, atEnd, points);
    std::memmove(buffer.get(), buffer.get() + used, filled - used);
    filled -= used;
  }
  if (points.size() > limit) {
    points.resize(limit);
  }
  return {true, {}};
}

SpectrumReadResult ReadSpectrumFile(const std::string& path, std::size_t maxPoints) {
  SpectrumReadResult result;
  const FileStatus read = ReadSpectrumPoints(path, result.spectrum.m_points, maxPoints + 1);
  if (!read.ok) {
    result.status = ReadStatus::CannotOpen;
    result.message = read.message;
    return result;
  }
  CSpectrum& spectrum = result.spectrum;
  spectrum.m_filePath = path;
  spectrum.m_kind = KindFromPath(path);
  if (spectrum.m_points.size() < 2) {
    result.status = ReadStatus::TooFewPoints;
    result.message = "The file holds fewer than two data points and cannot be opened as a "
                     "spectrum:\n" +
                     path;
    spectrum.m_points.clear();
    return result;
  }
  if (spectrum.m_points.size() > maxPoints) {
    result.status = ReadStatus::TooManyPoints;
    result.message = "The file holds more than " + std::to_string(maxPoints) +
                     " data points, more than a spectrum may have, and cannot be opened:\n" + path;
    spectrum.m_points = {};
    return result;
  }
  if (spectrum.m_points[0].x == spectrum.m_points[1].x) {
    result.status = ReadStatus::ZeroStep;
    result.message = "The first two wavelengths of the file are equal, so it has no step "
                     "between points and cannot be opened as a spectrum:\n" +
                     path;
    spectrum.m_points.clear();
    return result;
  }
  if (spectrum.m_points.capacity() > 2 * spectrum.m_points.size()) {
    spectrum.m_points.shrink_to_fit();
  }
  SetGridAndPeak(spectrum);
  result.status = ReadStatus::Ok;
  return result;
}

namespace {

// Writes `value` as printf's "%.<decimals>f" prints it (the float promoted to double,
// rounded exactly, ties to even) at `out` and returns the end. Finite values whose scaled
// magnitude value * 10^decimals stays below 2^63 take an integer route: a float is m * 2^e with m <
// 2^24, so value * 10^decimals is m * 10^decimals / 2^-e, a quotient of 64-bit integers whose
// remainder decides the rounding exactly. Other values go through to_chars (exact too) or snprintf
// (inf, nan).
char* WriteFixed(char* out, float value, int decimals, const char* format) {
  static constexpr std::uint64_t kScale[] = {
      1,        10,        100,        1000,        10000,        100000,       1000000,
      10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000};
  const double wide = value;
  if (!std::isfinite(wide)) {
    return out + std::snprintf(out, 64, format, wide);
  }
  if (decimals > 12 || !(std::fabs(wide) * static_cast<double>(kScale[decimals]) < 0x1p63)) {
    return std::to_chars(out, out + 400, wide, std::chars_format::fixed, decimals).ptr;
  }
  int exponent = 0;
  const float fraction = std::frexp(std::fabs(value), &exponent); // value = fraction * 2^exp
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24)); // exact
  const int shift = 24 - exponent;                          // value = mantissa / 2^shift
  const std::uint64_t scaled = mantissa * kScale[decimals]; // below 2^24 * 10^12 < 2^64
  std::uint64_t quotient = 0;
  if (shift <= 0) {
    quotient = scaled << -shift; // below 2^63 by the range check
  } else if (shift < 64) {
    quotient = scaled >> shift;
    const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1u) != 0)) {
      ++quotient;
    }
  } else if (shift == 64 && scaled > (std::uint64_t{1} << 63)) {
    quotient = 1; // more than half a unit of the last decimal (an exact half cannot occur)
  }               // else: less than half a unit of the last decimal: 0.
  if (std::signbit(value)) {
    *out++ = '-';
  }
  const std::uint64_t whole = quotient / kScale[decimals];
  std::uint64_t part = quotient % kScale[decimals];
  out = std::to_chars(out, out + 24, whole).ptr;
  if (decimals > 0) {
    *out++ = '.';
    for (int i = decimals - 1; i >= 0; --i) {
      out[i] = static_cast<char>('0' + part % 10);
      part /= 10;
    }
    out += decimals;
  }
  return out;
}

} // namespace

std::string FormatSpectrumText(const CSpectrum& spectrum) {
  std::string text;
  text.reserve(spectrum.m_points.size() * 32);
  char line[1024];
  for (const SpectrumPoint& point : spectrum.m_points) {
    // "%4.3f" never pads a finite value: three decimals already make five characters.
    char* end = WriteFixed(line, point.x + spectrum.m_xShift, 3, "%4.3f");
    std::memcpy(end, "         ", 9);
    end = WriteFixed(end + 9, point.y, 12, "%.12f");
    *end++ = '\n';
    text.append(line, end);
  }
  return text;
}

WriteResult WriteSpectrumFile(const CSpectrum& spectrum, const std::string& path) {
  const FileStatus status = WriteFileAtomically(path, FormatSpectrumText(spectrum));
  return {status.ok, status.message};
}

} // namespace lumivex
