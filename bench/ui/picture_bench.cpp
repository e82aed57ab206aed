// The picture routines at the sizes the boards use: blending a checker, resampling a large
// JPEG, loading a board picture.
#include <image_x.h>

#include <bmp_file.h>
#include <jpeg_file.h>

#include <files.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::Rgb;

// A photograph-like picture: smooth shading with some grain.
Bitmap Photo(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = b.Row(y);
    for (int x = 0; x < width; ++x) {
      int grain = static_cast<int>((x * 2654435761u ^ y * 2246822519u) >> 28);
      row[3 * x] = static_cast<std::uint8_t>(60 + x * 120 / width + grain);
      row[3 * x + 1] = static_cast<std::uint8_t>(90 + y * 100 / height + grain);
      row[3 * x + 2] = static_cast<std::uint8_t>(140 + grain);
    }
  }
  return b;
}

// A masked checker: a disc of the given diameter with a soft edge.
Bitmap Checker(int size) {
  Bitmap b(2 * size, size);
  for (int y = 0; y < size; ++y) {
    std::uint8_t* row = b.Row(y);
    for (int x = 0; x < size; ++x) {
      double d = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) - size * 0.47;
      auto mask = static_cast<std::uint8_t>(d <= 0 ? 0 : d >= 1 ? 255 : d * 255);
      row[3 * x] = 200, row[3 * x + 1] = 190, row[3 * x + 2] = 170;
      row[3 * (size + x)] = row[3 * (size + x) + 1] = row[3 * (size + x) + 2] = mask;
    }
  }
  return b;
}

std::string TemporaryFile(const std::string& name, const std::string& bytes) {
  std::string path = "/tmp/gameplugins-bench-" + std::to_string(::getpid()) + "-" + name;
  if (!platform::WriteWholeFile(path, bytes)) std::abort();
  return path;
}

void BM_DrawMaskedChecker(benchmark::State& state) {
  Bitmap board = Photo(800, 600), checker = Checker(50);
  Canvas canvas(board);
  double opacity = state.range(0) == 100 ? 1.0 : state.range(0) / 100.0;
  int i = 0;
  for (auto _ : state) {
    ui::DrawMasked(100 + (i++ % 500), 200, checker, ui::kAllColumns, opacity, canvas);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawMaskedChecker)->Arg(100)->Arg(50);

void BM_ScaleBitmapJpeg1600To800(benchmark::State& state) {
  const Bitmap decoded = toolkit::DecodeJpeg(toolkit::EncodeJpeg(Photo(1600, 1200), 90));
  for (auto _ : state) {
    Bitmap source = decoded, target;
    ui::ScaleBitmap(source, target, 800, 0);
    benchmark::DoNotOptimize(target.Row(0));
  }
}
BENCHMARK(BM_ScaleBitmapJpeg1600To800)->Unit(benchmark::kMillisecond);

void BM_LoadScaledBoard(benchmark::State& state) {
  // The board pictures of the installation are 1586 by 1172; a board image 800 wide asks
  // for 16 times a zoom of 50.
  std::string path = TemporaryFile("boardBench.jpg", toolkit::EncodeJpeg(Photo(1586, 1172), 92));
  for (auto _ : state) {
    Bitmap target;
    ui::LoadScaled(path, target, 800, false);
    benchmark::DoNotOptimize(target.Row(0));
  }
  platform::DeleteFileAt(path);
}
BENCHMARK(BM_LoadScaledBoard)->Unit(benchmark::kMillisecond);

void BM_LoadScaledChecker(benchmark::State& state) {
  std::string path = TemporaryFile("CheckerBench.bmp", toolkit::EncodeBmp(Checker(128)));
  for (auto _ : state) {
    Bitmap target;
    ui::LoadScaled(path, target, 100, false);
    benchmark::DoNotOptimize(target.Row(0));
  }
  platform::DeleteFileAt(path);
}
BENCHMARK(BM_LoadScaledChecker)->Unit(benchmark::kMicrosecond);

}  // namespace
