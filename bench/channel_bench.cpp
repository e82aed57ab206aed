// Scrambling speed: both directions are one linear pass over the text.
#include <crypt.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string SampleText(std::size_t size) {
  std::string text;
  const std::string command = "RTTI:MainForm:GameB14:Caption:Sound|";
  while (text.size() < size) text += command;
  text.resize(size);
  return text;
}

void BM_CryptEncode(benchmark::State& state) {
  std::string plain = SampleText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(channel::CryptEncode(plain));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_CryptEncode)->Arg(64)->Arg(4096)->Arg(200'000);

void BM_CryptDecode(benchmark::State& state) {
  std::string scrambled = channel::CryptEncode(SampleText(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(channel::CryptDecode(scrambled));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_CryptDecode)->Arg(64)->Arg(4096)->Arg(200'000);

}  // namespace
