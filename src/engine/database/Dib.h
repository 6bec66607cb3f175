#pragma once

#include "core/AtomicFile.h"
#include "core/Bitmap.h"
#include "core/Canvas.h"
#include "core/Prompts.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumivex {

/// The message for a file that is not a bitmap the program can show.
inline constexpr const char* kInvalidBitmapFile = "Invalid bitmap file";
/// The text of the structure frame when a record has no picture file.
inline constexpr const char* kNoStructureAvailable = "No structure available";
/// Where a structure picture is drawn in its frame, and at what size, whatever its own size.
inline constexpr CPoint kStructureOrigin{1, 7};
inline constexpr CSize kStructureDisplaySize{240, 200};
/// The largest picture accepted, in pixels.
inline constexpr long long kMaxBitmapPixels = 100'000'000;

/// Decodes a Windows device-independent bitmap file held in `bytes`: 1, 4 and 8 bits a
/// pixel through a colour table, 16 and 32 bits with default or BI_BITFIELDS masks, 24 bits
/// as blue, green, red; rows bottom-up or top-down; information headers of 40, 108 and 124
/// bytes. Every size in the headers is checked against the bytes before anything is read.
/// Nothing for anything else: compressed rows, other depths or headers, sizes that do not
/// fit the bytes, pictures over kMaxBitmapPixels. A colour index beyond the colour table
/// reads as black.
[[nodiscard]] std::optional<RgbImage> DecodeDib(std::string_view bytes);

/// The picture resized to `size` by nearest neighbour: target pixel (x, y) takes source
/// pixel (x * width / size.cx, y * height / size.cy). Empty for an empty picture or size.
[[nodiscard]] RgbImage ScaleImage(const RgbImage& image, CSize size);

/// The structure picture on show: one bitmap attached at a time.
class CDib {
public:
  /// Attaches the bitmap file at `path`. A file that cannot be read fails with no message;
  /// one that is not a valid bitmap fails with kInvalidBitmapFile. On failure the picture
  /// attached before stays.
  [[nodiscard]] FileStatus LoadFromFile(const std::string& path);
  /// Attaches the bitmap file held in `bytes`, as LoadFromFile.
  [[nodiscard]] FileStatus LoadFromBytes(std::string_view bytes);

  [[nodiscard]] bool IsAttached() const { return !m_image.pixels.empty(); }
  /// The attached picture at its own size, rows top to bottom; empty when none.
  [[nodiscard]] const RgbImage& Image() const { return m_image; }
  /// kStructureDisplaySize when a picture is attached, 0 x 0 otherwise.
  [[nodiscard]] CSize DisplaySize() const;
  /// Draws the whole picture stretched into the rectangle at `at` of `size`; false, drawing
  /// nothing, when no picture is attached.
  bool DrawStretched(Canvas& canvas, CPoint at, CSize size) const;
  /// Detaches the picture.
  void Release() { m_image = {}; }

private:
  RgbImage m_image;
};

/// What the structure frame shows.
enum class StructureView {
  Blank,       ///< nothing drawn yet
  Picture,     ///< the picture attached to the frame's CDib
  NoStructure, ///< the white area with kNoStructureAvailable
};

/// Attaches the structure picture file at `path` for the structure frame and says what the
/// frame shows afterwards. A file that exists is attached to `dib` (Picture); when it is
/// not a valid bitmap, kInvalidBitmapFile is shown and the frame keeps `current`; when it
/// cannot be read, the frame keeps `current` without a message. When there is no file at
/// the path (a folder does not count), the frame shows NoStructure.
[[nodiscard]] StructureView LoadStructurePicture(Prompts& prompts, CDib& dib,
                                                 const std::string& path, StructureView current);

/// Paints the structure frame: the attached picture stretched to kStructureDisplaySize at
/// kStructureOrigin, or for NoStructure the frame area filled white with
/// kNoStructureAvailable at (40, 100) in the default font, black, left-aligned.
void PaintStructure(Canvas& canvas, const CDib& dib, StructureView view);

} // namespace lumivex
