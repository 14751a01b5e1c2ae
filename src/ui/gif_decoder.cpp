// GIF through giflib. Only the first frame is shown; it is placed on a canvas
// of the logical screen size, and what the frame does not cover stays
// transparent. The frame is read line by line so that its declared size is
// checked before anything is allocated for it.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "ui/picture_codecs.h"

namespace qv::picture_codecs {

namespace {

struct MemoryInput {
  std::span<const uint8_t> bytes;
  size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const size_t wanted = length > 0 ? static_cast<size_t>(length) : 0;
  const size_t count = std::min(wanted, input->bytes.size() - input->position);
  std::memcpy(out, input->bytes.data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

struct GifSession {
  GifFileType* gif = nullptr;
  ~GifSession() {
    if (gif != nullptr) {
      int error = 0;
      DGifCloseFile(gif, &error);
    }
  }
};

// Skips the sub-blocks of an extension, keeping the transparent index of a
// graphics control block.
bool ReadExtension(GifFileType* gif, int& transparent_index) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR) return false;
    transparent_index = control.TransparentColor;
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// Rows of an interlaced frame arrive in four passes.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) order.push_back(y);
  }
  return order;
}

PictureResult ReadFirstFrame(GifFileType* gif, std::string_view name) {
  int transparent_index = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) break;
    if (record == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif, transparent_index)) break;
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) break;  // the file ends without a frame
    if (DGifGetImageDesc(gif) == GIF_ERROR) break;

    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (colours == nullptr || frame.Width <= 0 || frame.Height <= 0) break;
    // A screen size of 0 is read as "as large as the frame", as viewers do.
    const int64_t width = gif->SWidth > 0 ? gif->SWidth : int64_t{frame.Left} + frame.Width;
    const int64_t height = gif->SHeight > 0 ? gif->SHeight : int64_t{frame.Top} + frame.Height;
    if (std::optional<std::string> refusal = RejectSize(width, height)) {
      return PictureResult::Failure(FailureMessage(name, *refusal));
    }

    Picture picture;
    picture.Width = static_cast<int>(width);
    picture.Height = static_cast<int>(height);
    picture.Rgba.assign(RgbaBytes(width, height), 0);
    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    for (int row : RowOrder(frame.Height, frame.Interlace)) {
      if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
        return PictureResult::Failure(FailureMessage(name, kDamaged));
      }
      const int y = frame.Top + row;
      if (y >= picture.Height) continue;
      for (int i = 0; i < frame.Width; ++i) {
        const int x = frame.Left + i;
        if (x >= picture.Width) break;
        const int index = line[static_cast<size_t>(i)];
        if (index == transparent_index) continue;
        uint8_t* out =
            picture.Rgba.data() + RgbaBytes(picture.Width, y) + static_cast<size_t>(x) * 4;
        // An index past the colour table is drawn black, as viewers do.
        if (index < colours->ColorCount) {
          out[0] = colours->Colors[index].Red;
          out[1] = colours->Colors[index].Green;
          out[2] = colours->Colors[index].Blue;
        }
        out[3] = 0xFF;
      }
    }
    return PictureResult::Success(std::move(picture));
  }
  return PictureResult::Failure(FailureMessage(name, kDamaged));
}

}  // namespace

PictureResult DecodeGif(std::span<const uint8_t> bytes, std::string_view name) {
  MemoryInput input{bytes, 0};
  int error = 0;
  GifSession session;
  session.gif = DGifOpen(&input, ReadFromMemory, &error);
  if (session.gif == nullptr) return PictureResult::Failure(FailureMessage(name, kDamaged));
  return ReadFirstFrame(session.gif, name);
}

}  // namespace qv::picture_codecs
