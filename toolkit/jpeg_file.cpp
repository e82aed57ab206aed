#include "jpeg_file.h"

#include "picture_error.h"

#include <files.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace toolkit {
namespace {

// libjpeg reports errors through a callback that must not return. We jump back to the
// decoding function, which keeps no C++ object alive across the jump except ones declared
// before it, and turn the failure into a PictureError there.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

constexpr int kMaxScans = 1000;  // far more than any real progressive picture uses

[[noreturn]] void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// A picture that ends early is corrupt for us: libjpeg would only warn and fill it grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

void OnProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (info->is_decompressor && decompress->input_scan_number > kMaxScans) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "too many scans");
    std::longjmp(errors->jump, 1);
  }
}

void UseErrors(jpeg_error_mgr* base, ErrorManager& errors) {
  jpeg_std_error(base);
  base->error_exit = OnError;
  base->emit_message = OnMessage;
  errors.message[0] = '\0';
}

// Returns an empty text on success, the reason otherwise.
std::string Decode(const std::string_view bytes, Bitmap& out) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  jpeg_progress_mgr progress;
  std::vector<unsigned char> cmykRow;  // declared before the jump point, so a jump skips no destructor
  info.err = &errors.base;
  UseErrors(&errors.base, errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return errors.message[0] ? errors.message : "corrupt picture";
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  progress.progress_monitor = OnProgress;
  info.progress = &progress;
  jpeg_read_header(&info, TRUE);
  if (static_cast<std::int64_t>(info.image_width) * info.image_height > Bitmap::kMaxPixels ||
      info.image_width == 0 || info.image_height == 0) {
    jpeg_destroy_decompress(&info);
    return "picture too large";
  }
  bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  out.SetFormat(PixelFormat::Bgr24);
  out.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  if (cmyk) cmykRow.resize(static_cast<std::size_t>(info.output_width) * 4);
  bool inverted = info.saw_Adobe_marker;  // Adobe writes CMYK with inverted ink values
  while (info.output_scanline < info.output_height) {
    int y = static_cast<int>(info.output_scanline);
    JSAMPROW row = cmyk ? cmykRow.data() : out.Row(y);
    jpeg_read_scanlines(&info, &row, 1);
    if (!cmyk) continue;
    std::uint8_t* to = out.Row(y);
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
      unsigned c = cmykRow[4 * x], m = cmykRow[4 * x + 1], yl = cmykRow[4 * x + 2], k = cmykRow[4 * x + 3];
      if (!inverted) c = 255 - c, m = 255 - m, yl = 255 - yl, k = 255 - k;
      to[3 * x] = static_cast<std::uint8_t>(yl * k / 255);
      to[3 * x + 1] = static_cast<std::uint8_t>(m * k / 255);
      to[3 * x + 2] = static_cast<std::uint8_t>(c * k / 255);
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return {};
}

std::string Encode(const Bitmap& picture, int quality, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = &errors.base;
  UseErrors(&errors.base, errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return errors.message[0] ? errors.message : "cannot encode";
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(picture.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return {};
}

}  // namespace

Bitmap DecodeJpeg(std::string_view bytes) {
  Bitmap picture;
  std::string failure = Decode(bytes, picture);
  if (!failure.empty()) throw PictureError("JPEG picture: " + failure);
  return picture;
}

Bitmap LoadJpegFile(std::string_view path) {
  std::optional<std::string> bytes = platform::ReadWholeFile(path);
  if (!bytes) throw PictureError("cannot read picture file " + std::string(path));
  try {
    return DecodeJpeg(*bytes);
  } catch (const PictureError& error) {
    throw PictureError(std::string(error.what()) + " (" + std::string(path) + ")");
  }
}

std::string EncodeJpeg(const Bitmap& bitmap, int quality) {
  if (bitmap.Empty()) throw PictureError("JPEG picture: nothing to encode");
  Bitmap picture = bitmap;
  picture.SetFormat(PixelFormat::Bgr24);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::string failure = Encode(picture, std::clamp(quality, 1, 100), &buffer, &size);
  std::string bytes = failure.empty() ? std::string(reinterpret_cast<char*>(buffer), size) : std::string();
  std::free(buffer);
  if (!failure.empty()) throw PictureError("JPEG picture: " + failure);
  return bytes;
}

}  // namespace toolkit
